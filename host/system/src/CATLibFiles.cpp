// Existence, access and status of files.
#include <cstring>
#include <limits>
#include <type_traits>

#include "AXOPlatform.h"
#include "CATLib.h"
#include "CATLibInternal.h"

// Callers test the directory bit by its value; it is the same on the C
// runtimes of Windows and POSIX.
static_assert(S_IFDIR == 0x4000, "the directory bit of st_mode must be 0x4000");

namespace {

constexpr unsigned kOwnerRead = 0400;
constexpr unsigned kOwnerWrite = 0200;

// Stores `value` in a field of a C runtime record, limited to the field's
// range (st_size has 32 bits on some runtimes).
template <class Field, class Value>
void StoreClamped(Field& field, Value value) {
  using Limits = std::numeric_limits<Field>;
  if (value > static_cast<Value>(Limits::max())) {
    field = Limits::max();
    return;
  }
  if constexpr (std::is_signed<Value>::value) {
    if (value < static_cast<Value>(Limits::lowest())) {
      field = Limits::lowest();
      return;
    }
  }
  field = static_cast<Field>(value);
}

}  // namespace

int CATFileAccess(const char* path, int mode) {
  if (mode != 0 && mode != 2 && mode != 4 && mode != 6) return -1;
  AXOFileStatus status;
  if (!CATFileStatus(path, status)) return -1;
  if ((mode & 2) != 0 && (status.permissions & kOwnerWrite) == 0) return -1;
  if ((mode & 4) != 0 && (status.permissions & kOwnerRead) == 0) return -1;
  return 0;
}

int CATGetFileInfo(const char* path, struct stat* info) {
  if (info == nullptr) return -1;
  AXOFileStatus status;
  if (!CATFileStatus(path, status)) return -1;
  std::memset(info, 0, sizeof *info);
  unsigned mode = status.permissions & 0777;
  if (status.kind == AXOFileStatus::kDirectory) mode |= S_IFDIR;
  if (status.kind == AXOFileStatus::kRegular) {
    mode |= S_IFREG;
    StoreClamped(info->st_size, status.size);
  }
  info->st_mode = static_cast<decltype(info->st_mode)>(mode);
  StoreClamped(info->st_nlink, status.links);
  StoreClamped(info->st_mtime, status.modified);
  info->st_atime = info->st_mtime;
  info->st_ctime = info->st_mtime;
  return 0;
}
