// The kinds of the model's objects and the interfaces each starts with.
#include "CATModelKinds.h"

#include <stdexcept>

#include "CATCkeParmAdapter.h"
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
#include "CATModelProductData.h"

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
const CATInterfaceEntry kLogical[] = {CAT_FEATURE_INTERFACES};
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
    {&IID_CATIMovable, &CATMakeMovableAdapter}};
const CATInterfaceEntry kParameter[] = {{&IID_CATISpecObject, &CATMakeSpecObjectAdapter},
                                        {&IID_CATIAlias, &CATMakeAliasAdapter},
                                        {&IID_CATISpecUpdate, &CATMakeSpecUpdateAdapter},
                                        {&IID_CATILinkableObject, &CATMakeLinkableObjectAdapter},
                                        {&IID_CATICkeParm, &CATMakeParameterAdapter}};
// A body is a geometrical element too, so that a body below another is one
// of its results.
const CATInterfaceEntry kBody[] = {CAT_FEATURE_INTERFACES,
                                   CAT_GEOMETRY_INTERFACES,
                                   {&IID_CATIBodyRequest, &CATMakeBodyRequestAdapter}};

#undef CAT_GEOMETRY_INTERFACES
#undef CAT_FEATURE_INTERFACES

struct KindRow {
  CATModelKind kind;
  const char* fileName;
  const char* className;
  const CATInterfaceEntry* begin;
  const CATInterfaceEntry* end;
  std::unique_ptr<CATModelKindData> (*makeData)();
};

using Shown = CATModelPlainData<CATGeoShownData>;
using Parameter = CATModelPlainData<CATCkeParmState>;

const KindRow kKinds[] = {
    {CATModelKind::kContainer, "container", "CATModelContainer", std::begin(kContainer),
     std::end(kContainer), nullptr},
    {CATModelKind::kPartContainer, "part container", "CATModelPartContainer",
     std::begin(kPartContainer), std::end(kPartContainer), nullptr},
    {CATModelKind::kFeature, "feature", "CATModelFeature", std::begin(kFeature), std::end(kFeature),
     &CATModelMakeData<Shown>},
    {CATModelKind::kPart, "part", "CATModelPart", std::begin(kPart), std::end(kPart),
     &CATModelMakeData<CATModelPartData>},
    {CATModelKind::kLogical, "logical", "CATModelLogical", std::begin(kLogical), std::end(kLogical),
     nullptr},
    {CATModelKind::kProduct, "product", "CATModelProduct", std::begin(kProduct), std::end(kProduct),
     &CATModelMakeData<CATModelProductData>},
    {CATModelKind::kParameter, "parameter", "CATModelParameter", std::begin(kParameter),
     std::end(kParameter), &CATModelMakeData<Parameter>},
    {CATModelKind::kBody, "body", "CATModelBody", std::begin(kBody), std::end(kBody),
     &CATModelMakeData<Shown>},
};

// The model's rows, then the registered ones.
std::vector<CATModelKindInfo>& Kinds() {
  static std::vector<CATModelKindInfo> kinds = [] {
    std::vector<CATModelKindInfo> rows;
    for (const KindRow& row : kKinds) {
      rows.push_back({row.kind, row.fileName, row.className, {row.begin, row.end}, row.makeData});
    }
    return rows;
  }();
  return kinds;
}

CATModelKindInfo* Find(CATModelKind kind) {
  for (CATModelKindInfo& info : Kinds()) {
    if (info.kind == kind) return &info;
  }
  return nullptr;
}

[[noreturn]] void Unregistered(CATModelKind kind) {
  throw std::logic_error("no module registered the model's kind " +
                         std::to_string(static_cast<int>(kind)));
}

}  // namespace

const CATModelKindInfo& CATModelKindInfoOf(CATModelKind kind) {
  const CATModelKindInfo* info = Find(kind);
  if (info == nullptr) Unregistered(kind);
  return *info;
}

const CATModelKindInfo* CATModelFindKind(const std::string& fileName) {
  for (const CATModelKindInfo& info : Kinds()) {
    if (fileName == info.fileName) return &info;
  }
  return nullptr;
}

std::string CATModelKnownKinds() {
  std::string known;
  for (const CATModelKindInfo& info : Kinds()) {
    known += std::string(known.empty() ? "'" : ", '") + info.fileName + "'";
  }
  return known;
}

void CATModelRegisterKind(CATModelKind kind, const char* fileName, const char* className,
                          std::initializer_list<CATInterfaceEntry> interfaces,
                          std::unique_ptr<CATModelKindData> (*makeData)()) {
  if (Find(kind) != nullptr || CATModelFindKind(fileName) != nullptr) {
    throw std::logic_error(std::string("the model's kind '") + fileName + "' is registered twice");
  }
  Kinds().push_back({kind, fileName, className, interfaces, makeData});
}

void CATModelAddKindInterface(CATModelKind kind, const CATInterfaceEntry& entry) {
  CATModelKindInfo* info = Find(kind);
  if (info == nullptr) Unregistered(kind);
  info->interfaces.push_back(entry);
}
