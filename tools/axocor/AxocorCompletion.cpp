// "axocor completion": a shell script that completes the tool's commands and
// options, made from the commands registered in this run.
#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "AxocorRun.h"

namespace {

// For `app` and each command below it, in that order: the paths that lead
// to a command (a pattern of the script's first case statement), and a
// `"path") words="..." ;;` line of its second with the words each offers.
void CollectWords(const CLI::App& app, const std::string& path, std::string& paths,
                  std::string& words) {
  const std::vector<const CLI::App*> commands =
      app.get_subcommands([](const CLI::App*) { return true; });
  std::string offered;
  for (const CLI::App* command : commands) offered += command->get_name() + " ";
  for (const CLI::Option* option : app.get_options()) {
    for (const std::string& name : option->get_snames()) offered += "-" + name + " ";
    for (const std::string& name : option->get_lnames()) offered += "--" + name + " ";
  }
  if (!offered.empty()) offered.pop_back();
  words += "    \"" + path + "\") words=\"" + offered + "\" ;;\n";
  for (const CLI::App* command : commands) {
    const std::string next = path + " " + command->get_name();
    paths += std::string(paths.empty() ? "" : " | ") + "\"" + next + "\"";
    CollectWords(*command, next, paths, words);
  }
}

std::string BashScript(const CLI::App& app) {
  std::string paths;
  std::string words;
  CollectWords(app, "axocor", paths, words);
  return "# Completion of axocor's commands and options (axocor completion bash).\n"
         "_axocor() {\n"
         "  local path=axocor words= i\n"
         "  for ((i = 1; i < COMP_CWORD; i++)); do\n"
         "    case \"$path ${COMP_WORDS[i]}\" in\n"
         "      " +
         paths +
         ") path=\"$path ${COMP_WORDS[i]}\" ;;\n"
         "    esac\n"
         "  done\n"
         "  case \"$path\" in\n" +
         words +
         "  esac\n"
         "  COMPREPLY=($(compgen -W \"$words\" -- \"${COMP_WORDS[COMP_CWORD]}\"))\n"
         "}\n"
         "complete -o default -F _axocor axocor\n";
}

}  // namespace

void RegisterCompletionCommand(CLI::App& app) {
  CLI::App* command =
      app.add_subcommand("completion", "Print a script that completes axocor's commands");
  auto shell = std::make_shared<std::string>();
  command->add_option("shell", *shell, "bash or zsh")
      ->required()
      ->check(CLI::IsMember({"bash", "zsh"}));
  command->footer(
      "Examples:\n"
      "  axocor completion bash >> ~/.bashrc\n"
      "  axocor completion zsh >> ~/.zshrc");
  const CLI::App* root = &app;
  command->callback([=] {
    // zsh runs bash's completion functions through its bashcompinit module.
    if (*shell == "zsh") std::cout << "autoload -U +X bashcompinit && bashcompinit\n";
    std::cout << BashScript(*root);
  });
}
