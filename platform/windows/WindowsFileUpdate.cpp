// Exclusive read-and-replace of small files in the Windows backend.
#include "WindowsFileOpen.h"
#include "WindowsPlatform.h"
#include "WindowsText.h"

#include <algorithm>

namespace {

const wchar_t kLockSuffix[] = L".axo-lock";

// A file handle, closed when it goes.
class Handle {
 public:
  explicit Handle(HANDLE handle) : handle_(handle) {}
  ~Handle() {
    if (valid()) ::CloseHandle(handle_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  HANDLE get() const { return handle_; }
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }

 private:
  HANDLE handle_;
};

HANDLE OpenFile(const std::wstring& path, DWORD access, DWORD disposition) {
  return ::CreateFileW(path.c_str(), access, kAXOShareAll, nullptr, disposition,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

// Reads the whole of `file` into `content`, or stops as soon as it holds
// more than `limit` bytes. False on a read error.
bool ReadUpTo(HANDLE file, std::size_t limit, std::string& content) {
  LARGE_INTEGER size;
  if (::GetFileSizeEx(file, &size) && size.QuadPart > 0) {
    content.reserve(std::min(static_cast<std::size_t>(size.QuadPart), limit) + 1);
  }
  char buffer[1 << 16];
  while (content.size() <= limit) {
    DWORD got = 0;
    if (!::ReadFile(file, buffer, sizeof buffer, &got, nullptr)) return false;
    if (got == 0) return true;
    content.append(buffer, got);
  }
  return true;
}

// The lock is taken on a companion file: the file itself is replaced by a
// move, which Windows refuses while another process holds the file open, as
// a process waiting for a lock on it would. Runs `step` with `target` (the
// wide form of the path) while holding the file's lock.
template <typename Step>
AXOFileUpdate UnderLock(const std::wstring& target, Step step) {
  // Only the attributes are read here: an open handle outside the lock could
  // make another process's replacement fail.
  const DWORD attributes = ::GetFileAttributesW(target.c_str());
  if (target.empty() || attributes == INVALID_FILE_ATTRIBUTES ||
      (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return AXOFileUpdate::kNotRead;
  }
  Handle lock(OpenFile(target + kLockSuffix, GENERIC_READ | GENERIC_WRITE, OPEN_ALWAYS));
  if (!lock.valid()) return AXOFileUpdate::kNotWritten;
  OVERLAPPED whole = {};
  if (!::LockFileEx(lock.get(), LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &whole)) {
    return AXOFileUpdate::kNotWritten;
  }
  // Released before the handle closes, also when `step` throws: Windows
  // frees the locks of a closed handle only some time later.
  struct Unlock {
    HANDLE file;
    OVERLAPPED* range;
    ~Unlock() { ::UnlockFileEx(file, 0, MAXDWORD, MAXDWORD, range); }
  } unlock{lock.get(), &whole};
  return step();
}

}  // namespace

AXOFileUpdate WindowsPlatform::ReplaceLockedFile(const std::string& path,
                                                 const std::string& contents,
                                                 AXOFileIdentity* written) {
  // The file must be writable, as it would be for an update in place; the
  // handle that tells is closed before the move, which it would block.
  const bool writable =
      Handle(OpenFile(AXOWideFromUtf8(path), GENERIC_WRITE, OPEN_EXISTING)).valid();
  if (!writable || !ReplaceFile(path, contents, written)) return AXOFileUpdate::kNotWritten;
  return AXOFileUpdate::kReplaced;
}

AXOFileUpdate WindowsPlatform::UpdateFileExclusively(const std::string& path,
                                                     const FileUpdate& update,
                                                     std::size_t maxBytes) {
  const std::wstring target = AXOWideFromUtf8(path);
  return UnderLock(target, [&] {
    std::string content;
    {
      AXOFileOpen status;
      Handle in(AXOWindowsOpenRegularFile(target, GENERIC_READ, status));
      if (!in.valid() || !ReadUpTo(in.get(), maxBytes, content)) {
        return AXOFileUpdate::kNotRead;
      }
    }
    std::string next;
    if (content.size() > maxBytes || !update(content, next)) {
      return AXOFileUpdate::kNotWritten;
    }
    return ReplaceLockedFile(path, next, nullptr);
  });
}

AXOFileUpdate WindowsPlatform::ReplaceFileIfUnchanged(
    const std::string& path, const AXOFileIdentity& seen, const FileCheck& unchanged,
    const std::string& contents, AXOFileIdentity& written, std::size_t maxBytes) {
  const std::wstring target = AXOWideFromUtf8(path);
  return UnderLock(target, [&] {
    {
      // Closed before the move, which it would block.
      AXOFileOpen status;
      Handle in(AXOWindowsOpenRegularFile(target, GENERIC_READ, status));
      AXOFileIdentity now;
      if (!in.valid() || !AXOWindowsFileIdentity(in.get(), now)) return AXOFileUpdate::kNotRead;
      if (!AXOFileUnchanged(seen, now)) {
        std::string content;
        if (!ReadUpTo(in.get(), maxBytes, content)) return AXOFileUpdate::kNotRead;
        if (content.size() > maxBytes || !unchanged(content)) return AXOFileUpdate::kNotWritten;
      }
    }
    AXOFileIdentity identity;
    const AXOFileUpdate outcome = ReplaceLockedFile(path, contents, &identity);
    if (outcome == AXOFileUpdate::kReplaced) written = identity;
    return outcome;
  });
}
