// Process, time, memory and diagnostics services of the POSIX backend.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <pthread.h>
#include <time.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "PosixPlatform.h"

AXOPlatform* AXOMakeDefaultPlatform() {
  return new PosixPlatform();
}

namespace {

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
  std::ifstream in("/proc/self/stat");
  const std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
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

bool PosixPlatform::NewGuid(AXOGuidFields& guid) {
  unsigned char bytes[16];
  int fd = ::open("/dev/urandom", O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  size_t got = 0;
  while (got < sizeof bytes) {
    ssize_t n = ::read(fd, bytes + got, sizeof bytes - got);
    if (n <= 0) break;
    got += static_cast<size_t>(n);
  }
  ::close(fd);
  if (got != sizeof bytes) return false;
  // Version 4 (random) with the RFC 4122 variant, as Windows generates them.
  bytes[6] = static_cast<unsigned char>((bytes[6] & 0x0F) | 0x40);
  bytes[8] = static_cast<unsigned char>((bytes[8] & 0x3F) | 0x80);
  guid.data1 = (std::uint32_t{bytes[0]} << 24) | (std::uint32_t{bytes[1]} << 16) |
               (std::uint32_t{bytes[2]} << 8) | bytes[3];
  guid.data2 = static_cast<std::uint16_t>((bytes[4] << 8) | bytes[5]);
  guid.data3 = static_cast<std::uint16_t>((bytes[6] << 8) | bytes[7]);
  std::memcpy(guid.data4, bytes + 8, 8);
  return true;
}

std::int64_t PosixPlatform::ElapsedMilliseconds() {
  static const std::int64_t origin = ProcessStartMilliseconds();
  return BootClockMilliseconds() - origin;
}

bool PosixPlatform::QueryMemoryStatus(AXOMemoryStatus& status) {
  // /proc/self/statm: the first field is the virtual size in pages.
  int statm = KeptStatmDescriptor();
  const bool kept = statm >= 0;
  if (!kept) statm = ::open("/proc/self/statm", O_RDONLY | O_CLOEXEC);
  if (statm < 0) return false;
  char text[128];
  const ssize_t length = ::pread(statm, text, sizeof text - 1, 0);
  if (!kept) ::close(statm);
  if (length <= 0) return false;
  text[length] = '\0';
  char* end = nullptr;
  const unsigned long long pages = std::strtoull(text, &end, 10);
  static const long page_size = ::sysconf(_SC_PAGESIZE);
  if (end == text || page_size <= 0) return false;
  // Used = total - available, so report the used size as total with none free.
  status.totalVirtual = pages * static_cast<unsigned long long>(page_size);
  status.availVirtual = 0;
  return true;
}

void PosixPlatform::DebugOutput(const std::string& utf8Text) {
  const char* enabled = std::getenv("AXO_DEBUG_OUTPUT");
  if (enabled == nullptr || std::strcmp(enabled, "1") != 0) return;
  std::fwrite(utf8Text.data(), 1, utf8Text.size(), stderr);
}

std::string PosixPlatform::CommandLine() {
  // Arguments are NUL-separated in /proc/self/cmdline; join them by blanks.
  std::ifstream in("/proc/self/cmdline", std::ios::binary);
  std::string raw((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  while (!raw.empty() && raw.back() == '\0') raw.pop_back();
  for (char& c : raw) {
    if (c == '\0') c = ' ';
  }
  return raw;
}

bool PosixPlatform::SetEnv(const char* name, const char* value) {
  if (name == nullptr || *name == '\0') return false;
  if (value == nullptr) return ::unsetenv(name) == 0;
  return ::setenv(name, value, 1) == 0;
}
