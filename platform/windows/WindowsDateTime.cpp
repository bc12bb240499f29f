// Date-time texts of the Windows backend: the system's automation parser
// under the user's default locale.
#include "WindowsSystem.h"
// After <windows.h>, which it needs.
#include <oleauto.h>  // VarDateFromStr, VariantTimeToSystemTime

#include "../AXOPlatformBackend.h"
#include "WindowsText.h"

// The parser takes wide text. Texts here are UTF-8, so they are converted
// from UTF-8 rather than from the ANSI code page, which could not hold every
// character a UTF-8 text may carry.
AXOStatus AXOPlatformBackend::ParseUserDateTime(const std::string& utf8Text,
                                                AXOCalendarTime& fields) {
  std::wstring text = AXOWideFromUtf8(utf8Text);
  DATE date = 0;
  SYSTEMTIME calendar = {};
  // The parser's text argument is not const, though it only reads it; it
  // would stop at a NUL, taking a part of the text for the whole.
  if (utf8Text.find('\0') != std::string::npos ||
      FAILED(::VarDateFromStr(text.data(), LOCALE_USER_DEFAULT, 0, &date)) ||
      ::VariantTimeToSystemTime(date, &calendar) == 0) {
    return AXOStatus(AXOStatusCode::kDamaged, utf8Text,
                     "not a date (and time) of the regional settings " + UserDateLocale());
  }
  fields.year = calendar.wYear;
  fields.month = calendar.wMonth;
  fields.day = calendar.wDay;
  fields.hour = calendar.wHour;
  fields.minute = calendar.wMinute;
  fields.second = calendar.wSecond;
  return AXOStatus();
}

std::string AXOPlatformBackend::UserDateLocale() {
  wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
  if (::GetUserDefaultLocaleName(name, LOCALE_NAME_MAX_LENGTH) <= 0) return std::string();
  return AXOUtf8FromWide(name);
}
