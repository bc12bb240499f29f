#include "ModelTree.h"

#include <memory>
#include <string>
#include <vector>

#include "AXOIAttLogical.h"
#include "CATAdopt.h"
#include "CATDocument.h"
#include "CATIAlias.h"
#include "CATICkeParm.h"
#include "CATIContainer.h"
#include "CATIDescendants.h"
#include "CATIDocId.h"
#include "CATILinkableObject.h"
#include "CATIPrdObjectPublisher.h"
#include "CATIProduct.h"
#include "CATIPrtPart.h"
#include "CATISpecAttrAccess.h"
#include "CATISpecUpdate.h"
#include "CATInit.h"
#include "OpenedModel.h"

namespace {

std::string Text(const CATUnicodeString& text) {
  return text.ConvertToChar();
}

std::string Quoted(const CATBaseUnknown_var& object) {
  const CATIAlias_var alias(object);
  return !alias ? "(no name)" : "\"" + Text(alias->GetAlias()) + "\"";
}

class TreePrinter {
 public:
  explicit TreePrinter(std::ostream& out, const ModelFaultsOf& faults = nullptr)
      : out_(out), faults_(faults) {}

  std::vector<CATDocument*> Print(CATDocument* first) {
    Meet(first);
    for (size_t i = 0; i < documents_.size(); ++i) PrintDocument(documents_[i]);
    return documents_;
  }

  void PrintObject(const CATBaseUnknown_var& object, int depth) {
    out_ << std::string(2 * static_cast<size_t>(depth), ' ');
    const CATIProduct_var product(object);
    if (!!product) {
      PrintProduct(product, depth);
      return;
    }
    PrintFeature(object, depth);
  }

 private:
  // Notes a document to print, once.
  void Meet(CATDocument* document) {
    if (document == nullptr) return;  // not open
    for (CATDocument* known : documents_) {
      if (known == document) return;
    }
    documents_.push_back(document);
  }
  void MeetDocumentOf(const CATBaseUnknown_var& object) {
    const CATILinkableObject_var linkable(object);
    if (!!linkable) Meet(linkable->GetDocument());
  }

  void PrintDocument(CATDocument* document) {
    CATUnicodeString type;
    CATIDocId* id = nullptr;
    if (SUCCEEDED(document->GetDocId(&id))) {
      id->GetType(type);
      id->Release();
    }
    out_ << "document " << ShownPath(document->StorageName()) << " (" << Text(type) << ")\n";
    const CATInit_var init(document);
    const CATIContainer_var container =
        CATAdoptHandle<CATIContainer>(!init ? nullptr : init->GetRootContainer("CATIContainer"));
    if (!container) return;
    CATListValCATBaseUnknown_var objects;
    container->ListMembersHere(nullptr, objects);
    for (int i = 1; i <= objects.Size(); ++i) PrintObject(objects[i], 1);
    if (!faults_) return;
    for (const std::string& fault : faults_(document)) out_ << "  broken: " << fault << "\n";
  }

  void PrintFeature(const CATBaseUnknown_var& object, int depth) {
    const CATICkeParm_var parameter(object);
    if (!!parameter) {
      out_ << "parameter " << Quoted(object) << " = " << Text(parameter->Value()->AsString())
           << "\n";
      return;
    }
    const char* kind = !!CATIPrtPart_var(object)      ? "part"
                       : !!AXOIAttLogical_var(object) ? "logical"
                                                      : "feature";
    out_ << kind << " " << Quoted(object);
    const CATISpecObject_var feature(object);
    if (!!feature) {
      const CATUnicodeString type = feature->GetType();
      if (type.GetLengthInChar() > 0) out_ << "  type " << Text(type);
      out_ << "  time stamp " << feature->GetTimeStamp();
    }
    const CATISpecUpdate_var update(object);
    if (!!update) out_ << "  update stamp " << update->GetUpdateStamp();
    out_ << "\n";
    MeetLinkedDocuments(object);
    const CATIDescendants_var descendants(object);
    if (!descendants) return;
    CATListValCATISpecObject_var children;
    descendants->GetDirectChildren(nullptr, children);
    for (int i = 1; i <= children.Size(); ++i) PrintObject(children[i], depth + 1);
  }

  void PrintProduct(const CATIProduct_var& product, int depth) {
    if (product->IsReference() != S_OK) {
      const CATIProduct_var reference = product->GetReferenceProduct();
      out_ << "instance " << Quoted(product);
      if (!reference) {
        out_ << "  broken: of a product that cannot be reached\n";
        return;
      }
      const CATILinkableObject_var linkable(reference);
      CATDocument* document = !linkable ? nullptr : linkable->GetDocument();
      out_ << "  of " << Quoted(reference);
      if (document != nullptr) out_ << " in " << ShownPath(document->StorageName());
      out_ << "\n";
      Meet(document);
      return;
    }
    out_ << "product " << Quoted(product) << "  part number " << Text(product->GetPartNumber())
         << "\n";
    MeetLinkedDocuments(product);
    const std::unique_ptr<CATListValCATBaseUnknown_var> children(product->GetChildren());
    for (int i = 1; children != nullptr && i <= children->Size(); ++i) {
      PrintObject((*children)[i], depth + 1);
    }
    const CATIPrdObjectPublisher_var publisher(product);
    if (!publisher) return;
    CATListValCATUnicodeString names;
    publisher->ListPublications(names);
    for (int i = 1; i <= names.Size(); ++i) {
      CATBaseUnknown_var published;
      publisher->GetPublication(names[i], published);
      out_ << std::string(2 * static_cast<size_t>(depth + 1), ' ') << "publication \""
           << Text(names[i]) << "\" -> "
           << (!published ? std::string("an object whose document is not open") : Quoted(published))
           << "\n";
      MeetDocumentOf(published);
    }
  }

  void MeetLinkedDocuments(const CATBaseUnknown_var& object) {
    const CATISpecAttrAccess_var access(object);
    if (!access) return;
    const std::unique_ptr<CATListValCATBaseUnknown_var> linked(
        access->ListLinkedObjects(IID_CATBaseUnknown, 0, 0));
    for (int i = 1; linked != nullptr && i <= linked->Size(); ++i) MeetDocumentOf((*linked)[i]);
  }

  std::ostream& out_;
  const ModelFaultsOf faults_;
  std::vector<CATDocument*> documents_;
};

}  // namespace

std::vector<CATDocument*> PrintModelTree(CATDocument* document, std::ostream& out,
                                         const ModelFaultsOf& faults) {
  return TreePrinter(out, faults).Print(document);
}

void PrintModelObject(const CATBaseUnknown_var& object, std::ostream& out) {
  TreePrinter(out).PrintObject(object, 0);
}

std::vector<CATDocument*> ModelDocuments(CATDocument* document) {
  // The printer's walk is the one way to meet them; a stream without a
  // buffer drops the text.
  std::ostream nowhere(nullptr);
  return PrintModelTree(document, nowhere);
}
