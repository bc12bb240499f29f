// Loading an environment from a file or an installation folder.
#include "DoctorEnvironment.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <map>
#include <sstream>

#include "AXOPlatform.h"
#include "AxocorEscapedText.h"
#include "AxocorFiles.h"
#include "CATHostPath.h"

namespace axocor::doctor {

namespace fs = std::filesystem;

namespace {

constexpr const char* kEnvironmentFileName = "axocor-env.txt";
// The largest environment file that is read: a few lines of variables.
constexpr std::size_t kMaxEnvironmentFileBytes = 1 << 20;

std::string Trim(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

// `entry` in host form, taken from `folder` (host form) when relative.
std::string ResolveEntry(const std::string& folder, std::string entry) {
  if (entry.empty()) return entry;
  std::replace(entry.begin(), entry.end(), '/', '\\');
  if (CATHostPathIsAbsolute(entry)) return entry;
  if (entry.rfind(".\\", 0) == 0) entry.erase(0, 2);
  return folder + "\\" + entry;
}

const KnownVariable* FindKnown(const std::string& name) {
  for (const KnownVariable& known : KnownVariables()) {
    if (name == known.name) return &known;
  }
  return nullptr;
}

std::string KnownNames() {
  std::string names;
  for (const KnownVariable& known : KnownVariables()) {
    names += names.empty() ? "" : ", ";
    names += known.name;
  }
  return names;
}

// Puts the variables of `values` into `environment` in the order of
// KnownVariables().
void StoreInOrder(const std::map<std::string, std::string>& values, Environment& environment) {
  environment.variables.clear();
  for (const KnownVariable& known : KnownVariables()) {
    const auto found = values.find(known.name);
    if (found != values.end()) environment.variables.emplace_back(found->first, found->second);
  }
}

// What `path` names, links followed: kRegular, kDirectory or kOther; false
// when nothing is there.
bool KindOf(const fs::path& path, AXOFileStatus::Kind& kind) {
  AXOFileStatus status;
  if (!AXOPlatform::Get()->GetFileStatus(path.u8string(), status).ok()) return false;
  kind = status.kind;
  return true;
}

std::vector<std::string> SortedEntries(const fs::path& folder, bool wantFolders,
                                       const std::string& extension) {
  std::vector<std::string> names;
  std::vector<AXOFolderEntry> entries;
  AXOPlatform::Get()->ListFolder(folder.u8string(), entries);
  const AXOFileStatus::Kind wanted =
      wantFolders ? AXOFileStatus::kDirectory : AXOFileStatus::kRegular;
  for (const AXOFolderEntry& entry : entries) {
    AXOFileStatus::Kind kind = entry.kind;
    // A link, or a file system that does not say: its target decides.
    if (kind == AXOFileStatus::kOther && !KindOf(folder / fs::u8path(entry.name), kind)) continue;
    if (kind != wanted) continue;
    if (!extension.empty() && fs::u8path(entry.name).extension() != extension) continue;
    names.push_back(entry.name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

std::vector<std::string> SplitList(const std::string& value) {
  std::vector<std::string> entries;
  if (value.empty()) return entries;
  std::string::size_type start = 0;
  while (true) {
    const auto end = value.find(';', start);
    entries.push_back(Trim(value.substr(start, end - start)));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return entries;
}

const std::vector<KnownVariable>& KnownVariables() {
  static const std::vector<KnownVariable> known = {
      {"CATStartupPath", true, true, "catalogs, steel catalogs and counters"},
      {"CATCollectionStandard", true, true, "style sheets and their includes"},
      {"CATDefaultCollectionStandard", true, true,
       "style sheets and their includes, searched after CATCollectionStandard"},
      {"CATGraphicPath", true, true, "attribute dictionaries"},
      {"CATUserSettingPath", true, true, "the translators' settings repositories"},
      {"CATReferenceSettingPath", true, true, "the administrator's settings repositories"},
      {"AXOProfileMap", true, false, "section profile map files"},
      {"AXOCounterNames", false, false, "counters that the add-on's commands draw numbers from"},
  };
  return known;
}

const std::string* Environment::Find(const std::string& name) const {
  for (const auto& variable : variables) {
    if (variable.first == name) return &variable.second;
  }
  return nullptr;
}

bool LoadEnvironmentFile(const std::string& nativePath, Environment& environment,
                         std::string& error) {
  std::string text;
  const AXOStatus read = AxocorReadFile(nativePath, kMaxEnvironmentFileBytes, text);
  if (!read.ok()) {
    error = nativePath + ": " + read.reason();
    return false;
  }
  std::istringstream file(text);
  const std::string folder = CATHostPathOfNative(fs::path(nativePath).parent_path().empty()
                                                     ? std::string(".")
                                                     : fs::path(nativePath).parent_path().string());
  std::map<std::string, std::string> values;
  std::map<std::string, int> firstLine;
  std::string line;
  for (int number = 1; std::getline(file, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::string content = Trim(line);
    if (content.empty() || content[0] == '#') continue;
    const std::string where = nativePath + ":" + std::to_string(number) + ": ";
    const auto equals = content.find('=');
    if (equals == std::string::npos) {
      // The start of the line is enough to find it: a binary file's lines
      // may be long.
      const std::string start = content.size() > 60 ? content.substr(0, 60) + "..." : content;
      error = where + "expected VAR=value, found '" + AxocorEscapedText(start) + "'";
      return false;
    }
    const std::string name = Trim(content.substr(0, equals));
    const KnownVariable* known = FindKnown(name);
    if (known == nullptr) {
      error = where + "unknown variable '" + AxocorEscapedText(name) + "' (known: " + KnownNames() +
              ")";
      return false;
    }
    if (!firstLine.emplace(name, number).second) {
      error = where + "'" + name + "' is set again (first on line " +
              std::to_string(firstLine[name]) + ")";
      return false;
    }
    const std::string value = Trim(content.substr(equals + 1));
    std::string resolved;
    const std::vector<std::string> entries = SplitList(value);
    for (std::size_t i = 0; i < entries.size(); ++i) {
      if (i > 0) resolved += ';';
      resolved += known->isPathList ? ResolveEntry(folder, entries[i]) : entries[i];
    }
    values[name] = resolved;
  }
  StoreInOrder(values, environment);
  environment.description = "the installation described by " + nativePath;
  return true;
}

bool LoadInstallationFolder(const std::string& nativeFolder, Environment& environment,
                            std::string& error) {
  const fs::path root = fs::u8path(nativeFolder);
  AXOFileStatus::Kind kind = AXOFileStatus::kOther;
  if (!KindOf(root, kind) || kind != AXOFileStatus::kDirectory) {
    error = nativeFolder + ": not a folder";
    return false;
  }
  // Anything there of that name is the environment file: a FIFO or a
  // folder in its place is refused with its reason, never taken for none.
  const fs::path envFile = root / kEnvironmentFileName;
  if (KindOf(envFile, kind)) return LoadEnvironmentFile(envFile.u8string(), environment, error);
  const std::string host = CATHostPathOfNative(nativeFolder);
  std::map<std::string, std::string> values;
  // Joins the folders (or files) below `root` that exist, in host form.
  const auto existing = [&](const std::vector<std::string>& relative) {
    std::string list;
    for (const std::string& entry : relative) {
      AXOFileStatus::Kind ignored;
      if (!KindOf(root / fs::u8path(entry), ignored)) continue;
      list += (list.empty() ? "" : ";") + ResolveEntry(host, entry);
    }
    return list;
  };
  const auto set = [&](const char* name, const std::string& list) {
    if (!list.empty()) values[name] = list;
  };
  std::vector<std::string> startup;
  for (const std::string& name : SortedEntries(root / "startup", true, "")) {
    startup.push_back("startup/" + name);
  }
  set("CATStartupPath", existing(startup));
  set("CATCollectionStandard", existing({"collection/standard"}));
  set("CATDefaultCollectionStandard", existing({"collection/default"}));
  set("CATGraphicPath", existing({"graphic/Dictionaries", "resources/graphic"}));
  set("CATUserSettingPath", existing({"settings"}));
  std::vector<std::string> maps;
  for (const std::string& name : SortedEntries(root / "profilemaps", false, ".csv")) {
    maps.push_back("profilemaps/" + name);
  }
  set("AXOProfileMap", existing(maps));
  StoreInOrder(values, environment);
  environment.description = "the installation in " + nativeFolder + " (laid out like the sample)";
  return true;
}

void ApplyEnvironment(const Environment& environment) {
  AXOPlatform* platform = AXOPlatform::Get();
  for (const KnownVariable& known : KnownVariables()) {
    if (!known.isHostVariable) continue;
    const std::string* value = environment.Find(known.name);
    platform->SetEnv(known.name, value != nullptr ? value->c_str() : nullptr);
  }
}

}  // namespace axocor::doctor
