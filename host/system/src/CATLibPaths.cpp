// Splitting and joining host paths into fixed-size buffers.
#include <cstring>
#include <string>

#include "AXOPlatform.h"
#include "CATLib.h"
#include "CATLibInternal.h"

namespace {

bool IsSeparator(char c) {
  return c == '\\' || c == '/';
}

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

bool IsDrivePrefix(const std::string& text) {
  return text.size() == 2 && text[1] == ':' &&
         ((text[0] >= 'a' && text[0] <= 'z') || (text[0] >= 'A' && text[0] <= 'Z'));
}

}  // namespace

std::filesystem::path CATNativeFsPath(const char* hostPath) {
  if (hostPath == nullptr || *hostPath == '\0') return {};
  return std::filesystem::u8path(AXOPlatform::Get()->NativePath(hostPath));
}

bool CATFileStatus(const char* hostPath, AXOFileStatus& status) {
  if (hostPath == nullptr || *hostPath == '\0') return false;
  AXOPlatform* platform = AXOPlatform::Get();
  return platform->GetFileStatus(platform->NativePath(hostPath), status);
}

std::string CATJoinHostPath(const std::string& directory, const std::string& file) {
  if (directory.empty() || IsSeparator(directory.back())) return directory + file;
  return directory + '\\' + file;
}

void CATSplitPath(const char* path, char* directory, char* file) {
  const std::string text = path != nullptr ? path : "";
  std::size_t split = text.find_last_of("\\/");
  if (split == std::string::npos && text.size() >= 2 && IsDrivePrefix(text.substr(0, 2))) {
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
  if (head.empty() || IsDrivePrefix(head)) head += text[split];
  CopySplit(head, text.substr(split + 1), directory, file);
}

void CATMakePath(const char* directory, const char* file, char* path) {
  // Built apart first: `path` may be one of the inputs.
  const std::string joined =
      CATJoinHostPath(directory != nullptr ? directory : "", file != nullptr ? file : "");
  CopyToPathBuffer(FitsPathBuffer(joined) ? joined : std::string(), path);
}
