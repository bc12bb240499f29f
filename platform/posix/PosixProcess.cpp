// Process, time, memory and diagnostics services of the POSIX backend.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

#include "PosixPlatform.h"

AXOPlatform* AXOMakeDefaultPlatform() {
  return new PosixPlatform();
}

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
  // The first call fixes the origin; that is close enough to process start
  // for differences, which is all callers use.
  static const auto origin = std::chrono::steady_clock::now();
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                               origin)
      .count();
}

bool PosixPlatform::QueryMemoryStatus(AXOMemoryStatus& status) {
  // /proc/self/statm: the first field is the virtual size in pages.
  std::ifstream statm("/proc/self/statm");
  unsigned long long pages = 0;
  if (!(statm >> pages)) return false;
  const long page_size = ::sysconf(_SC_PAGESIZE);
  if (page_size <= 0) return false;
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
