#ifndef AXOTestSpecialFiles_h
#define AXOTestSpecialFiles_h

// Test support: files that are not regular files, and calls that might
// wait for ever on them.

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <string>

#include "AXOPlatform.h"

// Makes a FIFO (named pipe) at `path` with the system's mkfifo program.
// False where there is none, as on Windows.
inline bool AXOTestMakeFifo(const std::filesystem::path& path) {
  for (const char* program : {"/usr/bin/mkfifo", "/bin/mkfifo"}) {
    std::error_code error;
    if (!std::filesystem::exists(program, error)) continue;
    AXOPlatform* platform = AXOPlatform::Get();
    const std::int64_t child = platform->StartProcess({program, path.u8string()});
    return child > 0 && platform->WaitForProcess(child) == 0 &&
           std::filesystem::is_fifo(path, error);
  }
  return false;
}

// Runs `call` on a thread of its own and gives it `limit` to return. When
// it takes longer, `release` runs (it should make the call return) and the
// call is waited for. True when the call returned in time.
inline bool AXOTestReturnsWithin(std::chrono::milliseconds limit, const std::function<void()>& call,
                                 const std::function<void()>& release) {
  std::future<void> done = std::async(std::launch::async, call);
  if (done.wait_for(limit) == std::future_status::ready) return true;
  release();
  done.wait();
  return false;
}

// Releases a reader that waits on the FIFO `path`: a writer comes and goes,
// so the reader opens it and reads its end.
inline void AXOTestReleaseFifoReader(const std::filesystem::path& path) {
  std::ofstream writer(path);
}

#endif  // AXOTestSpecialFiles_h
