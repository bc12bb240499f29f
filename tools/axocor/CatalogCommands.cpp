// "axocor catalogs": the installed steel section catalogs, and the file of
// a catalog by name and folder, below the startup paths (CATStartupPath).
// The group's "show" and "entry" commands, on catalog documents, are in
// CatalogShowCommand.cpp and CatalogEntryCommand.cpp.
#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>
#include <string>

#include "AXOCorEnvVarManager.h"
#include "AXOCorGlobalServices.h"
#include "AxocorCommands.h"
#include "AxocorEscapedText.h"
#include "AxocorFiles.h"
#include "AxocorJson.h"

namespace {

void RegisterSteel(CLI::App& group) {
  CLI::App* command = group.add_subcommand(
      "steel", "Print the names of the steel section catalogs, one per line, first found first");
  const std::shared_ptr<bool> json = AddJsonFlag(*command);
  command->callback([=] {
    CATListValCATUnicodeString names;
    AXOCorGlobalServices::GetSteelCatalogNames(names);
    if (names.Size() == 0) {
      std::cerr << "axocor: no steel section catalog in a subfolder of "
                   "<startup path>\\Catalogs\\Structural Steel\n";
    }
    PrintNames(names, *json, AxocorJson::object(), "steelCatalogs");
  });
}

void RegisterFind(CLI::App& group) {
  CLI::App* command = group.add_subcommand(
      "find", "Print the path of <name>.catalog in the first startup path that holds it");
  auto name = std::make_shared<std::string>();
  auto folder = std::make_shared<std::string>();
  command->add_option("name", *name, "Catalog name, without .catalog")->required();
  command->add_option("folder", *folder, "Folder below Catalogs: Structural Steel\\Euro")
      ->required();
  const std::shared_ptr<bool> json = AddJsonFlag(*command);
  command->callback([=] {
    CATUnicodeString path;
    if (FAILED(AXOCorGlobalServices::GetCatalogFullPath(name->c_str(), folder->c_str(), path))) {
      CATListValCATUnicodeString startupPaths;
      AXOCorEnvVarManager::GetEnvVariableValues("CATStartupPath", startupPaths);
      AxocorFail("no file '" + *name + ".catalog' in Catalogs\\" + *folder + " below any of the " +
                 std::to_string(startupPaths.Size()) + " startup paths (CATStartupPath)");
    }
    if (*json) {
      PrintJson({{"catalog", *name},
                 {"folder", *folder},
                 {"path", AxocorNativePath(path.ConvertToChar())}});
    } else {
      std::cout << AxocorEscapedText(AxocorNativePath(path.ConvertToChar())) << "\n";
    }
  });
}

}  // namespace

void RegisterCatalogCommands(CLI::App& app) {
  CLI::App* group = &app;
  group->description("Catalogs below the startup paths");
  group->footer("Examples (the sample catalog is installed in " AXOCOR_INSTALLED_SAMPLE_MODELS
                "):\n"
                "  axocor catalogs steel\n"
                "  axocor catalogs find EU_IPE \"Structural Steel\\\\European\"\n"
                "  axocor catalogs show " AXOCOR_INSTALLED_SAMPLE_MODELS
                "/Sections.catalog\n"
                "  axocor catalogs entry " AXOCOR_INSTALLED_SAMPLE_MODELS
                "/Sections.catalog \"IPE 200\"\n"
                "\n"
                "Set AXO_DEBUG_OUTPUT=1 to see the folders that 'steel' looks into.");
  RegisterSteel(*group);
  RegisterFind(*group);
  RegisterCatalogShowCommand(*group);
  RegisterCatalogEntryCommand(*group);
}
