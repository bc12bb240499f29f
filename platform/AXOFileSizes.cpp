#include "AXOFileSizes.h"

std::string AXOSizeText(std::size_t bytes) {
  static const char* const kUnits[] = {"bytes", "KiB", "MiB", "GiB", "TiB"};
  std::size_t unit = 0;
  while (bytes != 0 && bytes % 1024 == 0 && unit + 1 < sizeof kUnits / sizeof kUnits[0]) {
    bytes /= 1024;
    ++unit;
  }
  if (unit == 0 && bytes == 1) return "1 byte";
  return std::to_string(bytes) + " " + kUnits[unit];
}

AXOStatus AXOFileTooLarge(const std::string& subject, std::size_t limit) {
  return AXOStatus(AXOStatusCode::kTooLarge, subject, "larger than " + AXOSizeText(limit));
}
