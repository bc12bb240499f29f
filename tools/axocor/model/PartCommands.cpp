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
#include "AxocorCommands.h"
#include "CATDocument.h"
#include "CATDocumentServices.h"
#include "CATIAlias.h"
#include "CATILinkableObject.h"
#include "ModelLookup.h"

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
  command->callback([file, path, name] {
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
    const CATUnicodeString storage = saved != nullptr ? saved->StorageName() : CATUnicodeString();
    if (saved == nullptr || FAILED(CATDocumentServices::SaveAs(saved, storage, "", 1))) {
      AxocorFail("published as " + quoted + ", but " +
                 (saved == nullptr ? std::string("the product has no document")
                                   : std::string(storage.ConvertToChar())) +
                 " could not be saved");
    }
    std::cout << "published as " << quoted << "; saved " << storage.ConvertToChar() << "\n";
  });
}

// The parts of the part documents that the instances below `product`
// refer to, depth first, each once.
void CollectParts(const CATIProduct_var& product, std::vector<CATIPrtPart_var>& parts) {
  const std::unique_ptr<CATListValCATBaseUnknown_var> children(product->GetChildren());
  for (int i = 1; children != nullptr && i <= children->Size(); ++i) {
    const CATIProduct_var reference = CATIProduct_var((*children)[i])->GetReferenceProduct();
    const CATILinkableObject_var linkable(reference);
    if (!linkable) continue;
    const CATIPrtPart_var part = PartOfDocument(linkable->GetDocument());
    if (!part) {
      CollectParts(reference, parts);
      continue;
    }
    bool known = false;
    for (const CATIPrtPart_var& seen : parts) known |= seen == part;
    if (!known) parts.push_back(part);
  }
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
  command->callback([file, folder] {
    CATDocument* document = OpenOrFail(*file);
    CATIProduct_var root = RootProductOfDocument(document);
    std::vector<CATIPrtPart_var> parts;
    if (!!root) CollectParts(root, parts);
    if (parts.empty()) {
      AxocorFail("no part is instantiated below the root product of '" + *file + "'");
    }
    CATUnicodeString target(folder->c_str());
    const char last = folder->empty() ? '\\' : folder->back();
    if (last != '\\' && last != '/') target.Append("\\");
    int failed = 0;
    for (CATIPrtPart_var& part : parts) {
      const CATIProduct_var product(part->GetProduct());
      const std::string number = !product ? std::string("(no product)")
                                          : std::string(product->GetPartNumber().ConvertToChar());
      const HRESULT result = AXOCorGlobalServices::UpdateAndSavePart(target, part, root, false);
      std::cout << number << ": ";
      if (result == S_FALSE) {
        std::cout << "updated, not saved\n";
      } else if (SUCCEEDED(result)) {
        CATDocument* saved = ProductDocumentOf(part);
        std::cout << "saved as " << (saved != nullptr ? saved->StorageName() : "").ConvertToChar()
                  << "\n";
      } else {
        std::cout << "not saved (" << Hex(result) << ")\n";
        ++failed;
      }
    }
    if (failed > 0) {
      AxocorFail(std::to_string(failed) + " of " + std::to_string(parts.size()) +
                 " parts not saved");
    }
  });
}

}  // namespace

void RegisterPartCommands(CLI::App& modelGroup) {
  RegisterPublish(modelGroup);
  RegisterSavePart(modelGroup);
}
