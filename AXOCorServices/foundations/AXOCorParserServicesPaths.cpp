// File paths: splitting, joining and file-name extensions.
#include "AXOCorParserServices.h"
#include "CATLib.h"

void AXOCorParserServices::SplitFilePath(const CATUnicodeString& path, CATUnicodeString& directory,
                                         CATUnicodeString& fileName) {
  char directory_buffer[CAT_MAX_PATH] = {};
  char file_buffer[CAT_MAX_PATH] = {};
  CATSplitPath(path.ConvertToChar(), directory_buffer, file_buffer);
  directory = directory_buffer;
  fileName = file_buffer;
}

void AXOCorParserServices::MakeFilePath(const CATUnicodeString& directory,
                                        const CATUnicodeString& fileName, CATUnicodeString& path) {
  char path_buffer[CAT_MAX_PATH] = {};
  // Two texts: each ConvertToChar result lives until its own text changes.
  const CATUnicodeString directory_text(directory);
  const CATUnicodeString file_text(fileName);
  CATMakePath(directory_text.ConvertToChar(), file_text.ConvertToChar(), path_buffer);
  path = path_buffer;
}

void AXOCorParserServices::VerifyFileExtension(CATUnicodeString& fileName,
                                               const CATUnicodeString& extension) {
  if (fileName.GetLengthInChar() == 0) return;
  const CATUnicodeString dotted = "." + extension;
  const int tail = fileName.GetLengthInChar() - dotted.GetLengthInChar();
  // Only the first occurrence counts: "a.xml.xml" does not pass as ".xml".
  if (tail > 0 && fileName.SearchSubString(dotted) == tail) return;
  fileName.Append(dotted);
}

void AXOCorParserServices::GetFileExtension(const CATUnicodeString& fileName,
                                            CATUnicodeString& extension) {
  CATListValCATUnicodeString parts;
  ParseString(fileName, ".", parts);
  extension = parts.Size() > 0 ? parts[parts.Size()] : CATUnicodeString();
}

void AXOCorParserServices::RemoveExtensionFromFileName(const CATUnicodeString& fileName,
                                                       CATUnicodeString& name) {
  const int dot = fileName.SearchSubString(".", 0, CATUnicodeString::CATSearchModeBackward);
  name = dot >= 0 ? fileName.SubString(0, dot) : fileName;
}
