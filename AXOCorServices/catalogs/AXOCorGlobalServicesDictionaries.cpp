// Attribute dictionaries: the ".CATfct" files of the add-on installed in the
// dictionary folders of the graphic path list, and their presentation order.
#include "AXOCorEnvVarManager.h"
#include "AXOCorGlobalServices.h"
#include "CATLib.h"

namespace {

// The order in which the add-on presents its dictionaries.
const char* const kOrderedDictionaries[] = {
    "AXOAttBasePackages.CATfct",
    "AXOIfcProjectStructure.CATfct",
    "AXOIfcPropertySets.CATfct",
    "AXOIfcQuantities.CATfct",
    "AXODoorsandWindows.CATfct",
    "AXOMasterFormat.CATfct",
    "AXOUniformat.CATfct",
    "AXODraftingRules.CATfct",
    "AXOUnspecifiedAttributes.CATfct",
    "AXOVersionControl.CATfct",
    "AXODesignCollaboration.CATfct",
    "AXOConstructionAdministration.CATfct",
    "AXOUnspecifiedGroups.CATfct",
};

// Installed, but never offered in the ordered list.
const char kArcCatalogDictionary[] = "AXOArcCatalog.CATfct";
// The geometry dictionary is not an attribute dictionary, in any letter case.
const char kBaseGeometryDictionary[] = "AXOBaseGeometry.catfct";

// A folder ending in "\Dictionaries", or whose first "\resources\graphic"
// ends it (a subfolder of it does not count). Letter case must match.
bool IsDictionaryFolder(const CATUnicodeString& path) {
  const CATUnicodeString dictionaries("\\Dictionaries");
  const int last = path.SearchSubString(dictionaries, 0, CATUnicodeString::CATSearchModeBackward);
  if (last >= 0 && last == path.GetLengthInChar() - dictionaries.GetLengthInChar()) return true;
  const CATUnicodeString graphic("\\resources\\graphic");
  const int first = path.SearchSubString(graphic, 0, CATUnicodeString::CATSearchModeForward);
  return first >= 0 && first == path.GetLengthInChar() - graphic.GetLengthInChar();
}

bool IsAddOnDictionaryName(const CATUnicodeString& name) {
  if (name.Compare(kBaseGeometryDictionary) != 0) return false;
  CATUnicodeString upper = name;
  upper.ToUpper();
  return upper.SearchSubString("AXO") >= 0 && upper.SearchSubString(".CATFCT") >= 0;
}

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
  for (const char* fixed : kOrderedDictionaries) names.Append(fixed);
  // The extras follow in the reverse of their listing order.
  for (int i = installed.Size(); i >= 1; --i) {
    const CATUnicodeString& name = installed[i];
    if (name == kArcCatalogDictionary || names.Locate(name) != 0) continue;
    names.Append(name);
  }
}
