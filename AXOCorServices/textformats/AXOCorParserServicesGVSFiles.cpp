#include "textformats/AXOCorParserServicesGVSFiles.h"

#include <algorithm>
#include <string>
#include <utility>

#include "foundations/AXOCorHostText.h"
#include "foundations/AXOCorNativeFiles.h"
#include "foundations/AXOCorStandardFiles.h"

AXOGvsFileRead AXOReadGvsFile(const CATUnicodeString& path, std::string& text, std::int64_t* read) {
  std::string content;
  const AXOStatus status =
      AXOReadFile(path, {static_cast<std::size_t>(kAXOGvsMaxFileBytes), false}, content);
  if (status.code() == AXOStatusCode::kTooLarge) return AXOGvsFileRead::kTooLarge;
  if (!status.ok()) return AXOGvsFileRead::kUnreadable;
  if (read != nullptr) *read = static_cast<std::int64_t>(content.size());
  content.resize(std::min(content.find('\0'), content.size()));
  text = std::move(content);
  return AXOGvsFileRead::kRead;
}

bool AXOGvsContentRange(std::string_view fileText, int& begin, int& end) {
  constexpr std::string_view kNodeStart = "<std:node";
  const std::size_t first = fileText.find(kNodeStart);
  if (first == std::string_view::npos) return false;
  const std::size_t second = fileText.find(kNodeStart, first + 1);
  const std::size_t last = fileText.rfind("</std:node");
  if (second == std::string_view::npos || last == std::string_view::npos || last <= second) {
    return false;
  }
  begin = static_cast<int>(second);
  end = static_cast<int>(last);
  return true;
}

bool AXOIsGvsIncludePath(const CATUnicodeString& name) {
  // Both marks are ASCII, which UTF-8 never holds within another character.
  const std::string bytes = AXOCorBytesOf(name);
  return bytes.find(':') != std::string::npos || bytes.find("\\\\") != std::string::npos;
}

CATUnicodeString AXOResolveGvsInclude(const CATUnicodeString& name) {
  if (AXOIsGvsIncludePath(name)) return name;
  CATUnicodeString path;
  AXOFindStandardFile("gvs_includes\\" + name, path);
  return path;
}
