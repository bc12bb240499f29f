#ifndef AXO_PLATFORM_TESTING_H
#define AXO_PLATFORM_TESTING_H

// The services of the operating system that only tests and benchmarks
// need: child processes (a test runs itself again to kill it half-way or to
// race it against itself) and writing the classes root of the registry.
// Built for this system from posix/testing/ or windows/testing/ into the
// static library AXOPlatformTesting, never installed. Calls follow the
// convention of AXOPlatform.h: an AXOStatus, out-arguments defined only
// when it is ok.

#include <cstdint>
#include <string>
#include <vector>

#include "AXOStatus.h"

class AXOPlatformTesting {
 public:
  virtual ~AXOPlatformTesting() = default;

  // The services of this system.
  static AXOPlatformTesting& Get();

  // --- Child processes ---------------------------------------------------
  // Starts the program `arguments[0]` (a native path, not looked up in
  // PATH) with the other arguments, each passed to it unchanged; the child
  // inherits the environment. `process` is its id for WaitForProcess. A
  // start that fails for want of something passing (a process slot,
  // memory; under Wine, now and then for no reason given) is tried up to
  // three times, 50 ms apart.
  virtual AXOStatus StartProcess(const std::vector<std::string>& arguments,
                                 std::int64_t& process) = 0;
  // As StartProcess, with the child's standard output going to the file
  // `outputPath` (native), created or emptied first; a file that cannot be
  // opened for writing starts no child.
  virtual AXOStatus StartProcessWithOutputFile(const std::vector<std::string>& arguments,
                                               const std::string& outputPath,
                                               std::int64_t& process) = 0;
  // Waits until a process started here ends and gives its exit code;
  // kInvalidArgument for an id not (or no longer) waited for, kOther for a
  // POSIX child ended by a signal. Each id is waited for once.
  virtual AXOStatus WaitForProcess(std::int64_t process, int& exitCode) = 0;
  // Ends a process started here at once, as a crash would: it gets no
  // chance to clean up. It is still to be waited for. kInvalidArgument for
  // an id not (or no longer) waited for.
  virtual AXOStatus KillProcess(std::int64_t process) = 0;

  // --- Registry ----------------------------------------------------------
  // Creates `subKey` below the classes root with the keys above it, in both
  // views of the registry, and sets its default value to `defaultValue`
  // (REG_SZ) when that is not null. Windows: writing the classes root needs
  // administrator rights (kPermissionDenied). POSIX: the backend's registry
  // in memory, which is empty until this fills it.
  virtual AXOStatus WriteClassesRootKey(const std::string& subKey, const char* defaultValue) = 0;
  // Removes `subKey` and everything below it from both views; ok when it no
  // longer exists.
  virtual AXOStatus DeleteClassesRootTree(const std::string& subKey) = 0;
};

#endif  // AXO_PLATFORM_TESTING_H
