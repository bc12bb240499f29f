#include "model/AXOCorPartFileName.h"

#include <cctype>
#include <cstring>
#include <string>

#include "foundations/AXOCorHostText.h"

namespace {

// Windows' reserved names, which name a device in every folder: CON, PRN,
// AUX, NUL, CONIN$, CONOUT$, and COM and LPT with a digit 0 to 9 or the
// superscript digits 1 to 3 (UTF-8 C2 B9, C2 B2, C2 B3), in any letter case
// and followed by any extension ("NUL.txt", "com1.CATPart") or by blanks
// ("CON "): Windows takes the name up to its first dot, blanks at its end
// dropped.
bool IsDeviceName(const std::string& name) {
  std::string stem = name.substr(0, name.find('.'));
  while (!stem.empty() && stem.back() == ' ') stem.pop_back();
  for (char& c : stem) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  for (const char* device : {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"}) {
    if (stem == device) return true;
  }
  if (stem.compare(0, 3, "COM") != 0 && stem.compare(0, 3, "LPT") != 0) return false;
  const std::string number = stem.substr(3);
  return (number.size() == 1 && number[0] >= '0' && number[0] <= '9') || number == "\xC2\xB9" ||
         number == "\xC2\xB2" || number == "\xC2\xB3";
}

}  // namespace

const char* AXOCorPartFileNameFault(const CATUnicodeString& partNumber) {
  // The whole text: its char form ends at a NUL, which would hide what
  // follows it from the checks below but not from the path built of it.
  const std::string name = AXOCorBytesOf(partNumber);
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
