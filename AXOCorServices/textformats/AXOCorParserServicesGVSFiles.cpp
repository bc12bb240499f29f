#include "AXOCorParserServicesGVSFiles.h"

#include <algorithm>
#include <memory>
#include <string>

#include "AXOCorNativeFiles.h"
#include "AXOCorStandardFiles.h"

AXOGvsFileRead AXOReadGvsFile(const CATUnicodeString& path, CATUnicodeString& text,
                              std::int64_t* bytes) {
  const std::unique_ptr<AXOFileReader> file = AXOOpenRegularFile(path);
  if (file == nullptr) return AXOGvsFileRead::kUnreadable;
  // One byte beyond the limit tells a file that is too large.
  std::string content;
  char block[64 * 1024];
  for (;;) {
    const std::streamsize got = file->sgetn(block, sizeof block);
    if (got <= 0) break;
    content.append(block, static_cast<std::size_t>(got));
    if (static_cast<std::int64_t>(content.size()) > kAXOGvsMaxFileBytes) {
      return AXOGvsFileRead::kTooLarge;
    }
    // A short read is the end of the file (or an error): sgetn reads on
    // until it has the whole block.
    if (got < static_cast<std::streamsize>(sizeof block)) break;
  }
  if (file->ReadFailed()) return AXOGvsFileRead::kUnreadable;
  if (bytes != nullptr) *bytes = static_cast<std::int64_t>(content.size());
  text = CATUnicodeString(content.data(), std::min(content.find('\0'), content.size()));
  return AXOGvsFileRead::kRead;
}

bool AXOGvsContentRange(const CATUnicodeString& fileText, int& begin, int& end) {
  const CATUnicodeString node_start("<std:node");
  const int first = fileText.SearchSubString(node_start);
  if (first < 0) return false;
  begin = fileText.SearchSubString(node_start, first + 1);
  end = fileText.SearchSubString("</std:node", 0, CATUnicodeString::CATSearchModeBackward);
  return begin >= 0 && end > begin;
}

bool AXOIsGvsIncludePath(const CATUnicodeString& name) {
  return name.SearchSubString(":") >= 0 || name.SearchSubString("\\\\") >= 0;
}

CATUnicodeString AXOResolveGvsInclude(const CATUnicodeString& name) {
  if (AXOIsGvsIncludePath(name)) return name;
  CATUnicodeString path;
  AXOFindStandardFile("gvs_includes\\" + name, path);
  return path;
}
