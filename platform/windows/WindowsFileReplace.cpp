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
  const std::wstring pattern = folder + AXOWideFromUtf8(name) + L".*.tmp";
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

}  // namespace

unsigned long WindowsPlatform::ProcessId() {
  return ::GetCurrentProcessId();
}

bool WindowsPlatform::ReplaceFileAtomically(const std::string& path, const std::string& contents) {
  if (path.empty() || path.find('\0') != std::string::npos) return false;
  const std::size_t separator = path.find_last_of("\\/");
  const std::string name = separator == std::string::npos ? path : path.substr(separator + 1);
  if (name.empty()) return false;
  const std::wstring folder = separator == std::string::npos
                                  ? std::wstring()
                                  : AXOWideFromUtf8(path.substr(0, separator + 1));
  RemoveStaleTemporaryFiles(folder, name);

  HANDLE file = INVALID_HANDLE_VALUE;
  std::wstring temp;
  for (int attempt = 0; attempt < kNameAttempts && file == INVALID_HANDLE_VALUE; ++attempt) {
    AXOGuidFields random;
    if (!NewGuid(random)) return false;
    temp = folder + AXOWideFromUtf8(AXOTemporaryFileName(name, random));
    // CREATE_NEW: a file already there is never used. While this save holds
    // it, no one opens it alone, so no other save's clean-up removes it;
    // sharing delete lets another save replace it once it is the file.
    file = ::CreateFileW(temp.c_str(), GENERIC_WRITE | DELETE, FILE_SHARE_READ | FILE_SHARE_DELETE,
                         nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS) return false;
  }
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool ok = WriteAll(file, contents) && ::FlushFileBuffers(file) != 0 &&
                  RenameOpenFile(file, AXOWideFromUtf8(path));
  ::CloseHandle(file);
  if (!ok) ::DeleteFileW(temp.c_str());
  return ok;
}
