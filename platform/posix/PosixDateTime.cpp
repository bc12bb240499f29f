// Date-time texts of the POSIX backend: the user's locale, and the date
// module (icu/) that reads texts in its forms, loaded on first use.
#include <dlfcn.h>

#include <cstdlib>
#include <string>

#include "PosixPlatform.h"
#include "icu/PosixIcuDates.h"

namespace {

// ICU's name for the conventions of the "C" locale.
const char kCLocale[] = "en_US_POSIX";

// The date module lies in the folder of this library, under the name that
// the build gives it.
std::string DateModulePath() {
  Dl_info info;
  if (::dladdr(reinterpret_cast<void*>(&DateModulePath), &info) == 0 || info.dli_fname == nullptr) {
    return AXO_PLATFORM_DATE_MODULE;
  }
  const std::string library(info.dli_fname);
  const std::string::size_type slash = library.rfind('/');
  if (slash == std::string::npos) return AXO_PLATFORM_DATE_MODULE;
  return library.substr(0, slash + 1) + AXO_PLATFORM_DATE_MODULE;
}

// The module's parser, loaded once and kept for the life of the process;
// null when the module cannot be loaded (the reason goes to the debugger
// output once).
AXOIcuParseDateTimeFunction LoadDateParser(AXOPlatform& platform) {
  void* module = ::dlopen(DateModulePath().c_str(), RTLD_NOW | RTLD_LOCAL);
  void* parser = module != nullptr ? ::dlsym(module, AXO_ICU_PARSE_DATE_TIME_SYMBOL) : nullptr;
  if (parser == nullptr) {
    const char* error = ::dlerror();
    platform.DebugOutput(std::string("AXOPlatform: date texts cannot be read: ") +
                         (error != nullptr ? error : "no date module") + "\n");
  }
  return reinterpret_cast<AXOIcuParseDateTimeFunction>(parser);
}

}  // namespace

// The C library's order: LC_ALL, then LC_TIME, then LANG, the first that is
// set and not empty. The code set and modifier are dropped
// ("de_DE.UTF-8@euro" => "de_DE"); "C" and "POSIX" are ICU's "en_US_POSIX".
std::string PosixPlatform::UserDateLocale() {
  for (const char* variable : {"LC_ALL", "LC_TIME", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value == nullptr || *value == '\0') continue;
    const std::string full(value);
    const std::string name = full.substr(0, full.find_first_of(".@"));
    if (name.empty() || name == "C" || name == "POSIX") return kCLocale;
    return name;
  }
  return kCLocale;
}

bool PosixPlatform::ParseUserDateTime(const std::string& utf8Text, AXOCalendarTime& fields) {
  static const AXOIcuParseDateTimeFunction parse = LoadDateParser(*this);
  if (parse == nullptr) return false;
  return parse(utf8Text.data(), utf8Text.size(), UserDateLocale().c_str(), &fields);
}
