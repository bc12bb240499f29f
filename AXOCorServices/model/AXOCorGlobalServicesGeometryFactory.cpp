// The geometry factory of an object's document.
#include "AXOCorGlobalServices.h"
#include "CATDocument.h"
#include "CATGeoFactory.h"
#include "CATIContainerOfDocument.h"
#include "CATILinkableObject.h"

HRESULT AXOCorGlobalServices::GetGeometryFactory(CATBaseUnknown* object,
                                                 CATGeoFactory_var& factory) {
  factory.Clear();
  if (object == nullptr) return E_FAIL;
  CATILinkableObject* linkable = nullptr;
  HRESULT result =
      object->QueryInterface(IID_CATILinkableObject, reinterpret_cast<void**>(&linkable));
  if (FAILED(result)) return result;
  if (CATDocument* document = linkable->GetDocument()) {
    CATIContainerOfDocument* containers = nullptr;
    result = document->QueryInterface(IID_CATIContainerOfDocument,
                                      reinterpret_cast<void**>(&containers));
    if (SUCCEEDED(result)) {
      CATBaseUnknown* container = nullptr;
      result = containers->GetResultContainer(container);
      if (SUCCEEDED(result) && container != nullptr) {
        factory = container;
        container->Release();
      }
      containers->Release();
    }
  }
  linkable->Release();
  return !factory ? E_FAIL : result;
}
