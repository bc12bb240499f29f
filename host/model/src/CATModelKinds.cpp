// The kinds of the model's objects and the interfaces each starts with.
#include "CATModelKinds.h"

#include <cstddef>
#include <iterator>
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
  CATModelKindRole role;
  const CATInterfaceEntry* begin;
  const CATInterfaceEntry* end;
  std::unique_ptr<CATModelKindData> (*makeData)();
};

using Shown = CATModelPlainData<CATGeoShownData>;
using Parameter = CATModelPlainData<CATCkeParmState>;

// The roles by where their objects lie: at the top of a document, or below.
constexpr CATModelKindRole kTop = CATModelKindRole::kContainer;
constexpr CATModelKindRole kObject = CATModelKindRole::kObject;

// In the order of CATModelKind: a kind's identifier is its row's index.
constexpr KindRow kKinds[] = {
    {CATModelKind::kContainer, "container", "CATModelContainer", kTop, std::begin(kContainer),
     std::end(kContainer), nullptr},
    {CATModelKind::kPartContainer, "part container", "CATModelPartContainer", kTop,
     std::begin(kPartContainer), std::end(kPartContainer), nullptr},
    {CATModelKind::kFeature, "feature", "CATModelFeature", kObject, std::begin(kFeature),
     std::end(kFeature), &CATModelMakeData<Shown>},
    {CATModelKind::kPart, "part", "CATModelPart", kObject, std::begin(kPart), std::end(kPart),
     &CATModelMakeData<CATModelPartData>},
    {CATModelKind::kLogical, "logical", "CATModelLogical", kObject, std::begin(kLogical),
     std::end(kLogical), nullptr},
    {CATModelKind::kProduct, "product", "CATModelProduct", kObject, std::begin(kProduct),
     std::end(kProduct), &CATModelMakeData<CATModelProductData>},
    {CATModelKind::kParameter, "parameter", "CATModelParameter", kObject, std::begin(kParameter),
     std::end(kParameter), &CATModelMakeData<Parameter>},
    {CATModelKind::kBody, "body", "CATModelBody", kObject, std::begin(kBody), std::end(kBody),
     &CATModelMakeData<Shown>},
};

constexpr bool InKindOrder() {
  for (std::size_t i = 0; i < std::size(kKinds); ++i) {
    if (static_cast<std::size_t>(kKinds[i].kind) != i) return false;
  }
  return true;
}
static_assert(InKindOrder(), "the rows of kKinds are in the order of CATModelKind");

// The model's rows, then the registered ones.
std::vector<CATModelKindInfo>& Kinds() {
  static std::vector<CATModelKindInfo> kinds = [] {
    std::vector<CATModelKindInfo> rows;
    for (const KindRow& row : kKinds) {
      rows.push_back(
          {row.kind, row.fileName, row.className, row.role, {row.begin, row.end}, row.makeData});
    }
    return rows;
  }();
  return kinds;
}

CATModelKindInfo* Find(CATModelKind kind) {
  const auto index = static_cast<std::size_t>(kind);
  return index < Kinds().size() ? &Kinds()[index] : nullptr;
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

unsigned CATModelKindCount() {
  return static_cast<unsigned>(Kinds().size());
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

CATModelKind CATModelRegisterKind(const char* fileName, const char* className,
                                  CATModelKindRole role,
                                  std::initializer_list<CATInterfaceEntry> interfaces,
                                  std::unique_ptr<CATModelKindData> (*makeData)()) {
  if (CATModelFindKind(fileName) != nullptr) {
    throw std::logic_error(std::string("the model's kind '") + fileName + "' is registered twice");
  }
  if (Kinds().size() == kCATModelMaxKinds) {
    throw std::logic_error(std::string("the model's kind '") + fileName + "' is one too many");
  }
  const auto kind = static_cast<CATModelKind>(Kinds().size());
  Kinds().push_back({kind, fileName, className, role, interfaces, makeData});
  return kind;
}

void CATModelAddKindInterface(CATModelKind kind, const CATInterfaceEntry& entry) {
  CATModelKindInfo* info = Find(kind);
  if (info == nullptr) Unregistered(kind);
  info->interfaces.push_back(entry);
}
