#ifndef CommandTestRun_h
#define CommandTestRun_h

// Runs one subcommand group of the tool in-process, as tests need it: the
// exit status and what went to standard output and standard error.

#include <CLI/CLI.hpp>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

struct CommandTestResult {
  int status = 0;
  std::string out;
  std::string err;
};

// Registers the group with `registerGroup` and runs "axocor <args...>".
inline CommandTestResult RunCommandForTest(void (*registerGroup)(CLI::App&),
                                           const std::vector<std::string>& args) {
  CLI::App app;
  registerGroup(app);
  std::ostringstream out;
  std::ostringstream err;
  std::streambuf* const old_out = std::cout.rdbuf(out.rdbuf());
  std::streambuf* const old_err = std::cerr.rdbuf(err.rdbuf());
  CommandTestResult result;
  try {
    // CLI11 takes the arguments last first.
    app.parse(std::vector<std::string>(args.rbegin(), args.rend()));
  } catch (const CLI::ParseError& e) {
    result.status = app.exit(e);
  }
  std::cout.rdbuf(old_out);
  std::cerr.rdbuf(old_err);
  result.out = out.str();
  result.err = err.str();
  return result;
}

#endif  // CommandTestRun_h
