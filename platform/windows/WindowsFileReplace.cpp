// Atomic replacement of a file's contents, Windows backend.
#include <cstring>
#include <string>
#include <vector>

#include "../AXOPlatformBackend.h"
#include "../AXOTemporaryFiles.h"
#include "WindowsFileOpen.h"
#include "WindowsStatus.h"
#include "WindowsText.h"

namespace {

// Attempts at a fresh temporary name before giving up; a clash of 64 random
// bits means something else is wrong.
constexpr int kNameAttempts = 8;
// Renames refused because the file to replace is open, 2 ms apart.
constexpr int kRenameAttempts = 50;

// Writes all of `bytes`; the system's error code on failure, else 0.
DWORD WriteAll(HANDLE file, const std::string& bytes) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    const std::size_t left = bytes.size() - written;
    const DWORD chunk = left > 0x40000000u ? 0x40000000u : static_cast<DWORD>(left);
    DWORD done = 0;
    if (!::WriteFile(file, bytes.data() + written, chunk, &done, nullptr)) return ::GetLastError();
    if (done == 0) return ERROR_WRITE_FAULT;
    written += done;
  }
  return 0;
}

// Renames the open file `file` to `target`, replacing a file there only
// with AXOReplace::kAlways: with kOnlyWhenAbsent the rename itself refuses
// (ERROR_ALREADY_EXISTS) a name that is taken. Done through the handle, so
// the file is never without its writer in between. A file that another
// handle holds open at that moment (another save just done, a reader, a
// virus scanner) may refuse to be replaced for a while, so that refusal is
// waited out for up to about a tenth of a second. The system's error code
// on failure, else 0.
DWORD RenameOpenFile(HANDLE file, const std::wstring& target, AXOReplace mode) {
  const std::size_t name_bytes = target.size() * sizeof(wchar_t);
  std::vector<unsigned char> storage(sizeof(FILE_RENAME_INFO) + name_bytes);
  auto* info = reinterpret_cast<FILE_RENAME_INFO*>(storage.data());
  info->ReplaceIfExists = mode == AXOReplace::kAlways ? TRUE : FALSE;
  info->RootDirectory = nullptr;
  info->FileNameLength = static_cast<DWORD>(name_bytes);
  std::memcpy(info->FileName, target.data(), name_bytes);
  for (int attempt = 0;; ++attempt) {
    if (::SetFileInformationByHandle(file, FileRenameInfo, info,
                                     static_cast<DWORD>(storage.size())) != 0) {
      return 0;
    }
    const DWORD error = ::GetLastError();
    if ((error != ERROR_ACCESS_DENIED && error != ERROR_SHARING_VIOLATION) ||
        attempt == kRenameAttempts) {
      return error;
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
AXOStatus WriteInto(const std::wstring& path, const std::string& subject,
                    const std::string& contents) {
  AXOWindowsHandle file(::CreateFileW(path.c_str(), GENERIC_WRITE, kAXOShareAll, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) {
    const DWORD error = ::GetLastError();
    if (error == ERROR_PIPE_BUSY) {
      return AXOStatus(AXOStatusCode::kNotRegularFile, subject, "is a pipe with no free instance");
    }
    return AXOWindowsStatus(error, subject);
  }
  const DWORD error = WriteAll(file.get(), contents);
  return error == 0 ? AXOStatus() : AXOWindowsStatus(error, subject);
}

// How a replacement of `path` goes.
enum class Target {
  kReplace,    // a file on a disk, or nothing yet: replace `file` by a rename
  kWriteInto,  // a device or a pipe: write into it
  kRefuse,     // a folder, a link that leads nowhere: `refusal` says why
};

// Where a replacement of `path` (`subject` in UTF-8) in `mode` writes, in
// `file`: through symbolic links and other reparse points to the file they
// lead to, so that a link stays a link. What is there is opened without
// any right to its content, only to see what it is, and closed at once.
Target TargetOf(const std::wstring& path, const std::string& subject, AXOReplace mode,
                std::wstring& file, AXOStatus& refusal) {
  file = path;
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  const bool is_link =
      attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
  AXOWindowsHandle opened(::CreateFileW(path.c_str(), 0, kAXOShareAll, nullptr, OPEN_EXISTING,
                                        FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!opened.valid()) {
    if (!is_link) return Target::kReplace;
    refusal =
        mode == AXOReplace::kOnlyWhenAbsent
            ? AXOStatus(AXOStatusCode::kExists, subject)
            : AXOStatus(AXOStatusCode::kNotFound, subject, "is a symbolic link that leads nowhere");
    return Target::kRefuse;
  }
  if (::GetFileType(opened.get()) != FILE_TYPE_DISK) return Target::kWriteInto;
  BY_HANDLE_FILE_INFORMATION info;
  if (!::GetFileInformationByHandle(opened.get(), &info)) {
    refusal = AXOWindowsStatus(::GetLastError(), subject);
    return Target::kRefuse;
  }
  if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    refusal = AXOWindowsNotRegularStatus(AXOWindowsNotRegular::kFolder, subject);
    return Target::kRefuse;
  }
  if ((info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0 && mode == AXOReplace::kAlways) {
    // The rename would be refused, after waiting in vain as for a file
    // that is open: Windows replaces no read-only file. (With
    // kOnlyWhenAbsent the rename refuses it as a file that is there.)
    refusal = AXOStatus(AXOStatusCode::kPermissionDenied, subject, "is read-only");
    return Target::kRefuse;
  }
  if (is_link) {
    file = AXOWindowsFinalPath(opened.get());
    if (file.empty()) {
      refusal = AXOWindowsStatus(::GetLastError(), subject);
      return Target::kRefuse;
    }
  }
  return Target::kReplace;
}

}  // namespace

// The new file has the attributes and the security that the folder gives
// new files. Owner and group are kept on POSIX only: here the owner of the
// new file is the user who saves, and an access list set on the replaced
// file alone is not taken over. The one permission bit that Windows keeps,
// read-only, cannot differ, since a read-only file is not replaced.
AXOStatus AXOPlatformBackend::Replace(const std::string& target, const std::string& contents,
                                      AXOReplace mode, AXOFileIdentity* written) {
  std::wstring wide;
  AXOStatus status = AXOWindowsWidePath(target, wide);
  if (!status.ok()) return status;
  if (wide.back() == L'\\' || wide.back() == L'/') {
    return AXOWindowsNotRegularStatus(AXOWindowsNotRegular::kFolder, target);
  }
  std::wstring path;
  switch (TargetOf(wide, target, mode, path, status)) {
    case Target::kRefuse:
      return status;
    case Target::kWriteInto:
      if (mode == AXOReplace::kOnlyWhenAbsent) return AXOStatus(AXOStatusCode::kExists, target);
      if (written != nullptr) *written = AXOFileIdentity();
      return WriteInto(path, target, contents);
    case Target::kReplace:
      break;
  }
  const std::size_t separator = path.find_last_of(L"\\/");
  const std::wstring name = separator == std::wstring::npos ? path : path.substr(separator + 1);
  const std::wstring folder =
      separator == std::wstring::npos ? std::wstring() : path.substr(0, separator + 1);
  RemoveStaleTemporaryFiles(folder, AXOUtf8FromWide(name));

  AXOWindowsHandle file;
  std::wstring temp;
  for (int attempt = 0; attempt < kNameAttempts && !file.valid(); ++attempt) {
    AXOGuidFields random;
    status = NewGuid(random);
    if (!status.ok()) return status;
    temp = folder + AXOWideFromUtf8(AXOTemporaryFileName(random));
    // CREATE_NEW: a file already there is never used. While this save holds
    // it, no one opens it alone, so no other save's clean-up removes it;
    // sharing delete lets another save replace it once it is the file.
    file.reset(::CreateFileW(temp.c_str(), GENERIC_WRITE | DELETE | FILE_READ_ATTRIBUTES,
                             FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
    const DWORD created = file.valid() ? ERROR_SUCCESS : ::GetLastError();
    if (created != ERROR_SUCCESS && created != ERROR_FILE_EXISTS) {
      // The file need not be there, its folder must.
      if (created == ERROR_PATH_NOT_FOUND) {
        return AXOStatus(AXOStatusCode::kNotFound, target, "no such folder");
      }
      return AXOWindowsStatus(created, target);
    }
  }
  if (!file.valid()) {
    return AXOStatus(AXOStatusCode::kOther, target,
                     "no new temporary file could be made beside it");
  }
  DWORD error = WriteAll(file.get(), contents);
  if (error == 0 && !::FlushFileBuffers(file.get())) error = ::GetLastError();
  if (error == 0) error = RenameOpenFile(file.get(), path, mode);
  if (error != 0) {
    file.reset();
    ::DeleteFileW(temp.c_str());
    return AXOWindowsStatus(error, target);
  }
  // After the rename, through the handle: the file this save wrote, whatever
  // the name leads to by now.
  if (written != nullptr) *written = AXOWindowsFileIdentity(file.get());
  return AXOStatus();
}
