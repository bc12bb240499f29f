// Existence, access and status of files.
#include <chrono>
#include <cstring>
#include <filesystem>
#include <limits>
#include <system_error>

#include "CATLib.h"
#include "CATLibInternal.h"

// Callers test the directory bit by its value; it is the same on the C
// runtimes of Windows and POSIX.
static_assert(S_IFDIR == 0x4000, "the directory bit of st_mode must be 0x4000");

namespace fs = std::filesystem;

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
  } else {
    field = static_cast<Field>(value);
  }
}

// Seconds since 1970 of a file time. The file clock's epoch is unspecified
// before C++20, so the time is carried over through the distance to now.
long long SecondsSince1970(fs::file_time_type time) {
  const auto now_file = fs::file_time_type::clock::now();
  const auto now_system = std::chrono::system_clock::now();
  const auto system_time =
      now_system + std::chrono::duration_cast<std::chrono::system_clock::duration>(time - now_file);
  return std::chrono::duration_cast<std::chrono::seconds>(system_time.time_since_epoch()).count();
}

}  // namespace

int CATFileAccess(const char* path, int mode) {
  if (mode != 0 && mode != 2 && mode != 4 && mode != 6) return -1;
  std::error_code error;
  const fs::file_status status = fs::status(CATNativeFsPath(path), error);
  if (error || !fs::exists(status)) return -1;
  const unsigned permissions = static_cast<unsigned>(status.permissions());
  if ((mode & 2) != 0 && (permissions & kOwnerWrite) == 0) return -1;
  if ((mode & 4) != 0 && (permissions & kOwnerRead) == 0) return -1;
  return 0;
}

int CATGetFileInfo(const char* path, struct stat* info) {
  if (info == nullptr) return -1;
  const fs::path native = CATNativeFsPath(path);
  std::error_code error;
  const fs::file_status status = fs::status(native, error);
  if (error || !fs::exists(status)) return -1;
  std::memset(info, 0, sizeof *info);
  unsigned mode = static_cast<unsigned>(status.permissions()) & 0777;
  if (fs::is_directory(status)) {
    mode |= S_IFDIR;
  } else if (fs::is_regular_file(status)) {
    mode |= S_IFREG;
    const auto size = fs::file_size(native, error);
    if (!error) StoreClamped(info->st_size, size);
  }
  info->st_mode = static_cast<decltype(info->st_mode)>(mode);
  const auto links = fs::hard_link_count(native, error);
  StoreClamped(info->st_nlink, error ? 1 : links);
  const auto written = fs::last_write_time(native, error);
  if (!error) {
    const long long seconds = SecondsSince1970(written);
    StoreClamped(info->st_mtime, seconds);
    info->st_atime = info->st_mtime;
    info->st_ctime = info->st_mtime;
  }
  return 0;
}
