// Counter files (GetIDSeqNumber). The first byte gives the count of numbers
// to reserve (its low 7 bits, minus 1: -1 to 126); with its high bit set the
// rest is repeated to a file of more than 64 KiB. The rest is the counter.
//   - A refused reservation gives -1 and leaves the counter byte for byte.
//   - A granted one gives the number after the counter's last number, and
//     leaves the counter holding the last number reserved, as decimal text
//     that the next reservation reads back.
#include <string>

#include "AXOCorGlobalServices.h"
#include "AXOFuzzSupport.h"

namespace {

long Reserve(long count) {
  CATUnicodeString name("counter");
  long number = -7;
  AXOCorGlobalServices::GetIDSeqNumber(name, count, number);
  return number;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  AXOFuzzFolder& folder = AXOFuzzFolder::Get();
  static const bool prepared = [&folder] {
    std::filesystem::create_directories(folder.Native("IDSequenceNumbers"));
    return AXOPlatform::Get()->SetEnv("CATStartupPath", folder.Host("").c_str()).ok();
  }();
  AXO_FUZZ_CHECK(prepared);

  const long count = static_cast<long>(data[0] & 0x7F) - 1;
  std::string content = AXOFuzzBytes(data + 1, size - 1);
  if ((data[0] & 0x80) != 0 && !content.empty()) {
    const std::string piece = content;
    while (content.size() <= AXOLockOptions().maxBytes) content += piece;
  }
  folder.Write("IDSequenceNumbers/counter", content);

  const long number = Reserve(count);
  const std::string after = folder.Read("IDSequenceNumbers/counter");
  if (number == -1) {
    AXO_FUZZ_CHECK(after == content);
    return 0;
  }
  AXO_FUZZ_CHECK(number >= 1 && count >= 0);
  AXO_FUZZ_CHECK(after == std::to_string(number - 1 + count));
  // The counter now reads back as what was written.
  AXO_FUZZ_CHECK(Reserve(0) == number + count);
  AXO_FUZZ_CHECK(folder.Read("IDSequenceNumbers/counter") == after);
  return 0;
}
