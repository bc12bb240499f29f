#include "profilemap/AXOCorCSVMapFile.h"

#include "foundations/AXOCorNativeFiles.h"

namespace axo_profile_map {

AXOStatus ReadMapFile(const CATUnicodeString& path, std::string& text) {
  return AXOReadFile(path, {kMaxMapFileBytes, false}, text);
}

}  // namespace axo_profile_map
