#include "OpenedModel.h"

#include <memory>
#include <utility>

#include "AXOPlatform.h"
#include "AxocorCommands.h"
#include "AxocorEscapedText.h"
#include "AxocorFiles.h"
#include "CATDocument.h"
#include "CATDocumentFileCheck.h"
#include "CATDocumentServices.h"
#include "CATFileFailure.h"
#include "CATHostPath.h"
#include "CATIAlias.h"
#include "CATIProduct.h"
#include "ModelTree.h"

namespace {

// Why the file at host path `path` cannot be opened: the reason of the
// reading, or the damaged field.
std::string WhyNotOpenedAt(const CATUnicodeString& path) {
  CATDocumentFileSummary summary;
  CATUnicodeString fault;
  if (CATCheckDocumentFile(path, summary, fault)) return "it cannot be opened";
  // The damaged field may quote what the file holds.
  return AxocorEscapedText(fault.ConvertToChar());
}

// The instances of `root`, a product of the document, that lead to an
// object that is no product; those whose link leads nowhere are among
// `dangling` already.
void AddInstancesOfNoProduct(const CATIProduct_var& root,
                             const std::vector<CATDanglingLink>& dangling,
                             const std::string& document, std::vector<ModelFault>& faults) {
  const std::unique_ptr<CATListValCATBaseUnknown_var> children(root->GetChildren("CATIProduct"));
  for (int i = 1; children != nullptr && i <= children->Size(); ++i) {
    const CATIProduct_var child((*children)[i]);
    if (!child || child->IsReference() == S_OK || !!child->GetReferenceProduct()) continue;
    const std::string name = NameOf(child);
    bool reported = false;
    for (const CATDanglingLink& link : dangling) reported |= name == link.holder.ConvertToChar();
    if (!reported) {
      faults.push_back({document, name, "instance \"" + name + "\" refers to no product"});
    }
  }
}

}  // namespace

std::string ShownPath(const CATUnicodeString& storageName) {
  return AxocorNativePath(storageName.ConvertToChar());
}

std::string WhyNotOpened(const std::string& file) {
  return WhyNotOpenedAt(file.c_str());
}

std::string WhyNotSaved() {
  const AXOStatus& failure = CATLastFileFailure();
  return failure.ok() ? "the document cannot be written" : failure.reason();
}

OpenedModel::OpenedModel(const std::string& file, CATDocument* document) : file_(file) {
  if (document != nullptr) documents_.push_back(document);
}

OpenedModel::OpenedModel(const std::string& file) : file_(file) {
  CATDocument* document = nullptr;
  if (FAILED(CATDocumentServices::OpenDocument(file.c_str(), document, 1))) {
    AxocorFail("cannot open '" + file + "': " + WhyNotOpened(file));
  }
  documents_ = ModelDocuments(document);
}

OpenedModel::~OpenedModel() {
  for (CATDocument* opened : documents_) CATDocumentServices::Remove(opened);
}

void OpenedModel::Add(CATDocument* document) {
  for (CATDocument* known : documents_) {
    if (known == document) return;
  }
  documents_.push_back(document);
}

std::vector<std::string> OpenedModel::Files() const {
  std::vector<std::string> files;
  for (CATDocument* document : documents_)
    files.emplace_back(document->StorageName().ConvertToChar());
  return files;
}

std::vector<ModelFault> OpenedModel::Faults(CATDocument* document) const {
  std::vector<ModelFault> faults;
  const std::string shown = ShownPath(document->StorageName());
  const std::vector<CATDanglingLink> dangling = CATListDanglingLinks(document);
  for (const CATDanglingLink& link : dangling) {
    const std::string object = link.holder.ConvertToChar();
    const std::string holder = "\"" + object + "\"";
    const std::string target = ShownPath(link.document);
    if (!link.document_open) {
      faults.push_back({shown, object,
                        holder + " refers to " + target +
                            ", which cannot be opened: " + WhyNotOpenedAt(link.document)});
    } else {
      faults.push_back(
          {shown, object,
           "link of " + holder + " to id \"" + link.id + "\", which " + target + " does not hold"});
    }
  }
  const CATIProduct_var root = RootProductOfDocument(document);
  if (!!root && root->IsReference() == S_OK) AddInstancesOfNoProduct(root, dangling, shown, faults);
  return faults;
}

std::vector<ModelFault> OpenedModel::AllFaults() const {
  std::vector<ModelFault> faults;
  for (CATDocument* document : documents_) {
    for (ModelFault& fault : Faults(document)) faults.push_back(std::move(fault));
  }
  return faults;
}

void OpenedModel::FailIfBroken() const {
  const std::vector<ModelFault> faults = AllFaults();
  if (faults.empty()) return;
  std::string message = "'" + file_ + "' is broken: " + faults.front().text;
  for (size_t i = 1; i < faults.size(); ++i) message += "; " + faults[i].text;
  AxocorFail(message);
}

ModelTarget OpenedModel::Find(const std::string& path) const {
  ModelTarget target;
  std::string fault;
  if (!FindByPath(Document(), path, target, fault)) AxocorFail(fault);
  return target;
}
