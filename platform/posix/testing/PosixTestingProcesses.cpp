// Child processes for tests, POSIX.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <mutex>
#include <set>
#include <string>
#include <vector>

#include "AXOPlatformTestingBackend.h"

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

AXOStatus SpawnFailure(int error, const std::string& program) {
  return AXOStatus(error == ENOENT ? AXOStatusCode::kNotFound : AXOStatusCode::kOther, program,
                   std::string("cannot be started: ") + std::strerror(error));
}

// Starts `arguments` with `actions` applied in the child (null: none).
AXOStatus Spawn(const std::vector<std::string>& arguments,
                const posix_spawn_file_actions_t* actions, std::int64_t& process) {
  if (arguments.empty() || arguments[0].empty()) {
    return AXOStatus(AXOStatusCode::kInvalidArgument, "", "no program to start");
  }
  std::vector<char*> argv;
  for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);
  pid_t child = 0;
  // EAGAIN: the system lacked a process slot or memory for a moment; the
  // start is tried again.
  for (int attempt = 1;; ++attempt) {
    const int error = ::posix_spawn(&child, argv[0], actions, nullptr, argv.data(), environ);
    if (error == 0) break;
    if (error != EAGAIN || attempt == 3) return SpawnFailure(error, arguments[0]);
    ::usleep(50 * 1000);
  }
  Children& children = StartedChildren();
  std::lock_guard<std::mutex> lock(children.mutex);
  children.ids.insert(child);
  process = child;
  return AXOStatus();
}

}  // namespace

AXOStatus AXOPlatformTestingBackend::StartProcess(const std::vector<std::string>& arguments,
                                                  std::int64_t& process) {
  return Spawn(arguments, nullptr, process);
}

// A file that cannot be opened makes posix_spawn fail, so no child runs.
AXOStatus AXOPlatformTestingBackend::StartProcessWithOutputFile(
    const std::vector<std::string>& arguments, const std::string& outputPath,
    std::int64_t& process) {
  posix_spawn_file_actions_t actions;
  int error = ::posix_spawn_file_actions_init(&actions);
  if (error != 0) return SpawnFailure(error, arguments.empty() ? "" : arguments[0]);
  error = ::posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outputPath.c_str(),
                                             O_WRONLY | O_CREAT | O_TRUNC, 0644);
  const AXOStatus status = error == 0 ? Spawn(arguments, &actions, process)
                                      : SpawnFailure(error, arguments.empty() ? "" : arguments[0]);
  ::posix_spawn_file_actions_destroy(&actions);
  return status;
}

AXOStatus AXOPlatformTestingBackend::WaitForProcess(std::int64_t process, int& exitCode) {
  if (process <= 0 || process > INT_MAX) return AXOUnknownChild(process);
  {
    Children& children = StartedChildren();
    std::lock_guard<std::mutex> lock(children.mutex);
    if (children.ids.erase(static_cast<pid_t>(process)) == 0) return AXOUnknownChild(process);
  }
  int status = 0;
  pid_t ended;
  do {
    ended = ::waitpid(static_cast<pid_t>(process), &status, 0);
  } while (ended < 0 && errno == EINTR);
  if (ended < 0) return AXOUnknownChild(process);
  if (!WIFEXITED(status)) {
    return AXOStatus(AXOStatusCode::kOther, "process " + std::to_string(process),
                     "ended by signal " + std::to_string(WTERMSIG(status)));
  }
  exitCode = WEXITSTATUS(status);
  return AXOStatus();
}

AXOStatus AXOPlatformTestingBackend::KillProcess(std::int64_t process) {
  if (process <= 0 || process > INT_MAX) return AXOUnknownChild(process);
  Children& children = StartedChildren();
  std::lock_guard<std::mutex> lock(children.mutex);
  // Until it is waited for, the child's id cannot pass to another process.
  if (children.ids.count(static_cast<pid_t>(process)) == 0) return AXOUnknownChild(process);
  if (::kill(static_cast<pid_t>(process), SIGKILL) != 0) {
    return AXOStatus(AXOStatusCode::kOther, "process " + std::to_string(process),
                     std::strerror(errno));
  }
  return AXOStatus();
}
