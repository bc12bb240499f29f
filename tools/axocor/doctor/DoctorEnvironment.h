#ifndef AXOCOR_DOCTOR_ENVIRONMENT_H
#define AXOCOR_DOCTOR_ENVIRONMENT_H

// The environment an installation is checked in: the host's path-list
// variables, the settings folder and the doctor's own keys, given by an
// environment file or by a folder laid out like the sample installation.
//
// Environment file: one VAR=value per line; blank lines and lines whose
// first non-blank character is "#" are skipped; blanks around the name and
// the value are dropped. Path variables hold ";"-separated lists whose
// entries take "\" or "/" between folders; a relative entry is taken from
// the file's folder; entries are trimmed, empty entries are kept (so that
// they can be reported). Every path comes out in host form ("\"-separated).
// Only the variables of KnownVariables() may be set, each once.

#include <string>
#include <utility>
#include <vector>

namespace axocor::doctor {

struct KnownVariable {
  const char* name;
  bool isPathList;      // false: a ";"-separated list of plain names
  bool isHostVariable;  // read by the host or the library from the process environment
  const char* meaning;
};

// The variables an environment may set, in the order the doctor shows them.
const std::vector<KnownVariable>& KnownVariables();

struct Environment {
  std::string description;  // what was loaded, for the report's first line
  // Name and value (paths in host form, lists joined with ";"), in the order
  // of KnownVariables(); only the variables that were set.
  std::vector<std::pair<std::string, std::string>> variables;

  // The value of `name`, or null when it was not set.
  const std::string* Find(const std::string& name) const;
};

// Reads the environment file `nativePath`. On failure returns false with
// `error` naming the file, the line and what is wrong.
bool LoadEnvironmentFile(const std::string& nativePath, Environment& environment,
                         std::string& error);

// The environment of an installation folder: its "axocor-env.txt" when it
// has one, else the sample's layout: every folder below "startup" (in name
// order) for CATStartupPath, "collection/standard" and "collection/default"
// for the standard collection, "graphic/Dictionaries" and
// "resources/graphic" for CATGraphicPath, "settings" for the settings
// folder and every "*.csv" in "profilemaps" for the profile maps. Parts that
// do not exist are left unset. False, with `error`, when `nativeFolder` is
// not a folder.
bool LoadInstallationFolder(const std::string& nativeFolder, Environment& environment,
                            std::string& error);

// Makes the process environment that of `environment`: every host variable
// of KnownVariables() is set to its value, or removed when it is not set,
// so that nothing of the caller's own environment leaks into the check.
void ApplyEnvironment(const Environment& environment);

// The entries of a ";"-separated list, each trimmed of blanks; empty
// entries stay. An empty text has no entry.
std::vector<std::string> SplitList(const std::string& value);

}  // namespace axocor::doctor

#endif  // AXOCOR_DOCTOR_ENVIRONMENT_H
