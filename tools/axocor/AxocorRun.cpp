// One run of the tool: the application, its conventions, and the exit
// status.
#include "AxocorRun.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <exception>
#include <iostream>
#include <sstream>

#include "AxocorArguments.h"
#include "AxocorCommands.h"
#include "AxocorNearNames.h"
#include "doctor/DoctorEnvironment.h"

namespace {

const char kExitStatuses[] =
    "Exit status: 0 success, 1 the command failed, 2 a usage error (the message begins with\n"
    "'axocor: error:').";

std::vector<CLI::App*> CommandsOf(CLI::App& app) {
  return app.get_subcommands([](CLI::App*) { return true; });
}

// "axocor guid new": the words that run `app`.
std::string PathOf(const CLI::App& app) {
  std::string path = app.get_name();
  for (const CLI::App* parent = app.get_parent(); parent != nullptr;
       parent = parent->get_parent()) {
    path = parent->get_name() + " " + path;
  }
  return path;
}

// The example lines of `footer` that run `path` ("  axocor guid new -n 5"),
// under "Example:" or "Examples:"; empty when there are none.
std::string ExamplesOf(const std::string& footer, const std::string& path) {
  std::istringstream lines(footer);
  std::string line;
  std::string examples;
  std::size_t count = 0;
  while (std::getline(lines, line)) {
    const std::size_t start = line.find_first_not_of(' ');
    if (start == std::string::npos || line.compare(start, path.size(), path) != 0) continue;
    const std::size_t end = start + path.size();
    if (end < line.size() && line[end] != ' ') continue;
    examples += line + "\n";
    ++count;
  }
  if (count == 0) return "";
  return (count == 1 ? "Example:\n" : "Examples:\n") + examples;
}

// Adds `paragraph` to `text`, a blank line between them.
void AppendParagraph(std::string& text, const std::string& paragraph) {
  if (!text.empty()) text += text.back() == '\n' ? "\n" : "\n\n";
  text += paragraph;
}

// Gives `app` and the commands below it the conventions' help: a command
// whose footer is its group's (CLI11 copies it into every command added)
// shows the group's examples of that command only, one with a footer of its
// own shows them after it unless it gives examples itself, and every footer
// ends with the exit statuses. A group takes at most one command; when none
// is given, Run prints its help.
void ApplyConventions(CLI::App& app, const std::string* groupFooter) {
  const std::string footer = app.get_footer();
  for (CLI::App* command : CommandsOf(app)) ApplyConventions(*command, &footer);
  std::string own = footer;
  if (groupFooter != nullptr) {
    const std::string examples = ExamplesOf(*groupFooter, PathOf(app));
    if (footer == *groupFooter) {
      own = examples;
    } else if (!examples.empty() && ExamplesOf(footer, PathOf(app)).empty()) {
      AppendParagraph(own, examples);
    }
  }
  if (own.find("Exit status:") == std::string::npos) AppendParagraph(own, kExitStatuses);
  app.footer(own);
  if (!CommandsOf(app).empty()) app.require_subcommand(0, 1);
}

[[noreturn]] void UsageError(const std::string& message) {
  std::cerr << "axocor: error: " << message << "\n";
  throw CLI::RuntimeError(kAxocorUsageError);
}

// Fails when `args` name a command that the group they lead to does not
// have, naming the nearest commands it has.
void CheckCommandNames(CLI::App& app, const std::vector<std::string>& args) {
  CLI::App* group = &app;
  for (const std::string& arg : args) {
    const std::vector<CLI::App*> commands = CommandsOf(*group);
    if (commands.empty() || (!arg.empty() && arg[0] == '-')) return;
    std::vector<std::string> names;
    for (CLI::App* command : commands) {
      if (command->check_name(arg)) {
        group = command;
        break;
      }
      names.push_back(command->get_name());
    }
    if (names.size() == commands.size()) {
      const std::string near = DidYouMean(NearNames(arg, names));
      UsageError("'" + PathOf(*group) + "' has no command '" + arg + "'" +
                 (near.empty() ? "; its commands: " + ListedNames(names, names.size()) : near));
    }
  }
}

// The help of `app` and of every command below it, one after the other, each
// as "axocor ... --help" prints it.
std::string HelpOfEveryCommand(const CLI::App& app) {
  const CLI::App* parent = app.get_parent();
  std::string text = app.help(parent != nullptr ? PathOf(*parent) : "");
  for (const CLI::App* command : app.get_subcommands({}))
    text += "\n" + HelpOfEveryCommand(*command);
  return text;
}

// The command that the parse reached: the last one selected.
CLI::App* Reached(CLI::App& app) {
  CLI::App* reached = &app;
  while (!reached->get_subcommands().empty()) reached = reached->get_subcommands().front();
  return reached;
}

// "'axocor guid new' has no option '--jsn'; did you mean '--json'?" for the
// first option that the parse of `app` left over, named with the options of
// the command it reached, `reached`; "" when it left none.
std::string UnknownOption(const CLI::App& app, CLI::App& reached) {
  for (const std::string& arg : app.remaining(true)) {
    if (arg.size() < 2 || arg[0] != '-') continue;
    const std::string option = arg.substr(0, arg.find('='));
    // A letter of a short option is too little to guess from: only long
    // options are named.
    std::vector<std::string> names;
    for (const CLI::Option* known : reached.get_options()) {
      for (const std::string& name : known->get_lnames()) names.push_back("--" + name);
    }
    if (option.size() <= 2) names.clear();
    return "'" + PathOf(reached) + "' has no option '" + option + "'" +
           DidYouMean(NearNames(option, names));
  }
  return "";
}

void Register(CLI::App& app, const std::string& first, const std::vector<AxocorGroup>& groups) {
  const auto named = std::find_if(groups.begin(), groups.end(),
                                  [&](const AxocorGroup& group) { return first == group.name; });
  if (named != groups.end()) {
    named->add(*app.add_subcommand(named->name));
    return;
  }
  for (const AxocorGroup& group : groups) group.add(*app.add_subcommand(group.name));
  RegisterCompletionCommand(app);
}

// Takes a leading "--env FILE" (or "--env=FILE") off `args` and sets the
// variables of that environment file in the process, for the command that
// follows. False, with `error` set, when the option lacks its file or the
// file cannot be read.
bool TakeEnvironmentOption(std::vector<std::string>& args, std::string& error) {
  if (args.empty()) return true;
  std::string file;
  if (args[0] == "--env") {
    if (args.size() < 2) {
      error = "--env needs an environment file (VAR=value lines)";
      return false;
    }
    file = args[1];
    args.erase(args.begin(), args.begin() + 2);
  } else if (args[0].rfind("--env=", 0) == 0) {
    file = args[0].substr(6);
    args.erase(args.begin());
  } else {
    return true;
  }
  axocor::doctor::Environment environment;
  if (!axocor::doctor::LoadEnvironmentFile(file, environment, error)) return false;
  axocor::doctor::ApplyEnvironment(environment);
  return true;
}

}  // namespace

int RunAxocor(std::vector<std::string> args, const std::vector<AxocorGroup>& groups) {
  std::string environment_error;
  if (!TakeEnvironmentOption(args, environment_error)) {
    std::cerr << "axocor: error: " << environment_error << "\n";
    return kAxocorUsageError;
  }
  if (!args.empty() && args[0] == "help") {
    args.erase(args.begin());
    args.push_back("--help");
  }
  CLI::App app{"axocor - command-line access to the services of AXOCorServices.", "axocor"};
  app.set_version_flag("--version", "axocor " AXOCOR_VERSION, "Print the version and exit");
  app.set_help_all_flag("--help-all", "Print the help of every command and exit");
  // Taken off the arguments before they are parsed (TakeEnvironmentOption);
  // here for the help and the completion scripts.
  std::string environment_file;
  TakesFile(app.add_option("--env", environment_file,
                           "Run the command in the installation that this environment file "
                           "describes (VAR=value lines)"));
  app.footer(
      "Examples:\n"
      "  axocor guid new -n 3\n"
      "  axocor env list CATStartupPath\n"
      "  axocor catalogs show " AXOCOR_INSTALLED_SAMPLE_MODELS
      "/Sections.catalog\n"
      "  axocor help model\n"
      "\n"
      "The sample models (examples/models in the sources) are installed in\n"
      "  " AXOCOR_INSTALLED_SAMPLE_MODELS
      "\n"
      "Commands that print a result take --json: one JSON document.\n"
      "'axocor --env FILE <command> ...' runs the command in the installation that the\n"
      "environment file describes (its VAR=value lines, as 'axocor doctor --env' reads\n"
      "them), such as the sample's:\n"
      "  axocor --env " AXOCOR_INSTALLED_SAMPLE_INSTALLATION
      "/axocor-env.txt catalogs steel\n"
      "Run 'axocor help <command>' for the options of a command.");
  Register(app, args.empty() ? "" : args[0], groups);
  ApplyConventions(app, nullptr);
  try {
    CheckCommandNames(app, args);
    // CLI11 takes the arguments last first.
    app.parse(std::vector<std::string>(args.rbegin(), args.rend()));
    CLI::App* reached = Reached(app);
    if (!CommandsOf(*reached).empty()) {
      const CLI::App* group = reached->get_parent();
      std::cerr << reached->help(group != nullptr ? PathOf(*group) : "");
      UsageError("'" + PathOf(*reached) + "' needs one of the commands above");
    }
  } catch (const CLI::ParseError& e) {
    const std::string name = e.get_name();
    if (name == "CallForAllHelp") {
      std::cout << HelpOfEveryCommand(*Reached(app));
      return 0;
    }
    if (name == "RuntimeError" || name == "CallForHelp" || name == "CallForVersion") {
      return app.exit(e);
    }
    // CLI11 names an ExtrasError after the command, so it is told by its type.
    const bool extras = dynamic_cast<const CLI::ExtrasError*>(&e) != nullptr;
    const std::string unknown = extras ? UnknownOption(app, *Reached(app)) : "";
    std::cerr << "axocor: error: " << (unknown.empty() ? e.what() : unknown) << "\n"
              << "Run '" << PathOf(*Reached(app)) << " --help' for its usage.\n";
    return kAxocorUsageError;
  } catch (const std::exception& e) {
    std::cerr << "axocor: error: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
