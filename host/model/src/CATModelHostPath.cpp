#include "CATModelHostPath.h"

#include <string>
#include <vector>

namespace {

// A path taken apart: what stays in front ("", "\", "\\", "c:", "c:\")
// and the folders and name after it.
struct PathParts {
  std::u32string prefix;
  std::vector<std::u32string> names;
};

bool IsSeparator(char32_t c) {
  return c == U'\\' || c == U'/';
}

bool HasDrive(const std::u32string& path) {
  const char32_t letter = path.size() >= 2 ? path[0] : 0;
  return ((letter >= U'a' && letter <= U'z') || (letter >= U'A' && letter <= U'Z')) &&
         path[1] == U':';
}

PathParts Split(const std::u32string& path) {
  PathParts parts;
  size_t i = 0;
  if (HasDrive(path)) {
    parts.prefix = path.substr(0, 2);
    i = 2;
  }
  size_t leading = 0;
  while (i + leading < path.size() && IsSeparator(path[i + leading])) ++leading;
  // Two separators at the very start name a network path; elsewhere one.
  if (leading > 0) parts.prefix += (leading >= 2 && i == 0) ? U"\\\\" : U"\\";
  i += leading;
  const bool absolute = leading > 0;
  std::u32string name;
  for (; i <= path.size(); ++i) {
    if (i < path.size() && !IsSeparator(path[i])) {
      name += path[i];
      continue;
    }
    if (name == U"..") {
      if (!parts.names.empty() && parts.names.back() != U"..") {
        parts.names.pop_back();
      } else if (!absolute) {
        parts.names.push_back(name);
      }
    } else if (!name.empty() && name != U".") {
      parts.names.push_back(name);
    }
    name.clear();
  }
  return parts;
}

std::u32string Join(const PathParts& parts) {
  std::u32string path = parts.prefix;
  for (size_t i = 0; i < parts.names.size(); ++i) {
    if (i > 0) path += U'\\';
    path += parts.names[i];
  }
  return path;
}

CATUnicodeString FromChars(const std::u32string& chars) {
  CATUnicodeString text;
  for (char32_t c : chars) text.Append(CATUnicodeString(CATUnicodeChar(c)));
  return text;
}

}  // namespace

CATUnicodeString CATModelNormalPath(const CATUnicodeString& path) {
  return FromChars(Join(Split(path.Characters())));
}

bool CATModelIsAbsolutePath(const CATUnicodeString& path) {
  const std::u32string& chars = path.Characters();
  return (!chars.empty() && IsSeparator(chars[0])) || HasDrive(chars);
}

CATUnicodeString CATModelResolvePath(const CATUnicodeString& from,
                                     const CATUnicodeString& reference) {
  if (CATModelIsAbsolutePath(reference)) return CATModelNormalPath(reference);
  PathParts folder = Split(from.Characters());
  if (!folder.names.empty()) folder.names.pop_back();  // the file's own name
  std::u32string joined = Join(folder);
  if (!joined.empty() && !IsSeparator(joined.back())) joined += U'\\';
  return CATModelNormalPath(FromChars(joined + reference.Characters()));
}

CATUnicodeString CATModelRelativePath(const CATUnicodeString& from,
                                      const CATUnicodeString& target) {
  PathParts folder = Split(from.Characters());
  if (!folder.names.empty()) folder.names.pop_back();  // the file's own name
  const PathParts to = Split(target.Characters());
  const bool absolute = !to.prefix.empty();
  if (to.prefix != folder.prefix) return absolute ? target : CATUnicodeString();
  size_t common = 0;
  while (common < folder.names.size() && common < to.names.size() &&
         folder.names[common] == to.names[common]) {
    ++common;
  }
  PathParts relative;
  if (common < folder.names.size()) {
    // Outside the folder: an absolute target stays as it is; a relative one
    // climbs out of the folder, which ".." folders cannot be climbed out of.
    if (absolute) return target;
    for (size_t i = common; i < folder.names.size(); ++i) {
      if (folder.names[i] == U"..") return CATUnicodeString();
      relative.names.push_back(U"..");
    }
  }
  relative.names.insert(relative.names.end(), to.names.begin() + static_cast<long>(common),
                        to.names.end());
  if (relative.names.empty()) return absolute ? target : CATUnicodeString(".");
  return FromChars(Join(relative));
}
