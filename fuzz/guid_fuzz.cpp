// GUID texts: the 22-character compressed form and the braced form.
//   - Any 16 bytes make a GUID whose two texts decode to it again.
//   - A compressed text of the alphabet decodes to a GUID that encodes to
//     the same text (its first digit taken modulo 4); any other text
//     decodes to the zero GUID.
//   - A braced text of hexadecimal digits reads as the GUID whose braced
//     text is the same in upper case.
#include <cctype>
#include <cstring>
#include <string>

#include "AXOArcGuid.h"
#include "AXOFuzzSupport.h"

namespace {

const std::string kAlphabet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz_$";

bool SameGuid(const _GUID& a, const _GUID& b) {
  return a.Data1 == b.Data1 && a.Data2 == b.Data2 && a.Data3 == b.Data3 &&
         std::memcmp(a.Data4, b.Data4, sizeof a.Data4) == 0;
}

void CheckBytesRoundTrip(const std::string& bytes) {
  if (bytes.size() < 16) return;
  _GUID guid;
  guid.Data1 = static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[0])) << 24 |
               static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[1])) << 16 |
               static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[2])) << 8 |
               static_cast<unsigned char>(bytes[3]);
  guid.Data2 = static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[4]) << 8 |
                                          static_cast<unsigned char>(bytes[5]));
  guid.Data3 = static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[6]) << 8 |
                                          static_cast<unsigned char>(bytes[7]));
  std::memcpy(guid.Data4, bytes.data() + 8, 8);
  const AXOArcGuid value(guid);
  const std::string compressed = value.GetCompressedString();
  AXO_FUZZ_CHECK(compressed.size() == 22 && compressed[0] >= '0' && compressed[0] <= '3');
  AXO_FUZZ_CHECK(SameGuid(AXOArcGuid::GetGuidFromCompressedString(compressed.c_str()), guid));
  const std::string braced = value.GetString();
  AXO_FUZZ_CHECK(braced.size() == 38);
  AXO_FUZZ_CHECK(SameGuid(AXOArcGuid(braced.c_str()).GetGuid(), guid));
}

void CheckCompressedText(const std::string& text) {
  const _GUID zero = {};
  const _GUID guid = AXOArcGuid::GetGuidFromCompressedString(text.c_str());
  const std::string as_c_text = text.c_str();  // up to a NUL byte, as the operation reads it
  const bool valid =
      as_c_text.size() == 22 && as_c_text.find_first_not_of(kAlphabet) == std::string::npos;
  if (!valid) {
    AXO_FUZZ_CHECK(SameGuid(guid, zero));
    return;
  }
  std::string expected = as_c_text;
  expected[0] = kAlphabet[kAlphabet.find(expected[0]) % 4];
  AXO_FUZZ_CHECK(AXOArcGuid(guid).GetCompressedString() == expected);
}

void CheckBracedText(const std::string& text) {
  const AXOArcGuid read(text.c_str());  // must not fail on any text
  if (text.size() != 38 || std::strlen(text.c_str()) != 38) return;
  for (std::size_t i = 1; i < 37; ++i) {
    const bool dash = i == 9 || i == 14 || i == 19 || i == 24;
    if (dash ? text[i] != '-' : !std::isxdigit(static_cast<unsigned char>(text[i]))) return;
  }
  std::string expected = "{" + text.substr(1, 36) + "}";
  for (char& c : expected) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  AXO_FUZZ_CHECK(read.GetString() == expected);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes = AXOFuzzBytes(data, size);
  CheckBytesRoundTrip(bytes);
  CheckCompressedText(bytes);
  CheckBracedText(bytes);
  return 0;
}
