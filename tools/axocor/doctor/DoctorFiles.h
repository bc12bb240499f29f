#ifndef AXOCOR_DOCTOR_FILES_H
#define AXOCOR_DOCTOR_FILES_H

// Small helpers over host paths ("\"-separated), all going through the
// library's and the host's own file services so that the doctor sees the
// installation as the library does.

#include <cstddef>
#include <string>
#include <vector>

#include "AXOStatus.h"

namespace axocor::doctor {

// The directories of a path-list variable, as the library reads them.
std::vector<std::string> PathListOf(const char* variable);

// `folder` + "\" + `name`, joined as the library joins paths.
std::string JoinPath(const std::string& folder, const std::string& name);

bool IsFile(const std::string& hostPath);
bool IsFolder(const std::string& hostPath);

// The names of the entries of a folder in the host's order; empty when it
// cannot be listed.
std::vector<std::string> ListFolder(const std::string& hostFolder);
// The entries of a folder in the host's order that are there when asked,
// each with whether it is a folder (else the library counts it a file).
struct FolderEntry {
  std::string name;
  bool folder;
};
std::vector<FolderEntry> ListEntries(const std::string& hostFolder);
// The entries of `hostFolder` that are folders resp. files.
std::vector<std::string> SubfoldersOf(const std::string& hostFolder);
std::vector<std::string> FilesOf(const std::string& hostFolder);

// The bytes of the regular file at `hostPath`, when it holds at most
// `maxBytes`; otherwise the platform's reason.
AXOStatus ReadWholeFile(const std::string& hostPath, std::size_t maxBytes, std::string& content);

// How a path is shown to people: the native form of this system.
std::string Shown(const std::string& hostPath);

std::string ToLower(std::string text);

// "a, b, c" (at most `limit` names, then ", ... (N in all)").
std::string JoinNames(const std::vector<std::string>& names, std::size_t limit = 12);

}  // namespace axocor::doctor

#endif  // AXOCOR_DOCTOR_FILES_H
