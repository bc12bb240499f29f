// Exclusive read-and-replace of small files in the Windows backend.
#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include "WindowsPlatform.h"
#include "WindowsText.h"

namespace {

constexpr DWORD kMaxContent = 64 * 1024;
const wchar_t kLockSuffix[] = L".axo-lock";
// Others may read, write, rename or delete the file while this process has it
// open, so that a replacement is never refused because of this handle.
const DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

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
  return ::CreateFileW(path.c_str(), access, kShareAll, nullptr, disposition, FILE_ATTRIBUTE_NORMAL,
                       nullptr);
}

bool ReadUpTo(HANDLE file, DWORD limit, std::string& content) {
  char buffer[4096];
  while (content.size() < limit) {
    DWORD got = 0;
    if (!::ReadFile(file, buffer, sizeof buffer, &got, nullptr)) return false;
    if (got == 0) return true;
    content.append(buffer, got);
  }
  content.resize(limit);
  return true;
}

}  // namespace

// The lock is taken on a companion file: the file itself is replaced by a
// move, which Windows refuses while another process holds the file open, as
// a process waiting for a lock on it would.
AXOFileUpdate WindowsPlatform::UpdateFileExclusively(
    const std::string& path, const std::function<std::string(const std::string&)>& update) {
  const std::wstring target = AXOWideFromUtf8(path);
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
  // Released before the handle closes, also when `update` throws: Windows
  // frees the locks of a closed handle only some time later.
  struct Unlock {
    HANDLE file;
    OVERLAPPED* range;
    ~Unlock() { ::UnlockFileEx(file, 0, MAXDWORD, MAXDWORD, range); }
  } unlock{lock.get(), &whole};

  std::string content;
  {
    Handle in(OpenFile(target, GENERIC_READ, OPEN_EXISTING));
    if (!in.valid() || !ReadUpTo(in.get(), kMaxContent, content)) return AXOFileUpdate::kNotRead;
  }
  const std::string next = update(content);
  // The file must be writable, as it would be for an update in place; the
  // handle that tells is closed before the move, which it would block.
  const bool writable = Handle(OpenFile(target, GENERIC_WRITE, OPEN_EXISTING)).valid();
  if (!writable || !ReplaceFileAtomically(path, next)) return AXOFileUpdate::kNotWritten;
  return AXOFileUpdate::kReplaced;
}
