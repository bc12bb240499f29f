// The rules of the attribute dictionaries.
#include "catalogs/AXOCorDictionaryRules.h"

namespace axo_dictionaries {

const char* const kOrdered[kOrderedCount] = {
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

const char kArcCatalog[] = "AXOArcCatalog.CATfct";

bool IsDictionaryFolder(const CATUnicodeString& written) {
  // "/" separates folders of a host path as "\" does.
  CATUnicodeString path(written);
  path.ReplaceAll("/", "\\");
  const CATUnicodeString dictionaries("\\Dictionaries");
  const int last = path.SearchSubString(dictionaries, 0, CATUnicodeString::CATSearchModeBackward);
  if (last >= 0 && last == path.GetLengthInChar() - dictionaries.GetLengthInChar()) return true;
  const CATUnicodeString graphic("\\resources\\graphic");
  const int first = path.SearchSubString(graphic, 0, CATUnicodeString::CATSearchModeForward);
  return first >= 0 && first == path.GetLengthInChar() - graphic.GetLengthInChar();
}

bool IsBaseGeometryDictionary(const CATUnicodeString& name) {
  return name.Compare("AXOBaseGeometry.catfct") != 0;
}

bool IsAddOnDictionaryName(const CATUnicodeString& name) {
  if (IsBaseGeometryDictionary(name)) return false;
  CATUnicodeString upper = name;
  upper.ToUpper();
  return upper.SearchSubString("AXO") >= 0 && upper.SearchSubString(".CATFCT") >= 0;
}

}  // namespace axo_dictionaries
