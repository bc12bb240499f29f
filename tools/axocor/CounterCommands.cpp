// "axocor counter": reserves numbers from a counter file, as the add-on's
// modules do, and prints the first of them.
#include <CLI/CLI.hpp>
#include <cstdint>
#include <iostream>
#include <memory>
#include <string>

#include "AXOCorEnvVarManager.h"
#include "AxocorCommands.h"
#include "AxocorJson.h"
#include "model/AXOCorCounters.h"

void RegisterCounterCommands(CLI::App& app) {
  CLI::App* command = &app;
  command->description(
      std::string("Reserve numbers from the counter file <startup path>\\") +
      axo_counters::kCounterFolder +
      "\\NAME (the first startup path of CATStartupPath that holds it) and print the "
      "first number");
  auto name = std::make_shared<std::string>();
  auto count = std::make_shared<long>(1);
  command->add_option("NAME", *name, "Counter name, possibly with folders: walls\\beams.txt")
      ->required();
  command->add_option("-n,--count", *count, "How many numbers to reserve (1 to 2147483647)")
      ->check(CLI::Range(1L, 2147483647L));
  const std::shared_ptr<bool> json = AddJsonFlag(*command);
  command->footer(
      "The counter file must exist; it holds the last number handed out.\n"
      "Example: axocor counter WallID -n 10   (the file held 41: prints 42, the file holds 51)\n");
  command->callback([=] {
    CATListValCATUnicodeString startupPaths;
    AXOCorEnvVarManager::GetEnvVariableValues("CATStartupPath", startupPaths);
    if (startupPaths.Size() == 0) AxocorFail("CATStartupPath names no startup path");
    // The library's own reservation (GetIDSeqNumber), which also says why
    // a counter cannot give the numbers.
    std::int64_t first = -1;
    const AXOStatus status = axo_counters::ReserveFromStartupPaths(
        startupPaths, CATUnicodeString(name->c_str()), *count, first);
    if (!status.ok()) {
      AxocorFail("counter '" + *name + "' cannot give " + std::to_string(*count) +
                 " number(s): " + status.ToString());
    }
    if (*json) {
      // The numbers reserved are first .. first + count - 1.
      PrintJson(
          {{"counter", *name}, {"count", *count}, {"first", first}, {"last", first + *count - 1}});
    } else {
      std::cout << first << "\n";
    }
  });
}
