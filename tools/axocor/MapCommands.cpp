// "axocor map": section-profile names translated through a profile map file,
// in the direction a translator reads it.
#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "AXOCorCSVMapReader.h"
#include "AXOCorGlobalServices.h"
#include "AxocorArguments.h"
#include "AxocorCommands.h"
#include "AxocorEscapedText.h"
#include "AxocorJson.h"
#include "profilemap/AXOCorCSVMapFile.h"

namespace {

// Reads `mapFile` for `direction` and prints one line per name: the name and
// its translation separated by a tab, or the name and "(not in map)"; with
// `json`, one document {"mapFile", "translations": [{"name", "translation"
// (null: not in map)}]}. Fails (status 1) when the file cannot be read or a
// name is not in the map.
void Translate(AXOCorCSVMapReader::enumTranslatorType direction, const std::string& mapFile,
               const std::vector<std::string>& names, bool json) {
  // The reader takes a file it cannot read for an empty map; the reason is
  // told here instead.
  std::string text;
  const AXOStatus read = axo_profile_map::ReadMapFile(mapFile.c_str(), text);
  if (!read.ok()) AxocorFail("cannot read the profile map '" + mapFile + "': " + read.reason());
  // A text file holds no NUL byte: what does is no map, whose lines would
  // all be taken for names that are not in it.
  const std::size_t nul = text.find('\0');
  if (nul != std::string::npos) {
    AxocorFail("'" + mapFile + "' is not a profile map: it holds a NUL byte (byte " +
               std::to_string(nul + 1) + ")");
  }
  AXOCorCSVMapReader* reader = AXOCorCSVMapReader::GetInstance();
  reader->ReadCatalogMap(mapFile.c_str(), direction);
  std::size_t missing = 0;
  AxocorJson translations = AxocorJson::array();
  for (const std::string& name : names) {
    CATUnicodeString translated;
    const HRESULT found = direction == AXOCorCSVMapReader::TranslatorImport
                              ? reader->GetQZProfileName(name.c_str(), translated)
                              : reader->GetThirdPartyProfileName(name.c_str(), translated);
    if (found != S_OK) ++missing;
    if (json) {
      translations.push_back(
          {{"name", name},
           {"translation", found == S_OK ? AxocorJson(translated.ConvertToChar()) : AxocorJson()}});
    } else if (found == S_OK) {
      std::cout << name << "\t" << AxocorEscapedText(translated.ConvertToChar()) << "\n";
    } else {
      std::cout << name << "\t(not in map)\n";
    }
  }
  AXOCorCSVMapReader::RemoveInstance();
  if (json) PrintJson({{"mapFile", mapFile}, {"translations", std::move(translations)}});
  if (missing != 0) {
    AxocorFail(std::to_string(missing) + " of " + std::to_string(names.size()) +
               " names are not in '" + mapFile + "'");
  }
}

void RegisterDirection(CLI::App& map, const char* name, const char* description,
                       AXOCorCSVMapReader::enumTranslatorType direction) {
  CLI::App* command = map.add_subcommand(name, description);
  auto mapFile = std::make_shared<std::string>();
  auto names = std::make_shared<std::vector<std::string>>();
  TakesFile(command->add_option("mapfile", *mapFile, "The profile map (CSV)")->required());
  command->add_option("names", *names, "Section-profile names to translate")->required();
  const std::shared_ptr<bool> json = AddJsonFlag(*command);
  command->callback([=] { Translate(direction, *mapFile, *names, *json); });
}

}  // namespace

void RegisterMapCommands(CLI::App& app) {
  CLI::App* map = &app;
  map->description("Translate section-profile names through a profile map file");
  map->footer(
      "Examples:\n"
      "  axocor map export profilemaps/ifc_export_map.csv HEB100 IPE200\n"
      "  axocor map import profilemaps/ifc_export_map.csv \"HE 100 B\" he100b\n"
      "\n"
      "Each line holds a name, a tab and its translation, or '(not in map)'; the\n"
      "command exits with status 1 when a name is not in the map. Import names are\n"
      "compared without blanks, in upper case and with '*' read as 'x'.");
  RegisterDirection(*map, "export", "Translate the add-on's own names into foreign names",
                    AXOCorCSVMapReader::TranslatorExport);
  RegisterDirection(*map, "import", "Translate foreign names into the add-on's own names",
                    AXOCorCSVMapReader::TranslatorImport);
}
