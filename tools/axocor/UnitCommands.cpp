// "axocor units": the magnitudes of the host's knowledge framework with
// their current units, the units of one magnitude with the one the user has
// chosen, and a unit by its text.
#include <CLI/CLI.hpp>
#include <algorithm>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "AXOCorGlobalServices.h"
#include "AxocorCommands.h"
#include "AxocorJson.h"
#include "AxocorNearNames.h"
#include "CATAdopt.h"
#include "CATCkeGlobalFunctions.h"
#include "CATICkeMagnitude.h"
#include "CATICkeUnit.h"

namespace {

std::string SymbolOf(CATICkeUnit* unit) {
  const CATUnicodeString symbol = unit->Symbol();
  return symbol.GetLengthInChar() == 0 ? "(none)" : symbol.ConvertToChar();
}

// "mm  Millimeter", the symbol shown as "(none)" when it is empty.
std::string Describe(CATICkeUnit* unit) {
  return SymbolOf(unit) + "  " + unit->Name().ConvertToChar();
}

// {"symbol": "mm", "name": "Millimeter"}; null for no unit.
AxocorJson UnitJson(CATICkeUnit* unit) {
  if (unit == nullptr) return AxocorJson();
  return {{"symbol", unit->Symbol().ConvertToChar()}, {"name", unit->Name().ConvertToChar()}};
}

CATIParmDictionary_var Dictionary() {
  const CATIParmDictionary_var dictionary = CATCkeGlobalFunctions::GetParmDictionary();
  if (!dictionary) AxocorFail("the knowledge framework offers no parameter dictionary");
  return dictionary;
}

// The magnitude named `name`; fails the command when there is none, naming
// the near ones ("length" is near "LENGTH": names are exact).
CATICkeMagnitude_var Magnitude(const std::string& name) {
  const CATIParmDictionary_var dictionary = Dictionary();
  const CATICkeMagnitude_var magnitude = dictionary->FindMagnitude(name.c_str());
  if (!magnitude) {
    const CATListValCATUnicodeString listed = dictionary->ListMagnitudeNames();
    std::vector<std::string> names;
    for (int i = 1; i <= listed.Size(); ++i) names.emplace_back(listed[i].ConvertToChar());
    const std::string near = DidYouMean(NearNames(name, names));
    AxocorFail("no magnitude '" + name + "'" +
               (near.empty() ? " (names are exact; 'axocor units' lists them)" : near));
  }
  return magnitude;
}

// The current unit of `name` as the library gives it; null when none.
CATICkeUnit_var CurrentUnit(const std::string& name) {
  CATUnicodeString magnitudeName = name.c_str();
  CATICkeUnit_var current;
  AXOCorGlobalServices::GetCurrentUnits(magnitudeName, current);
  return current;
}

// The characters of a UTF-8 text, for columns: "°" is one.
std::size_t Columns(const std::string& text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

// `text` and blanks up to `width` columns, then two more.
std::string Column(const std::string& text, std::size_t width) {
  return text + std::string(width - std::min(width, Columns(text)) + 2, ' ');
}

// Every magnitude and its current unit, in aligned columns:
// "LENGTH  mm   Millimeter".
void PrintMagnitudes(bool json) {
  const CATListValCATUnicodeString names = Dictionary()->ListMagnitudeNames();
  std::vector<std::string> magnitudes;
  std::vector<CATICkeUnit_var> units;
  std::size_t nameWidth = 0;
  std::size_t symbolWidth = 0;
  for (int i = 1; i <= names.Size(); ++i) {
    magnitudes.push_back(names[i].ConvertToChar());
    units.push_back(CurrentUnit(magnitudes.back()));
    nameWidth = std::max(nameWidth, Columns(magnitudes.back()));
    if (!!units.back()) symbolWidth = std::max(symbolWidth, Columns(SymbolOf(units.back())));
  }
  AxocorJson list = AxocorJson::array();
  for (std::size_t i = 0; i < magnitudes.size(); ++i) {
    if (json) {
      list.push_back({{"magnitude", magnitudes[i]}, {"currentUnit", UnitJson(units[i])}});
      continue;
    }
    std::cout << Column(magnitudes[i], nameWidth);
    if (!units[i]) {
      std::cout << "(no current unit)\n";
      continue;
    }
    const std::string symbol = SymbolOf(units[i]);
    std::cout << Column(symbol, symbolWidth) << units[i]->Name().ConvertToChar() << "\n";
  }
  if (json) PrintJson({{"magnitudes", std::move(list)}});
}

// Every unit of the magnitude, the current one marked, in aligned columns:
// "mm  Millimeter  (current)", "m   Meter".
void PrintUnits(const std::string& name, bool json) {
  const CATICkeMagnitude_var magnitude = Magnitude(name);
  const CATICkeUnit_var current = CurrentUnit(name);
  const CATListValCATBaseUnknown_var* units = magnitude->ListUnits();
  std::vector<CATICkeUnit_var> found;
  std::size_t symbolWidth = 0;
  std::size_t nameWidth = 0;
  for (int i = 1; units != nullptr && i <= units->Size(); ++i) {
    const CATICkeUnit_var unit((*units)[i]);
    if (!unit) continue;
    found.push_back(unit);
    symbolWidth = std::max(symbolWidth, Columns(SymbolOf(unit)));
    nameWidth = std::max(nameWidth, Columns(unit->Name().ConvertToChar()));
  }
  AxocorJson list = AxocorJson::array();
  for (const CATICkeUnit_var& unit : found) {
    const bool chosen = !!current && Describe(unit) == Describe(current);
    const std::string unitName = unit->Name().ConvertToChar();
    if (json) {
      AxocorJson entry = UnitJson(unit);
      entry["current"] = chosen;
      list.push_back(std::move(entry));
    } else if (chosen) {
      std::cout << Column(SymbolOf(unit), symbolWidth) << Column(unitName, nameWidth)
                << "(current)\n";
    } else {
      std::cout << Column(SymbolOf(unit), symbolWidth) << unitName << "\n";
    }
  }
  if (json) {
    PrintJson(
        {{"magnitude", name}, {"units", std::move(list)}, {"currentUnit", UnitJson(current)}});
  } else if (!current) {
    std::cout << "no current unit\n";
  }
}

// The symbols and names of the units of `magnitude`, for near names.
std::vector<std::string> UnitTexts(const CATICkeMagnitude_var& magnitude) {
  std::vector<std::string> texts;
  const CATListValCATBaseUnknown_var* units = magnitude->ListUnits();
  for (int i = 1; units != nullptr && i <= units->Size(); ++i) {
    const CATICkeUnit_var unit((*units)[i]);
    if (!unit) continue;
    if (unit->Symbol().GetLengthInChar() > 0) texts.emplace_back(unit->Symbol().ConvertToChar());
    texts.emplace_back(unit->Name().ConvertToChar());
  }
  return texts;
}

// The first unit of the magnitude whose symbol, or else name, is `text`.
void PrintUnit(const std::string& name, const std::string& text, bool json) {
  const CATICkeMagnitude_var magnitude = Magnitude(name);
  CATICkeUnit* found = nullptr;
  AXOCorGlobalServices::GetUnit(name.c_str(), text.c_str(), found);
  const CATICkeUnit_var unit = CATAdoptHandle<CATICkeUnit>(found);
  if (!unit) {
    AxocorFail("no unit of " + name + " has the symbol or name '" + text +
               "' (letter case counts)" + DidYouMean(NearNames(text, UnitTexts(magnitude))));
  }
  if (json) {
    PrintJson({{"magnitude", name}, {"unit", UnitJson(unit)}});
  } else {
    std::cout << Describe(unit) << "\n";
  }
}

}  // namespace

void RegisterUnitCommands(CLI::App& app) {
  CLI::App* command = &app;
  command->description(
      "List the magnitudes and their current units, the units of one magnitude with the "
      "current one marked, or find one unit");
  auto magnitude = std::make_shared<std::string>();
  auto text = std::make_shared<std::string>();
  command->add_option("magnitude", *magnitude, "Magnitude name: LENGTH, ANGLE");
  command->add_option("unit", *text, "Symbol or name of one unit to print: ft, Foot");
  const std::shared_ptr<bool> json = AddJsonFlag(*command);
  command->footer(
      "Examples:\n"
      "  axocor units\n"
      "  axocor units LENGTH\n"
      "  axocor units LENGTH Foot --json");
  command->callback([=] {
    if (command->count("magnitude") == 0) {
      PrintMagnitudes(*json);
    } else if (command->count("unit") == 0) {
      PrintUnits(*magnitude, *json);
    } else {
      PrintUnit(*magnitude, *text, *json);
    }
  });
}
