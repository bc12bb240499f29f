#include "CATSettingFiles.h"

#include <filesystem>
#include <map>

#include "AXOPlatform.h"
#include "CATSettingFormat.h"

namespace fs = std::filesystem;

namespace {

const char kFileExtension[] = ".axosettings";
const char kDefaultFolderName[] = "CATSettings";
const char kSetAsideSuffix[] = ".unreadable";
// The largest settings file that is read; a larger one counts as one that
// cannot be read (and is set aside before it is replaced).
constexpr std::size_t kMaxSettingFileBytes = std::size_t{64} << 20;
// Set-aside names are looked for up to this number; a folder with more
// copies than that of one repository needs a person, not another copy.
constexpr int kMaxSetAsideNumber = 100;

// A folder named by an environment variable holding a host path; empty
// when the variable is not set or empty.
std::string FolderFromVariable(const char* variable) {
  std::string value;
  AXOPlatform* platform = AXOPlatform::Get();
  if (!platform->GetEnv(variable, value).ok() || value.empty()) return std::string();
  return platform->NativePath(value);
}

std::string UserSettingFolder() {
  const std::string named = FolderFromVariable("CATUserSettingPath");
  if (!named.empty()) return named;
  AXOPlatform* platform = AXOPlatform::Get();
  std::string user_data;
  if (!platform->UserDataFolder(user_data).ok()) user_data = platform->TemporaryFolder();
  return (fs::u8path(user_data) / kDefaultFolderName).u8string();
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
  AXOFileContents file;
  const AXOStatus status =
      AXOPlatform::Get()->ReadFile(nativePath, {kMaxSettingFileBytes, false}, file);
  if (status.code() == AXOStatusCode::kNotFound) return CATSettingFileRead::kMissing;
  if (!status.ok()) return CATSettingFileRead::kUnreadable;
  // An empty file holds no settings, and nothing is lost by replacing it.
  if (file.bytes.empty() || CATParseSettings(file.bytes, settings))
    return CATSettingFileRead::kRead;
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

// Moves `path` to the first free set-aside name; the rename itself refuses
// a name that is taken, so no earlier copy is ever replaced.
AXOStatus SetAside(const fs::path& path) {
  const std::string file_name = path.filename().u8string();
  for (int number = 1; number <= kMaxSetAsideNumber; ++number) {
    const fs::path aside = path.parent_path() / fs::u8path(SetAsideName(file_name, number));
    const AXOStatus status = AXOPlatform::Get()->RenameFile(path.u8string(), aside.u8string());
    if (status.code() != AXOStatusCode::kExists) return status;
  }
  return AXOStatus(AXOStatusCode::kExists, path.u8string(),
                   "cannot be set aside: " + std::to_string(kMaxSetAsideNumber) +
                       " unreadable copies are there already");
}

}  // namespace

AXOStatus CATSaveSettingFile(const std::string& nativePath, const CATSettingMap& settings,
                             bool createFolder) {
  const fs::path path = fs::u8path(nativePath);
  AXOPlatform* platform = AXOPlatform::Get();
  if (createFolder && path.has_parent_path()) {
    const AXOStatus status = platform->CreateFolders(path.parent_path().u8string());
    if (!status.ok()) return status;
  }
  CATSettingMap present;
  if (CATReadSettingFile(nativePath, present) == CATSettingFileRead::kUnreadable) {
    const AXOStatus status = SetAside(path);
    if (!status.ok()) return status;
  }
  return platform->ReplaceFile(nativePath, CATFormatSettings(settings), AXOReplace::kAlways);
}

void CATListUnreadableSettingFiles(const std::string& nativePath, std::vector<std::string>& files) {
  const fs::path path = fs::u8path(nativePath);
  CATSettingMap present;
  if (CATReadSettingFile(nativePath, present) == CATSettingFileRead::kUnreadable) {
    files.push_back(nativePath);
  }
  const std::string file_name = path.filename().u8string();
  std::map<int, std::string> set_aside;
  std::vector<AXOFolderEntry> entries;
  const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
  AXOPlatform::Get()->ListFolder(folder.u8string(), entries);
  for (const AXOFolderEntry& entry : entries) {
    const int number = SetAsideNumber(entry.name, file_name);
    if (number > 0) set_aside[number] = (path.parent_path() / fs::u8path(entry.name)).u8string();
  }
  for (const auto& copy : set_aside) files.push_back(copy.second);
}
