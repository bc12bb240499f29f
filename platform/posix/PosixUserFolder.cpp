// The user's application data folder, POSIX backend.
#include <cstdlib>
#include <string>

#include "PosixPlatform.h"

// The XDG base directory rules: $XDG_CONFIG_HOME when it is an absolute
// path, else $HOME/.config.
std::string PosixPlatform::UserDataFolder() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (config != nullptr && config[0] == '/') return config;
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] != '\0') return std::string(home) + "/.config";
  return std::string();
}
