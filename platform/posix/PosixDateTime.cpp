// Date-time texts of the POSIX backend: the user's locale, and the date
// module (icu/) that reads texts in its forms, loaded on first use.
#include <dlfcn.h>

#include <cstdlib>
#include <new>
#include <string>

#include "../AXOPlatformBackend.h"
#include "icu/PosixIcuDates.h"

namespace {

// ICU's name for the conventions of the "C" locale.
const char kCLocale[] = "en_US_POSIX";

// The folder of `file` with a trailing "/", links resolved; empty when it
// cannot be told.
std::string RealFolderOf(const std::string& file) {
  char* real = ::realpath(file.c_str(), nullptr);
  if (real == nullptr) return std::string();
  const std::string path(real);
  std::free(real);
  return path.substr(0, path.rfind('/') + 1);
}

// The folder of the file that holds this code: the platform library, or
// the program when it carries the platform's code itself, for which the
// loader may know only the name it was started by ("axocor" found through
// PATH, a link); the program's own path then tells where it really is.
std::string CodeFolder(AXOPlatform& platform) {
  Dl_info info;
  const bool known = ::dladdr(reinterpret_cast<void*>(&RealFolderOf), &info) != 0 &&
                     info.dli_fname != nullptr && info.dli_fname[0] != '\0';
  std::string program;
  if (!platform.ExecutablePath(program).ok()) program.clear();
  const std::string folder = known ? RealFolderOf(info.dli_fname) : std::string();
  return !folder.empty() ? folder : program.empty() ? std::string() : RealFolderOf(program);
}

// The module's parser, loaded once and kept for the life of the process.
struct DateParser {
  AXOIcuParseDateTimeFunction parse = nullptr;
  std::string failure;  // why it could not be loaded
};

// The module lies beside the platform library; a program that carries the
// platform's code finds it in the library folder that lies beside its own
// folder, installed as in the build tree.
DateParser LoadDateParser(AXOPlatform& platform) {
  const std::string folder = CodeFolder(platform);
  DateParser loaded;
  void* module = nullptr;
  std::string tried;
  for (const std::string& path :
       {folder + AXO_PLATFORM_DATE_MODULE,
        folder + AXO_PLATFORM_LIBRARIES_FROM_PROGRAMS "/" + AXO_PLATFORM_DATE_MODULE}) {
    module = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module != nullptr) break;
    const char* error = ::dlerror();
    tried += (tried.empty() ? "" : "; ") + std::string(error != nullptr ? error : path);
  }
  void* parser = module != nullptr ? ::dlsym(module, AXO_ICU_PARSE_DATE_TIME_SYMBOL) : nullptr;
  if (module != nullptr && parser == nullptr) {
    const char* error = ::dlerror();
    tried = error != nullptr ? error : "no entry point";
  }
  loaded.parse = reinterpret_cast<AXOIcuParseDateTimeFunction>(parser);
  if (parser == nullptr) {
    loaded.failure = "the date module cannot be loaded (" + tried + ")";
    platform.DebugOutput("AXOPlatform: date texts cannot be read: " + loaded.failure + "\n");
  }
  return loaded;
}

}  // namespace

// The C library's order: LC_ALL, then LC_TIME, then LANG, the first that is
// set and not empty. The code set and modifier are dropped
// ("de_DE.UTF-8@euro" => "de_DE"); "C" and "POSIX" are ICU's "en_US_POSIX".
std::string AXOPlatformBackend::UserDateLocale() {
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

AXOStatus AXOPlatformBackend::ParseUserDateTime(const std::string& utf8Text,
                                                AXOCalendarTime& fields) {
  static const DateParser parser = LoadDateParser(*this);
  if (parser.parse == nullptr) {
    return AXOStatus(AXOStatusCode::kNotFound, utf8Text, parser.failure);
  }
  const std::string locale = UserDateLocale();
  const AXOIcuDateRead read =
      parser.parse(utf8Text.data(), utf8Text.size(), locale.c_str(), &fields);
  // The module may have a C++ runtime of its own, so its failures cross as a
  // status and are thrown here, in the caller's.
  if (read == kAXOIcuDateOutOfMemory) throw std::bad_alloc();
  if (read != kAXOIcuDateRead) {
    return AXOStatus(AXOStatusCode::kDamaged, utf8Text,
                     "not a date (and time) of the regional settings " + locale);
  }
  return AXOStatus();
}
