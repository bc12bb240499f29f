#include "AXOCorPartFileName.h"

#include <cctype>
#include <cstring>
#include <string>

namespace {

bool IsDeviceName(const std::string& name) {
  std::string upper;
  for (char c : name) upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  for (const char* device : {"CON", "PRN", "AUX", "NUL"}) {
    if (upper == device) return true;
  }
  return upper.size() == 4 &&
         (upper.compare(0, 3, "COM") == 0 || upper.compare(0, 3, "LPT") == 0) && upper[3] >= '1' &&
         upper[3] <= '9';
}

}  // namespace

const char* AXOCorPartFileNameFault(const CATUnicodeString& partNumber) {
  const std::string name = partNumber.ConvertToChar();
  if (name.empty()) return "is empty";
  if (name.find_first_of("\\/") != std::string::npos) return "holds a path separator";
  if (name.find(':') != std::string::npos) return "names a drive (\":\")";
  if (name == "." || name == "..") return "is \".\" or \"..\"";
  for (char c : name) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (u < 0x20 || std::strchr("<>\"|?*", c) != nullptr) {
      return "holds a character that no file name may hold";
    }
  }
  if (IsDeviceName(name)) return "is the name of a device";
  return nullptr;
}
