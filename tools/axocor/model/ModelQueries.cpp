// "axocor model dump|children|unique-name": the library's feature dump,
// direct children and unique feature names on a document file. Features are
// named by a feature path from the document's part, which the commands
// resolve as the library does, with the part as the active element.
#include "ModelQueries.h"

#include <CLI/CLI.hpp>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <set>
#include <sstream>
#include <string>

#include "AXOAttPackageBaseServices.h"
#include "AXOCorGlobalServices.h"
#include "AXOCorParserServices.h"
#include "AXOCorServices.h"
#include "AXOICorPartDocument.h"
#include "AXOICorProductDocument.h"
#include "AXOPlatform.h"
#include "AxocorCommands.h"
#include "CATDocument.h"
#include "CATDocumentServices.h"
#include "CATIAlias.h"
#include "CATIPrtPart.h"
#include "ModelTree.h"
#include "foundations/AXOCorTextLines.h"

namespace {

const char kPathHelp[] =
    "Feature path from the part, names separated by \\ (Level 1\\Wall.1); none: the part";

std::string NameOf(const CATISpecObject_var& object) {
  const CATIAlias_var alias(object);
  return !alias ? "(no name)" : "\"" + std::string(alias->GetAlias().ConvertToChar()) + "\"";
}

// The first part below `object`, depth first through the children that
// GetDirectChildrenSpecObj gives; each object is entered once.
CATISpecObject_var FindPart(const CATISpecObject_var& object, std::set<CATBaseUnknown*>& entered) {
  if (!object) return CATISpecObject_var();
  if (!!CATIPrtPart_var(object)) return object;
  if (!entered.insert(CATBaseUnknown_var(object)).second) return CATISpecObject_var();
  CATListValCATISpecObject_var children;
  GetDirectChildrenSpecObj(object, children);
  for (int i = 1; i <= children.Size(); ++i) {
    const CATISpecObject_var part = FindPart(children[i], entered);
    if (!!part) return part;
  }
  return CATISpecObject_var();
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
bool FileHolds(const std::string& hostPath, const std::string& text) {
  std::ifstream file(AXOPlatform::Get()->NativePath(hostPath), std::ios::binary);
  const std::string content((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
  std::string expected;
  AXOCorAppendTextLines(expected, text, AXOPlatform::TextLineEnd());
  return file.is_open() && content == expected;
}

// A document file opened with the documents it refers to, all closed again
// when the command ends.
class OpenedModel {
 public:
  explicit OpenedModel(const std::string& file) {
    if (FAILED(CATDocumentServices::OpenDocument(file.c_str(), document_, 1))) {
      AxocorFail("cannot open '" + file + "' (axocor model check says why)");
    }
  }
  ~OpenedModel() {
    AXOAttPackageBaseServices::SetActiveUIElement(CATISpecObject_var());
    for (CATDocument* opened : ModelDocuments(document_)) CATDocumentServices::Remove(opened);
  }
  OpenedModel(const OpenedModel&) = delete;
  OpenedModel& operator=(const OpenedModel&) = delete;

  // The root product of a product document, the part of a part document.
  CATISpecObject_var Root() const {
    const AXOICorProductDocument_var product(document_);
    if (!!product) return CATISpecObject_var(product->GetRootObject());
    const AXOICorPartDocument_var part(document_);
    return !part ? CATISpecObject_var() : CATISpecObject_var(part->GetRootObject());
  }

  // The feature that `path` reaches from the part: the document's own part,
  // or the first one below its root product. The part for an empty path.
  CATISpecObject_var Feature(const std::string& path) const {
    std::set<CATBaseUnknown*> entered;
    const CATISpecObject_var part = FindPart(Root(), entered);
    if (!part) AxocorFail("the document holds no part and leads to none");
    if (path.empty()) return part;
    const CATIAlias_var alias(part);
    if (!alias) AxocorFail("the part has no name, so no path leads from it");
    AXOAttPackageBaseServices::SetActiveUIElement(part);
    CATISpecObject_var feature;
    const CATUnicodeString full = alias->GetAlias() + "\\" + path.c_str();
    if (!AXOCorParserServices::GetFeatureFromPathElement(full, feature)) {
      AxocorFail("no feature at '" + path + "' below the part " + NameOf(part));
    }
    return feature;
  }

 private:
  CATDocument* document_ = nullptr;
};

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
  command->add_option("file", args->file, "Document file")->required();
  command->add_option("feature-path", args->path, kPathHelp);
  command->add_option("-o,--output", args->output, "Write the dump to this file instead");
  command->callback([args] {
    const OpenedModel model(args->file);
    const CATISpecObject_var feature = model.Feature(args->path);
    if (args->output.empty()) {
      AXOCorGlobalServices::PrintAllLinks(feature, nullptr);
      return;
    }
    const CATUnicodeString output = args->output.c_str();
    if (AXOCorGlobalServices::FindDirectory(output)) {
      AxocorFail("'" + args->output + "' is a folder");
    }
    // The library says nothing when the file cannot be written: the file
    // read back tells.
    const std::string dump = DumpText(feature);
    AXOCorGlobalServices::PrintAllLinks(feature, &output);
    if (!FileHolds(args->output, dump)) AxocorFail("cannot write '" + args->output + "'");
  });
}

void RegisterChildren(CLI::App& group) {
  CLI::App* command = group.add_subcommand(
      "children", "List the direct children of the document's root or of a feature");
  auto args = std::make_shared<QueryArguments>();
  command->add_option("file", args->file, "Document file")->required();
  command->add_option("feature-path", args->path,
                      "Feature path from the part (Level 1); none: the document's root");
  command->callback([args] {
    const OpenedModel model(args->file);
    const CATISpecObject_var object = args->path.empty() ? model.Root() : model.Feature(args->path);
    CATListValCATISpecObject_var children;
    GetDirectChildrenSpecObj(object, children);
    for (int i = 1; i <= children.Size(); ++i) {
      if (!children[i]) {
        std::cout << "(not a feature)\n";
        continue;
      }
      std::cout << NameOf(children[i]) << "  type " << children[i]->GetType().ConvertToChar()
                << "\n";
    }
  });
}

void RegisterUniqueName(CLI::App& group) {
  CLI::App* command = group.add_subcommand(
      "unique-name", "Print a name that no direct child of a feature bears yet");
  auto args = std::make_shared<QueryArguments>();
  command->add_option("file", args->file, "Document file")->required();
  command
      ->add_option("parent-path", args->path,
                   "Feature path of the parent from the part (Level 1); \"\": the part")
      ->required();
  command->add_option("name", args->name, "The wanted name")->required();
  command->callback([args] {
    const OpenedModel model(args->file);
    const CATISpecObject_var parent = model.Feature(args->path);
    CATUnicodeString unique;
    if (!AXOCorParserServices::GetUniqueArcFeatureName(parent, CATISpecObject_var(),
                                                       args->name.c_str(), unique) &&
        unique.GetLengthInChar() == 0) {
      AxocorFail("the children of " + NameOf(parent) + " cannot be listed");
    }
    std::cout << unique.ConvertToChar() << "\n";
  });
}

}  // namespace

void RegisterModelQueries(CLI::App& group) {
  RegisterDump(group);
  RegisterChildren(group);
  RegisterUniqueName(group);
}
