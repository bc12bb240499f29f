// The folders the POSIX backend names: the current one, the user's data
// folder and the one for temporary files.
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <vector>

#include "../AXOPlatformBackend.h"
#include "PosixStatus.h"

AXOStatus AXOPlatformBackend::CurrentFolder(std::string& folder) {
  std::vector<char> buffer(256);
  for (;;) {
    if (::getcwd(buffer.data(), buffer.size()) != nullptr) {
      folder = buffer.data();
      return AXOStatus();
    }
    if (errno != ERANGE) return AXOPosixStatus(errno, "the current folder");
    buffer.resize(buffer.size() * 2);
  }
}

// The XDG base directory rules: $XDG_CONFIG_HOME when it is an absolute
// path, else $HOME/.config.
AXOStatus AXOPlatformBackend::UserDataFolder(std::string& folder) {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (config != nullptr && config[0] == '/') {
    folder = config;
    return AXOStatus();
  }
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] != '\0') {
    folder = std::string(home) + "/.config";
    return AXOStatus();
  }
  return AXOStatus(AXOStatusCode::kNotFound, "the user's data folder",
                   "neither XDG_CONFIG_HOME nor HOME is set");
}

std::string AXOPlatformBackend::TemporaryFolder() {
  const char* named = std::getenv("TMPDIR");
  if (named != nullptr && named[0] == '/') return named;
  return "/tmp";
}
