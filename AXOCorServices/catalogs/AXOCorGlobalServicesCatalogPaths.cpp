// Catalog files by name below the startup paths, and the last used catalog
// of each kind in the settings repository "AXOCatalogSettings".
#include "AXOCorEnvVarManager.h"
#include "AXOCorGlobalServices.h"
#include "CATLib.h"
#include "foundations/AXOCorHostText.h"
#include "translatorsettings/AXOTrsSettingRepository.h"

namespace {

const char kCatalogSettings[] = "AXOCatalogSettings";

// True when `directory` exists and can be listed.
bool IsListableDirectory(const CATUnicodeString& directory) {
  if (AXOCorHoldsNul(directory)) return false;  // names no directory
  if (CATFileAccess(directory.ConvertToChar(), 0) != 0) return false;
  CATDirectory listing;
  if (CATOpenDirectory(directory.ConvertToChar(), &listing) == -1) return false;
  CATCloseDirectory(&listing);
  return true;
}

}  // namespace

HRESULT AXOCorGlobalServices::GetCatalogFullPath(const CATUnicodeString& catalogName,
                                                 const CATUnicodeString& catalogFolder,
                                                 CATUnicodeString& fullPath) {
  fullPath = "";
  CATListValCATUnicodeString startupPaths;
  AXOCorEnvVarManager::GetEnvVariableValues("CATStartupPath", startupPaths);
  if (startupPaths.Size() == 0) return E_FAIL;
  const CATUnicodeString fileName = catalogName + ".catalog";
  for (int i = 1; i <= startupPaths.Size() && fullPath.GetLengthInChar() == 0; ++i) {
    // An empty folder leaves "...\Catalogs\" and so a doubled separator
    // before the file name, which the file system accepts.
    const CATUnicodeString directory = startupPaths[i] + "\\Catalogs\\" + catalogFolder;
    if (!IsListableDirectory(directory)) continue;
    const CATUnicodeString candidate = directory + "\\" + fileName;
    if (FindFile(candidate)) fullPath = candidate;
  }
  return fullPath.GetLengthInChar() != 0 ? S_OK : E_FAIL;
}

HRESULT AXOCorGlobalServices::SetLastUsedCatalog(CATUnicodeString settingName,
                                                 CATUnicodeString catalogPath) {
  // A name with a NUL would be stored under the key it ends.
  if (AXOCorHoldsNul(settingName)) return E_FAIL;
  CATSettingRepository* repository = AXOTrsSettingRepository::Open(kCatalogSettings);
  if (repository == nullptr) return E_FAIL;
  if (!AXOTrsSettingRepository::WriteUnicode(repository, settingName.ConvertToChar(), catalogPath,
                                             AXOTrsSettingRepository::TextCount::kExactlyOne)) {
    return E_FAIL;
  }
  repository->SaveRepository(nullptr);
  return S_OK;
}

HRESULT AXOCorGlobalServices::GetLastUsedCatalog(CATUnicodeString settingName,
                                                 CATUnicodeString& catalogPath) {
  if (AXOCorHoldsNul(settingName)) return E_FAIL;
  CATSettingRepository* repository = AXOTrsSettingRepository::Open(kCatalogSettings);
  if (repository == nullptr) return E_FAIL;
  // Read into an empty text, so that a repository that reports a key never
  // written as read, without giving a value, cannot make the caller's own
  // text pass for the stored path.
  CATUnicodeString stored;
  if (!AXOTrsSettingRepository::ReadUnicode(repository, settingName.ConvertToChar(), stored,
                                            AXOTrsSettingRepository::TextCount::kExactlyOne)) {
    return E_FAIL;
  }
  catalogPath = stored;
  return FindFile(catalogPath) ? S_OK : E_FAIL;
}
