#ifndef AXOCorParserServicesGVSRescan_h
#define AXOCorParserServicesGVSRescan_h

// The plain rule of include expansion, written as simply as it reads, for
// tests and the fuzz target to hold the expansion against: after each
// replacement the whole text is lowered and searched again from its start.
// It has no cycle test; only the bounds end it on a cycle. Each round costs
// the whole text, so keep inputs and bounds small.

#include <string>
#include <vector>

#include "AXOCorEnvVarManager.h"
#include "AXOPlatform.h"
#include "CATUnicodeString.h"
#include "textformats/AXOCorParserServicesGVSExpander.h"
#include "textformats/AXOCorParserServicesGVSFiles.h"

struct AXOGvsRescan {
  AXOGvsExpansion result = AXOGvsExpansion::kUnreadable;
  CATUnicodeString text;              // when kExpanded
  std::vector<std::string> includes;  // every path listed, "" for not found
};

// Reads a file whole; kRead with its text up to its first NUL byte.
inline AXOGvsFileRead AXOGvsRescanRead(const CATUnicodeString& path, CATUnicodeString& text) {
  AXOFileContents contents;
  const AXOStatus status = AXOPlatform::Get()->ReadFile(
      AXOPlatform::Get()->NativePath(path.ConvertToChar()),
      {static_cast<std::size_t>(kAXOGvsMaxFileBytes), false}, contents);
  if (status.code() == AXOStatusCode::kTooLarge) return AXOGvsFileRead::kTooLarge;
  if (!status.ok()) return AXOGvsFileRead::kUnreadable;
  text = CATUnicodeString(contents.bytes.c_str());
  return AXOGvsFileRead::kRead;
}

inline AXOGvsRescan AXOGvsRescanExpand(const CATUnicodeString& sheetPath,
                                       const AXOGvsLimits& limits) {
  AXOGvsRescan rescan;
  CATUnicodeString text;
  switch (AXOGvsRescanRead(sheetPath, text)) {
    case AXOGvsFileRead::kRead:
      break;
    case AXOGvsFileRead::kUnreadable:
      return rescan;
    case AXOGvsFileRead::kTooLarge:
      rescan.result = AXOGvsExpansion::kFileTooLarge;
      return rescan;
  }
  if (text.GetLengthInChar() > limits.maxLength) {
    rescan.result = AXOGvsExpansion::kTooLong;
    return rescan;
  }
  for (int replaced = 1;; ++replaced) {
    CATUnicodeString lower(text);
    lower.ToLower();
    const int length = lower.GetLengthInChar();
    const int mark = lower.SearchSubString("\"includefile\">");
    if (mark < 0) break;
    const int start = lower.SearchSubString("<std:node", length - mark - 1,
                                            CATUnicodeString::CATSearchModeBackward);
    if (start < 0) break;
    const int value_open = lower.SearchSubString("<std:strval>", start);
    if (value_open < 0) break;
    const int value_close = lower.SearchSubString("</std:strval>", value_open);
    if (value_close < 0) break;
    const CATUnicodeString name = lower.SubString(value_open + 12, value_close - value_open - 12);
    if (name.GetLengthInChar() == 0) break;
    const int node_close = lower.SearchSubString("</std:node>", value_close);
    if (node_close < 0) break;
    const int end = node_close + 11;

    CATUnicodeString path = name;
    if (name.SearchSubString(":") < 0 && name.SearchSubString("\\\\") < 0) {
      AXOCorEnvVarManager::GetStandardFilePath("gvs_includes\\" + name, path);
    }
    rescan.includes.push_back(path.ConvertToChar());
    if (replaced > limits.maxIncludes) {
      rescan.result = AXOGvsExpansion::kTooManyIncludes;
      return rescan;
    }
    CATUnicodeString content;
    CATUnicodeString file_text;
    if (path.GetLengthInChar() > 0) {
      const AXOGvsFileRead read = AXOGvsRescanRead(path, file_text);
      if (read == AXOGvsFileRead::kTooLarge) {
        rescan.result = AXOGvsExpansion::kFileTooLarge;
        return rescan;
      }
      const int first = file_text.SearchSubString("<std:node");
      const int second = first < 0 ? -1 : file_text.SearchSubString("<std:node", first + 1);
      const int last =
          file_text.SearchSubString("</std:node", 0, CATUnicodeString::CATSearchModeBackward);
      if (read == AXOGvsFileRead::kRead && second >= 0 && last > second) {
        content = file_text.SubString(second, last - second);
      }
    }
    if (length - (end - start) + content.GetLengthInChar() > limits.maxLength) {
      rescan.result = AXOGvsExpansion::kTooLong;
      return rescan;
    }
    text.ReplaceSubString(start, end - start, content);
  }
  rescan.result = AXOGvsExpansion::kExpanded;
  rescan.text = text.Strip(CATUnicodeString::CATStripModeAll, CATUnicodeChar('\r'));
  return rescan;
}

#endif  // AXOCorParserServicesGVSRescan_h
