#ifndef ModelGuard_h
#define ModelGuard_h

// Calls into the library and the host that no document can end with a
// crash: a host error or any other exception that a call raises (the
// library passes on what is no host error) becomes an error of the tool.

#include <functional>
#include <string>

// Runs `call`. True when it returned; false, with `raised` set to the
// message of what it raised (a host error's text, a C++ exception's
// what(), "an exception of unknown type"), when it raised anything but the
// tool's own ending of a command, which passes on.
bool CallGuarded(const std::function<void()>& call, std::string& raised);

// A command's callback: runs `body`, and ends the command with
// "axocor: error: <command> raised: <message>" when it raises.
std::function<void()> GuardedCommand(const std::string& command, std::function<void()> body);

#endif  // ModelGuard_h
