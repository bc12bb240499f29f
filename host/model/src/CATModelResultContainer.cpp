// The container of a part document's geometric results: the document's
// geometry factory, reached through CATIContainerOfDocument.
#include "CATAdapter.h"
#include "CATGeoFactory.h"
#include "CATGeoObjects.h"
#include "CATIContainerOfDocument.h"
#include "CATModelAdapters.h"
#include "CATModelDocument.h"

namespace {

class GeometryContainer;

class GeoFactory : public CATAdapterOf<CATGeoFactory, GeometryContainer> {
 public:
  using CATAdapterOf::CATAdapterOf;
  CATBody* CreateBody(const CATBodyDescription& body) override { return CATGeoNewBody(body); }
};

const CATInterfaceEntry kResultContainer[] = {{&IID_CATGeoFactory, &CATNewAdapter<GeoFactory>}};

class GeometryContainer : public CATComponent {
 public:
  GeometryContainer() : CATComponent(kResultContainer) {}
  const char* IsA() const override { return "CATModelResultContainer"; }
};

class ContainerOfDocument : public CATAdapterOf<CATIContainerOfDocument, CATModelDocument> {
 public:
  using CATAdapterOf::CATAdapterOf;
  HRESULT GetResultContainer(CATBaseUnknown*& container) override {
    container = Object()->ResultContainer();
    container->AddRef();
    return S_OK;
  }
};

}  // namespace

CATBaseUnknown* CATModelDocument::ResultContainer() {
  if (result_container_ == nullptr) result_container_ = new GeometryContainer();
  return result_container_;
}

CATBaseUnknown* CATMakeContainerOfDocumentAdapter(CATBaseUnknown* document) {
  return CATNewAdapter<ContainerOfDocument>(document);
}
