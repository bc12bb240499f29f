#ifndef AXOTestSpecialFiles_h
#define AXOTestSpecialFiles_h

// Test support: files that are not regular files, calls that might wait for
// ever on them, and the system programs that make such files (mkfifo,
// mount, chown). Each helper tells by its result whether this system can
// do it, so that tests skip what it cannot instead of asking which system
// it is.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

#include "AXOPlatform.h"
#include "AXOPlatformTesting.h"

// True where drive letters are real (Windows), whose devices have names
// such as "NUL" and which has none of the POSIX programs below.
inline bool AXOTestDriveLettersAreReal() {
  return AXOPlatform::Get()->NativePath("c:\\x") == "c:\\x";
}

// The device that swallows what is written and reads as empty: "/dev/null"
// or "NUL".
inline std::string AXOTestNullDevice() {
  return AXOTestDriveLettersAreReal() ? "NUL" : "/dev/null";
}

// The path of the POSIX program `name` ("mkfifo") in /usr/bin or /bin;
// empty where there is none, as on Windows.
inline std::string AXOTestSystemProgram(const std::string& name) {
  if (AXOTestDriveLettersAreReal()) return std::string();
  for (const char* folder : {"/usr/bin/", "/bin/", "/usr/sbin/", "/sbin/"}) {
    std::error_code error;
    if (std::filesystem::exists(folder + name, error)) return folder + name;
  }
  return std::string();
}

// Runs the POSIX program `name` with `arguments` to its end, its standard
// output into `output` when that is not null. True when it ran and exited
// with 0.
inline bool AXOTestRunSystemProgram(const std::string& name,
                                    const std::vector<std::string>& arguments,
                                    std::string* output = nullptr) {
  const std::string program = AXOTestSystemProgram(name);
  if (program.empty()) return false;
  std::vector<std::string> command{program};
  command.insert(command.end(), arguments.begin(), arguments.end());
  AXOPlatformTesting& testing = AXOPlatformTesting::Get();
  std::int64_t child = 0;
  const std::filesystem::path captured =
      std::filesystem::temp_directory_path() /
      ("axo-program-" + std::to_string(AXOPlatform::Get()->ProcessId()) + ".out");
  const AXOStatus started =
      output == nullptr ? testing.StartProcess(command, child)
                        : testing.StartProcessWithOutputFile(command, captured.u8string(), child);
  int exit_code = -1;
  const bool ran = started.ok() && testing.WaitForProcess(child, exit_code).ok() && exit_code == 0;
  if (output != nullptr) {
    std::ifstream in(captured, std::ios::binary);
    output->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    in.close();
    std::error_code ignored;
    std::filesystem::remove(captured, ignored);
  }
  return ran;
}

// Makes a FIFO (named pipe) at `path` with the system's mkfifo program.
// False where there is none, as on Windows.
inline bool AXOTestMakeFifo(const std::filesystem::path& path) {
  std::error_code error;
  return AXOTestRunSystemProgram("mkfifo", {path.u8string()}) &&
         std::filesystem::is_fifo(path, error);
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

// Gives the file `path` to the user and group `owner` ("65534:65534") with
// the system's chown program. False where the process may not (not root)
// or there is no such program.
inline bool AXOTestChangeOwner(const std::filesystem::path& path, const std::string& owner) {
  return AXOTestRunSystemProgram("chown", {owner, path.u8string()});
}

// The user and group of the file `path`, as "<uid>:<gid>" (links not
// followed); empty when the system cannot tell.
inline std::string AXOTestOwnerOf(const std::filesystem::path& path) {
  std::string owner;
  if (!AXOTestRunSystemProgram("stat", {"-c", "%u:%g", path.u8string()}, &owner)) {
    return std::string();
  }
  while (!owner.empty() && (owner.back() == '\n' || owner.back() == '\r')) owner.pop_back();
  return owner;
}

// The user "nobody", who is not root and owns nothing of a test's, as
// "<uid>" and as the owner of files ("<uid>:<gid>").
constexpr const char kAXOTestOtherUser[] = "65534";
constexpr const char kAXOTestOtherOwner[] = "65534:65534";

// The launcher that runs the rest of its command line as kAXOTestOtherUser
// (for AXOTestChildProcess): the system's setpriv, which only root may run
// so. Empty where there is none, as on Windows.
inline std::vector<std::string> AXOTestAsOtherUser() {
  const std::string setpriv = AXOTestSystemProgram("setpriv");
  if (setpriv.empty()) return {};
  return {setpriv, std::string("--reuid=") + kAXOTestOtherUser,
          std::string("--regid=") + kAXOTestOtherUser, "--clear-groups"};
}

// A file system of `size` ("64k") of its own, a Linux tmpfs, mounted on the
// empty folder `folder` for as long as the object lives: to see what a full
// disk does to a writer. Mounting needs root on Linux; elsewhere mounted()
// is false. The folder must outlive the object.
class AXOTestSmallFileSystem {
 public:
  AXOTestSmallFileSystem(const std::filesystem::path& folder, const std::string& size)
      : folder_(folder) {
    mounted_ = AXOTestRunSystemProgram(
        "mount", {"-t", "tmpfs", "-o", "size=" + size, "tmpfs", folder_.u8string()});
  }
  ~AXOTestSmallFileSystem() {
    if (mounted_) AXOTestRunSystemProgram("umount", {folder_.u8string()});
  }
  AXOTestSmallFileSystem(const AXOTestSmallFileSystem&) = delete;
  AXOTestSmallFileSystem& operator=(const AXOTestSmallFileSystem&) = delete;

  bool mounted() const { return mounted_; }

 private:
  std::filesystem::path folder_;
  bool mounted_ = false;
};

#endif  // AXOTestSpecialFiles_h
