// Splitting and joining host paths into fixed-size buffers.
#include <cstring>
#include <string>

#include "AXOPlatform.h"
#include "CATHostPath.h"
#include "CATLib.h"
#include "CATLibInternal.h"

namespace {

bool FitsPathBuffer(const std::string& text) {
  return text.size() < CAT_MAX_PATH;
}

// Copies `text` and its terminating NUL; the caller has made sure it fits.
void CopyToPathBuffer(const std::string& text, char* buffer) {
  if (buffer == nullptr) return;
  std::memcpy(buffer, text.c_str(), text.size() + 1);
}

// Gives the two parts of a split, or two empty texts when either does not
// fit: a part cut short would name another file.
void CopySplit(const std::string& directory, const std::string& file, char* directoryBuffer,
               char* fileBuffer) {
  const bool fits = FitsPathBuffer(directory) && FitsPathBuffer(file);
  CopyToPathBuffer(fits ? directory : std::string(), directoryBuffer);
  CopyToPathBuffer(fits ? file : std::string(), fileBuffer);
}

}  // namespace

bool CATFileStatus(const char* hostPath, AXOFileStatus& status) {
  if (hostPath == nullptr || *hostPath == '\0') return false;
  AXOPlatform* platform = AXOPlatform::Get();
  return platform->GetFileStatus(platform->NativePath(hostPath), status).ok();
}

void CATSplitPath(const char* path, char* directory, char* file) {
  const std::string text = path != nullptr ? path : "";
  std::size_t split = text.find_last_of("\\/");
  if (split == std::string::npos && CATHostPathHasDrive(text)) {
    // "c:name": the drive is the directory.
    CopySplit(text.substr(0, 2), text.substr(2), directory, file);
    return;
  }
  if (split == std::string::npos) {
    CopySplit("", text, directory, file);
    return;
  }
  std::string head = text.substr(0, split);
  // A root keeps its separator: "\" alone, or after a drive ("c:\").
  if (head.empty() || (head.size() == 2 && CATHostPathHasDrive(head))) head += text[split];
  CopySplit(head, text.substr(split + 1), directory, file);
}

void CATMakePath(const char* directory, const char* file, char* path) {
  // Built apart first: `path` may be one of the inputs.
  const std::string joined =
      CATHostPathJoin(directory != nullptr ? directory : "", file != nullptr ? file : "");
  CopyToPathBuffer(FitsPathBuffer(joined) ? joined : std::string(), path);
}
