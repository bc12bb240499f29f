// The catalog's kinds of model objects, their fields in document files and
// their interfaces, registered into the model when the stand-in is loaded.
#include "CATCatalogAdapters.h"
#include "CATCatalogChapterData.h"
#include "CATCatalogDescriptionData.h"
#include "CATCatalogFileFields.h"
#include "CATIAlias.h"
#include "CATIContainer.h"
#include "CATModelAdapters.h"
#include "CATModelInterfaces.h"
#include "CATModelKinds.h"

namespace {

void RegisterCatalogKinds() {
  CATModelRegisterKind(CATModelKind::kCatalogContainer, "catalog container",
                       "CATModelCatalogContainer",
                       {{&IID_CATIContainer, &CATMakeContainerAdapter},
                        {&IID_CATICatalogChapterFactory, &CATMakeCatalogChapterFactoryAdapter}});
  CATModelRegisterKind(CATModelKind::kChapter, "chapter", "CATModelChapter",
                       {{&IID_CATICatalogChapter, &CATMakeCatalogChapterAdapter},
                        {&IID_CATICatalogQuery, &CATMakeCatalogQueryAdapter},
                        {&IID_CATIAlias, &CATMakeAliasAdapter}},
                       &CATModelMakeData<CATCatalogChapterData>);
  CATModelRegisterKind(CATModelKind::kDescription, "description", "CATModelDescription",
                       {{&IID_CATICatalogDescription, &CATMakeCatalogDescriptionAdapter},
                        {&IID_CATIAlias, &CATMakeAliasAdapter}},
                       &CATModelMakeData<CATCatalogDescriptionData>);
  CATModelRegisterKind(CATModelKind::kKeyword, "keyword", "CATModelKeyword",
                       {{&IID_CATICatalogKeyword, &CATMakeCatalogKeywordAdapter}});

  const unsigned descriptions = CATModelKindBit(CATModelKind::kDescription);
  CATModelRegisterFileField(
      {"reference", descriptions, &CATCatalogReadReference, &CATCatalogWriteReference},
      "reference");
  CATModelRegisterFileField({"descriptionKind", descriptions, &CATCatalogReadDescriptionKind,
                             &CATCatalogWriteDescriptionKind},
                            "reference");
  CATModelRegisterFileField({"values", descriptions, &CATCatalogReadValues, &CATCatalogWriteValues},
                            "descriptionKind");

  CATModelRegisterInterfaces<CATICatalogChapterFactory, CATICatalogChapter, CATICatalogQuery,
                             CATICatalogDescription, CATICatalogKeyword>();
}

const CATModelRegistration kCatalogKinds(&RegisterCatalogKinds);

}  // namespace
