#ifndef CATModelAdapters_h
#define CATModelAdapters_h

// The makers of the adapters through which the model's objects offer their
// interfaces (CATComponent.h, CATAdapter.h). Each makes one adapter for a
// CATModelNode, or for the key, connector or document named, and forwards
// every call to it. The kinds table (CATModelKinds.cpp) and the document
// types table (CATModelDocument.cpp) list them; modules that register kinds
// of their own reuse them.

#include "CATBaseUnknown.h"

// Features (CATModelFeatureAdapters.cpp).
CATBaseUnknown* CATMakeSpecObjectAdapter(CATBaseUnknown* node);
CATBaseUnknown* CATMakeAliasAdapter(CATBaseUnknown* node);
CATBaseUnknown* CATMakeDescendantsAdapter(CATBaseUnknown* node);
CATBaseUnknown* CATMakeMechanicalFeatureAdapter(CATBaseUnknown* node);
CATBaseUnknown* CATMakeSpecUpdateAdapter(CATBaseUnknown* node);
CATBaseUnknown* CATMakeSpecAttrAccessAdapter(CATBaseUnknown* node);
CATBaseUnknown* CATMakeLinkableObjectAdapter(CATBaseUnknown* node);
CATBaseUnknown* CATMakeParameterAdapter(CATBaseUnknown* node);
CATBaseUnknown* CATMakeAttrKeyAdapter(CATBaseUnknown* key);

// Parts and containers (CATModelPartAdapters.cpp).
CATBaseUnknown* CATMakeContainerAdapter(CATBaseUnknown* node);
CATBaseUnknown* CATMakePrtContainerAdapter(CATBaseUnknown* node);
CATBaseUnknown* CATMakePrtPartAdapter(CATBaseUnknown* node);
CATBaseUnknown* CATMakeRedrawEventAdapter(CATBaseUnknown* node);

// Products (CATModelProductAdapters.cpp).
CATBaseUnknown* CATMakeProductAdapter(CATBaseUnknown* node);
CATBaseUnknown* CATMakePublisherAdapter(CATBaseUnknown* node);
CATBaseUnknown* CATMakeAttributesDescriptionAdapter(CATBaseUnknown* node);
CATBaseUnknown* CATMakeInstanceAdapter(CATBaseUnknown* node);
CATBaseUnknown* CATMakeConnectorAdapter(CATBaseUnknown* connector);

// Geometry (CATModelGeometryAdapters.cpp, CATModelResultContainer.cpp).
CATBaseUnknown* CATMakeGeometricalElementAdapter(CATBaseUnknown* node);
CATBaseUnknown* CATMake3DGeoVisuAdapter(CATBaseUnknown* node);
CATBaseUnknown* CATMakeBodyRequestAdapter(CATBaseUnknown* node);
CATBaseUnknown* CATMakePartRequestAdapter(CATBaseUnknown* node);
CATBaseUnknown* CATMakeMovableAdapter(CATBaseUnknown* node);
CATBaseUnknown* CATMakeContainerOfDocumentAdapter(CATBaseUnknown* document);

// Documents (CATModelDocument.cpp).
CATBaseUnknown* CATMakeInitAdapter(CATBaseUnknown* document);

#endif  // CATModelAdapters_h
