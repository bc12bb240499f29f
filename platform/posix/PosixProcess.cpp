// Process, time, memory and diagnostics services of the POSIX backend.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <pthread.h>
#include <time.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>

#include "../AXOPlatformBackend.h"
#include "PosixFileOpen.h"
#include "PosixStatus.h"

AXOPlatform* AXOMakeDefaultPlatform() {
  return new AXOPlatformBackend();
}

namespace {

// The whole of a small file of /proc, which tells no size beforehand; empty
// when it cannot be read.
std::string ReadProcFile(const std::string& path) {
  AXOPosixDescriptor file;
  struct stat info;
  std::string bytes;
  if (!AXOPosixOpenRegularFile(path, file, info).ok() ||
      !AXOPosixReadOpenFile(file.get(), info, {1 << 20, false}, path, bytes).ok()) {
    return std::string();
  }
  return bytes;
}

// Milliseconds on the clock that the kernel dates process starts with: the
// monotonic clock that also counts time suspended.
std::int64_t BootClockMilliseconds() {
  timespec now;
  ::clock_gettime(CLOCK_BOOTTIME, &now);
  return std::int64_t{now.tv_sec} * 1000 + now.tv_nsec / 1000000;
}

// Taken when this library is loaded: the origin of the clock where the
// process's start cannot be read.
const std::int64_t g_load_milliseconds = BootClockMilliseconds();

// When this process started, on BootClockMilliseconds(): field 22 of
// /proc/self/stat, in clock ticks since boot. The second field is the
// program's name in parentheses, which may hold blanks and parentheses
// itself, so the fields are counted from its last ")".
std::int64_t ProcessStartMilliseconds() {
  const std::string stat = ReadProcFile("/proc/self/stat");
  const std::string::size_type name_end = stat.rfind(')');
  const long ticks_per_second = ::sysconf(_SC_CLK_TCK);
  if (name_end == std::string::npos || ticks_per_second <= 0) return g_load_milliseconds;
  std::istringstream fields(stat.substr(name_end + 1));
  std::string skipped;
  for (int number = 3; number < 22; ++number) fields >> skipped;
  unsigned long long start_ticks = 0;
  if (!(fields >> start_ticks)) return g_load_milliseconds;
  const auto start =
      static_cast<std::int64_t>(start_ticks / ticks_per_second * 1000 +
                                start_ticks % ticks_per_second * 1000 / ticks_per_second);
  // A start after the load of this library would be a misreading.
  return start <= g_load_milliseconds ? start : g_load_milliseconds;
}

// /proc/self/statm, opened on first use and kept open: reading it again
// costs a fraction of opening it. A forked child forgets the descriptor,
// which names its parent's file, and opens its own. -1 when it cannot be
// opened or kept (the child could not be told to forget it).
std::atomic<int> g_statm{-1};

void ForgetStatmInChild() {
  const int statm = g_statm.exchange(-1);
  if (statm >= 0) ::close(statm);
}

int KeptStatmDescriptor() {
  const int kept = g_statm.load();
  if (kept >= 0) return kept;
  static const bool forgotten_by_children =
      ::pthread_atfork(nullptr, nullptr, &ForgetStatmInChild) == 0;
  if (!forgotten_by_children) return -1;
  const int opened = ::open("/proc/self/statm", O_RDONLY | O_CLOEXEC);
  if (opened < 0) return -1;
  int expected = -1;
  if (g_statm.compare_exchange_strong(expected, opened)) return opened;
  ::close(opened);  // another thread was first
  return expected;
}

}  // namespace

AXOStatus AXOPlatformBackend::NewGuid(AXOGuidFields& guid) {
  unsigned char bytes[16];
  const char kRandom[] = "/dev/urandom";
  AXOPosixDescriptor fd(AXOPosixOpen(kRandom, O_RDONLY));
  if (!fd.valid()) return AXOPosixStatus(errno, kRandom);
  size_t got = 0;
  while (got < sizeof bytes) {
    ssize_t n = ::read(fd.get(), bytes + got, sizeof bytes - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return AXOPosixStatus(errno, kRandom);
    if (n == 0) return AXOStatus(AXOStatusCode::kOther, kRandom, "ended early");
    got += static_cast<size_t>(n);
  }
  // Version 4 (random) with the RFC 4122 variant, as Windows generates them.
  bytes[6] = static_cast<unsigned char>((bytes[6] & 0x0F) | 0x40);
  bytes[8] = static_cast<unsigned char>((bytes[8] & 0x3F) | 0x80);
  guid.data1 = (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) |
               (std::uint32_t{bytes[2]} << 8) | bytes[3];
  guid.data2 = static_cast<std::uint16_t>((bytes[4] << 8) | bytes[5]);
  guid.data3 = static_cast<std::uint16_t>((bytes[6] << 8) | bytes[7]);
  std::memcpy(guid.data4, bytes + 8, 8);
  return AXOStatus();
}

std::int64_t AXOPlatformBackend::ElapsedMilliseconds() {
  static const std::int64_t origin = ProcessStartMilliseconds();
  return BootClockMilliseconds() - origin;
}

AXOStatus AXOPlatformBackend::QueryMemoryStatus(AXOMemoryStatus& status) {
  // /proc/self/statm: the first field is the virtual size in pages.
  const char kStatm[] = "/proc/self/statm";
  int statm = KeptStatmDescriptor();
  const bool kept = statm >= 0;
  if (!kept) statm = ::open(kStatm, O_RDONLY | O_CLOEXEC);
  if (statm < 0) return AXOPosixStatus(errno, kStatm);
  char text[128];
  const ssize_t length = ::pread(statm, text, sizeof text - 1, 0);
  const int error = errno;
  if (!kept) ::close(statm);
  if (length < 0) return AXOPosixStatus(error, kStatm);
  text[length] = '\0';
  char* end = nullptr;
  const unsigned long long pages = std::strtoull(text, &end, 10);
  static const long page_size = ::sysconf(_SC_PAGESIZE);
  if (end == text || page_size <= 0) return AXOStatus(AXOStatusCode::kDamaged, kStatm);
  // Used = total - available, so report the used size as total with none free.
  status.totalVirtual = pages * static_cast<unsigned long long>(page_size);
  status.availVirtual = 0;
  return AXOStatus();
}

void AXOPlatformBackend::DebugOutput(const std::string& utf8Text) {
  const char* enabled = std::getenv("AXO_DEBUG_OUTPUT");
  if (enabled == nullptr || std::strcmp(enabled, "1") != 0) return;
  std::fwrite(utf8Text.data(), 1, utf8Text.size(), stderr);
}

std::string AXOPlatformBackend::CommandLine() {
  // Arguments are NUL-separated in /proc/self/cmdline; join them by blanks.
  std::string raw = ReadProcFile("/proc/self/cmdline");
  while (!raw.empty() && raw.back() == '\0') raw.pop_back();
  for (char& c : raw) {
    if (c == '\0') c = ' ';
  }
  return raw;
}

unsigned long AXOPlatformBackend::ProcessId() {
  return static_cast<unsigned long>(::getpid());
}

AXOStatus AXOPlatformBackend::SetEnv(const char* name, const char* value) {
  if (name == nullptr || *name == '\0' || std::strchr(name, '=') != nullptr) {
    return AXOStatus(AXOStatusCode::kInvalidArgument, name == nullptr ? "" : name,
                     "not a name of an environment variable");
  }
  const int result = value == nullptr ? ::unsetenv(name) : ::setenv(name, value, 1);
  return result == 0 ? AXOStatus() : AXOPosixStatus(errno, name);
}

AXOStatus AXOPlatformBackend::GetEnv(const char* name, std::string& value) {
  if (name == nullptr || *name == '\0') {
    return AXOStatus(AXOStatusCode::kInvalidArgument, "", "no name of an environment variable");
  }
  const char* found = std::getenv(name);
  if (found == nullptr) return AXOStatus(AXOStatusCode::kNotFound, name, "not set");
  value = found;
  return AXOStatus();
}

// The kernel's link to the program's file, which names it with links
// resolved however the program was started.
AXOStatus AXOPlatformBackend::ExecutablePath(std::string& path) {
  const char kSelf[] = "/proc/self/exe";
  char buffer[PATH_MAX];
  const ssize_t length = ::readlink(kSelf, buffer, sizeof buffer);
  if (length < 0) return AXOPosixStatus(errno, kSelf);
  if (static_cast<std::size_t>(length) == sizeof buffer) {
    return AXOStatus(AXOStatusCode::kNameTooLong, kSelf);
  }
  path.assign(buffer, static_cast<std::size_t>(length));
  return AXOStatus();
}
