// "axocor gvs": generative style sheets as the library reads them: a style
// sheet with its includes expanded, the includes it draws on, and the style
// sheets that the installation offers.
#include <CLI/CLI.hpp>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>

#include "AXOCorEnvVarManager.h"
#include "AXOCorGlobalServices.h"
#include "AXOCorParserServices.h"
#include "AXOPlatform.h"
#include "AxocorCommands.h"
#include "CATLib.h"

namespace {

const char kLimits[] =
    "the text would exceed 8 Mi characters, more than 10000 include nodes would be "
    "replaced, or a file holds more than 32 MiB";

std::string Quoted(const CATUnicodeString& text) {
  return std::string("'") + text.ConvertToChar() + "'";
}

// Fails unless the style sheet exists.
void CheckExists(const std::string& file) {
  if (AXOCorGlobalServices::FindDirectory(file.c_str())) {
    AxocorFail("'" + file + "' is a folder, not a style sheet");
  }
  if (!AXOCorGlobalServices::FindFile(file.c_str())) {
    AxocorFail("the style sheet '" + file + "' does not exist");
  }
}

// Fails with the reason why the style sheet `file` does not expand, naming
// the include at which the expansion stopped when it got that far.
[[noreturn]] void FailExpansion(const std::string& file) {
  CATListValCATUnicodeString includes;
  AXOCorParserServices::GetIncludesInGVS(file.c_str(), includes);
  if (includes.Size() == 0) {
    AxocorFail("cannot read the style sheet '" + file + "' (unreadable or larger than 32 MiB)");
  }
  AxocorFail("the expansion of '" + file + "' stops at include " + std::to_string(includes.Size()) +
             " (" + Quoted(includes[includes.Size()]) + "): " + kLimits);
}

// How an include's path reads: "ok", or what is wrong with it.
std::string IncludeState(const CATUnicodeString& path) {
  if (path.GetLengthInChar() == 0) return "not found";
  if (AXOCorGlobalServices::FindDirectory(path)) return "folder";
  if (!AXOCorGlobalServices::FindFile(path)) return "missing";
  const std::string native = AXOPlatform::Get()->NativePath(path.ConvertToChar());
  std::ifstream stream(std::filesystem::u8path(native), std::ios::binary);
  return stream ? "ok" : "unreadable";
}

void RegisterExpand(CLI::App& gvs) {
  CLI::App* command = gvs.add_subcommand(
      "expand", "Print a style sheet with its include nodes replaced by the included content");
  auto file = std::make_shared<std::string>();
  auto output = std::make_shared<std::string>();
  command->add_option("file", *file, "The style sheet (a host path)")->required();
  command->add_option("-o,--output", *output, "Write the text to this file instead");
  command->callback([=] {
    CheckExists(*file);
    CATUnicodeString expanded;
    if (!AXOCorParserServices::ExpandIncludesInGVS(file->c_str(), expanded)) FailExpansion(*file);
    const char* text = expanded.ConvertToChar();
    if (output->empty()) {
      std::cout << text;
      return;
    }
    const std::string native = AXOPlatform::Get()->NativePath(*output);
    std::ofstream stream(std::filesystem::u8path(native), std::ios::binary | std::ios::trunc);
    if (!(stream << text) || !stream.flush()) AxocorFail("cannot write '" + *output + "'");
  });
}

void RegisterIncludes(CLI::App& gvs) {
  CLI::App* command = gvs.add_subcommand(
      "includes",
      "Print the includes of a style sheet, one per line: ok, not found, missing, folder or "
      "unreadable, and the path");
  auto file = std::make_shared<std::string>();
  command->add_option("file", *file, "The style sheet (a host path)")->required();
  command->callback([=] {
    CheckExists(*file);
    CATListValCATUnicodeString includes;
    AXOCorParserServices::GetIncludesInGVS(file->c_str(), includes);
    CATUnicodeString expanded;
    const bool complete = AXOCorParserServices::ExpandIncludesInGVS(file->c_str(), expanded);
    if (!complete && includes.Size() == 0) FailExpansion(*file);
    int failed = 0;
    for (int i = 1; i <= includes.Size(); ++i) {
      const std::string state = IncludeState(includes[i]);
      if (state != "ok") ++failed;
      const bool found = includes[i].GetLengthInChar() > 0;
      std::cout << state << "\t"
                << (found ? includes[i].ConvertToChar() : "(in no gvs_includes folder)") << "\n";
    }
    if (!complete) FailExpansion(*file);
    if (failed > 0) {
      AxocorFail(std::to_string(failed) + " of " + std::to_string(includes.Size()) +
                 " includes of '" + *file + "' cannot be read; they expand to nothing");
    }
  });
}

void RegisterList(CLI::App& gvs) {
  CLI::App* command =
      gvs.add_subcommand("list", "Print the names of the installed style sheets, one per line");
  command->callback([] {
    char* value = nullptr;
    const bool standard = CATGetEnvValue("CATCollectionStandard", &value) == 0;
    std::free(value);
    value = nullptr;
    const bool fallback = CATGetEnvValue("CATDefaultCollectionStandard", &value) == 0;
    std::free(value);
    if (!standard && !fallback) {
      AxocorFail("neither CATCollectionStandard nor CATDefaultCollectionStandard is set");
    }
    CATListValCATUnicodeString names;
    AXOCorEnvVarManager::GetGVSNames(names);
    if (names.Size() == 0) {
      AxocorFail(
          "no style sheet (*.xml) in the generativeparameters folders of "
          "CATCollectionStandard and CATDefaultCollectionStandard");
    }
    for (int i = 1; i <= names.Size(); ++i) std::cout << names[i].ConvertToChar() << "\n";
  });
}

}  // namespace

void RegisterGvsCommands(CLI::App& app) {
  CLI::App* gvs = app.add_subcommand("gvs", "Generative style sheets and their include nodes");
  gvs->require_subcommand(1);
  gvs->footer(
      "Examples:\n"
      "  axocor gvs list\n"
      "  axocor gvs includes collection\\\\standard\\\\generativeparameters\\\\Walls.xml\n"
      "  axocor gvs expand Walls.xml -o Walls.expanded.xml\n"
      "\n"
      "Includes named without a path are looked up as gvs_includes\\<name> in the folders\n"
      "of CATCollectionStandard, then CATDefaultCollectionStandard. 'includes' marks those\n"
      "that cannot be read and exits with status 1 when there are any; every command\n"
      "exits with status 1 when the style sheet cannot be read or expanded.");
  RegisterExpand(*gvs);
  RegisterIncludes(*gvs);
  RegisterList(*gvs);
}
