#ifndef CATLibInternal_h
#define CATLibInternal_h

// Helpers shared by the stand-in's CATLib files.

#include <filesystem>
#include <string>

// The file-system path of a host path: mapped by AXOPlatform's NativePath
// and read as UTF-8 (also where the system's narrow texts are not UTF-8).
// A null or empty path gives the empty path, which names no file.
std::filesystem::path CATNativeFsPath(const char* hostPath);

struct AXOFileStatus;

// The status of the file at `hostPath` through the platform (one query of
// the system); false when nothing of that name can be reached.
bool CATFileStatus(const char* hostPath, AXOFileStatus& status);

#endif  // CATLibInternal_h
