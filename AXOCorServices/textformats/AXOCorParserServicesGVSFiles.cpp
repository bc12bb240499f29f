#include "AXOCorParserServicesGVSFiles.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "AXOCorStandardFiles.h"
#include "AXOPlatform.h"

AXOGvsFileRead AXOReadGvsFile(const CATUnicodeString& path, CATUnicodeString& text,
                              std::int64_t* bytes) {
  const std::string native = AXOPlatform::Get()->NativePath(path.ConvertToChar());
  if (native.empty()) return AXOGvsFileRead::kUnreadable;
  const std::filesystem::path file = std::filesystem::u8path(native);
  // Only regular files: a directory can be opened on some systems and then
  // reports a size that is no size at all, and opening a pipe can block.
  // One status call; the size comes from the opened file.
  std::error_code error;
  if (!std::filesystem::is_regular_file(std::filesystem::status(file, error))) {
    return AXOGvsFileRead::kUnreadable;
  }
  std::ifstream stream(file, std::ios::in | std::ios::binary);
  if (!stream.seekg(0, std::ios::end)) return AXOGvsFileRead::kUnreadable;
  const std::streamoff size = stream.tellg();
  if (size < 0 || !stream.seekg(0, std::ios::beg)) return AXOGvsFileRead::kUnreadable;
  if (bytes != nullptr) *bytes = size;
  if (size > kAXOGvsMaxFileBytes) return AXOGvsFileRead::kTooLarge;

  std::string content(static_cast<std::size_t>(size), '\0');
  stream.read(&content[0], static_cast<std::streamsize>(content.size()));
  if (stream.gcount() != size) return AXOGvsFileRead::kUnreadable;
  const std::size_t end = std::min(content.find('\0'), content.size());
  text = CATUnicodeString(content.data(), end);
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

CATUnicodeString AXOGvsIncludedContent(const CATUnicodeString& fileText) {
  int begin = 0;
  int end = 0;
  if (!AXOGvsContentRange(fileText, begin, end)) return "";
  return fileText.SubString(begin, end - begin);
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
