#include "CATSettingFiles.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "AXOPlatform.h"
#include "CATSettingFormat.h"

namespace fs = std::filesystem;

namespace {

const char kFileExtension[] = ".axosettings";
const char kDefaultFolderName[] = "CATSettings";

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

CATSettingMap CATLoadSettingFile(const std::string& nativePath) {
  CATSettingMap settings;
  std::ifstream in(fs::u8path(nativePath), std::ios::binary);
  if (!in) return settings;
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return settings;
  CATParseSettings(text, settings);
  return settings;
}

bool CATSaveSettingFile(const std::string& nativePath, const CATSettingMap& settings,
                        bool createFolder) {
  if (createFolder) {
    std::error_code error;
    fs::create_directories(fs::u8path(nativePath).parent_path(), error);
    if (error) return false;
  }
  return AXOPlatform::Get()->ReplaceFileAtomically(nativePath, CATFormatSettings(settings));
}
