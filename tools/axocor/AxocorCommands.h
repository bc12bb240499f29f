#ifndef AxocorCommands_h
#define AxocorCommands_h

// The subcommand groups of the axocor tool. Each group adds its commands to
// the application in a registration function of its own file; main() calls
// them all.

#include <string>

namespace CLI {
class App;
}  // namespace CLI

// "guid new", "guid compress", "guid expand".
void RegisterGuidCommands(CLI::App& app);
// "env list", "env find".
void RegisterEnvCommands(CLI::App& app);
// "gvs expand", "gvs includes", "gvs list": style sheets (GvsCommands.cpp).
void RegisterGvsCommands(CLI::App& app);
// "counter": reserves numbers from a counter file (CounterCommands.cpp).
void RegisterCounterCommands(CLI::App& app);
// "date": reads a date-time text of the user's locale (DateCommands.cpp).
void RegisterDateCommands(CLI::App& app);
// "map export", "map import": section-profile names through a profile map
// (MapCommands.cpp).
void RegisterMapCommands(CLI::App& app);
// "dictionaries": the installed attribute dictionaries (DictionaryCommands.cpp).
void RegisterDictionaryCommands(CLI::App& app);
// "settings show|set|reset": the translators' options (SettingsCommands.cpp).
void RegisterSettingsCommands(CLI::App& app);
// "catalogs steel|find|entry": catalogs below the startup paths
// (CatalogCommands.cpp) and an entry of a catalog document (the group's
// "entry" command, CatalogEntryCommand.cpp).
void RegisterCatalogCommands(CLI::App& app);
void RegisterCatalogEntryCommand(CLI::App& group);
// "units": the units of a magnitude (UnitCommands.cpp).
void RegisterUnitCommands(CLI::App& app);
// "doctor": checks an installation (DoctorCommand.cpp).
void RegisterDoctorCommand(CLI::App& app);
// "model show|check|box|dump|children|unique-name": documents of the host's
// model and queries on their features (model/ModelCommands.cpp,
// model/BoxCommand.cpp, model/ModelQueries.cpp).
void RegisterModelCommands(CLI::App& app);

// Ends the running command: writes "axocor: error: <message>" to standard
// error and makes the tool exit with status 1.
[[noreturn]] void AxocorFail(const std::string& message);

#endif  // AxocorCommands_h
