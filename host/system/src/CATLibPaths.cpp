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

// Copies at most CAT_MAX_PATH - 1 bytes and the terminating NUL.
void CopyToPathBuffer(const std::string& text, char* buffer) {
  if (buffer == nullptr) return;
  const std::size_t length = text.size() < CAT_MAX_PATH ? text.size() : CAT_MAX_PATH - 1;
  std::memcpy(buffer, text.data(), length);
  buffer[length] = '\0';
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

std::string CATJoinHostPath(const std::string& directory, const std::string& file) {
  if (directory.empty() || IsSeparator(directory.back())) return directory + file;
  return directory + '\\' + file;
}

void CATSplitPath(const char* path, char* directory, char* file) {
  const std::string text = path != nullptr ? path : "";
  std::size_t split = text.find_last_of("\\/");
  if (split == std::string::npos && text.size() >= 2 && IsDrivePrefix(text.substr(0, 2))) {
    // "c:name": the drive is the directory.
    CopyToPathBuffer(text.substr(0, 2), directory);
    CopyToPathBuffer(text.substr(2), file);
    return;
  }
  if (split == std::string::npos) {
    CopyToPathBuffer("", directory);
    CopyToPathBuffer(text, file);
    return;
  }
  std::string head = text.substr(0, split);
  // A root keeps its separator: "\" alone, or after a drive ("c:\").
  if (head.empty() || IsDrivePrefix(head)) head += text[split];
  CopyToPathBuffer(head, directory);
  CopyToPathBuffer(text.substr(split + 1), file);
}

void CATMakePath(const char* directory, const char* file, char* path) {
  // Built apart first: `path` may be one of the inputs.
  CopyToPathBuffer(
      CATJoinHostPath(directory != nullptr ? directory : "", file != nullptr ? file : ""), path);
}
