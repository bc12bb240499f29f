#ifndef CommandTestRun_h
#define CommandTestRun_h

// Runs one subcommand group of the tool in-process, as tests need it: the
// exit status and what went to standard output and standard error.

#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "AXOPlatform.h"
#include "AxocorRun.h"
#include "foundations/AXOCorTextLines.h"

struct CommandTestResult {
  int status = 0;
  std::string out;
  std::string err;
};

// `printed` (what a command printed) as a text file of the system holds
// it: "dump -o" writes its lines with the system's line ends.
inline std::string AsSystemTextFile(const std::string& printed) {
  std::string file;
  AXOCorAppendTextLines(file, printed, AXOPlatform::TextLineEnd());
  return file;
}

// Runs "axocor <args...>" as the tool does, with `groups`.
inline CommandTestResult RunToolForTest(const std::vector<AxocorGroup>& groups,
                                        const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  std::streambuf* const old_out = std::cout.rdbuf(out.rdbuf());
  std::streambuf* const old_err = std::cerr.rdbuf(err.rdbuf());
  CommandTestResult result;
  result.status = RunAxocor(args, groups);
  std::cout.rdbuf(old_out);
  std::cerr.rdbuf(old_err);
  result.out = out.str();
  result.err = err.str();
  return result;
}

// Runs "axocor <args...>" with the one group that `registerGroup` adds,
// named args[0].
inline CommandTestResult RunCommandForTest(void (*registerGroup)(CLI::App&),
                                           const std::vector<std::string>& args) {
  const std::string name = args.empty() ? "" : args[0];
  return RunToolForTest({{name.c_str(), registerGroup}}, args);
}

#endif  // CommandTestRun_h
