// "axocor model publish|save-part": publication of a feature and update and
// save of parts, through the library's services.
#include "PartCommands.h"
#include "AxocorArguments.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "AXOCorGlobalServices.h"
#include "AXOCorParserServices.h"
#include "AXOPlatform.h"
#include "AxocorCommands.h"
#include "AxocorJson.h"
#include "AxocorOutput.h"
#include "CATDocument.h"
#include "CATDocumentFileCheck.h"
#include "CATDocumentServices.h"
#include "CATHostPath.h"
#include "CATILinkableObject.h"
#include "ModelGuard.h"
#include "OpenedModel.h"
#include "PartCollection.h"
#include "model/AXOCorPartFileName.h"

namespace {

// The document of the product of `part`; null.
CATDocument* ProductDocumentOf(const CATIPrtPart_var& part) {
  const CATILinkableObject_var product(part->GetProduct());
  return !product ? nullptr : product->GetDocument();
}

struct PublishArguments {
  std::string file;
  std::string path;
  std::string name;
  std::string output;  // empty: the product's document in place
  bool dry_run = false;
};

// Saves `document` as `target` (host path); ends the command, naming why,
// when it is not saved. `done` says what was done before.
void SaveOrFail(CATDocument* document, const CATUnicodeString& target, const std::string& done) {
  const std::string shown = ShownPath(target);
  const HRESULT result = CATDocumentServices::SaveAs(document, target, "", 1);
  if (result == CAT_E_CHANGED_ON_DISK) {
    AxocorFail(done + ", but not saved: " + shown + " changed on disk since it was opened");
  }
  if (FAILED(result)) {
    AxocorFail(done + ", but " + shown + " could not be saved: " + WhyNotSaved());
  }
}

// Ends the command when `output` (a file name as typed; empty: none) does
// not end in the extension of `document`'s kind: a part saved as
// "x.CATProduct" would be opened as what it is not.
void CheckKindOfOutput(const std::string& output, CATDocument* document) {
  CATDocumentFileSummary summary;
  if (output.empty() || !CATSummarizeDocument(document, summary)) return;
  const std::string kind = summary.type.ConvertToChar();
  const std::string extension = "." + kind;
  CATUnicodeString given;
  AXOCorParserServices::GetFileExtension(output.c_str(), given);
  if (given.Compare(kind.c_str()) != 0) return;
  AxocorFail("'" + output + "' would hold a " + kind + " document: give it the extension " +
             extension);
}

void RegisterPublish(CLI::App& group) {
  CLI::App* command = group.add_subcommand(
      "publish",
      "Publish a feature on the product of its part and save the document of that product");
  auto args = std::make_shared<PublishArguments>();
  TakesFile(command->add_option("file", args->file, "Part or product document")->required());
  command->add_option("feature-path", args->path, kFeaturePathHelp)->required();
  command->add_option("name", args->name, "Publication name (default: the feature's name)");
  TakesFile(command->add_option("-o,--output", args->output,
                                "Save the product's document to this file instead of in place; its "
                                "extension must be the document's kind (.CATPart, .CATProduct)"));
  command
      ->add_flag("--dry-run", args->dry_run, "Say what would be published and saved; write nothing")
      ->excludes("--output");
  const std::shared_ptr<bool> json = AddJsonFlag(*command);
  command->callback(GuardedCommand("publish", [args, json] {
    const OpenedModel model(args->file);
    model.FailIfBroken();
    const ModelTarget target = model.Find(args->path);
    if (!target.part || !!target.instance) {
      AxocorFail("\"" + target.name + "\" is no feature of a part");
    }
    const CATISpecObject_var feature(target.object);
    const std::string published = !args->name.empty() ? args->name : target.name;
    const std::string quoted = "\"" + published + "\"";
    CATDocument* saved = ProductDocumentOf(target.part);
    if (saved == nullptr) AxocorFail("the part of \"" + target.name + "\" has no product document");
    const CATUnicodeString storage =
        args->output.empty() ? saved->StorageName() : CATUnicodeString(args->output.c_str());
    if (args->output == "-") AxocorFail("a document is saved to a file, not to standard output");
    // Any other file read may not be replaced; the document's own is saved
    // in place.
    std::vector<std::string> others;
    for (const std::string& read : model.Files()) {
      if (CATUnicodeString(read.c_str()) != saved->StorageName()) others.push_back(read);
    }
    AxocorOutput(args->output, others);
    CheckKindOfOutput(args->output, saved);
    if (FAILED(AXOCorGlobalServices::Publish(feature, args->name.c_str()))) {
      AxocorFail(AXOCorGlobalServices::IsPublished(feature, published.c_str()) == S_OK
                     ? "not published as " + quoted + ": the product refused it"
                     : "not published as " + quoted +
                           ": the name is taken, or the feature lies in no part with a product");
    }
    if (!args->dry_run) SaveOrFail(saved, storage, "published as " + quoted);
    if (*json) {
      PrintJson({{"feature", target.name},
                 {"publication", published},
                 {"file", ShownPath(storage)},
                 {"saved", !args->dry_run}});
    } else if (args->dry_run) {
      std::cout << "would publish \"" << target.name << "\" as " << quoted << " and save "
                << ShownPath(storage) << " (nothing written)\n";
    } else {
      std::cout << "published as " << quoted << "; saved " << ShownPath(storage) << "\n";
    }
  }));
}

struct SavePartArguments {
  std::string file;
  std::string folder;
  bool dry_run = false;
  bool parents = false;
};

// What became of one part: `state` "would update", "would refuse",
// "would save" (a dry run), "updated", "saved", "changed on disk",
// "refused", "not saved" or "raised"; `file` the file it is or would be
// saved as, `reason` why it is not.
struct PartSaving {
  std::string part;
  std::string state;
  std::string file;
  std::string reason;
};

// The line "axocor model save-part" prints for `saving`, after the part.
std::string SavingText(const PartSaving& saving) {
  const std::string& s = saving.state;
  if (s == "would update") return "would be updated, not saved";
  if (s == "would refuse") return "would be refused: the part number " + saving.reason;
  if (s == "would save") return "would be saved as " + saving.file;
  if (s == "updated") return "updated, not saved";
  if (s == "saved") return "saved as " + saving.file;
  if (s == "changed on disk") return "not saved: " + saving.file + " " + saving.reason;
  if (s == "refused") return "refused: the part number " + saving.reason;
  return "not saved: " + saving.file + ": " + saving.reason;
}

// Updates `part` and saves it in `folder` (a host path ending with "\\",
// or empty to update only) as "axocor model save-part" does.
PartSaving SavePart(CATIPrtPart_var part, CATIProduct_var root, CATUnicodeString folder,
                    bool dryRun) {
  const CATIProduct_var product(part->GetProduct());
  const CATUnicodeString number = !product ? CATUnicodeString() : product->GetPartNumber();
  const char* refused = folder.GetLengthInChar() > 0 ? AXOCorPartFileNameFault(number) : nullptr;
  PartSaving saving;
  saving.part = !product ? std::string("(no product)") : number.ConvertToChar();
  saving.file = ShownPath(folder + number + ".CATPart");
  if (dryRun) {
    saving.state = folder.GetLengthInChar() == 0 ? "would update"
                   : refused != nullptr          ? "would refuse"
                                                 : "would save";
    if (refused != nullptr) saving.reason = refused;
    if (folder.GetLengthInChar() == 0) saving.file.clear();
    return saving;
  }
  HRESULT result = E_FAIL;
  std::string raised;
  if (!CallGuarded(
          [&] { result = AXOCorGlobalServices::UpdateAndSavePart(folder, part, root, false); },
          raised)) {
    saving.state = "raised";
    saving.reason = raised;
  } else if (result == S_FALSE) {
    saving.state = "updated";
    saving.file.clear();
  } else if (SUCCEEDED(result)) {
    CATDocument* saved = ProductDocumentOf(part);
    saving.state = "saved";
    saving.file = saved != nullptr ? ShownPath(saved->StorageName()) : "";
  } else if (result == CAT_E_CHANGED_ON_DISK) {
    saving.state = "changed on disk";
    saving.reason = "changed on disk since it was opened";
  } else if (refused != nullptr && !!product) {
    saving.state = "refused";
    saving.reason = refused;
  } else {
    saving.state = "not saved";
    saving.reason = WhyNotSaved();
  }
  return saving;
}

// Ends the command when `folder` (as typed; "." is the current one) is no
// folder; with `create` makes a missing one first. A dry run makes nothing
// and returns true when it would.
bool CheckFolder(const std::string& folder, bool create, bool dryRun) {
  const std::string native = AXOPlatform::Get()->NativePath(folder);
  AXOFileStatus status;
  if (!AXOPlatform::Get()->GetFileStatus(native, status).ok()) {
    if (!create) AxocorFail("no such folder '" + folder + "' (--parents creates it)");
    if (dryRun) return true;
    const AXOStatus created = AXOPlatform::Get()->CreateFolders(native);
    if (!created.ok()) AxocorFail("cannot create the folder '" + folder + "': " + created.reason());
  } else if (status.kind != AXOFileStatus::kDirectory) {
    AxocorFail("'" + folder + "' is no folder");
  }
  return false;
}

void RegisterSavePart(CLI::App& group) {
  CLI::App* command = group.add_subcommand(
      "save-part",
      "Update each part below a product and save it in a folder under its part number");
  auto args = std::make_shared<SavePartArguments>();
  TakesFile(command->add_option("file", args->file, "Product document")->required());
  TakesFolder(
      command
          ->add_option("folder", args->folder, "Folder of the saved parts (\"\" only updates them)")
          ->required());
  command->add_flag("--dry-run", args->dry_run, "Say what would be saved where; write nothing");
  command->add_flag("--parents", args->parents, "Create the folder when it is missing");
  const std::shared_ptr<bool> json = AddJsonFlag(*command);
  command->callback(GuardedCommand("save-part", [args, json] {
    const OpenedModel model(args->file);
    model.FailIfBroken();
    const CATIProduct_var root = RootProductOfDocument(model.Document());
    const PartCollection found = CollectParts(root);
    for (const std::string& cycle : found.cycles) {
      std::cerr << "axocor: error: a product holds an instance of itself, not followed: " << cycle
                << "\n";
    }
    if (found.parts.empty()) {
      AxocorFail("no part is instantiated below the root product of '" + args->file + "'");
    }
    CATUnicodeString target;
    bool creates = false;
    if (!args->folder.empty()) {
      creates = CheckFolder(args->folder, args->parents, args->dry_run);
      if (creates && !*json) {
        std::cout << "would create the folder " << AXOPlatform::Get()->NativePath(args->folder)
                  << "\n";
      }
      target = args->folder.c_str();
      if (!CATHostPathIsSeparator(args->folder.back())) target.Append("\\");
    }
    int failed = 0;
    AxocorJson parts = AxocorJson::array();
    for (const CATIPrtPart_var& part : found.parts) {
      const PartSaving saving = SavePart(part, root, target, args->dry_run);
      const bool done = saving.state == "updated" || saving.state == "saved" ||
                        saving.state.rfind("would ", 0) == 0;
      failed += done ? 0 : 1;
      if (saving.state == "raised") {
        std::cerr << "axocor: error: updating part \"" << saving.part
                  << "\" raised: " << saving.reason << "\n";
      }
      if (*json) {
        const auto text = [](const std::string& t) {
          return t.empty() ? AxocorJson() : AxocorJson(t);
        };
        parts.push_back({{"part", saving.part},
                         {"state", saving.state},
                         {"file", text(saving.file)},
                         {"reason", text(saving.reason)}});
      } else if (saving.state != "raised") {
        std::cout << saving.part << ": " << SavingText(saving) << "\n";
      }
    }
    if (*json) {
      PrintJson({{"folder", args->folder.empty()
                                ? AxocorJson()
                                : AxocorJson(AXOPlatform::Get()->NativePath(args->folder))},
                 {"dryRun", args->dry_run},
                 {"createsFolder", creates},
                 {"parts", std::move(parts)},
                 {"failed", failed}});
    }
    if (failed > 0) {
      AxocorFail(std::to_string(failed) + " of " + std::to_string(found.parts.size()) +
                 " parts not saved");
    }
    if (!found.cycles.empty()) AxocorFail("the product structure holds itself");
  }));
}

}  // namespace

void RegisterPartCommands(CLI::App& modelGroup) {
  RegisterPublish(modelGroup);
  RegisterSavePart(modelGroup);
}
