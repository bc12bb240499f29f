#include "textformats/AXOCorTakenNames.h"

namespace {

// Bytes after a lead byte, with the range of the first of them (which
// rules out overlong forms, surrogates and code points past U+10FFFF);
// 0 for a byte that starts no character.
struct Lead {
  int following;
  unsigned char low;
  unsigned char high;
};

Lead LeadOf(unsigned char byte) {
  if (byte >= 0xC2 && byte <= 0xDF) return {1, 0x80, 0xBF};
  if (byte == 0xE0) return {2, 0xA0, 0xBF};
  if (byte == 0xED) return {2, 0x80, 0x9F};
  if (byte >= 0xE1 && byte <= 0xEF) return {2, 0x80, 0xBF};
  if (byte == 0xF0) return {3, 0x90, 0xBF};
  if (byte >= 0xF1 && byte <= 0xF3) return {3, 0x80, 0xBF};
  if (byte == 0xF4) return {3, 0x80, 0x8F};
  return {0, 0, 0};
}

}  // namespace

bool AXOCorExactUtf8(const CATUnicodeString& text, std::string& utf8) {
  utf8 = text.ConvertToChar();
  const auto* bytes = reinterpret_cast<const unsigned char*>(utf8.data());
  const std::size_t size = utf8.size();
  int characters = 0;
  for (std::size_t i = 0; i < size; ++characters) {
    if (bytes[i] < 0x80) {
      ++i;
      continue;
    }
    const Lead lead = LeadOf(bytes[i]);
    const std::size_t following = static_cast<std::size_t>(lead.following);
    if (following == 0 || size - i <= following) return false;
    if (bytes[i + 1] < lead.low || bytes[i + 1] > lead.high) return false;
    for (std::size_t k = 2; k <= following; ++k) {
      if (bytes[i + k] < 0x80 || bytes[i + k] > 0xBF) return false;
    }
    if (bytes[i] == 0xEF && bytes[i + 1] == 0xBF && bytes[i + 2] == 0xBD) return false;
    i += 1 + following;
  }
  return characters == text.GetLengthInChar();
}

void AXOCorTakenNames::Add(const CATUnicodeString& name) {
  std::string utf8;
  if (AXOCorExactUtf8(name, utf8)) {
    exact_.insert(std::move(utf8));
  } else {
    others_.push_back(name);
  }
}

bool AXOCorTakenNames::Contains(const CATUnicodeString& name) const {
  std::string utf8;
  if (AXOCorExactUtf8(name, utf8)) return exact_.count(utf8) != 0;
  for (const CATUnicodeString& other : others_) {
    if (other.Compare(name) == 2) return true;
  }
  return false;
}
