// "axocor model": documents of the host's model, as the stand-in stores
// them (examples/models holds a sample building).
#include <CLI/CLI.hpp>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "AxocorArguments.h"
#include "AxocorCommands.h"
#include "AxocorJson.h"
#include "BoxCommand.h"
#include "CATDocument.h"
#include "CATDocumentFileCheck.h"
#include "CATDocumentServices.h"
#include "ModelGuard.h"
#include "ModelQueries.h"
#include "ModelTree.h"
#include "OpenedModel.h"
#include "PartCommands.h"

namespace {

void RegisterShow(CLI::App& group) {
  CLI::App* command = group.add_subcommand(
      "show", "Print the tree of a document and of the documents it refers to");
  auto file = std::make_shared<std::string>();
  auto path = std::make_shared<std::string>();
  auto drawn = std::make_shared<bool>(false);
  TakesFile(
      command->add_option("file", *file, "Document file (.CATPart, .CATProduct ...)")->required());
  command->add_option("feature-path", *path,
                      std::string(kFeaturePathHelp) + "; given: only that object and below");
  command->add_flag("--tree", *drawn, "Draw the tree with lines");
  const std::shared_ptr<bool> json = AddJsonFlag(*command);
  command->callback(GuardedCommand("show", [file, path, drawn, json] {
    const OpenedModel model(*file);
    std::vector<CATDocument*> documents;
    const AxocorJson tree = !path->empty()
                                ? ModelObjectOf(model.Find(*path).object)
                                : ModelTreeOf(
                                      model.Document(),
                                      [&model](CATDocument* document) {
                                        std::vector<std::string> texts;
                                        for (const ModelFault& fault : model.Faults(document))
                                          texts.push_back(fault.text);
                                        return texts;
                                      },
                                      documents);
    if (*json) {
      PrintJson(tree);
    } else {
      PrintModelTree(tree, std::cout, *drawn);
    }
  }));
}

// What the document queued as `name` holds, as it is open when opening the
// file opened it (`model` holds the documents so met), else as its file is
// read, with the fault that keeps it from opening.
bool SummaryOf(OpenedModel& model, bool root, const CATUnicodeString& name,
               CATDocumentFileSummary& summary, CATUnicodeString& fault) {
  CATDocument* open = nullptr;
  if (!model.Documents().empty()) {
    if (root) {
      open = model.Document();
    } else if (FAILED(CATDocumentServices::OpenDocument(name, open, 0))) {
      open = nullptr;
    }
  }
  if (open != nullptr && CATSummarizeDocument(open, summary)) {
    model.Add(open);
    return true;
  }
  return CATCheckDocumentFile(name, summary, fault);
}

// The check's findings as data: each document read, then what leads
// nowhere (OpenedModel::Faults), then the counts and "ok".
AxocorJson CheckOf(const std::string& file) {
  // Each file is read once: those that open with the file are summed up
  // as opened, the others read by the check that says why they do not.
  CATDocument* root = nullptr;
  if (FAILED(CATDocumentServices::OpenDocument(file.c_str(), root, 1))) root = nullptr;
  OpenedModel model(file, root);
  std::vector<CATUnicodeString> queue{CATUnicodeString(file.c_str())};
  AxocorJson documents = AxocorJson::array();
  int unreadable = 0;
  for (size_t i = 0; i < queue.size(); ++i) {
    CATDocumentFileSummary summary;
    CATUnicodeString fault;
    AxocorJson document = {{"path", ShownPath(queue[i])}};
    if (!SummaryOf(model, i == 0, queue[i], summary, fault)) {
      document["opened"] = false;
      document["fault"] = i == 0 ? WhyNotOpened(file) : fault.ConvertToChar();
      documents.push_back(std::move(document));
      ++unreadable;
      continue;
    }
    document["opened"] = true;
    document["type"] = summary.type.ConvertToChar();
    document["objects"] = summary.objects;
    AxocorJson references = AxocorJson::array();
    for (int r = 1; r <= summary.references.Size(); ++r) {
      references.push_back(ShownPath(summary.references[r]));
      bool known = false;
      for (const CATUnicodeString& seen : queue) known |= seen == summary.references[r];
      if (!known) queue.push_back(summary.references[r]);
    }
    document["references"] = std::move(references);
    documents.push_back(std::move(document));
  }
  // Links are followed in the documents as opened: the file's own first.
  AxocorJson broken = AxocorJson::array();
  for (const ModelFault& fault : model.AllFaults()) {
    broken.push_back(
        {{"document", fault.document}, {"object", fault.object}, {"message", fault.text}});
  }
  const bool ok = unreadable == 0 && broken.empty();
  return {{"documents", std::move(documents)},
          {"broken", std::move(broken)},
          {"unreadable", unreadable},
          {"ok", ok}};
}

void PrintCheck(const AxocorJson& check) {
  for (const AxocorJson& document : check["documents"]) {
    const std::string path = document["path"];
    if (!document["opened"].get<bool>()) {
      std::cout << path << ": cannot be opened: " << document["fault"].get<std::string>() << "\n";
      continue;
    }
    std::cout << path << ": a " << document["type"].get<std::string>() << " document of "
              << document["objects"].get<int>() << " objects";
    const std::size_t references = document["references"].size();
    if (references > 0) {
      std::cout << ", referring to " << references << " document" << (references > 1 ? "s" : "");
    }
    std::cout << "\n";
  }
  for (const AxocorJson& fault : check["broken"]) {
    std::cout << "broken: " << fault["message"].get<std::string>() << "\n";
  }
}

void RegisterCheck(CLI::App& group) {
  CLI::App* command = group.add_subcommand(
      "check",
      "Say whether a document file and the documents it refers to can be opened, and which of "
      "their links lead nowhere");
  auto file = std::make_shared<std::string>();
  TakesFile(command->add_option("file", *file, "Document file")->required());
  const std::shared_ptr<bool> json = AddJsonFlag(*command);
  command->callback(GuardedCommand("check", [file, json] {
    const AxocorJson check = CheckOf(*file);
    if (*json) {
      PrintJson(check);
    } else {
      PrintCheck(check);
    }
    const int unreadable = check["unreadable"];
    const std::size_t broken = check["broken"].size();
    std::string failure;
    if (unreadable > 0) {
      failure = std::to_string(unreadable) + " of " + std::to_string(check["documents"].size()) +
                " documents cannot be opened";
    }
    if (broken > 0) {
      failure += (failure.empty() ? "" : ", ") + std::to_string(broken) + " broken link" +
                 (broken > 1 ? "s" : "");
    }
    if (!failure.empty()) AxocorFail(failure);
  }));
}

}  // namespace

void RegisterModelCommands(CLI::App& app) {
  CLI::App* group = &app;
  group->description("Documents of the host's model");
  group->require_subcommand(1);
  // File arguments are paths: "/models/x.CATPart" is no Windows-style option.
  group->allow_windows_style_options(false);
  // Feature paths and the sample's folder, then one example per command.
  group->footer(
      "A FEATURE-PATH names an object below the document's root: from a product, an\n"
      "instance first (\"Room.2\\Level 1\\Wall.1\"), from a part, what lies below it\n"
      "(\"Level 1\\Wall.1\"); \\ and / both separate the names.\n"
      "\n"
      "Examples (the sample models are installed in " AXOCOR_INSTALLED_SAMPLE_MODELS
      "):\n"
      "  axocor model show " AXOCOR_INSTALLED_SAMPLE_MODELS
      "/Building.CATProduct --tree\n"
      "  axocor model check " AXOCOR_INSTALLED_SAMPLE_MODELS
      "/Building.CATProduct\n"
      "  axocor model box " AXOCOR_INSTALLED_SAMPLE_MODELS
      "/Building.CATProduct Room.2\n"
      "  axocor model dump " AXOCOR_INSTALLED_SAMPLE_MODELS
      "/Building.CATProduct \"Room.1/Level 1/Wall.1\"\n"
      "  axocor model children " AXOCOR_INSTALLED_SAMPLE_MODELS
      "/Building.CATProduct Room.1\n"
      "  axocor model unique-name " AXOCOR_INSTALLED_SAMPLE_MODELS
      "/Room.CATPart \"Level 1\" Wall.1\n"
      "  axocor model publish " AXOCOR_INSTALLED_SAMPLE_MODELS
      "/Building.CATProduct \"Room.1/Level 1/Wall.1\" Front --dry-run\n"
      "  axocor model save-part " AXOCOR_INSTALLED_SAMPLE_MODELS
      "/Building.CATProduct saved --parents\n"
      "  axocor model plan " AXOCOR_INSTALLED_SAMPLE_MODELS "/Building.CATProduct -o plan.svg");
  RegisterShow(*group);
  RegisterCheck(*group);
  RegisterModelQueries(*group);
  RegisterPartCommands(*group);
  RegisterBoxCommand(*group);
  RegisterPlanCommand(*group);
}
