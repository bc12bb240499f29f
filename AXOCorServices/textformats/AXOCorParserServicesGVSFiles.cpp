#include "AXOCorParserServicesGVSFiles.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "AXOCorEnvVarManager.h"
#include "AXOPlatform.h"

AXOGvsFileRead AXOReadGvsFile(const CATUnicodeString& path, CATUnicodeString& text) {
  const std::string native = AXOPlatform::Get()->NativePath(path.ConvertToChar());
  if (native.empty()) return AXOGvsFileRead::kUnreadable;
  const std::filesystem::path file = std::filesystem::u8path(native);
  // Only regular files: a directory can be opened on some systems and then
  // reports a size that is no size at all.
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return AXOGvsFileRead::kUnreadable;
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  if (error) return AXOGvsFileRead::kUnreadable;
  if (size > static_cast<std::uintmax_t>(kAXOGvsMaxFileBytes)) return AXOGvsFileRead::kTooLarge;

  std::ifstream stream(file, std::ios::in | std::ios::binary);
  if (!stream) return AXOGvsFileRead::kUnreadable;
  std::string bytes(static_cast<std::size_t>(size), '\0');
  stream.read(&bytes[0], static_cast<std::streamsize>(bytes.size()));
  if (static_cast<std::uintmax_t>(stream.gcount()) != size) return AXOGvsFileRead::kUnreadable;
  const std::size_t end = std::min(bytes.find('\0'), bytes.size());
  text = CATUnicodeString(bytes.data(), end);
  return AXOGvsFileRead::kRead;
}

CATUnicodeString AXOGvsIncludedContent(const CATUnicodeString& fileText) {
  const CATUnicodeString node_start("<std:node");
  const int first = fileText.SearchSubString(node_start);
  if (first < 0) return "";
  const int second = fileText.SearchSubString(node_start, first + 1);
  const int last =
      fileText.SearchSubString("</std:node", 0, CATUnicodeString::CATSearchModeBackward);
  if (second < 0 || last <= second) return "";
  return fileText.SubString(second, last - second);
}

CATUnicodeString AXOResolveGvsInclude(const CATUnicodeString& name) {
  if (name.SearchSubString(":") >= 0 || name.SearchSubString("\\\\") >= 0) return name;
  CATUnicodeString path;
  AXOCorEnvVarManager::GetStandardFilePath("gvs_includes\\" + name, path);
  return path;
}
