// The completion tables, read from the commands and their options.
#include "AxocorCompletionTable.h"

#include <CLI/CLI.hpp>

namespace {

std::vector<const CLI::App*> CommandsOf(const CLI::App& app) {
  return app.get_subcommands([](const CLI::App*) { return true; });
}

// The names a user types for `option`: "-o", "--output".
std::vector<std::string> NamesOf(const CLI::Option& option) {
  std::vector<std::string> names;
  for (const std::string& name : option.get_snames()) names.push_back("-" + name);
  for (const std::string& name : option.get_lnames()) names.push_back("--" + name);
  return names;
}

// The case of a value of `option` found at `key`; none for a text.
void AddValueCase(const std::string& key, const CLI::Option& option, AxocorCompletionTable& table) {
  const AxocorValueKind kind = ValueKindOf(option);
  if (kind != AxocorValueKind::kText) table.cases.push_back({key, kind, WordsOf(option)});
}

// Adds the cases of `app`, reached by `path`, and of every command below
// it; `help` is the path of "axocor help" that names `app`.
void Collect(const CLI::App& app, const std::string& path, const std::string& help,
             AxocorCompletionTable& table) {
  std::vector<std::string> options;
  std::size_t position = 0;
  for (const CLI::Option* option : app.get_options()) {
    if (option->get_positional()) {
      AddValueCase(path + " " + std::to_string(position++), *option, table);
      continue;
    }
    for (const std::string& name : NamesOf(*option)) {
      options.push_back(name);
      if (option->get_expected_max() == 0) continue;
      table.valued.push_back(path + " " + name);
      AddValueCase(path + " " + name, *option, table);
    }
  }
  if (!options.empty()) table.cases.push_back({path + " -", AxocorValueKind::kText, options});
  const std::vector<const CLI::App*> commands = CommandsOf(app);
  if (commands.empty()) return;
  std::vector<std::string> names;
  for (const CLI::App* command : commands) names.push_back(command->get_name());
  table.cases.push_back({help + " 0", AxocorValueKind::kText, names});
  if (app.get_parent() == nullptr) {
    table.commands.push_back(help);
    names.insert(names.begin(), "help");
  }
  table.cases.push_back({path + " 0", AxocorValueKind::kText, names});
  for (const CLI::App* command : commands) {
    const std::string name = " " + command->get_name();
    table.commands.push_back(path + name);
    table.commands.push_back(help + name);
    Collect(*command, path + name, help + name, table);
  }
}

}  // namespace

AxocorCompletionTable CompletionTableOf(const CLI::App& app) {
  AxocorCompletionTable table;
  Collect(app, app.get_name(), app.get_name() + " help", table);
  return table;
}
