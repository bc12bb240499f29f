// Environment variables and the lookup of files through path-list variables.
#include <cstdlib>
#include <cstring>
#include <string>

#include "AXOPlatform.h"
#include "CATHostPath.h"
#include "CATLib.h"
#include "CATLibInternal.h"

int CATGetEnvValue(const char* name, char** value) {
  if (value != nullptr) *value = nullptr;
  std::string text;
  if (name == nullptr || !AXOPlatform::Get()->GetEnv(name, text).ok()) return -1;
  if (value != nullptr) {
    // malloc, not new: the caller releases the text with free().
    *value = static_cast<char*>(std::malloc(text.size() + 1));
    if (*value != nullptr) std::memcpy(*value, text.c_str(), text.size() + 1);
  }
  return 0;
}

int CATGetFilePathFromOfficialVariable(const char* relativePath, const char* variable,
                                       char* buffer) {
  if (relativePath == nullptr || variable == nullptr || buffer == nullptr) return -1;
  std::string directories;
  if (!AXOPlatform::Get()->GetEnv(variable, directories).ok()) return -1;
  std::size_t begin = 0;
  while (begin <= directories.size()) {
    std::size_t end = directories.find(';', begin);
    if (end == std::string::npos) end = directories.size();
    const std::string directory = directories.substr(begin, end - begin);
    begin = end + 1;
    if (directory.empty()) continue;
    const std::string candidate = CATHostPathJoin(directory, relativePath);
    if (candidate.size() >= CAT_MAX_OFFICIAL_PATH) continue;
    AXOFileStatus status;
    if (CATFileStatus(candidate.c_str(), status) && status.kind != AXOFileStatus::kDirectory) {
      std::memcpy(buffer, candidate.c_str(), candidate.size() + 1);
      return 0;
    }
  }
  return -1;
}
