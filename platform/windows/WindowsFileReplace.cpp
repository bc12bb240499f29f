// Atomic replacement of a file's contents, Windows backend.
#include <cstring>
#include <string>
#include <vector>

#include "../AXOTemporaryFiles.h"
#include "WindowsFileOpen.h"
#include "WindowsPlatform.h"
#include "WindowsText.h"

namespace {

// Attempts at a fresh temporary name before giving up; a clash of 64 random
// bits means something else is wrong.
constexpr int kNameAttempts = 8;
// Renames refused because the file to replace is open, 2 ms apart.
constexpr int kRenameAttempts = 50;

bool WriteAll(HANDLE file, const std::string& bytes) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    const std::size_t left = bytes.size() - written;
    const DWORD chunk = left > 0x40000000u ? 0x40000000u : static_cast<DWORD>(left);
    DWORD done = 0;
    if (!::WriteFile(file, bytes.data() + written, chunk, &done, nullptr) || done == 0) {
      return false;
    }
    written += done;
  }
  return true;
}

// Renames the open file `file` to `target`, replacing a file there. Done
// through the handle, so the file is never without its writer in between.
// A file that another handle holds open at that moment (another save just
// done, a reader, a virus scanner) may refuse to be replaced for a while,
// so that refusal is waited out for up to about a tenth of a second.
bool RenameOpenFile(HANDLE file, const std::wstring& target) {
  const std::size_t name_bytes = target.size() * sizeof(wchar_t);
  std::vector<unsigned char> storage(sizeof(FILE_RENAME_INFO) + name_bytes);
  auto* info = reinterpret_cast<FILE_RENAME_INFO*>(storage.data());
  info->ReplaceIfExists = TRUE;
  info->RootDirectory = nullptr;
  info->FileNameLength = static_cast<DWORD>(name_bytes);
  std::memcpy(info->FileName, target.data(), name_bytes);
  for (int attempt = 0;; ++attempt) {
    if (::SetFileInformationByHandle(file, FileRenameInfo, info,
                                     static_cast<DWORD>(storage.size())) != 0) {
      return true;
    }
    const DWORD error = ::GetLastError();
    if ((error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION) ||
        attempt == kRenameAttempts) {
      return false;
    }
    ::Sleep(2);
  }
}

// Deletes the file `path` when no one has it open: the exclusive open
// fails while a save holds it.
void DeleteIfUnused(const std::wstring& path) {
  HANDLE file = ::CreateFileW(path.c_str(), DELETE, 0, nullptr, OPEN_EXISTING,
                              FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  FILE_DISPOSITION_INFO disposition = {};
  disposition.DeleteFile = TRUE;
  ::SetFileInformationByHandle(file, FileDispositionInfo, &disposition, sizeof disposition);
  ::CloseHandle(file);
}

// Removes the temporary files of `name` in `folder` that no save holds.
void RemoveStaleTemporaryFiles(const std::wstring& folder, const std::string& name) {
  WIN32_FIND_DATAW found;
  const std::wstring pattern = folder + L"*.tmp";
  HANDLE search = ::FindFirstFileW(pattern.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    if ((found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) == 0 &&
        AXOIsTemporaryFileNameOf(AXOUtf8FromWide(found.cFileName), name)) {
      DeleteIfUnused(folder + found.cFileName);
    }
  } while (::FindNextFileW(search, &found));
  ::FindClose(search);
}

// Writes `contents` into the device or pipe `path` ("CON", "NUL",
// "\\.\pipe\x"), as a redirection of a command prompt would.
bool WriteInto(const std::wstring& path, const std::string& contents) {
  HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, kAXOShareAll, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool ok = WriteAll(file, contents);
  ::CloseHandle(file);
  return ok;
}

// The path that the open file `file` has, links resolved ("\\?\C:\a\b");
// empty when the system cannot tell.
std::wstring FinalPathOf(HANDLE file) {
  std::wstring path(MAX_PATH, L'\0');
  for (int attempt = 0; attempt < 2; ++attempt) {
    const DWORD length = ::GetFinalPathNameByHandleW(
        file, &path[0], static_cast<DWORD>(path.size()), FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length == 0) return std::wstring();
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(length);
  }
  return std::wstring();
}

// How a replacement of `path` goes.
enum class Target {
  kReplace,    // a file on a disk, or nothing yet: replace `file` by a rename
  kWriteInto,  // a device or a pipe: write into it
  kRefuse,     // a folder, or a link that leads nowhere
};

// Where a replacement of `path` writes, in `file`: through symbolic links
// and other reparse points to the file they lead to, so that a link stays a
// link. What is there is opened without any right to its content, only to
// see what it is, and closed at once.
Target TargetOf(const std::wstring& path, std::wstring& file) {
  file = path;
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  HANDLE opened = ::CreateFileW(path.c_str(), 0, kAXOShareAll, nullptr, OPEN_EXISTING,
                                FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  const bool is_link =
      attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
  if (opened == INVALID_HANDLE_VALUE) return is_link ? Target::kRefuse : Target::kReplace;
  Target target = Target::kReplace;
  BY_HANDLE_FILE_INFORMATION info;
  if (::GetFileType(opened) != FILE_TYPE_DISK) {
    target = Target::kWriteInto;
  } else if (!::GetFileInformationByHandle(opened, &info) ||
             (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    target = Target::kRefuse;
  } else if (is_link) {
    file = FinalPathOf(opened);
    if (file.empty()) target = Target::kRefuse;
  }
  ::CloseHandle(opened);
  return target;
}

}  // namespace

unsigned long WindowsPlatform::ProcessId() {
  return ::GetCurrentProcessId();
}

bool WindowsPlatform::ReplaceFileAtomically(const std::string& target,
                                            const std::string& contents) {
  return ReplaceFile(target, contents, nullptr);
}

bool WindowsPlatform::ReplaceFile(const std::string& target, const std::string& contents,
                                  AXOFileIdentity* written) {
  if (target.empty() || target.find('\0') != std::string::npos) return false;
  std::wstring path;
  switch (TargetOf(AXOWideFromUtf8(target), path)) {
    case Target::kRefuse:
      return false;
    case Target::kWriteInto:
      if (written != nullptr) *written = AXOFileIdentity();
      return WriteInto(path, contents);
    case Target::kReplace:
      break;
  }
  const std::size_t separator = path.find_last_of(L"\\/");
  const std::wstring wide_name =
      separator == std::wstring::npos ? path : path.substr(separator + 1);
  if (wide_name.empty()) return false;
  const std::string name = AXOUtf8FromWide(wide_name);
  const std::wstring folder =
      separator == std::wstring::npos ? std::wstring() : path.substr(0, separator + 1);
  RemoveStaleTemporaryFiles(folder, name);

  HANDLE file = INVALID_HANDLE_VALUE;
  std::wstring temp;
  for (int attempt = 0; attempt < kNameAttempts && file == INVALID_HANDLE_VALUE; ++attempt) {
    AXOGuidFields random;
    if (!NewGuid(random)) return false;
    temp = folder + AXOWideFromUtf8(AXOTemporaryFileName(random));
    // CREATE_NEW: a file already there is never used. While this save holds
    // it, no one opens it alone, so no other save's clean-up removes it;
    // sharing delete lets another save replace it once it is the file.
    file = ::CreateFileW(temp.c_str(), GENERIC_WRITE | DELETE | FILE_READ_ATTRIBUTES,
                         FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS) return false;
  }
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool ok =
      WriteAll(file, contents) && ::FlushFileBuffers(file) != 0 && RenameOpenFile(file, path);
  // After the rename, through the handle: the file this save wrote, whatever
  // the name leads to by now.
  if (ok && written != nullptr && !AXOWindowsFileIdentity(file, *written)) {
    *written = AXOFileIdentity();
  }
  ::CloseHandle(file);
  if (!ok) ::DeleteFileW(temp.c_str());
  return ok;
}
