// The kinds of the model's objects and the interfaces each starts with.
#include "CATModelKinds.h"

#include "AXOIAttLogical.h"
#include "AXOICorProductSearch.h"
#include "CATCatalogAdapters.h"
#include "CATI3DGeoVisu.h"
#include "CATIAlias.h"
#include "CATIAttributesDescription.h"
#include "CATIBodyRequest.h"
#include "CATICkeParm.h"
#include "CATIContainer.h"
#include "CATIDescendants.h"
#include "CATIGeometricalElement.h"
#include "CATIInstance.h"
#include "CATILinkableObject.h"
#include "CATIMechanicalFeature.h"
#include "CATIMovable.h"
#include "CATIPartRequest.h"
#include "CATIPrdObjectPublisher.h"
#include "CATIProduct.h"
#include "CATIPrtContainer.h"
#include "CATIPrtPart.h"
#include "CATIRedrawEvent.h"
#include "CATISpecAttrAccess.h"
#include "CATISpecObject.h"
#include "CATISpecUpdate.h"
#include "CATModelAdapters.h"

namespace {

#define CAT_FEATURE_INTERFACES                                                              \
  {&IID_CATISpecObject, &CATMakeSpecObjectAdapter}, {&IID_CATIAlias, &CATMakeAliasAdapter}, \
      {&IID_CATIDescendants, &CATMakeDescendantsAdapter},                                   \
      {&IID_CATIMechanicalFeature, &CATMakeMechanicalFeatureAdapter},                       \
      {&IID_CATISpecUpdate, &CATMakeSpecUpdateAdapter},                                     \
      {&IID_CATISpecAttrAccess, &CATMakeSpecAttrAccessAdapter}, {                           \
    &IID_CATILinkableObject, &CATMakeLinkableObjectAdapter                                  \
  }

// Geometry: the result body and the representation.
#define CAT_GEOMETRY_INTERFACES                                       \
  {&IID_CATIGeometricalElement, &CATMakeGeometricalElementAdapter}, { \
    &IID_CATI3DGeoVisu, &CATMake3DGeoVisuAdapter                      \
  }

const CATInterfaceEntry kContainer[] = {{&IID_CATIContainer, &CATMakeContainerAdapter}};
const CATInterfaceEntry kPartContainer[] = {{&IID_CATIContainer, &CATMakeContainerAdapter},
                                            {&IID_CATIPrtContainer, &CATMakePrtContainerAdapter}};
const CATInterfaceEntry kFeature[] = {CAT_FEATURE_INTERFACES, CAT_GEOMETRY_INTERFACES};
const CATInterfaceEntry kPart[] = {CAT_FEATURE_INTERFACES,
                                   {&IID_CATIPrtPart, &CATMakePrtPartAdapter},
                                   {&IID_CATIRedrawEvent, &CATMakeRedrawEventAdapter},
                                   {&IID_CATIPartRequest, &CATMakePartRequestAdapter},
                                   {&IID_CATI3DGeoVisu, &CATMake3DGeoVisuAdapter}};
const CATInterfaceEntry kLogical[] = {CAT_FEATURE_INTERFACES,
                                      {&IID_AXOIAttLogical, &CATMakeAttLogicalAdapter}};
// Products are no mechanical features and list their children through
// CATIProduct, not CATIDescendants.
const CATInterfaceEntry kProduct[] = {
    {&IID_CATISpecObject, &CATMakeSpecObjectAdapter},
    {&IID_CATIAlias, &CATMakeAliasAdapter},
    {&IID_CATISpecUpdate, &CATMakeSpecUpdateAdapter},
    {&IID_CATISpecAttrAccess, &CATMakeSpecAttrAccessAdapter},
    {&IID_CATILinkableObject, &CATMakeLinkableObjectAdapter},
    {&IID_CATIProduct, &CATMakeProductAdapter},
    {&IID_CATIPrdObjectPublisher, &CATMakePublisherAdapter},
    {&IID_CATIAttributesDescription, &CATMakeAttributesDescriptionAdapter},
    {&IID_CATIInstance, &CATMakeInstanceAdapter},
    {&IID_CATIMovable, &CATMakeMovableAdapter},
    {&IID_AXOICorProductSearch, &CATMakeProductSearchAdapter}};
const CATInterfaceEntry kParameter[] = {{&IID_CATISpecObject, &CATMakeSpecObjectAdapter},
                                        {&IID_CATIAlias, &CATMakeAliasAdapter},
                                        {&IID_CATISpecUpdate, &CATMakeSpecUpdateAdapter},
                                        {&IID_CATILinkableObject, &CATMakeLinkableObjectAdapter},
                                        {&IID_CATICkeParm, &CATMakeParameterAdapter}};
const CATInterfaceEntry kCatalogContainer[] = {
    {&IID_CATIContainer, &CATMakeContainerAdapter},
    {&IID_CATICatalogChapterFactory, &CATMakeCatalogChapterFactoryAdapter}};
const CATInterfaceEntry kChapter[] = {{&IID_CATICatalogChapter, &CATMakeCatalogChapterAdapter},
                                      {&IID_CATICatalogQuery, &CATMakeCatalogQueryAdapter},
                                      {&IID_CATIAlias, &CATMakeAliasAdapter}};
const CATInterfaceEntry kDescription[] = {
    {&IID_CATICatalogDescription, &CATMakeCatalogDescriptionAdapter},
    {&IID_CATIAlias, &CATMakeAliasAdapter}};
const CATInterfaceEntry kKeyword[] = {{&IID_CATICatalogKeyword, &CATMakeCatalogKeywordAdapter}};

// A body is a geometrical element too, so that a body below another is one
// of its results.
const CATInterfaceEntry kBody[] = {CAT_FEATURE_INTERFACES,
                                   CAT_GEOMETRY_INTERFACES,
                                   {&IID_CATIBodyRequest, &CATMakeBodyRequestAdapter}};

#undef CAT_GEOMETRY_INTERFACES
#undef CAT_FEATURE_INTERFACES

template <int N>
constexpr int Count(const CATInterfaceEntry (&)[N]) {
  return N;
}

const CATModelKindInfo kKinds[] = {
    {CATModelKind::kContainer, "container", "CATModelContainer", kContainer, Count(kContainer)},
    {CATModelKind::kPartContainer, "part container", "CATModelPartContainer", kPartContainer,
     Count(kPartContainer)},
    {CATModelKind::kFeature, "feature", "CATModelFeature", kFeature, Count(kFeature)},
    {CATModelKind::kPart, "part", "CATModelPart", kPart, Count(kPart)},
    {CATModelKind::kLogical, "logical", "CATModelLogical", kLogical, Count(kLogical)},
    {CATModelKind::kProduct, "product", "CATModelProduct", kProduct, Count(kProduct)},
    {CATModelKind::kParameter, "parameter", "CATModelParameter", kParameter, Count(kParameter)},
    {CATModelKind::kCatalogContainer, "catalog container", "CATModelCatalogContainer",
     kCatalogContainer, Count(kCatalogContainer)},
    {CATModelKind::kChapter, "chapter", "CATModelChapter", kChapter, Count(kChapter)},
    {CATModelKind::kDescription, "description", "CATModelDescription", kDescription,
     Count(kDescription)},
    {CATModelKind::kKeyword, "keyword", "CATModelKeyword", kKeyword, Count(kKeyword)},
    {CATModelKind::kBody, "body", "CATModelBody", kBody, Count(kBody)},
};

}  // namespace

const CATModelKindInfo& CATModelKindInfoOf(CATModelKind kind) {
  for (const CATModelKindInfo& info : kKinds) {
    if (info.kind == kind) return info;
  }
  return kKinds[0];
}

const CATModelKindInfo* CATModelFindKind(const std::string& fileName) {
  for (const CATModelKindInfo& info : kKinds) {
    if (fileName == info.fileName) return &info;
  }
  return nullptr;
}
