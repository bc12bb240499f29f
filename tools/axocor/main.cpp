// axocor: command-line access to the services of AXOCorServices.
#include <CLI/CLI.hpp>

#include <algorithm>
#include <iterator>
#include <string>

#include "AxocorCommands.h"

int main(int argc, char** argv) {
  CLI::App app{"axocor - command-line access to the services of AXOCorServices."};
  app.require_subcommand(1);
  app.footer(
      "Examples:\n"
      "  axocor guid new -n 3\n"
      "  axocor guid compress {01234567-89AB-CDEF-0123-456789ABCDEF}\n"
      "  axocor guid expand 018qLdYQlDxm4ZHMU9gytl\n"
      "  axocor env list CATStartupPath\n"
      "  axocor env find CATCollectionStandard 'gvs_includes\\walls.xml'\n"
      "\n"
      "Run 'axocor <command> --help' for the options of a command.\n");
  // Starting the tool costs mostly the options of every command: when the
  // first argument names a command, only that command is registered. Any
  // other first argument (help, a mistake) sees them all.
  const struct {
    const char* name;
    void (*add)(CLI::App&);
  } commands[] = {
      {"guid", RegisterGuidCommands},         {"env", RegisterEnvCommands},
      {"doctor", RegisterDoctorCommand},      {"gvs", RegisterGvsCommands},
      {"counter", RegisterCounterCommands},   {"date", RegisterDateCommands},
      {"map", RegisterMapCommands},           {"dictionaries", RegisterDictionaryCommands},
      {"settings", RegisterSettingsCommands}, {"catalogs", RegisterCatalogCommands},
      {"units", RegisterUnitCommands},        {"model", RegisterModelCommands},
  };
  const std::string first = argc > 1 ? argv[1] : "";
  const auto named = std::find_if(std::begin(commands), std::end(commands),
                                  [&](const auto& command) { return first == command.name; });
  if (named != std::end(commands)) {
    named->add(app);
  } else {
    for (const auto& command : commands) command.add(app);
  }
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e);
  }
  return 0;
}
