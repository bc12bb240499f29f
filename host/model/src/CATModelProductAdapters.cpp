// The interfaces of products: structure, connectors, publications and the
// representation attribute.
#include <set>

#include "CATAdapter.h"
#include "CATCkeObjects.h"
#include "CATIAttributesDescription.h"
#include "CATIConnector.h"
#include "CATIInstance.h"
#include "CATIPrdObjectPublisher.h"
#include "CATIProduct.h"
#include "CATModelAdapters.h"
#include "CATModelExplicitLists.h"
#include "CATModelInterfaces.h"
#include "CATModelProductData.h"

namespace {

const char kRepresentationAttribute[] = "DefaultRepSource";

// The data of a product.
CATModelProductData& DataOf(CATModelNode* product) {
  return product->Data<CATModelProductData>();
}

// The reference product that `product` stands for: itself, or the
// reference of an instance (null when it cannot be reached).
CATModelNode* ReferenceOf(CATModelNode* product) {
  if (product == nullptr || !DataOf(product).reference.IsSet()) return product;
  CATModelNode* reference = product->Follow(DataOf(product).reference);
  return reference != nullptr && reference->Kind() == CATModelKind::kProduct ? reference : nullptr;
}

// The first instance of `reference` below `product`, depth first; each
// reference product is entered once, so that references that lead in a
// circle end.
CATModelNode* FindInstanceBelow(CATModelNode* product, CATModelNode* reference,
                                std::set<CATModelNode*>& entered) {
  CATModelNode* content = ReferenceOf(product);
  if (content == nullptr || !entered.insert(content).second) return nullptr;
  for (CATModelNode* child : content->Children()) {
    if (child->Kind() != CATModelKind::kProduct) continue;
    if (DataOf(child).reference.IsSet() && ReferenceOf(child) == reference) return child;
    if (CATModelNode* found = FindInstanceBelow(child, reference, entered)) return found;
  }
  return nullptr;
}

class Product : public CATAdapterOf<CATIProduct, CATModelNode> {
 public:
  using CATAdapterOf::CATAdapterOf;

  CATListValCATBaseUnknown_var* GetChildren(const char* interfaceName) override {
    if (const CATModelExplicitList* given = Object()->ExplicitList(CATTestList::kChildren)) {
      return CATModelNewListOf<CATBaseUnknown_var>(Object(), *given);
    }
    CATModelNode* content = ReferenceOf(Object());
    const IID* iid =
        interfaceName != nullptr ? CATModelFindInterface(interfaceName) : &IID_CATBaseUnknown;
    if (content == nullptr || iid == nullptr) return nullptr;
    CATListValCATBaseUnknown_var* children = nullptr;
    for (CATModelNode* child : content->Children()) {
      void* out = nullptr;
      if (FAILED(child->QueryInterface(*iid, &out))) continue;
      CATBaseUnknown* object = static_cast<CATBaseUnknown*>(out);
      if (children == nullptr) children = new CATListValCATBaseUnknown_var();
      children->Append(object);
      object->Release();
    }
    return children;
  }
  HRESULT IsReference() override { return DataOf(Object()).reference.IsSet() ? E_FAIL : S_OK; }
  CATIProduct_var GetReferenceProduct() override { return ReferenceOf(Object()); }
  CATUnicodeString GetPartNumber() override {
    CATModelNode* reference = ReferenceOf(Object());
    return reference != nullptr ? DataOf(reference).part_number : CATUnicodeString();
  }
  CATIProduct_var FindInstance(const CATIProduct_var& rootProduct) override {
    CATModelNode* reference = ReferenceOf(Object());
    CATModelNode* root = CATModelObjectOf<CATModelNode>(rootProduct);
    if (reference == nullptr || root == nullptr) return CATIProduct_var();
    std::set<CATModelNode*> entered;
    return FindInstanceBelow(root, reference, entered);
  }
  CATIConnector_var FindConnector(const CATILinkableObject_var& object) override {
    const CATModelLink target = Object()->LinkTo(CATModelObjectOf<CATModelNode>(object));
    if (!target.IsSet()) return CATIConnector_var();
    for (CATModelConnector* connector : DataOf(Object()).connectors) {
      if (connector->target == target) return connector;
    }
    return CATIConnector_var();
  }
  CATIConnector_var AddConnector(const CATILinkableObject_var& object,
                                 const CATIConnector_var& context) override {
    const CATModelLink target = Object()->LinkTo(CATModelObjectOf<CATModelNode>(object));
    if (!!context || !target.IsSet()) return CATIConnector_var();
    return DataOf(Object()).ConnectorFor(Object(), target);
  }
};

class Publisher : public CATAdapterOf<CATIPrdObjectPublisher, CATModelNode> {
 public:
  using CATAdapterOf::CATAdapterOf;

  HRESULT GetPublication(const CATUnicodeString& name, CATBaseUnknown_var& object) override {
    object.Clear();
    const CATModelPublication* publication = Find(name);
    if (publication == nullptr) return E_FAIL;
    object = Object()->Follow(publication->connector->target);
    return S_OK;
  }
  HRESULT Unpublish(const CATUnicodeString& name) override {
    std::vector<CATModelPublication>& publications = DataOf(Object()).publications;
    for (auto it = publications.begin(); it != publications.end(); ++it) {
      if (it->name != name) continue;
      publications.erase(it);
      return S_OK;
    }
    return E_FAIL;
  }
  int ListPublications(CATListValCATUnicodeString& names) override {
    for (const CATModelPublication& publication : DataOf(Object()).publications) {
      names.Append(publication.name);
    }
    return static_cast<int>(DataOf(Object()).publications.size());
  }
  int Publish(const CATUnicodeString& name, const CATIConnector_var& connector) override {
    CATModelConnector* own = CATModelObjectOf<CATModelConnector>(connector);
    if (DataOf(Object()).refuses_publications || name.GetLengthInChar() == 0 || own == nullptr ||
        own->product != Object() || Find(name) != nullptr) {
      return 0;
    }
    DataOf(Object()).publications.push_back(CATModelPublication{name, own});
    return 1;
  }

 private:
  const CATModelPublication* Find(const CATUnicodeString& name) const {
    for (const CATModelPublication& publication : DataOf(Object()).publications) {
      if (publication.name == name) return &publication;
    }
    return nullptr;
  }
};

class AttributesDescription : public CATAdapterOf<CATIAttributesDescription, CATModelNode> {
 public:
  using CATAdapterOf::CATAdapterOf;
  HRESULT FindAttribute(const CATUnicodeString& name, CATAttributeInfos& infos) override {
    if (name != kRepresentationAttribute) return E_FAIL;
    infos = CATAttributeInfos(name);
    return S_OK;
  }
};

class Instance : public CATAdapterOf<CATIInstance, CATModelNode> {
 public:
  using CATAdapterOf::CATAdapterOf;
  CATICkeInst* GetValue(const CATUnicodeString& name) override {
    const CATModelLink& reference = DataOf(Object()).reference;
    if (name != kRepresentationAttribute || reference.Document().GetLengthInChar() == 0) {
      return nullptr;
    }
    const CATICkeInst_var handle = CATCkeMakeTextValue(reference.Document());
    CATICkeInst* value = handle;
    if (value != nullptr) value->AddRef();  // the caller's, outliving the handle
    return value;
  }
};

class Connector : public CATAdapterOf<CATIConnector, CATModelConnector> {
 public:
  using CATAdapterOf::CATAdapterOf;
  CATILinkableObject_var GetLinkable() override {
    CATModelNode* product = Object()->product;
    return product != nullptr ? product->Follow(Object()->target) : nullptr;
  }
};

}  // namespace

CATBaseUnknown* CATMakeProductAdapter(CATBaseUnknown* node) {
  return CATNewAdapter<Product>(node);
}
CATBaseUnknown* CATMakePublisherAdapter(CATBaseUnknown* node) {
  return CATNewAdapter<Publisher>(node);
}
CATBaseUnknown* CATMakeAttributesDescriptionAdapter(CATBaseUnknown* node) {
  return CATNewAdapter<AttributesDescription>(node);
}
CATBaseUnknown* CATMakeInstanceAdapter(CATBaseUnknown* node) {
  return CATNewAdapter<Instance>(node);
}
CATBaseUnknown* CATMakeConnectorAdapter(CATBaseUnknown* connector) {
  return CATNewAdapter<Connector>(connector);
}
