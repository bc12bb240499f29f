// "axocor env": the directories of a path-list environment variable and
// the lookup of a file in them, as the library sees them.
#include <CLI/CLI.hpp>
#include <cstdlib>
#include <iostream>
#include <string>

#include "AXOCorEnvVarManager.h"
#include "AXOCorGlobalServices.h"
#include "AxocorCommands.h"
#include "AxocorEscapedText.h"
#include "AxocorFiles.h"
#include "AxocorJson.h"
#include "CATLib.h"

namespace {

// Fails unless the variable is set; an empty value is set.
void CheckSet(const std::string& variable) {
  char* value = nullptr;
  const bool set = CATGetEnvValue(variable.c_str(), &value) == 0;
  std::free(value);
  if (!set) AxocorFail("the environment variable '" + variable + "' is not set");
}

void RegisterList(CLI::App& env) {
  CLI::App* command = env.add_subcommand(
      "list", "Print the directories of a path-list variable, one per line, in search order");
  auto variable = std::make_shared<std::string>();
  command->add_option("variable", *variable, "Name of the environment variable")->required();
  const std::shared_ptr<bool> json = AddJsonFlag(*command);
  command->callback([=] {
    CheckSet(*variable);
    CATListValCATUnicodeString directories;
    AXOCorEnvVarManager::GetEnvVariableValues(variable->c_str(), directories);
    if (directories.Size() == 0) std::cerr << "axocor: '" << *variable << "' is empty\n";
    AxocorJson list = AxocorJson::array();
    for (int i = 1; i <= directories.Size(); ++i) {
      const CATUnicodeString& directory = directories[i];
      const std::string shown = directory.GetLengthInChar() == 0
                                    ? std::string()
                                    : AxocorNativePath(directory.ConvertToChar());
      if (*json) {
        // An empty entry is no folder: "exists" is false.
        list.push_back({{"path", shown},
                        {"exists", directory.GetLengthInChar() > 0 &&
                                       AXOCorGlobalServices::FindDirectory(directory)}});
      } else if (directory.GetLengthInChar() == 0) {
        std::cout << "\t(empty entry)\n";
      } else if (AXOCorGlobalServices::FindDirectory(directory)) {
        std::cout << AxocorEscapedText(shown) << "\n";
      } else {
        std::cout << AxocorEscapedText(shown) << "\t(missing)\n";
      }
    }
    if (*json) PrintJson({{"variable", *variable}, {"directories", std::move(list)}});
  });
}

void RegisterFind(CLI::App& env) {
  CLI::App* command = env.add_subcommand(
      "find",
      "Print the path of a file in the first directory of a path-list variable that holds it");
  auto variable = std::make_shared<std::string>();
  auto file = std::make_shared<std::string>();
  command->add_option("variable", *variable, "Name of the environment variable")->required();
  command->add_option("file", *file, "File name, possibly with folders: gvs_includes\\walls.xml")
      ->required();
  const std::shared_ptr<bool> json = AddJsonFlag(*command);
  command->callback([=] {
    CheckSet(*variable);
    CATUnicodeString path;
    if (!AXOCorEnvVarManager::GetRuntimeFilePath(variable->c_str(), file->c_str(), path)) {
      CATListValCATUnicodeString directories;
      AXOCorEnvVarManager::GetEnvVariableValues(variable->c_str(), directories);
      AxocorFail("'" + *file + "' is in none of the " + std::to_string(directories.Size()) +
                 " directories of '" + *variable + "' (see: axocor env list " + *variable + ")");
    }
    if (*json) {
      PrintJson({{"variable", *variable},
                 {"file", *file},
                 {"path", AxocorNativePath(path.ConvertToChar())}});
    } else {
      std::cout << AxocorEscapedText(AxocorNativePath(path.ConvertToChar())) << "\n";
    }
  });
}

}  // namespace

void RegisterEnvCommands(CLI::App& app) {
  CLI::App* env = &app;
  env->description("Path-list environment variables: directories separated by ';'");
  env->footer(
      "Examples:\n"
      "  axocor env list CATStartupPath\n"
      "  axocor env find CATStartupPath 'Catalogs\\Doors\\AXO_Doors.catalog'\n"
      "\n"
      "Paths are host paths ('\\' between folders). 'list' marks directories that do not\n"
      "exist with (missing); 'find' exits with status 1 when no directory holds the file.\n");
  RegisterList(*env);
  RegisterFind(*env);
}
