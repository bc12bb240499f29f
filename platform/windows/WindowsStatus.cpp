// From the system's error codes to the platform's status, Windows backend.
#include "WindowsStatus.h"

#include "WindowsText.h"

namespace {

// Codes that mingw-w64's headers lack.
constexpr DWORD kErrorDiskQuotaExceeded = 1295;  // ERROR_DISK_QUOTA_EXCEEDED

// The most UTF-16 units that one part of a path may hold on the usual file
// systems (NTFS, FAT with long names, exFAT, ReFS).
constexpr std::size_t kMaxNameUnits = 255;

// True when a part of `path` between separators is longer than a file
// system allows.
bool HasOverlongName(const std::string& path) {
  const std::wstring wide = AXOWideFromUtf8(path);
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = wide.find_first_of(L"\\/", start);
    const std::size_t length = (end == std::wstring::npos ? wide.size() : end) - start;
    if (length > kMaxNameUnits) return true;
    if (end == std::wstring::npos) return false;
    start = end + 1;
  }
}

// The system's message for `error` in UTF-8, as the other reasons are
// written: first letter in lower case, without the closing ".\r\n";
// "error <number>" when the system has no message for it.
std::string SystemMessage(DWORD error) {
  wchar_t* text = nullptr;
  const DWORD length = ::FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring wide = length != 0 && text != nullptr ? std::wstring(text, length) : std::wstring();
  if (text != nullptr) ::LocalFree(text);
  while (!wide.empty() && (wide.back() == L'\r' || wide.back() == L'\n' || wide.back() == L' ' ||
                           wide.back() == L'.')) {
    wide.pop_back();
  }
  if (wide.empty()) return "error " + std::to_string(error);
  if (wide[0] >= L'A' && wide[0] <= L'Z') wide[0] = static_cast<wchar_t>(wide[0] - L'A' + L'a');
  return AXOUtf8FromWide(wide);
}

}  // namespace

AXOStatus AXOWindowsStatus(DWORD error, const std::string& subject) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
      // A part of the path longer than any file system keeps is refused
      // as a name not found (Wine) or as an invalid name (NTFS), not with
      // ERROR_FILENAME_EXCED_RANGE; that no file can have it is the reason
      // to give.
      if (HasOverlongName(subject)) return AXOStatus(AXOStatusCode::kNameTooLong, subject);
      // Any other name that the file system refuses ("a?b", "a<b") is one
      // that no file can have, which is what a reading or a status query
      // should be told.
      if (error == ERROR_INVALID_NAME) {
        return AXOStatus(AXOStatusCode::kNotFound, subject, "is not a name this system allows");
      }
      return AXOStatus(AXOStatusCode::kNotFound, subject);
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
      return AXOStatus(AXOStatusCode::kNotFound, subject);
    case ERROR_DIRECTORY:
      // A file on the way where a folder was asked for ("a.txt\b").
      return AXOStatus(AXOStatusCode::kNotFound, subject, "is not a folder");
    case ERROR_ACCESS_DENIED:
      return AXOStatus(AXOStatusCode::kPermissionDenied, subject);
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
    case kErrorDiskQuotaExceeded:
      return AXOStatus(AXOStatusCode::kNoSpace, subject);
    case ERROR_FILENAME_EXCED_RANGE:
      return AXOStatus(AXOStatusCode::kNameTooLong, subject);
    case ERROR_WRITE_PROTECT:
      return AXOStatus(AXOStatusCode::kReadOnly, subject);
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return AXOStatus(AXOStatusCode::kLocked, subject);
    case ERROR_ALREADY_EXISTS:
    case ERROR_FILE_EXISTS:
    case ERROR_DIR_NOT_EMPTY:
      return AXOStatus(AXOStatusCode::kExists, subject);
    case ERROR_INVALID_PARAMETER:
      return AXOStatus(AXOStatusCode::kInvalidArgument, subject);
    default:
      break;
  }
  return AXOStatus(AXOStatusCode::kOther, subject, SystemMessage(error));
}

AXOStatus AXOWindowsResultStatus(HRESULT result, const std::string& subject) {
  if (HRESULT_FACILITY(result) == FACILITY_WIN32) {
    return AXOWindowsStatus(static_cast<DWORD>(HRESULT_CODE(result)), subject);
  }
  return AXOStatus(AXOStatusCode::kOther, subject, SystemMessage(static_cast<DWORD>(result)));
}

AXOStatus AXOWindowsNotRegularStatus(AXOWindowsNotRegular kind, const std::string& subject) {
  const char* reason = "not a regular file";
  switch (kind) {
    case AXOWindowsNotRegular::kFolder:
      reason = "is a folder, not a file";
      break;
    case AXOWindowsNotRegular::kDevice:
      reason = "is a device, not a file";
      break;
    case AXOWindowsNotRegular::kPipe:
      reason = "is a pipe, not a file";
      break;
    case AXOWindowsNotRegular::kReparsePoint:
      reason = "is a symbolic link, not a file";
      break;
  }
  return AXOStatus(AXOStatusCode::kNotRegularFile, subject, reason);
}

AXOStatus AXOWindowsWidePath(const std::string& path, std::wstring& wide) {
  if (path.empty()) return AXOStatus(AXOStatusCode::kInvalidArgument, path, "an empty name");
  const std::size_t nul = path.find('\0');
  if (nul != std::string::npos) {
    // The name up to the NUL is the one shown; the rest would not print.
    return AXOStatus(AXOStatusCode::kInvalidArgument, path.substr(0, nul),
                     "the name holds a NUL character");
  }
  wide = AXOWideFromUtf8(path);
  return AXOStatus();
}
