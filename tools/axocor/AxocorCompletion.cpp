// "axocor completion": a shell script that completes the tool's commands,
// options and arguments, made from the commands registered in this run.
#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "AxocorArguments.h"
#include "AxocorCompletionScripts.h"
#include "AxocorRun.h"

namespace {

// The shells, each with its script.
const struct {
  const char* name;
  std::string (*script)(const AxocorCompletionTable& table);
} kShells[] = {
    {"bash", BashCompletionScript},
    {"zsh", ZshCompletionScript},
    {"fish", FishCompletionScript},
    {"powershell", PowerShellCompletionScript},
};

}  // namespace

void RegisterCompletionCommand(CLI::App& app) {
  CLI::App* command = app.add_subcommand(
      "completion", "Print a script that completes axocor's commands, options and arguments");
  auto shell = std::make_shared<std::string>();
  std::vector<std::string> names;
  for (const auto& known : kShells) names.emplace_back(known.name);
  TakesOneOf(command->add_option("shell", *shell, "The shell")->required(), names);
  command->footer(
      "Examples:\n"
      "  axocor completion bash >> ~/.bashrc\n"
      "  axocor completion zsh >> ~/.zshrc\n"
      "  axocor completion fish > axocor.fish  # then move it to ~/.config/fish/completions/\n"
      "  axocor completion powershell > axocor.ps1  # then add . axocor.ps1 to $PROFILE");
  const CLI::App* root = &app;
  command->callback([=] {
    for (const auto& known : kShells) {
      if (*shell == known.name) std::cout << known.script(CompletionTableOf(*root));
    }
  });
}
