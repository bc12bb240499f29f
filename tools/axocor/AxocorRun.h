#ifndef AxocorRun_h
#define AxocorRun_h

// One run of the tool, with the conventions that every command follows
// whatever its group:
//   axocor --version               the project's version
//   axocor --help-all              the help of every command, one after the other
//                                  (after a group: of the group and its commands)
//   axocor help [GROUP [COMMAND]]  the same as "axocor [GROUP [COMMAND]] --help"
//   axocor completion SHELL        a completion script for bash, zsh, fish or
//                                  PowerShell
// A group named without one of its commands prints its help on standard
// error and exits 2; an unknown command is named with the nearest known
// ones. Usage errors (unknown commands or options, missing or malformed
// arguments) print "axocor: error: ..." and exit 2; a command that fails
// exits 1 (AxocorFail); success exits 0. The help of every command ends
// with these statuses unless its footer names its own ("Exit status:"),
// and a command's help shows the lines of its group's examples that run
// that command, not all of the group's (after its own footer, when it has
// one without examples of its own).

#include <string>
#include <vector>

namespace CLI {
class App;
}  // namespace CLI

// A subcommand group: its name, written only here, and the function that
// fills the group's command (made by RunAxocor under that name) with its
// description, options and commands.
struct AxocorGroup {
  const char* name;
  void (*add)(CLI::App& group);
};

// Exit status of a usage error.
constexpr int kAxocorUsageError = 2;

// Runs "axocor <args>" (`args` without the program's name) and returns the
// exit status. Starting costs mostly the registration of commands, so when
// args[0] names a group of `groups` only that group is registered; any other
// first argument (help, completion, a mistake) registers them all.
int RunAxocor(std::vector<std::string> args, const std::vector<AxocorGroup>& groups);

// "axocor completion bash|zsh|fish|powershell": prints a script that
// completes the commands, options and arguments of `app` (every group
// registered) in that shell (AxocorCompletionScripts.h).
void RegisterCompletionCommand(CLI::App& app);

#endif  // AxocorRun_h
