// "axocor units": the units of a magnitude of the host's knowledge
// framework, the one the user has chosen, and a unit by its text.
#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>
#include <string>

#include "AXOCorGlobalServices.h"
#include "AxocorCommands.h"
#include "CATAdopt.h"
#include "CATCkeGlobalFunctions.h"
#include "CATICkeMagnitude.h"
#include "CATICkeUnit.h"

namespace {

// "mm  Millimeter", the symbol shown as "(none)" when it is empty.
std::string Describe(CATICkeUnit* unit) {
  const CATUnicodeString symbol = unit->Symbol();
  return std::string(symbol.GetLengthInChar() == 0 ? "(none)" : symbol.ConvertToChar()) + "  " +
         unit->Name().ConvertToChar();
}

// The magnitude named `name`; fails the command when there is none.
CATICkeMagnitude_var Magnitude(const std::string& name) {
  const CATIParmDictionary_var dictionary = CATCkeGlobalFunctions::GetParmDictionary();
  if (!dictionary) AxocorFail("the knowledge framework offers no parameter dictionary");
  const CATICkeMagnitude_var magnitude = dictionary->FindMagnitude(name.c_str());
  if (!magnitude) {
    AxocorFail("no magnitude '" + name + "' (names are exact: LENGTH, ANGLE ...)");
  }
  return magnitude;
}

// Every unit of the magnitude, the current one marked.
void PrintUnits(const std::string& name) {
  const CATICkeMagnitude_var magnitude = Magnitude(name);
  CATUnicodeString magnitudeName = name.c_str();
  CATICkeUnit_var current;
  AXOCorGlobalServices::GetCurrentUnits(magnitudeName, current);
  const CATListValCATBaseUnknown_var* units = magnitude->ListUnits();
  for (int i = 1; units != nullptr && i <= units->Size(); ++i) {
    const CATICkeUnit_var unit((*units)[i]);
    if (!unit) continue;
    const bool chosen = !!current && Describe(unit) == Describe(current);
    std::cout << Describe(unit) << (chosen ? "  (current)" : "") << "\n";
  }
  if (!current) std::cout << "no current unit\n";
}

// The first unit of the magnitude whose symbol, or else name, is `text`.
void PrintUnit(const std::string& name, const std::string& text) {
  Magnitude(name);
  CATICkeUnit* found = nullptr;
  AXOCorGlobalServices::GetUnit(name.c_str(), text.c_str(), found);
  const CATICkeUnit_var unit = CATAdoptHandle<CATICkeUnit>(found);
  if (!unit) {
    AxocorFail("no unit of " + name + " has the symbol or name '" + text +
               "' (letter case counts)");
  }
  std::cout << Describe(unit) << "\n";
}

}  // namespace

void RegisterUnitCommands(CLI::App& app) {
  CLI::App* command = app.add_subcommand(
      "units", "List the units of a magnitude and mark the current one, or find one unit");
  auto magnitude = std::make_shared<std::string>();
  auto text = std::make_shared<std::string>();
  command->add_option("magnitude", *magnitude, "Magnitude name: LENGTH, ANGLE")->required();
  command->add_option("unit", *text, "Symbol or name of one unit to print: ft, Foot");
  command->footer(
      "Examples:\n"
      "  axocor units LENGTH\n"
      "  axocor units LENGTH Foot");
  command->callback([=] {
    if (command->count("unit") == 0) {
      PrintUnits(*magnitude);
    } else {
      PrintUnit(*magnitude, *text);
    }
  });
}
