// How a command of the tool ends with an error.
#include <CLI/CLI.hpp>
#include <iostream>

#include "AxocorCommands.h"

void AxocorFail(const std::string& message) {
  std::cerr << "axocor: error: " << message << "\n";
  // main() turns the exception into the exit status, without a message.
  throw CLI::RuntimeError(1);
}
