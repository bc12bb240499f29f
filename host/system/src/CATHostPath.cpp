#include "CATHostPath.h"

#include <filesystem>
#include <vector>

#include "AXOPlatform.h"

namespace {

// A path taken apart: what stays in front ("", "\", "\\", "c:", "c:\")
// and the folders and name after it.
struct PathParts {
  std::string prefix;
  std::vector<std::string> names;
};

PathParts Split(const std::string& path) {
  PathParts parts;
  size_t i = 0;
  if (CATHostPathHasDrive(path)) {
    parts.prefix = path.substr(0, 2);
    i = 2;
  }
  size_t leading = 0;
  while (i + leading < path.size() && CATHostPathIsSeparator(path[i + leading])) ++leading;
  // Two separators at the very start name a network path; elsewhere one.
  if (leading > 0) parts.prefix += (leading >= 2 && i == 0) ? "\\\\" : "\\";
  i += leading;
  const bool absolute = leading > 0;
  std::string name;
  for (; i <= path.size(); ++i) {
    if (i < path.size() && !CATHostPathIsSeparator(path[i])) {
      name += path[i];
      continue;
    }
    if (name == "..") {
      if (!parts.names.empty() && parts.names.back() != "..") {
        parts.names.pop_back();
      } else if (!absolute) {
        parts.names.push_back(name);
      }
    } else if (!name.empty() && name != ".") {
      parts.names.push_back(name);
    }
    name.clear();
  }
  return parts;
}

std::string Join(const PathParts& parts) {
  std::string path = parts.prefix;
  for (size_t i = 0; i < parts.names.size(); ++i) {
    if (i > 0) path += '\\';
    path += parts.names[i];
  }
  return path;
}

}  // namespace

bool CATHostPathHasDrive(const std::string& path) {
  const char letter = path.size() >= 2 ? path[0] : '\0';
  return ((letter >= 'a' && letter <= 'z') || (letter >= 'A' && letter <= 'Z')) && path[1] == ':';
}

bool CATHostPathIsAbsolute(const std::string& path) {
  return (!path.empty() && CATHostPathIsSeparator(path[0])) || CATHostPathHasDrive(path);
}

std::string CATHostPathJoin(const std::string& folder, const std::string& name) {
  if (folder.empty() || CATHostPathIsSeparator(folder.back())) return folder + name;
  return folder + '\\' + name;
}

std::string CATHostPathNormal(const std::string& path) {
  return Join(Split(path));
}

std::string CATHostPathResolve(const std::string& from, const std::string& reference) {
  if (CATHostPathIsAbsolute(reference)) return CATHostPathNormal(reference);
  PathParts folder = Split(from);
  if (!folder.names.empty()) folder.names.pop_back();  // the file's own name
  return CATHostPathNormal(CATHostPathJoin(Join(folder), reference));
}

std::string CATHostPathRelative(const std::string& from, const std::string& target) {
  PathParts folder = Split(from);
  if (!folder.names.empty()) folder.names.pop_back();  // the file's own name
  const PathParts to = Split(target);
  const bool absolute = !to.prefix.empty();
  if (to.prefix != folder.prefix) return absolute ? target : std::string();
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
      if (folder.names[i] == "..") return std::string();
      relative.names.push_back("..");
    }
  }
  relative.names.insert(relative.names.end(), to.names.begin() + static_cast<long>(common),
                        to.names.end());
  if (relative.names.empty()) return absolute ? target : std::string(".");
  return Join(relative);
}

std::string CATHostPathOfNative(const std::string& nativePath) {
  namespace fs = std::filesystem;
  // From the current folder; "/" with a path that starts at a root keeps
  // that root (and the drive of the current folder on Windows).
  fs::path absolute = fs::u8path(nativePath);
  std::string current;
  if (!absolute.is_absolute() && AXOPlatform::Get()->CurrentFolder(current).ok()) {
    absolute = fs::u8path(current) / absolute;
  }
  std::string host = absolute.lexically_normal().u8string();
  for (char& c : host) c = c == '/' ? '\\' : c;
  if (host.size() > 1 && host.back() == '\\' && host[host.size() - 2] != ':') host.pop_back();
  return host;
}
