#ifndef AXOCorCSVMapFile_h
#define AXOCorCSVMapFile_h

// Reading a profile map file, as the map reader and the tool's commands
// that explain a map read it. An internal unit: linked into the library and
// into its tools, never exported.

#include <cstddef>
#include <string>

#include "AXOStatus.h"
#include "CATUnicodeString.h"

namespace axo_profile_map {

// The largest map file that is read; a larger one is not read at all, as
// one that cannot be opened.
constexpr std::size_t kMaxMapFileBytes = std::size_t{256} << 20;

// The bytes of the map file at the host path `path`: only a regular file of
// at most kMaxMapFileBytes is read (a pipe or a device might never end).
AXOStatus ReadMapFile(const CATUnicodeString& path, std::string& text);

}  // namespace axo_profile_map

#endif  // AXOCorCSVMapFile_h
