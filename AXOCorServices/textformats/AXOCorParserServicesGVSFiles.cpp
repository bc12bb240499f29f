#include "AXOCorParserServicesGVSFiles.h"

#include <algorithm>
#include <string>

#include "AXOCorStandardFiles.h"
#include "AXOPlatform.h"

AXOGvsFileRead AXOReadGvsFile(const CATUnicodeString& path, CATUnicodeString& text,
                              std::int64_t* bytes) {
  const std::string native = AXOPlatform::Get()->NativePath(path.ConvertToChar());
  if (native.empty()) return AXOGvsFileRead::kUnreadable;
  std::string content;
  switch (AXOPlatform::Get()->ReadRegularFile(native, kAXOGvsMaxFileBytes, content, bytes)) {
    case AXOFileRead::kRead:
      break;
    case AXOFileRead::kTooLarge:
      return AXOGvsFileRead::kTooLarge;
    case AXOFileRead::kNotRegular:
    case AXOFileRead::kFailed:
      return AXOGvsFileRead::kUnreadable;
  }
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
