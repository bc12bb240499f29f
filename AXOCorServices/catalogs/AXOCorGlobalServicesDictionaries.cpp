// Attribute dictionaries: the ".CATfct" files of the add-on installed in the
// dictionary folders of the graphic path list, and their presentation order.
#include "AXOCorEnvVarManager.h"
#include "AXOCorGlobalServices.h"
#include "CATLib.h"
#include "catalogs/AXOCorDictionaryRules.h"

namespace {

using axo_dictionaries::IsAddOnDictionaryName;
using axo_dictionaries::IsDictionaryFolder;

// Appends the dictionaries of one folder that `names` does not hold yet.
void AppendDictionariesOf(const CATUnicodeString& folder, CATListValCATUnicodeString& names) {
  CATDirectory directory;
  if (CATOpenDirectory(folder.ConvertToChar(), &directory) == -1) return;
  CATDirectoryEntry entry;
  int last = 0;
  while (last == 0 && CATReadDirectory(&directory, &entry, &last) == 0) {
    const CATUnicodeString name(entry.name);
    if (!IsAddOnDictionaryName(name) || names.Locate(name) != 0) continue;
    if (AXOCorGlobalServices::FindFile(folder + "\\" + name)) names.Append(name);
  }
  CATCloseDirectory(&directory);
}

}  // namespace

void AXOCorGlobalServices::GetAllAvailableDico(CATListValCATUnicodeString& names) {
  CATListValCATUnicodeString graphicPaths;
  AXOCorEnvVarManager::GetEnvVariableValues("CATGraphicPath", graphicPaths);
  for (int i = 1; i <= graphicPaths.Size(); ++i) {
    if (IsDictionaryFolder(graphicPaths[i])) AppendDictionariesOf(graphicPaths[i], names);
  }
}

void AXOCorGlobalServices::GetOrderedDicoList(CATListValCATUnicodeString& names) {
  CATListValCATUnicodeString installed;
  GetAllAvailableDico(installed);
  if (installed.Size() == 0) return;
  for (const char* fixed : axo_dictionaries::kOrdered) names.Append(fixed);
  // The extras follow in the reverse of their listing order.
  for (int i = installed.Size(); i >= 1; --i) {
    const CATUnicodeString& name = installed[i];
    if (name == axo_dictionaries::kArcCatalog || names.Locate(name) != 0) continue;
    names.Append(name);
  }
}
