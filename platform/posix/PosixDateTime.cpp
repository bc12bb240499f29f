// Date-time texts of the POSIX backend: the user's locale, and the date
// module (icu/) that reads texts in its forms, loaded on first use.
#include <dlfcn.h>

#include <cstdlib>
#include <new>
#include <string>

#include "PosixPlatform.h"
#include "icu/PosixIcuDates.h"

namespace {

// ICU's name for the conventions of the "C" locale.
const char kCLocale[] = "en_US_POSIX";

// The folder of the file that holds this code, with a trailing "/": the
// platform library, or a program that carries the platform's code itself.
// Empty when unknown.
std::string CodeFolder() {
  Dl_info info;
  if (::dladdr(reinterpret_cast<void*>(&CodeFolder), &info) == 0 || info.dli_fname == nullptr) {
    return std::string();
  }
  const std::string file(info.dli_fname);
  return file.substr(0, file.rfind('/') + 1);
}

// The module's parser, loaded once and kept for the life of the process;
// null when the module cannot be loaded (the reason goes to the debugger
// output once). The module lies beside the platform library; a program
// that carries the platform's code finds it in the library folder that lies
// beside its own folder, installed as in the build tree.
AXOIcuParseDateTimeFunction LoadDateParser(AXOPlatform& platform) {
  const std::string folder = CodeFolder();
  void* module = nullptr;
  for (const std::string& path :
       {folder + AXO_PLATFORM_DATE_MODULE,
        folder + AXO_PLATFORM_LIBRARIES_FROM_PROGRAMS "/" + AXO_PLATFORM_DATE_MODULE}) {
    module = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module != nullptr) break;
  }
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
  const AXOIcuDateRead read =
      parse(utf8Text.data(), utf8Text.size(), UserDateLocale().c_str(), &fields);
  // The module may have a C++ runtime of its own, so its failures cross as a
  // status and are thrown here, in the caller's.
  if (read == kAXOIcuDateOutOfMemory) throw std::bad_alloc();
  return read == kAXOIcuDateRead;
}
