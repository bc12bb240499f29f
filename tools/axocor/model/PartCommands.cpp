// "axocor model publish|save-part": publication of a feature and update and
// save of parts, through the library's services.
#include "PartCommands.h"

#include <CLI/CLI.hpp>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "AXOCorGlobalServices.h"
#include "AXOCorPartFileName.h"
#include "AxocorCommands.h"
#include "CATDocument.h"
#include "CATDocumentServices.h"
#include "CATIAlias.h"
#include "CATILinkableObject.h"
#include "ModelGuard.h"
#include "ModelLookup.h"
#include "PartCollection.h"

namespace {

CATDocument* OpenOrFail(const std::string& file) {
  CATDocument* document = nullptr;
  if (FAILED(CATDocumentServices::OpenDocument(file.c_str(), document, 1))) {
    AxocorFail("cannot open '" + file + "' (axocor model check says why)");
  }
  return document;
}

std::string Hex(HRESULT result) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(result));
  return text;
}

// The document of the product of `part`; null.
CATDocument* ProductDocumentOf(const CATIPrtPart_var& part) {
  const CATILinkableObject_var product(part->GetProduct());
  return !product ? nullptr : product->GetDocument();
}

void RegisterPublish(CLI::App& group) {
  CLI::App* command = group.add_subcommand(
      "publish",
      "Publish a feature on the product of its part and save the document of that product");
  auto file = std::make_shared<std::string>();
  auto path = std::make_shared<std::string>();
  auto name = std::make_shared<std::string>();
  command->add_option("file", *file, "Part or product document")->required();
  command
      ->add_option("feature-path", *path,
                   "Names from the part down, separated by \"\\\"; in a product document "
                   "starting with an instance (\"Room.1\\Level 1\\Wall.1\")")
      ->required();
  command->add_option("name", *name, "Publication name (default: the feature's name)");
  command->callback(GuardedCommand("publish", [file, path, name] {
    CATDocument* document = OpenOrFail(*file);
    CATIPrtPart_var part;
    std::string fault;
    const CATISpecObject_var feature = FindFeatureByPath(document, *path, part, fault);
    if (!feature) AxocorFail(fault);
    const CATIAlias_var alias(feature);
    const CATUnicodeString published = !name->empty() ? CATUnicodeString(name->c_str())
                                       : !alias       ? CATUnicodeString()
                                                      : alias->GetAlias();
    const std::string quoted = std::string("\"") + published.ConvertToChar() + "\"";
    if (FAILED(AXOCorGlobalServices::Publish(feature, name->c_str()))) {
      AxocorFail(AXOCorGlobalServices::IsPublished(feature, published) == S_OK
                     ? "not published as " + quoted + ": the product refused it"
                     : "not published as " + quoted +
                           ": the name is taken, or the feature lies in no part with a product");
    }
    CATDocument* saved = ProductDocumentOf(part);
    if (saved == nullptr) {
      AxocorFail("published as " + quoted + ", but the product has no document");
    }
    const CATUnicodeString storage = saved->StorageName();
    const std::string stored = storage.ConvertToChar();
    const HRESULT result = CATDocumentServices::SaveAs(saved, storage, "", 1);
    if (result == CAT_E_CHANGED_ON_DISK) {
      AxocorFail("published as " + quoted + ", but not saved: " + stored +
                 " changed on disk since it was opened");
    }
    if (FAILED(result))
      AxocorFail("published as " + quoted + ", but " + stored + " could not be saved");
    std::cout << "published as " << quoted << "; saved " << stored << "\n";
  }));
}

// Updates `part` and saves it in `folder` (ending with "\\", or empty to
// update only) as "axocor model save-part" does, and says how it went.
// False when it was not saved.
bool SavePart(CATIPrtPart_var part, CATIProduct_var root, CATUnicodeString folder) {
  const CATIProduct_var product(part->GetProduct());
  const CATUnicodeString number = !product ? CATUnicodeString() : product->GetPartNumber();
  const std::string shown = !product ? std::string("(no product)") : number.ConvertToChar();
  HRESULT result = E_FAIL;
  std::string raised;
  if (!CallGuarded(
          [&] { result = AXOCorGlobalServices::UpdateAndSavePart(folder, part, root, false); },
          raised)) {
    std::cerr << "axocor: error: updating part \"" << shown << "\" raised: " << raised << "\n";
    return false;
  }
  std::cout << shown << ": ";
  const char* refused = folder.GetLengthInChar() > 0 ? AXOCorPartFileNameFault(number) : nullptr;
  if (result == S_FALSE) {
    std::cout << "updated, not saved\n";
  } else if (SUCCEEDED(result)) {
    CATDocument* saved = ProductDocumentOf(part);
    std::cout << "saved as " << (saved != nullptr ? saved->StorageName() : "").ConvertToChar()
              << "\n";
  } else if (result == CAT_E_CHANGED_ON_DISK) {
    std::cout << "not saved: " << (folder + number + ".CATPart").ConvertToChar()
              << " changed on disk since it was opened\n";
  } else if (refused != nullptr && !!product) {
    std::cout << "refused: the part number " << refused << "\n";
  } else {
    std::cout << "not saved (" << Hex(result) << ")\n";
  }
  return result == S_FALSE || SUCCEEDED(result);
}

void RegisterSavePart(CLI::App& group) {
  CLI::App* command = group.add_subcommand(
      "save-part",
      "Update each part below a product and save it in a folder under its part number");
  auto file = std::make_shared<std::string>();
  auto folder = std::make_shared<std::string>();
  command->add_option("file", *file, "Product document")->required();
  command
      ->add_option("folder", *folder,
                   "Folder of the saved parts (\"\" only updates them); a missing \"\\\" "
                   "at its end is added")
      ->required();
  command->callback(GuardedCommand("save-part", [file, folder] {
    CATDocument* document = OpenOrFail(*file);
    const CATIProduct_var root = RootProductOfDocument(document);
    const PartCollection found = CollectParts(root);
    for (const std::string& cycle : found.cycles) {
      std::cerr << "axocor: error: a product holds an instance of itself, not followed: " << cycle
                << "\n";
    }
    if (found.parts.empty()) {
      AxocorFail("no part is instantiated below the root product of '" + *file + "'");
    }
    CATUnicodeString target(folder->c_str());
    const char last = folder->empty() ? '\\' : folder->back();
    if (last != '\\' && last != '/') target.Append("\\");
    int failed = 0;
    for (const CATIPrtPart_var& part : found.parts) failed += SavePart(part, root, target) ? 0 : 1;
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
