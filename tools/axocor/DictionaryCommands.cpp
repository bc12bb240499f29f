// "axocor dictionaries": the attribute dictionaries installed in the
// dictionary folders of "CATGraphicPath".
#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>

#include "AXOCorGlobalServices.h"
#include "AxocorCommands.h"
#include "AxocorJson.h"

void RegisterDictionaryCommands(CLI::App& app) {
  CLI::App* command = &app;
  command->description("Print the installed attribute dictionaries, one file name per line");
  auto ordered = std::make_shared<bool>(false);
  command->add_flag("--ordered", *ordered,
                    "In the add-on's presentation order: its fixed list, then the others");
  const std::shared_ptr<bool> json = AddJsonFlag(*command);
  command->footer(
      "Dictionaries are searched in the entries of CATGraphicPath that end in\n"
      "'\\Dictionaries' or '\\resources\\graphic'. The command exits with status 1\n"
      "when none is found.\n"
      "\n"
      "Examples:\n"
      "  axocor dictionaries\n"
      "  axocor dictionaries --ordered");
  command->callback([=] {
    CATListValCATUnicodeString names;
    if (*ordered) {
      AXOCorGlobalServices::GetOrderedDicoList(names);
    } else {
      AXOCorGlobalServices::GetAllAvailableDico(names);
    }
    if (names.Size() == 0) {
      AxocorFail("no attribute dictionary found in the dictionary folders of CATGraphicPath");
    }
    PrintNames(names, *json, {{"ordered", *ordered}}, "dictionaries");
  });
}
