// File paths: splitting, joining and file-name extensions.
#include <string>

#include "AXOCorParserServices.h"
#include "CATLib.h"

namespace {

// Whether `head` and `tail` make up `whole`: its start and its end, with at
// most one separator between them. The host's buffers hold 260 bytes; a
// part it cut to fit would fail this, and would name another file.
bool MakeUp(const std::string& whole, const std::string& head, const std::string& tail) {
  return head.size() + tail.size() <= whole.size() &&
         head.size() + tail.size() + 1 >= whole.size() &&
         whole.compare(0, head.size(), head) == 0 &&
         whole.compare(whole.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

void AXOCorParserServices::SplitFilePath(const CATUnicodeString& path, CATUnicodeString& directory,
                                         CATUnicodeString& fileName) {
  char directory_buffer[CAT_MAX_PATH] = {};
  char file_buffer[CAT_MAX_PATH] = {};
  const std::string whole = path.ConvertToChar();
  CATSplitPath(whole.c_str(), directory_buffer, file_buffer);
  const bool whole_parts = MakeUp(whole, directory_buffer, file_buffer);
  directory = whole_parts ? directory_buffer : "";
  fileName = whole_parts ? file_buffer : "";
}

void AXOCorParserServices::MakeFilePath(const CATUnicodeString& directory,
                                        const CATUnicodeString& fileName, CATUnicodeString& path) {
  char path_buffer[CAT_MAX_PATH] = {};
  const std::string directory_text = directory.ConvertToChar();
  const std::string file_text = fileName.ConvertToChar();
  CATMakePath(directory_text.c_str(), file_text.c_str(), path_buffer);
  path = MakeUp(path_buffer, directory_text, file_text) ? path_buffer : "";
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
