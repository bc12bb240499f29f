// The catalog's kinds of model objects, their fields in document files and
// their interfaces, registered into the model when the stand-in is loaded.
#include "CATCatalogKinds.h"

#include "CATCatalogAdapters.h"
#include "CATCatalogChapterData.h"
#include "CATCatalogDescriptionData.h"
#include "CATCatalogFileFields.h"
#include "CATIAlias.h"
#include "CATIContainer.h"
#include "CATModelAdapters.h"
#include "CATModelFileFields.h"
#include "CATModelInterfaces.h"

namespace {

CATCatalogKindIds RegisterCatalogKinds() {
  CATCatalogKindIds kinds;
  kinds.container = CATModelRegisterKind(
      "catalog container", "CATModelCatalogContainer", CATModelKindRole::kContainer,
      {{&IID_CATIContainer, &CATMakeContainerAdapter},
       {&IID_CATICatalogChapterFactory, &CATMakeCatalogChapterFactoryAdapter}});
  kinds.chapter = CATModelRegisterKind("chapter", "CATModelChapter", CATModelKindRole::kObject,
                                       {{&IID_CATICatalogChapter, &CATMakeCatalogChapterAdapter},
                                        {&IID_CATICatalogQuery, &CATMakeCatalogQueryAdapter},
                                        {&IID_CATIAlias, &CATMakeAliasAdapter}},
                                       &CATModelMakeData<CATCatalogChapterData>);
  kinds.description =
      CATModelRegisterKind("description", "CATModelDescription", CATModelKindRole::kObject,
                           {{&IID_CATICatalogDescription, &CATMakeCatalogDescriptionAdapter},
                            {&IID_CATIAlias, &CATMakeAliasAdapter}},
                           &CATModelMakeData<CATCatalogDescriptionData>);
  kinds.keyword = CATModelRegisterKind("keyword", "CATModelKeyword", CATModelKindRole::kObject,
                                       {{&IID_CATICatalogKeyword, &CATMakeCatalogKeywordAdapter}});

  const unsigned descriptions = CATModelKindBit(kinds.description);
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
  return kinds;
}

const CATModelRegistration kCatalogKinds([] { CATCatalogKind(); });

}  // namespace

const CATCatalogKindIds& CATCatalogKind() {
  static const CATCatalogKindIds kinds = RegisterCatalogKinds();
  return kinds;
}
