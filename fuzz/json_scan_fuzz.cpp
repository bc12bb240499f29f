// The quick JSON scan of document files against the JSON library's parser:
// for any text that the scan reads whole, the library reads it too and
// gives the same events with the same values, doubles to the last bit.
#include <string>
#include <vector>

#include "AXOFuzzSupport.h"
#include "CATJsonEvents.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text = AXOFuzzBytes(data, size);
  std::vector<std::string> scanned;
  if (CATJsonEvents::Scanned(text, scanned)) {
    AXO_FUZZ_CHECK(scanned == CATJsonEvents::Parsed(text));
  }
  return 0;
}
