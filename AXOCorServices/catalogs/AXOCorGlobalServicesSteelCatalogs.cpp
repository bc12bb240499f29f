// Names of the installed structural steel section catalogs.
#include <algorithm>
#include <string>

#include "AXOCorEnvVarManager.h"
#include "AXOCorGlobalServices.h"
#include "AXOPlatform.h"
#include "CATLib.h"
#include "catalogs/AXOCorCatalogNames.h"

namespace {

// The catalog names of the files of one subfolder of a steel folder.
void AppendCatalogsOfSubfolder(const CATUnicodeString& subfolder,
                               CATListValCATUnicodeString& names) {
  CATListValCATUnicodeString files;
  AXOCorGlobalServices::FindFilesInDirectory(subfolder, axo_catalogs::kExtension, true, files);
  for (int i = 1; i <= files.Size(); ++i) names.Append(axo_catalogs::CatalogNameOf(files[i]));
}

}  // namespace

HRESULT AXOCorGlobalServices::GetSteelCatalogNames(CATListValCATUnicodeString& names) {
  CATListValCATUnicodeString startupPaths;
  AXOCorEnvVarManager::GetEnvVariableValues("CATStartupPath", startupPaths);

  AXOPlatform* platform = AXOPlatform::Get();
  platform->DebugOutput("\n\n----------- CATALOGS ---------------\n");
  for (int i = 1; i <= startupPaths.Size(); ++i) {
    const CATUnicodeString steelFolder = startupPaths[i] + "\\Catalogs\\Structural Steel";
    CATDirectory directory;
    if (CATOpenDirectory(steelFolder.ConvertToChar(), &directory) == -1) continue;
    CATDirectoryEntry entry;
    int endFlag = 0;
    // Every entry is looked into as a folder; a file gives no names.
    while (CATReadDirectory(&directory, &entry, &endFlag) == 0) {
      const char* nameEnd = std::find(entry.name, entry.name + sizeof entry.name, '\0');
      const std::string name(static_cast<const char*>(entry.name), nameEnd);
      platform->DebugOutput(name + "\n");
      AppendCatalogsOfSubfolder(steelFolder + "\\" + name.c_str(), names);
      if (endFlag == 1) break;
    }
    CATCloseDirectory(&directory);
  }
  names.RemoveDuplicates();
  return S_OK;
}
