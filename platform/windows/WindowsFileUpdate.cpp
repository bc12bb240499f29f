// Exclusive read-and-replace of small files in the Windows backend.
#include <algorithm>

#include "../AXOPlatformBackend.h"
#include "WindowsFileOpen.h"
#include "WindowsStatus.h"
#include "WindowsText.h"

namespace {

const wchar_t kLockSuffix[] = L".axo-lock";
// The first pause between tries of a lock that another process holds, and
// the longest; the pauses double in between.
constexpr ULONGLONG kFirstPauseMilliseconds = 1;
constexpr ULONGLONG kLongestPauseMilliseconds = 50;

// The file that `path` (`subject` in UTF-8) leads to, in `target`: `path`
// itself, or for a symbolic link or other reparse point the file it leads
// to, so that every name of it shares one lock and the link stays a link.
// Ok only for a regular file. The file is opened without any right to its
// content and closed at once, so that it keeps no other process's
// replacement waiting.
AXOStatus ResolveRegularFile(const std::wstring& path, const std::string& subject,
                             std::wstring& target) {
  const DWORD attributes = ::GetFileAttributesW(path.c_str());
  const bool is_link =
      attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
  AXOWindowsHandle opened(::CreateFileW(path.c_str(), 0, kAXOShareAll, nullptr, OPEN_EXISTING,
                                        FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!opened.valid()) {
    const DWORD error = ::GetLastError();
    if (is_link && (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)) {
      return AXOStatus(AXOStatusCode::kNotFound, subject, "is a symbolic link that leads nowhere");
    }
    return AXOWindowsStatus(error, subject);
  }
  AXOStatus status = AXOWindowsCheckRegular(opened.get(), subject);
  if (!status.ok()) return status;
  target = is_link ? AXOWindowsFinalPath(opened.get()) : path;
  if (target.empty()) return AXOWindowsStatus(::GetLastError(), subject);
  return AXOStatus();
}

// Opens the lock file `path` (`subject` in UTF-8), creating it when it is
// missing. FILE_FLAG_OPEN_REPARSE_POINT: a link planted in its place is
// opened itself, not followed, so nothing is created through it, and then
// refused. Read access is all that LockFileEx needs, so any user who may
// read it may lock it. One this call creates takes the security that the
// folder gives new files, as the file beside it did.
AXOStatus OpenLockFile(const std::wstring& path, const std::string& subject,
                       AXOWindowsHandle& lock) {
  // FILE_FLAG_BACKUP_SEMANTICS: a folder of that name is opened too, to be
  // refused as what it is.
  lock.reset(::CreateFileW(
      path.c_str(), GENERIC_READ, kAXOShareAll, nullptr, OPEN_ALWAYS,
      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!lock.valid()) return AXOWindowsStatus(::GetLastError(), subject);
  BY_HANDLE_FILE_INFORMATION info;
  if (::GetFileType(lock.get()) == FILE_TYPE_DISK &&
      ::GetFileInformationByHandle(lock.get(), &info) &&
      (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
    lock.reset();
    return AXOStatus(AXOStatusCode::kNotRegularFile, subject,
                     "is a symbolic link, which a lock file may not be");
  }
  AXOStatus status = AXOWindowsCheckRegular(lock.get(), subject);
  if (!status.ok()) lock.reset();
  return status;
}

// Takes the exclusive lock of the whole of `lock` (`subject` in UTF-8),
// trying until `waitMilliseconds` have passed; then kLocked for `file`.
// A lock of LockFileEx belongs to the handle: it also keeps threads of one
// process apart, and goes when the process ends, however it ends.
AXOStatus LockWithin(HANDLE lock, const std::string& subject, const std::string& file,
                     std::int64_t waitMilliseconds, OVERLAPPED& whole) {
  const ULONGLONG deadline =
      ::GetTickCount64() + static_cast<ULONGLONG>(std::max<std::int64_t>(waitMilliseconds, 0));
  ULONGLONG pause = kFirstPauseMilliseconds;
  for (;;) {
    whole = OVERLAPPED();
    if (::LockFileEx(lock, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, MAXDWORD,
                     MAXDWORD, &whole)) {
      return AXOStatus();
    }
    const DWORD error = ::GetLastError();
    if (error != ERROR_LOCK_VIOLATION && error != ERROR_IO_PENDING) {
      return AXOWindowsStatus(error, subject);
    }
    const ULONGLONG now = ::GetTickCount64();
    if (now >= deadline) return AXOStatus(AXOStatusCode::kLocked, file);
    ::Sleep(static_cast<DWORD>(std::min(pause, deadline - now)));
    pause = std::min(pause * 2, kLongestPauseMilliseconds);
  }
}

// The lock is taken on a companion file: the file itself is replaced by a
// move, which Windows refuses while another process holds the file open, as
// a process waiting for a lock on it would. Runs `step` with the file that
// `path` leads to (wide, and in UTF-8) while holding that file's lock.
template <typename Step>
AXOStatus UnderLock(const std::string& path, std::int64_t waitMilliseconds, Step step) {
  std::wstring wide;
  AXOStatus status = AXOWindowsWidePath(path, wide);
  if (!status.ok()) return status;
  std::wstring target;
  status = ResolveRegularFile(wide, path, target);
  if (!status.ok()) return status;
  const std::wstring lock_path = target + kLockSuffix;
  const std::string lock_name = AXOUtf8FromWide(lock_path);
  AXOWindowsHandle lock;
  status = OpenLockFile(lock_path, lock_name, lock);
  if (!status.ok()) return status;
  OVERLAPPED whole = {};
  status = LockWithin(lock.get(), lock_name, path, waitMilliseconds, whole);
  if (!status.ok()) return status;
  // Released before the handle closes, also when `step` throws: Windows
  // frees the locks of a closed handle only some time later.
  struct Unlock {
    HANDLE file;
    OVERLAPPED* range;
    ~Unlock() { ::UnlockFileEx(file, 0, MAXDWORD, MAXDWORD, range); }
  } unlock{lock.get(), &whole};
  return step(target, target == wide ? path : AXOUtf8FromWide(target));
}

}  // namespace

AXOStatus AXOPlatformBackend::ReplaceLocked(const std::string& path, const std::string& contents,
                                            AXOFileIdentity* written) {
  // The file must be writable, as it would be for an update in place; the
  // handle that tells is closed before the move, which it would block.
  std::wstring wide;
  AXOStatus status = AXOWindowsWidePath(path, wide);
  if (!status.ok()) return status;
  AXOWindowsHandle writable(::CreateFileW(wide.c_str(), GENERIC_WRITE, kAXOShareAll, nullptr,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!writable.valid()) return AXOWindowsStatus(::GetLastError(), path);
  writable.reset();
  return Replace(path, contents, AXOReplace::kAlways, written);
}

AXOStatus AXOPlatformBackend::UpdateFileExclusively(const std::string& path,
                                                    const FileUpdate& update,
                                                    const AXOLockOptions& options) {
  return UnderLock(
      path, options.waitMilliseconds, [&](const std::wstring& target, const std::string& name) {
        // Read only now: a process that held the lock before may have
        // replaced the file since it was looked at. Closed before the move,
        // which it would block.
        std::string content;
        {
          AXOWindowsHandle in;
          AXOStatus status = AXOWindowsOpenRegularFile(target, name, GENERIC_READ, in);
          if (status.ok()) {
            status = AXOWindowsReadOpenFile(in.get(), {options.maxBytes, false}, name, content);
          }
          if (!status.ok()) return status;
        }
        std::string next;
        AXOStatus status = update(content, next);
        if (!status.ok()) return status;
        return ReplaceLocked(name, next, nullptr);
      });
}

AXOStatus AXOPlatformBackend::ReplaceFileIfUnchanged(
    const std::string& path, const AXOFileIdentity& seen, const FileCheck& unchanged,
    const std::string& contents, AXOFileIdentity& written, const AXOLockOptions& options) {
  return UnderLock(
      path, options.waitMilliseconds, [&](const std::wstring& target, const std::string& name) {
        {
          // Closed before the move, which it would block.
          AXOWindowsHandle in;
          AXOStatus status = AXOWindowsOpenRegularFile(target, name, GENERIC_READ, in);
          if (!status.ok()) return status;
          if (!AXOFileUnchanged(seen, AXOWindowsFileIdentity(in.get()))) {
            std::string content;
            status = AXOWindowsReadOpenFile(in.get(), {options.maxBytes, false}, name, content);
            if (!status.ok()) return status;
            if (!unchanged(content)) return AXOStatus(AXOStatusCode::kChanged, path);
          }
        }
        AXOFileIdentity identity;
        AXOStatus status = ReplaceLocked(name, contents, &identity);
        if (status.ok()) written = identity;
        return status;
      });
}
