#include "AXOTemporaryFiles.h"

#include <cctype>
#include <cstdint>

namespace {

const char kSuffix[] = ".tmp";
constexpr std::size_t kSuffixLength = sizeof kSuffix - 1;
constexpr std::size_t kMaxDigits = 16;

}  // namespace

std::string AXOTemporaryFileName(const std::string& fileName, const AXOGuidFields& random) {
  static const char kHex[] = "0123456789abcdef";
  std::string digits;
  auto append = [&digits](std::uint32_t value) {
    for (int shift = 28; shift >= 0; shift -= 4) digits += kHex[(value >> shift) & 0xF];
  };
  // The other fields of a random GUID carry its version and variant bits.
  append(random.data1);
  append((std::uint32_t{random.data4[4]} << 24) | (std::uint32_t{random.data4[5]} << 16) |
         (std::uint32_t{random.data4[6]} << 8) | random.data4[7]);
  return fileName + "." + digits + kSuffix;
}

bool AXOIsTemporaryFileNameOf(const std::string& entry, const std::string& fileName) {
  const std::size_t fixed = fileName.size() + 1 + kSuffixLength;
  if (entry.size() <= fixed || entry.size() > fixed + kMaxDigits) return false;
  if (entry.compare(0, fileName.size(), fileName) != 0 || entry[fileName.size()] != '.') {
    return false;
  }
  if (entry.compare(entry.size() - kSuffixLength, kSuffixLength, kSuffix) != 0) return false;
  for (std::size_t i = fileName.size() + 1; i < entry.size() - kSuffixLength; ++i) {
    if (!std::isxdigit(static_cast<unsigned char>(entry[i]))) return false;
  }
  return true;
}
