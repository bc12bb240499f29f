#ifndef AxocorCommands_h
#define AxocorCommands_h

// The subcommand groups of the axocor tool. main() names each group once, in
// its table of groups, and hands it to RunAxocor (AxocorRun.h), which makes
// the group's command and gives it to the group's registration function (in
// a file of the group's own); that function adds the group's description,
// options and commands. RunAxocor gives every command the tool's
// conventions: help, exit statuses, near names of unknown commands.
//
// What a command does itself: prints its result on standard output; with
// "--json" (AddJsonFlag, AxocorJson.h) prints it as one JSON document
// through PrintJson instead; ends a failure with AxocorFail. Its examples
// go in its group's footer, one line each beginning with the command
// ("  axocor guid new -n 5"): the group's help shows them all, the command's
// help its own. The tests run every example of every help text on the
// samples (testing/axocor/run_documented_examples.py): an example ends with
// status 0 unless a trailing "(exits N)" says otherwise, and every command
// has at least one.

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
// "catalogs steel|find|show|entry": catalogs below the startup paths
// (CatalogCommands.cpp), the chapters of a catalog document and one of its
// entries (the group's "show" and "entry" commands, CatalogShowCommand.cpp
// and CatalogEntryCommand.cpp).
void RegisterCatalogCommands(CLI::App& app);
void RegisterCatalogShowCommand(CLI::App& group);
void RegisterCatalogEntryCommand(CLI::App& group);
// "units": the units of a magnitude (UnitCommands.cpp).
void RegisterUnitCommands(CLI::App& app);
// "doctor": checks an installation (DoctorCommand.cpp).
void RegisterDoctorCommand(CLI::App& app);
// "model show|check|box|dump|children|unique-name|publish|save-part|plan":
// documents of the host's model, queries on their objects named by one
// feature-path form (model/ModelLookup.h), publication, saves of parts and
// the plan view (model/ModelCommands.cpp and the files it names).
void RegisterModelCommands(CLI::App& app);

// Ends the running command: writes "axocor: error: <message>" to standard
// error and makes the tool exit with status 1.
[[noreturn]] void AxocorFail(const std::string& message);

#endif  // AxocorCommands_h
