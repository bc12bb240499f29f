#include "AXOTemporaryFiles.h"

#include <cctype>
#include <cstdint>

namespace {

const char kPrefix[] = ".axo-";
constexpr std::size_t kPrefixLength = sizeof kPrefix - 1;
const char kSuffix[] = ".tmp";
constexpr std::size_t kSuffixLength = sizeof kSuffix - 1;
constexpr std::size_t kDigits = 16;

// True when `entry` is `head`, 1 to `maxDigits` hexadecimal digits, `kSuffix`.
bool IsDigitsBetween(const std::string& entry, const std::string& head, std::size_t maxDigits) {
  const std::size_t fixed = head.size() + kSuffixLength;
  if (entry.size() <= fixed || entry.size() > fixed + maxDigits) return false;
  if (entry.compare(0, head.size(), head) != 0) return false;
  if (entry.compare(entry.size() - kSuffixLength, kSuffixLength, kSuffix) != 0) return false;
  for (std::size_t i = head.size(); i < entry.size() - kSuffixLength; ++i) {
    if (!std::isxdigit(static_cast<unsigned char>(entry[i]))) return false;
  }
  return true;
}

}  // namespace

std::string AXOTemporaryFileName(const AXOGuidFields& random) {
  static const char kHex[] = "0123456789abcdef";
  std::string name = kPrefix;
  auto append = [&name](std::uint32_t value) {
    for (int shift = 28; shift >= 0; shift -= 4) name += kHex[(value >> shift) & 0xF];
  };
  // The other fields of a random GUID carry its version and variant bits.
  append(random.data1);
  append((std::uint32_t{random.data4[4]} << 24) | (std::uint32_t{random.data4[5]} << 16) |
         (std::uint32_t{random.data4[6]} << 8) | random.data4[7]);
  return name + kSuffix;
}

bool AXOIsTemporaryFileNameOf(const std::string& entry, const std::string& fileName) {
  const std::string present(kPrefix, kPrefixLength);
  return (entry.size() == kPrefixLength + kDigits + kSuffixLength &&
          IsDigitsBetween(entry, present, kDigits)) ||
         IsDigitsBetween(entry, fileName + ".", kDigits);
}
