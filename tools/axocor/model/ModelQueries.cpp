// "axocor model dump|children|unique-name": the library's feature dump,
// direct children and unique feature names on a document file. Objects are
// named by a feature path (ModelLookup.h).
#include "ModelQueries.h"
#include "AxocorArguments.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>

#include "AXOCorGlobalServices.h"
#include "AXOCorParserServices.h"
#include "AXOCorServices.h"
#include "AXOPlatform.h"
#include "AxocorCommands.h"
#include "AxocorEscapedText.h"
#include "AxocorFiles.h"
#include "AxocorJson.h"
#include "AxocorOutput.h"
#include "CATIDescendants.h"
#include "CATIProduct.h"
#include "FeatureDumpJson.h"
#include "ModelGuard.h"
#include "OpenedModel.h"
#include "foundations/AXOCorTextLines.h"

namespace {

std::string Quoted(const std::string& name) {
  return "\"" + name + "\"";
}

// What PrintAllLinks writes to standard output for `feature`.
std::string DumpText(const CATISpecObject_var& feature) {
  std::ostringstream text;
  struct Capture {
    explicit Capture(std::ostream& to) : saved(std::cout.rdbuf(to.rdbuf())) {}
    ~Capture() { std::cout.rdbuf(saved); }
    std::streambuf* saved;
  } capture(text);
  AXOCorGlobalServices::PrintAllLinks(feature, nullptr);
  return text.str();
}

// True when the file `hostPath` holds `text` exactly, as a text file of the
// system holds it.
bool FileHolds(const std::string& nativePath, const std::string& text) {
  std::string expected;
  AXOCorAppendTextLines(expected, text, AXOPlatform::TextLineEnd());
  std::string content;
  return AxocorReadFile(nativePath, expected.size(), content).ok() && content == expected;
}

// The feature that `path` names in `model`, which must not be broken.
CATISpecObject_var FeatureOrFail(const OpenedModel& model, const std::string& path,
                                 std::string& name) {
  model.FailIfBroken();
  const ModelTarget target = model.Find(path);
  name = target.name;
  const CATISpecObject_var feature(ChildrenHolder(target));
  if (!feature) AxocorFail(Quoted(target.name) + " is no feature");
  return feature;
}

// Unique names are found among the features below a feature (the library
// lists them through CATIDescendants). A product holds instances instead,
// and a parameter nothing: ends the command saying so, and for a product
// which path names a part below it.
void FailUnlessHoldsFeatures(const OpenedModel& model, const std::string& path,
                             const CATISpecObject_var& parent, const std::string& name) {
  if (!!CATIDescendants_var(parent)) return;
  if (!CATIProduct_var(parent)) {
    const std::string type = parent->GetType().ConvertToChar();
    AxocorFail(Quoted(name) + (type.empty() ? "" : " (" + type + ")") +
               " has no children: a unique name is chosen among the features below a part or a "
               "feature");
  }
  const std::vector<CATBaseUnknown_var> instances = NextOnPath(model.Find(path));
  const std::string example =
      instances.empty()
          ? std::string()
          : " such as " + Quoted((path.empty() ? "" : path + "/") + NameOf(instances.front()));
  AxocorFail(Quoted(name) +
             " is a product: its children are instances, which the library does "
             "not name; a unique name is chosen among the features below a part, so name an "
             "instance of a part" +
             example + " or a feature below it");
}

struct QueryArguments {
  std::string file;
  std::string path;
  std::string output;
  std::string name;
};

void RegisterDump(CLI::App& group) {
  CLI::App* command = group.add_subcommand(
      "dump", "Dump a feature: its components with their attributes, then its linked features");
  auto args = std::make_shared<QueryArguments>();
  TakesFile(command->add_option("file", args->file, "Document file")->required());
  command->add_option("feature-path", args->path, kFeaturePathHelp);
  TakesFile(command->add_option("-o,--output", args->output,
                                "Write the dump to this file instead (\"-\": standard output)"));
  const std::shared_ptr<bool> json = AddJsonFlag(*command);
  command->get_option("--json")->excludes("--output");
  command->callback(GuardedCommand("dump", [args, json] {
    const OpenedModel model(args->file);
    std::string name;
    const CATISpecObject_var feature = FeatureOrFail(model, args->path, name);
    if (*json) {
      AxocorJson dump = {{"name", name}};
      dump.update(FeatureDumpJson(feature));
      PrintJson(dump);
      return;
    }
    const AxocorOutput out(args->output, model.Files());
    if (out.ToStandardOutput()) {
      AXOCorGlobalServices::PrintAllLinks(feature, nullptr);
      return;
    }
    const CATUnicodeString output = out.Path().c_str();
    if (AxocorIsFolder(out.Path())) AxocorFail("'" + args->output + "' is a folder");
    // The library says nothing when the file cannot be written: the file
    // read back tells. A device or FIFO ("/dev/stdout") is written into and
    // cannot be read back.
    AXOFileStatus status;
    const bool regular = !AXOPlatform::Get()->GetFileStatus(out.Path(), status).ok() ||
                         status.kind == AXOFileStatus::kRegular;
    const std::string dump = DumpText(feature);
    AXOCorGlobalServices::PrintAllLinks(feature, &output);
    if (regular && !FileHolds(out.Path(), dump)) {
      // The same bytes written here tell why the library could not write
      // them; should they go in now, the file holds the dump after all.
      std::string lines;
      AXOCorAppendTextLines(lines, dump, AXOPlatform::TextLineEnd());
      AxocorWriteFileOrFail(out.Path(), lines);
    }
  }));
}

void RegisterChildren(CLI::App& group) {
  CLI::App* command = group.add_subcommand(
      "children", "List the objects directly below the document's root or an object below it");
  auto args = std::make_shared<QueryArguments>();
  TakesFile(command->add_option("file", args->file, "Document file")->required());
  command->add_option("feature-path", args->path, kFeaturePathHelp);
  const std::shared_ptr<bool> json = AddJsonFlag(*command);
  command->callback(GuardedCommand("children", [args, json] {
    const OpenedModel model(args->file);
    model.FailIfBroken();
    const ModelTarget target = model.Find(args->path);
    AxocorJson list = AxocorJson::array();
    for (const CATBaseUnknown_var& child : NextOnPath(target)) {
      const CATISpecObject_var feature(child);
      const std::string type = !feature ? std::string() : feature->GetType().ConvertToChar();
      if (*json) {
        list.push_back({{"name", NameOf(child)}, {"type", type}});
      } else {
        std::cout << AxocorEscapedText(Quoted(NameOf(child)) + "  type " + type) << "\n";
      }
    }
    if (*json) PrintJson({{"name", target.name}, {"children", std::move(list)}});
  }));
}

void RegisterUniqueName(CLI::App& group) {
  CLI::App* command = group.add_subcommand(
      "unique-name", "Print a name that no direct child of a feature bears yet");
  auto args = std::make_shared<QueryArguments>();
  TakesFile(command->add_option("file", args->file, "Document file")->required());
  command
      ->add_option("parent-path", args->path,
                   std::string(kFeaturePathHelp) +
                       " (\"\" for the root of a part; a product holds instances, not features)")
      ->required();
  command->add_option("name", args->name, "The wanted name")
      ->required()
      ->check(CLI::Validator(
          [](const std::string& wanted) {
            return wanted.empty() ? std::string("the wanted name is empty: no feature bears it")
                                  : std::string();
          },
          ""));
  const std::shared_ptr<bool> json = AddJsonFlag(*command);
  command->callback(GuardedCommand("unique-name", [args, json] {
    const OpenedModel model(args->file);
    std::string name;
    const CATISpecObject_var parent = FeatureOrFail(model, args->path, name);
    FailUnlessHoldsFeatures(model, args->path, parent, name);
    CATUnicodeString unique;
    if (!AXOCorParserServices::GetUniqueArcFeatureName(parent, CATISpecObject_var(),
                                                       args->name.c_str(), unique) &&
        unique.GetLengthInChar() == 0) {
      AxocorFail("the children of " + Quoted(name) + " cannot be listed");
    }
    if (*json) {
      PrintJson({{"parent", name}, {"name", args->name}, {"unique", unique.ConvertToChar()}});
    } else {
      std::cout << AxocorEscapedText(unique.ConvertToChar()) << "\n";
    }
  }));
}

}  // namespace

void RegisterModelQueries(CLI::App& group) {
  RegisterDump(group);
  RegisterChildren(group);
  RegisterUniqueName(group);
}
