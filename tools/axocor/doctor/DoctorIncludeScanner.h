#ifndef AXOCOR_DOCTOR_INCLUDE_SCANNER_H
#define AXOCOR_DOCTOR_INCLUDE_SCANNER_H

// The include nodes of a style sheet, found by the same textual rules as the
// library's expansion, so that the doctor can name each include the library
// lists (the library gives only the resolved paths, "" for a missing one).
//
// An include node is a "<std:node" start tag closed by the attribute value
// "includefile" (any letter case), followed by "<std:strval>" name
// "</std:strval>" and a closing "</std:node>". The name is taken in lower
// case, as the library takes it. A malformed include node ends the scan, as
// it ends the expansion.

#include <string>
#include <vector>

namespace axocor::doctor {

struct IncludeScan {
  std::vector<std::string> names;  // in order of the text, lower case
  std::string malformed;           // why the scan stopped early, or empty
};

// The include nodes of `text`, one after the other.
IncludeScan ScanIncludes(const std::string& text);

// What an included file contributes: the text from its second "<std:node"
// up to its last "</std:node", or "" when one of them is missing.
std::string IncludedContent(const std::string& text);

// True when `name` is a full path (it holds ":" or "\"), opened as it
// stands; otherwise it is looked up in "gvs_includes".
bool IsFullIncludePath(const std::string& name);

}  // namespace axocor::doctor

#endif  // AXOCOR_DOCTOR_INCLUDE_SCANNER_H
