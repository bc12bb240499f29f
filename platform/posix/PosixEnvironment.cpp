// Environment services of the POSIX backend (SetEnv lives with the process
// services).
#include <cstdlib>

#include "PosixPlatform.h"

bool PosixPlatform::GetEnv(const char* name, std::string& value) {
  if (name == nullptr || *name == '\0') return false;
  const char* found = std::getenv(name);
  if (found == nullptr) return false;
  value = found;
  return true;
}
