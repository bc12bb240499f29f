// Host-path helpers of the doctor.
#include "DoctorFiles.h"

#include <sys/stat.h>

#include <algorithm>
#include <cctype>

#include "AXOCorEnvVarManager.h"
#include "AXOCorGlobalServices.h"
#include "AXOCorParserServices.h"
#include "AXOPlatform.h"
#include "AxocorFiles.h"
#include "CATLib.h"

namespace axocor::doctor {

std::vector<std::string> PathListOf(const char* variable) {
  CATListValCATUnicodeString values;
  AXOCorEnvVarManager::GetEnvVariableValues(variable, values);
  std::vector<std::string> list;
  for (int i = 1; i <= values.Size(); ++i) list.emplace_back(values[i].ConvertToChar());
  return list;
}

std::string JoinPath(const std::string& folder, const std::string& name) {
  CATUnicodeString path;
  AXOCorParserServices::MakeFilePath(folder.c_str(), name.c_str(), path);
  return path.ConvertToChar();
}

bool IsFile(const std::string& hostPath) {
  return AXOCorGlobalServices::FindFile(hostPath.c_str());
}

bool IsFolder(const std::string& hostPath) {
  return AXOCorGlobalServices::FindDirectory(hostPath.c_str());
}

std::vector<std::string> ListFolder(const std::string& hostFolder) {
  std::vector<std::string> names;
  CATDirectory directory;
  if (CATOpenDirectory(hostFolder.c_str(), &directory) != 0) return names;
  CATDirectoryEntry entry;
  int endFlag = 0;
  while (endFlag == 0 && CATReadDirectory(&directory, &entry, &endFlag) == 0) {
    names.emplace_back(entry.name);
  }
  CATCloseDirectory(&directory);
  return names;
}

std::vector<FolderEntry> ListEntries(const std::string& hostFolder) {
  std::vector<FolderEntry> entries;
  for (std::string& name : ListFolder(hostFolder)) {
    // One status read tells what the library's FindFile and FindDirectory
    // tell with two: whether the entry is there, and whether it is a folder.
    struct stat info;
    if (CATGetFileInfo(JoinPath(hostFolder, name).c_str(), &info) != 0) continue;
    const bool folder = (info.st_mode & S_IFMT) == S_IFDIR;
    entries.push_back(FolderEntry{std::move(name), folder});
  }
  return entries;
}

namespace {

std::vector<std::string> NamesOf(const std::string& hostFolder, bool folders) {
  std::vector<std::string> names;
  for (FolderEntry& entry : ListEntries(hostFolder)) {
    if (entry.folder == folders) names.push_back(std::move(entry.name));
  }
  return names;
}

}  // namespace

std::vector<std::string> SubfoldersOf(const std::string& hostFolder) {
  return NamesOf(hostFolder, true);
}

std::vector<std::string> FilesOf(const std::string& hostFolder) {
  return NamesOf(hostFolder, false);
}

AXOStatus ReadWholeFile(const std::string& hostPath, std::size_t maxBytes, std::string& content) {
  return AxocorReadFile(Shown(hostPath), maxBytes, content);
}

std::string Shown(const std::string& hostPath) {
  return AxocorNativePath(hostPath);
}

std::string ToLower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::string JoinNames(const std::vector<std::string>& names, std::size_t limit) {
  std::string joined;
  for (std::size_t i = 0; i < names.size() && i < limit; ++i) {
    joined += (i == 0 ? "" : ", ") + names[i];
  }
  if (names.size() > limit) joined += ", ... (" + std::to_string(names.size()) + " in all)";
  return joined;
}

}  // namespace axocor::doctor
