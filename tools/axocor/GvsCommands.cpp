// "axocor gvs": generative style sheets as the library reads them: a style
// sheet with its includes expanded, the includes it draws on, and the style
// sheets that the installation offers.
#include <CLI/CLI.hpp>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "AXOCorEnvVarManager.h"
#include "AXOCorGlobalServices.h"
#include "AXOPlatform.h"
#include "AxocorArguments.h"
#include "AxocorCommands.h"
#include "AxocorEscapedText.h"
#include "AxocorFiles.h"
#include "AxocorJson.h"
#include "AxocorOutput.h"
#include "CATLib.h"
#include "textformats/AXOCorParserServicesGVSExpander.h"
#include "textformats/AXOCorParserServicesGVSFiles.h"

namespace {

// A path that an include node gave, as messages show it.
std::string Quoted(const CATUnicodeString& text) {
  return "'" + AxocorEscapedText(AxocorNativePath(text.ConvertToChar())) + "'";
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

// The bound that `result` names.
std::string BoundText(AXOGvsExpansion result) {
  switch (result) {
    case AXOGvsExpansion::kTooManyIncludes:
      return "more than " + std::to_string(kAXOGvsMaxIncludes) + " include nodes would be replaced";
    case AXOGvsExpansion::kTooLong:
      return "the text would exceed " + std::to_string(kAXOGvsMaxLength / (1024 * 1024)) +
             " Mi characters";
    case AXOGvsExpansion::kTooMuchWork:
      return "the bytes of the files read and the tags brought in would exceed " +
             std::to_string(kAXOGvsMaxWork / (1024 * 1024)) + " Mi";
    default:
      return "the style sheet or an included file holds more than " +
             std::to_string(kAXOGvsMaxFileBytes / (1024 * 1024)) + " MiB";
  }
}

// The includes that an expansion met, with what became of each.
struct Include {
  CATUnicodeString path;
  AXOGvsIncludeOutcome outcome;
};
class IncludeList : public AXOGvsObserver {
 public:
  void OnInclude(const CATUnicodeString&, const CATUnicodeString& path, int,
                 AXOGvsIncludeOutcome outcome) override {
    includes.push_back(Include{path, outcome});
  }
  std::vector<Include> includes;
};

// Fails with the reason why the style sheet `file` does not expand, naming
// the include at which the expansion stopped when it got that far.
[[noreturn]] void FailExpansion(const std::string& file, AXOGvsExpansion result,
                                const std::vector<Include>& includes) {
  if (result == AXOGvsExpansion::kUnreadable) {
    AxocorFail("cannot read the style sheet '" + file + "'");
  }
  if (includes.empty()) {
    AxocorFail("cannot expand the style sheet '" + file + "': " + BoundText(result));
  }
  AxocorFail("the expansion of '" + file + "' stops at include " + std::to_string(includes.size()) +
             " (" + Quoted(includes.back().path) + "): " + BoundText(result));
}

// Why an include that could not be read or was not reached reads as it
// does: "ok", or what is wrong with its file.
std::string FileState(const CATUnicodeString& path) {
  if (path.GetLengthInChar() == 0) return "not found";
  if (AXOCorGlobalServices::FindDirectory(path)) return "folder";
  if (!AXOCorGlobalServices::FindFile(path)) return "missing";
  return AxocorCanRead(AxocorNativePath(path.ConvertToChar())).ok() ? "ok" : "unreadable";
}

// How an include fared: "ok", "cycle", or what is wrong with its file.
std::string IncludeState(const Include& include) {
  switch (include.outcome) {
    case AXOGvsIncludeOutcome::kIncluded:
    case AXOGvsIncludeOutcome::kEmpty:
      return "ok";
    case AXOGvsIncludeOutcome::kCycle:
      return "cycle";
    default:
      return FileState(include.path);
  }
}

// Fails unless the file at `hostPath` is text; `what` names it. A style
// sheet is XML: a file with NUL bytes, control characters or bytes that are
// not UTF-8 is none, and its bytes would go out as if they were text.
void CheckIsText(const std::string& hostPath, const std::string& what) {
  std::string bytes;
  // The expansion has just read the file; should it be gone since, there is
  // nothing left to tell.
  if (!AxocorReadFile(AxocorNativePath(hostPath), kAXOGvsMaxFileBytes, bytes).ok()) return;
  const std::string why = AxocorWhyNotText(bytes);
  if (!why.empty()) AxocorFail(what + " is not text (" + why + "): it cannot be a style sheet");
}

void RegisterExpand(CLI::App& gvs) {
  CLI::App* command = gvs.add_subcommand(
      "expand", "Print a style sheet with its include nodes replaced by the included content");
  auto file = std::make_shared<std::string>();
  auto output = std::make_shared<std::string>();
  TakesFile(command->add_option("file", *file, "The style sheet (a host path)")->required());
  TakesFile(command->add_option("-o,--output", *output,
                                "Write the text to this file instead (\"-\": standard output)"));
  command->callback([=] {
    CheckExists(*file);
    CATUnicodeString expanded;
    IncludeList list;
    const AXOGvsExpansion result = AXOExpandGvs(file->c_str(), &expanded, &list);
    if (result != AXOGvsExpansion::kExpanded) FailExpansion(*file, result, list.includes);
    CheckIsText(*file, "the style sheet '" + *file + "'");
    for (const Include& include : list.includes) {
      if (include.outcome != AXOGvsIncludeOutcome::kIncluded) continue;
      CheckIsText(include.path.ConvertToChar(),
                  Quoted(include.path) + ", included by '" + *file + "',");
    }
    // The style sheet and every include it read are inputs.
    std::vector<std::string> inputs{*file};
    for (const Include& include : list.includes) {
      if (include.path.GetLengthInChar() > 0) inputs.emplace_back(include.path.ConvertToChar());
    }
    AxocorOutput(*output, inputs).Write(expanded.ConvertToChar());
  });
}

void RegisterIncludes(CLI::App& gvs) {
  CLI::App* command = gvs.add_subcommand(
      "includes",
      "Print the includes of a style sheet, one per line: ok, not found, missing, folder, "
      "unreadable or cycle, and the path");
  auto file = std::make_shared<std::string>();
  TakesFile(command->add_option("file", *file, "The style sheet (a host path)")->required());
  const std::shared_ptr<bool> json = AddJsonFlag(*command);
  command->callback([=] {
    CheckExists(*file);
    IncludeList list;
    const AXOGvsExpansion result = AXOExpandGvs(file->c_str(), nullptr, &list);
    if (result != AXOGvsExpansion::kExpanded && list.includes.empty()) {
      FailExpansion(*file, result, list.includes);
    }
    std::size_t failed = 0;
    AxocorJson includes = AxocorJson::array();
    for (const Include& include : list.includes) {
      const std::string state = IncludeState(include);
      if (state != "ok") ++failed;
      const bool found = include.path.GetLengthInChar() > 0;
      const std::string path = found ? AxocorNativePath(include.path.ConvertToChar()) : "";
      if (*json) {
        includes.push_back({{"state", state}, {"path", found ? AxocorJson(path) : AxocorJson()}});
      } else {
        std::cout << state << "\t"
                  << (found ? AxocorEscapedText(path) : std::string("(in no gvs_includes folder)"))
                  << "\n";
      }
    }
    if (*json) {
      PrintJson({{"file", AxocorNativePath(*file)},
                 {"includes", std::move(includes)},
                 {"failed", failed},
                 {"complete", result == AXOGvsExpansion::kExpanded}});
    }
    if (result != AXOGvsExpansion::kExpanded) FailExpansion(*file, result, list.includes);
    if (failed > 0) {
      AxocorFail(std::to_string(failed) + " of " + std::to_string(list.includes.size()) +
                 " includes of '" + *file +
                 "' cannot be read or close a cycle; they expand to "
                 "nothing");
    }
  });
}

void RegisterList(CLI::App& gvs) {
  CLI::App* command =
      gvs.add_subcommand("list", "Print the names of the installed style sheets, one per line");
  const std::shared_ptr<bool> json = AddJsonFlag(*command);
  command->callback([json] {
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
    PrintNames(names, *json, AxocorJson::object(), "styleSheets");
  });
}

}  // namespace

void RegisterGvsCommands(CLI::App& app) {
  CLI::App* gvs = &app;
  gvs->description("Generative style sheets and their include nodes");
  gvs->footer(
      "Examples:\n"
      "  axocor gvs list\n"
      "  axocor gvs includes collection\\\\standard\\\\generativeparameters\\\\Walls.xml\n"
      "  axocor gvs expand collection/standard/generativeparameters/Walls.xml -o "
      "Walls.expanded.xml\n"
      "\n"
      "Includes named without a path are looked up as gvs_includes\\<name> in the folders\n"
      "of CATCollectionStandard, then CATDefaultCollectionStandard. 'includes' marks those\n"
      "that cannot be read or close an include cycle and exits with status 1 when there\n"
      "are any; every command exits with status 1 when the style sheet cannot be read or\n"
      "expanded.");
  RegisterExpand(*gvs);
  RegisterIncludes(*gvs);
  RegisterList(*gvs);
}
