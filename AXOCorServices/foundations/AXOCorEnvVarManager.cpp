// Lookup of files through the host's path-list environment variables.
#include "AXOCorEnvVarManager.h"

#include <cstdlib>
#include <set>

#include "AXOCorGlobalServices.h"
#include "AXOCorParserServices.h"
#include "CATLib.h"
#include "foundations/AXOCorStandardFiles.h"

namespace {

const char kCollectionStandard[] = "CATCollectionStandard";
const char kDefaultCollectionStandard[] = "CATDefaultCollectionStandard";

// Appends the ";"-separated directories of `variable` to `directories`;
// nothing for an unset or empty variable. Empty entries stay.
void AppendDirectories(const char* variable, CATListValCATUnicodeString& directories) {
  char* value = nullptr;
  if (CATGetEnvValue(variable, &value) == -1 || value == nullptr) return;
  const CATUnicodeString text(value);
  std::free(value);  // the host's copy is the caller's to release
  if (text.GetLengthInChar() > 0) AXOCorParserServices::ParseString(text, ";", directories);
}

}  // namespace

void AXOCorEnvVarManager::GetEnvVariableValues(const char* variable,
                                               CATListValCATUnicodeString& values) {
  AppendDirectories(variable, values);
}

void AXOCorEnvVarManager::GetEnvVariableValue(const char* variable, CATUnicodeString& value) {
  char* text = nullptr;
  if (CATGetEnvValue(variable, &text) == 0 && text != nullptr) {
    value = text;
    std::free(text);
  }
}

bool AXOCorEnvVarManager::GetRuntimeFilePath(const char* variable, const CATUnicodeString& fileName,
                                             CATUnicodeString& path) {
  CATListValCATUnicodeString directories;
  AppendDirectories(variable, directories);
  for (int i = 1; i <= directories.Size(); ++i) {
    AXOCorParserServices::MakeFilePath(directories[i], fileName, path);
    if (AXOCorGlobalServices::FindFile(path)) return true;
    path = "";
  }
  return false;
}

bool AXOCorEnvVarManager::GetStandardFilePath(const CATUnicodeString& relativePath,
                                              CATUnicodeString& path) {
  return AXOFindStandardFile(relativePath, path);
}

bool AXOCorEnvVarManager::GetAXOCatalogFilePath(const CATUnicodeString& variable,
                                                CATUnicodeString fileName, CATUnicodeString& path) {
  CATListValCATUnicodeString directories;
  AppendDirectories(variable.ConvertToChar(), directories);
  for (int i = 1; i <= directories.Size(); ++i) {
    // The directory text is followed directly by the file name: callers
    // bring the separator themselves.
    const CATUnicodeString candidate = directories[i] + fileName;
    if (AXOCorGlobalServices::FindFile(candidate)) {
      path = candidate;
      return true;
    }
    path = "";
  }
  return false;
}

void AXOCorEnvVarManager::GetGVSNames(CATListValCATUnicodeString& names) {
  CATListValCATUnicodeString directories;
  AppendDirectories(kCollectionStandard, directories);
  AppendDirectories(kDefaultCollectionStandard, directories);
  CATListValCATUnicodeString files;
  for (int i = 1; i <= directories.Size(); ++i) {
    AXOCorGlobalServices::FindFilesInDirectoryWithExtension(
        directories[i] + "\\generativeparameters\\", "xml", files);
  }
  // One name per style sheet whatever its case; the first directory in
  // search order gives the case.
  std::set<CATUnicodeString> taken;
  for (int i = 1; i <= files.Size(); ++i) {
    CATUnicodeString name;
    AXOCorParserServices::RemoveExtensionFromFileName(files[i], name);
    CATUnicodeString lower(name);
    lower.ToLower();
    if (taken.insert(lower).second) names.Append(name);
  }
}
