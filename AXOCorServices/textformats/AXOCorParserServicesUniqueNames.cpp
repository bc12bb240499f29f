// Unique names: free file names in a directory, free feature names among
// the children of a feature or the members of a logical node.
#include <string>

#include "AXOCorGlobalServices.h"
#include "AXOCorParserServices.h"
#include "AXOIAttLogical.h"
#include "CATISpecObject.h"
#include "foundations/AXOCorHostText.h"
#include "model/AXOCorFeatureTree.h"
#include "textformats/AXOCorListedFileNames.h"
#include "textformats/AXOCorNumberedName.h"
#include "textformats/AXOCorTakenNames.h"

namespace {

bool IsSpreadsheetExtension(const CATUnicodeString& extension) {
  return extension == "xlsx" || extension == "xlsm" || extension == "xls";
}

// A name among `siblings` other than `feature` is taken by the sibling
// that bears it exactly. Each sibling is asked for its name once; the
// numbering then probes the names read. Only a sibling that bears the
// feature's own name can be the feature, so only those are compared with
// it (an identity test asks both objects for their component).
bool KeepOrNumberAmong(const CATListValCATISpecObject_var& siblings,
                       const CATISpecObject_var& feature, const CATUnicodeString& name,
                       CATUnicodeString& unique) {
  CATUnicodeString own_name;
  const bool named = !!feature && AXOCorNameOf(feature, own_name);
  AXOCorTakenNames taken;
  taken.Reserve(siblings.Size());
  for (int i = 1; i <= siblings.Size(); ++i) {
    CATUnicodeString sibling;
    if (!AXOCorNameOf(siblings[i], sibling)) continue;
    if (named && sibling.Compare(own_name) == 2 && siblings[i] == feature) continue;
    taken.Add(sibling);
  }
  if (!taken.Contains(name)) {
    unique = name;
    return true;
  }
  unique = AXOCorNextFreeName(name, taken);
  return false;
}

}  // namespace

bool AXOCorParserServices::GetUniqueFileName(const CATUnicodeString& directory,
                                             const CATUnicodeString& extension,
                                             const CATUnicodeString& wantedName,
                                             CATUnicodeString& uniqueName) {
  // No file name holds a NUL character: there is no name to give.
  if (AXOCorHoldsNul(directory) || AXOCorHoldsNul(extension) || AXOCorHoldsNul(wantedName)) {
    uniqueName = "";
    return false;
  }
  // The directory is listed once; the file system is asked about a
  // candidate only where the listing cannot tell (AXOCorListedFileNames).
  const AXOCorListedFileNames listed(directory);
  std::string file;
  const auto exists = [&](const std::string& name, const char* fileExtension) {
    file.assign(name);
    file += '.';
    file += fileExtension;
    switch (listed.Find(file)) {
      case AXOCorListedFileNames::kAbsent:
      case AXOCorListedFileNames::kNotFile:
        return false;
      case AXOCorListedFileNames::kFile:
        return true;
      case AXOCorListedFileNames::kAsk:
        break;
    }
    return AXOCorGlobalServices::FindFile(directory + "\\" + file.c_str());
  };
  const std::string own_extension = extension.ConvertToChar();
  const bool spreadsheet = IsSpreadsheetExtension(extension);
  const auto taken_utf8 = [&](const std::string& name) {
    if (!spreadsheet) return exists(name, own_extension.c_str());
    return exists(name, "xlsx") || exists(name, "xlsm") || exists(name, "xls");
  };
  const auto taken = [&](const CATUnicodeString& name) {
    return taken_utf8(std::string(name.ConvertToChar(), name.GetLengthInByte()));
  };
  if (!taken(wantedName)) {
    uniqueName = wantedName;
    return true;
  }
  uniqueName = AXOCorNextFreeName(wantedName, taken_utf8, taken);
  return false;
}

bool AXOCorParserServices::GetUniqueArcFeatureName(const CATISpecObject_var& parent,
                                                   const CATISpecObject_var& feature,
                                                   const CATUnicodeString& wantedName,
                                                   CATUnicodeString& uniqueName) {
  CATListValCATISpecObject_var children;
  if (!AXOCorAppendDescendants(parent, CATBaseUnknown::ClassName(), children)) return false;
  return KeepOrNumberAmong(children, feature, wantedName, uniqueName);
}

bool AXOCorParserServices::GetUniqueFeatureName(const CATISpecObject_var& logicalNode,
                                                const CATISpecObject_var& feature,
                                                const CATUnicodeString& wantedName,
                                                CATUnicodeString& uniqueName) {
  const AXOIAttLogical_var logical(logicalNode);
  if (!logical || !feature) return false;
  CATListValCATBaseUnknown_var members;
  logical->ListMembers(members);
  CATListValCATISpecObject_var siblings;
  for (int i = 1; i <= members.Size(); ++i) siblings.Append(CATISpecObject_var(members[i]));
  return KeepOrNumberAmong(siblings, feature, wantedName, uniqueName);
}
