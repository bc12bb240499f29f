// Child processes of the POSIX backend.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "PosixPlatform.h"

extern char** environ;

namespace {

// The children started and not yet waited for: only they may be killed.
struct Children {
  std::mutex mutex;
  std::set<pid_t> ids;
};

Children& StartedChildren() {
  static auto* const children = new Children();
  return *children;
}

// Starts `arguments` with `actions` applied in the child (null: none).
std::int64_t Spawn(const std::vector<std::string>& arguments,
                   const posix_spawn_file_actions_t* actions) {
  if (arguments.empty() || arguments[0].empty()) return -1;
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  pid_t child = 0;
  // EAGAIN: the system lacked a process slot or memory for a moment; the
  // start is tried again.
  for (int attempt = 1;; ++attempt) {
    const int error = ::posix_spawn(&child, argv[0], actions, nullptr, argv.data(), environ);
    if (error == 0) break;
    if (error != EAGAIN || attempt == 3) return -1;
    ::usleep(50 * 1000);
  }
  Children& children = StartedChildren();
  std::lock_guard<std::mutex> lock(children.mutex);
  children.ids.insert(child);
  return child;
}

}  // namespace

std::string PosixPlatform::ExecutablePath() {
  char path[PATH_MAX];
  const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path);
  if (length <= 0 || static_cast<std::size_t>(length) >= sizeof path) return std::string();
  return std::string(path, static_cast<std::size_t>(length));
}

std::int64_t PosixPlatform::StartProcess(const std::vector<std::string>& arguments) {
  return Spawn(arguments, nullptr);
}

// A file that cannot be opened makes posix_spawn fail, so no child runs.
std::int64_t PosixPlatform::StartProcessWithOutputFile(const std::vector<std::string>& arguments,
                                                       const std::string& outputPath) {
  posix_spawn_file_actions_t actions;
  if (::posix_spawn_file_actions_init(&actions) != 0) return -1;
  std::int64_t child = -1;
  if (::posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outputPath.c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644) == 0) {
    child = Spawn(arguments, &actions);
  }
  ::posix_spawn_file_actions_destroy(&actions);
  return child;
}

int PosixPlatform::WaitForProcess(std::int64_t process) {
  if (process <= 0 || process > INT_MAX) return -1;
  {
    Children& children = StartedChildren();
    std::lock_guard<std::mutex> lock(children.mutex);
    if (children.ids.erase(static_cast<pid_t>(process)) == 0) return -1;
  }
  int status = 0;
  pid_t ended;
  do {
    ended = ::waitpid(static_cast<pid_t>(process), &status, 0);
  } while (ended < 0 && errno == EINTR);
  if (ended < 0 || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

bool PosixPlatform::KillProcess(std::int64_t process) {
  if (process <= 0 || process > INT_MAX) return false;
  Children& children = StartedChildren();
  std::lock_guard<std::mutex> lock(children.mutex);
  // Until it is waited for, the child's id cannot pass to another process.
  return children.ids.count(static_cast<pid_t>(process)) != 0 &&
         ::kill(static_cast<pid_t>(process), SIGKILL) == 0;
}
