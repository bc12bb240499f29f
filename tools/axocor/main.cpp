// axocor: command-line access to the services of AXOCorServices.
#include <CLI/CLI.hpp>

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
  RegisterGuidCommands(app);
  RegisterEnvCommands(app);
  RegisterDoctorCommand(app);
  RegisterGvsCommands(app);
  RegisterCounterCommands(app);
  RegisterDateCommands(app);
  RegisterMapCommands(app);
  RegisterDictionaryCommands(app);
  RegisterSettingsCommands(app);
  RegisterCatalogCommands(app);
  RegisterUnitCommands(app);
  RegisterModelCommands(app);
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e);
  }
  return 0;
}
