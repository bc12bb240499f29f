#include "CATSettingFiles.h"

#include <filesystem>
#include <iterator>
#include <map>
#include <memory>
#include <system_error>

#include "AXOPlatform.h"
#include "CATSettingFormat.h"

namespace fs = std::filesystem;

namespace {

const char kFileExtension[] = ".axosettings";
const char kDefaultFolderName[] = "CATSettings";
const char kSetAsideSuffix[] = ".unreadable";
// Set-aside names are looked for up to this number; a folder with more
// copies than that of one repository needs a person, not another copy.
constexpr int kMaxSetAsideNumber = 100;

// A folder named by an environment variable holding a host path; empty
// when the variable is not set or empty.
std::string FolderFromVariable(const char* variable) {
  std::string value;
  AXOPlatform* platform = AXOPlatform::Get();
  if (!platform->GetEnv(variable, value) || value.empty()) return std::string();
  return platform->NativePath(value);
}

std::string UserSettingFolder() {
  const std::string named = FolderFromVariable("CATUserSettingPath");
  if (!named.empty()) return named;
  const std::string user_data = AXOPlatform::Get()->UserDataFolder();
  if (!user_data.empty()) return (fs::u8path(user_data) / kDefaultFolderName).u8string();
  std::error_code error;
  const fs::path temp = fs::temp_directory_path(error);
  return ((error ? fs::path(".") : temp) / kDefaultFolderName).u8string();
}

std::string FileInFolder(const std::string& folder, const std::string& name) {
  return (fs::u8path(folder) / fs::u8path(name + kFileExtension)).u8string();
}

}  // namespace

std::string CATUserSettingFile(const std::string& name) {
  return FileInFolder(UserSettingFolder(), name);
}

std::string CATAdminSettingFile(const std::string& name) {
  const std::string folder = FolderFromVariable("CATReferenceSettingPath");
  return folder.empty() ? std::string() : FileInFolder(folder, name);
}

CATSettingFileRead CATReadSettingFile(const std::string& nativePath, CATSettingMap& settings) {
  settings.clear();
  std::unique_ptr<AXOFileReader> file;
  switch (AXOPlatform::Get()->OpenRegularFile(nativePath, file)) {
    case AXOFileOpen::kOpened:
      break;
    case AXOFileOpen::kMissing:
      return CATSettingFileRead::kMissing;
    case AXOFileOpen::kNotRegular:
    case AXOFileOpen::kFailed:
      return CATSettingFileRead::kUnreadable;
  }
  const std::string text((std::istreambuf_iterator<char>(file.get())),
                         std::istreambuf_iterator<char>());
  if (file->ReadFailed()) return CATSettingFileRead::kUnreadable;
  // An empty file holds no settings, and nothing is lost by replacing it.
  if (text.empty() || CATParseSettings(text, settings)) return CATSettingFileRead::kRead;
  return CATSettingFileRead::kUnreadable;
}

namespace {

// The name of the `number`th copy of `file` set aside: 1 is
// "<file>.unreadable", n > 1 "<file>.unreadable-<n>".
std::string SetAsideName(const std::string& fileName, int number) {
  std::string name = fileName + kSetAsideSuffix;
  if (number > 1) name += "-" + std::to_string(number);
  return name;
}

// The number of the set-aside copy `entry` of `fileName`; 0 for any other name.
int SetAsideNumber(const std::string& entry, const std::string& fileName) {
  const std::string base = fileName + kSetAsideSuffix;
  if (entry.compare(0, base.size(), base) != 0) return 0;
  if (entry.size() == base.size()) return 1;
  if (entry[base.size()] != '-' || entry.size() - base.size() > 5) return 0;
  int number = 0;
  for (std::size_t i = base.size() + 1; i < entry.size(); ++i) {
    if (entry[i] < '0' || entry[i] > '9') return 0;
    number = number * 10 + (entry[i] - '0');
  }
  // Only the spelling SetAsideName gives: no "-1", no leading zeros.
  return number > 1 && entry == SetAsideName(fileName, number) ? number : 0;
}

// Moves `path` to the first free set-aside name. False when there is none
// or the move fails.
bool SetAside(const fs::path& path) {
  const std::string file_name = path.filename().u8string();
  for (int number = 1; number <= kMaxSetAsideNumber; ++number) {
    const fs::path aside = path.parent_path() / fs::u8path(SetAsideName(file_name, number));
    std::error_code error;
    if (fs::exists(fs::symlink_status(aside, error))) continue;
    fs::rename(path, aside, error);
    return !error;
  }
  return false;
}

}  // namespace

bool CATSaveSettingFile(const std::string& nativePath, const CATSettingMap& settings,
                        bool createFolder) {
  const fs::path path = fs::u8path(nativePath);
  if (createFolder) {
    std::error_code error;
    fs::create_directories(path.parent_path(), error);
    if (error) return false;
  }
  CATSettingMap present;
  if (CATReadSettingFile(nativePath, present) == CATSettingFileRead::kUnreadable &&
      !SetAside(path)) {
    return false;
  }
  return AXOPlatform::Get()->ReplaceFileAtomically(nativePath, CATFormatSettings(settings));
}

void CATListUnreadableSettingFiles(const std::string& nativePath, std::vector<std::string>& files) {
  const fs::path path = fs::u8path(nativePath);
  CATSettingMap present;
  if (CATReadSettingFile(nativePath, present) == CATSettingFileRead::kUnreadable) {
    files.push_back(nativePath);
  }
  const std::string file_name = path.filename().u8string();
  std::map<int, std::string> set_aside;
  std::vector<std::string> names;
  AXOPlatform::Get()->ListFolder(path.parent_path().u8string(), names);
  for (const std::string& name : names) {
    const int number = SetAsideNumber(name, file_name);
    if (number > 0) set_aside[number] = (path.parent_path() / fs::u8path(name)).u8string();
  }
  for (const auto& copy : set_aside) files.push_back(copy.second);
}
