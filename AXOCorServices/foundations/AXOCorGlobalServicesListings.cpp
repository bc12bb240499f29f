// Listing the entries of one directory.
#include <functional>

#include "AXOCorGlobalServices.h"
#include "AXOCorParserServices.h"
#include "CATLib.h"
#include "foundations/AXOCorHostText.h"

namespace {

// Calls `visit` with the name of each entry of `directory`, in the host's
// order, until the entry that carries the end flag or the first failed
// read. Nothing is visited when the directory is not accessible or cannot
// be opened.
void ForEachEntry(const CATUnicodeString& directory,
                  const std::function<void(const CATUnicodeString&)>& visit) {
  if (AXOCorHoldsNul(directory)) return;  // names no directory
  const char* path = directory.ConvertToChar();
  CATDirectory handle;
  if (CATFileAccess(path, 0) != 0 || CATOpenDirectory(path, &handle) == -1) return;
  CATDirectoryEntry entry;
  int end = 0;
  while (end == 0 && CATReadDirectory(&handle, &entry, &end) == 0) {
    visit(CATUnicodeString(entry.name));
  }
  CATCloseDirectory(&handle);
}

}  // namespace

void AXOCorGlobalServices::FindFilesInDirectoryWithExtension(const CATUnicodeString& directory,
                                                             const CATUnicodeString& extension,
                                                             CATListValCATUnicodeString& names) {
  // Any entry counts, directories too; the extension matches in any case.
  ForEachEntry(directory, [&](const CATUnicodeString& name) {
    CATUnicodeString entry_extension;
    AXOCorParserServices::GetFileExtension(name, entry_extension);
    if (entry_extension.Compare(extension) != 0) names.Append(name);
  });
}

void AXOCorGlobalServices::FindFilesInDirectory(const CATUnicodeString& directory,
                                                const CATUnicodeString& namePart, bool ignoreCase,
                                                CATListValCATUnicodeString& names) {
  CATUnicodeString part(namePart);
  if (ignoreCase) part.ToUpper();
  ForEachEntry(directory, [&](const CATUnicodeString& name) {
    CATUnicodeString compared(name);
    if (ignoreCase) compared.ToUpper();
    if (part.GetLengthInChar() > 0 && compared.SearchSubString(part) < 0) return;
    // Always one "\" between directory and name, as the directory is given.
    if (FindFile(directory + "\\" + name)) names.Append(name);
  });
}
