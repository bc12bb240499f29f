// The catalog interfaces of the model's catalog objects: the chapter
// factory of a catalog container, chapters with their queries,
// descriptions and keywords.
#include "CATCatalogAdapters.h"

#include "CATAdapter.h"
#include "CATAdopt.h"
#include "CATCatalogChapterData.h"
#include "CATCatalogDescriptionData.h"
#include "CATCatalogKinds.h"
#include "CATCatalogQueryText.h"
#include "CATComponent.h"
#include "CATICatalogQueryResult.h"
#include "CATModelExplicitLists.h"
#include "CATModelNode.h"

namespace {

// The children of `node` of `kind`, each as a handle of I (null for one
// that lacks I); null when `node` is in no document.
template <class I>
CATListVal<CATHandle<I>>* ListChildren(CATModelNode* node, CATModelKind kind) {
  if (node->Document() == nullptr) return nullptr;
  CATListVal<CATHandle<I>>* list = new CATListVal<CATHandle<I>>();
  for (CATModelNode* child : node->Children()) {
    if (child->Kind() == kind) list->Append(CATHandle<I>(child));
  }
  return list;
}

class ChapterFactory : public CATAdapterOf<CATICatalogChapterFactory, CATModelNode> {
 public:
  using CATAdapterOf::CATAdapterOf;
  CATICatalogChapter* GetRootChapter() override {
    for (CATModelNode* node : Object()->Children()) {
      if (node->Kind() == CATCatalogKind().chapter) {
        return CATNewReference<CATICatalogChapter>(node);
      }
    }
    return nullptr;
  }
};

class Chapter : public CATAdapterOf<CATICatalogChapter, CATModelNode> {
 public:
  using CATAdapterOf::CATAdapterOf;
  CATListValCATICatalogDescription_var* ListDescriptions() override {
    const CATModelExplicitList* given = Object()->ExplicitList(CATTestList::kDescriptions);
    if (given != nullptr) return CATModelNewListOf<CATICatalogDescription_var>(Object(), *given);
    return ListChildren<CATICatalogDescription>(Object(), CATCatalogKind().description);
  }
  CATListValCATICatalogKeyword_var* ListKeywords() override {
    return ListChildren<CATICatalogKeyword>(Object(), CATCatalogKind().keyword);
  }
};

// ---- Queries ----------------------------------------------------------------------

class CATCatalogResult;

class QueryResult : public CATAdapterOf<CATICatalogQueryResult, CATCatalogResult> {
 public:
  using CATAdapterOf::CATAdapterOf;
  int CountHits() override;
  CATListValCATICatalogDescription_var* ListDescriptions() override;
};

const CATInterfaceEntry kResultInterfaces[] = {
    {&IID_CATICatalogQueryResult, &CATNewAdapter<QueryResult>}};

class CATCatalogResult : public CATComponent {
 public:
  CATCatalogResult() : CATComponent(kResultInterfaces) {}
  const char* IsA() const override { return "CATCatalogQueryResult"; }
  CATListValCATICatalogDescription_var hits;
};

int QueryResult::CountHits() {
  return Object()->hits.Size();
}
CATListValCATICatalogDescription_var* QueryResult::ListDescriptions() {
  return new CATListValCATICatalogDescription_var(Object()->hits);
}

class Query : public CATAdapterOf<CATICatalogQuery, CATModelNode> {
 public:
  using CATAdapterOf::CATAdapterOf;
  CATICatalogQueryResult* RunQuery(const CATUnicodeString& query, int maxHits) override {
    Object()->Data<CATCatalogChapterData>().NoteQuery(query);
    CATCatalogQueryTerm term;
    if (Object()->Document() == nullptr || !CATCatalogParseQuery(query, term)) return nullptr;
    CATCatalogResult* result = new CATCatalogResult();
    for (CATModelNode* child : Object()->Children()) {
      if (maxHits > 0 && result->hits.Size() >= maxHits) break;
      if (child->Kind() != CATCatalogKind().description) continue;
      const auto& values = child->Data<CATCatalogDescriptionData>().values;
      const auto value = values.find(term.keyword);
      if (value != values.end() && value->second == term.value) {
        result->hits.Append(CATICatalogDescription_var(child));
      }
    }
    return CATAdoptAs<CATICatalogQueryResult>(result);
  }
};

// ---- Descriptions and keywords ----------------------------------------------------

class Description : public CATAdapterOf<CATICatalogDescription, CATModelNode> {
 public:
  using CATAdapterOf::CATAdapterOf;
  CATCatalogDescriptionKind GetDescriptionKind() override { return Data().kind; }
  CATICatalogChapter* GetReferencedChapter() override {
    if (Data().kind != CATCatalogChapterKind) return nullptr;
    return CATNewReference<CATICatalogChapter>(Object()->Follow(Data().reference));
  }
  CATICatalogChapter* GetFatherChapter() override {
    return Object()->Document() != nullptr ? CATNewReference<CATICatalogChapter>(Object()->Holder())
                                           : nullptr;
  }
  HRESULT GetValue(const CATUnicodeString& keyword, CATUnicodeString& value) override {
    const auto& values = Data().values;
    const auto found = values.find(keyword);
    value = found != values.end() ? found->second : CATUnicodeString();
    return found != values.end() ? S_OK : E_FAIL;
  }

 private:
  CATCatalogDescriptionData& Data() const { return Object()->Data<CATCatalogDescriptionData>(); }
};

class Keyword : public CATAdapterOf<CATICatalogKeyword, CATModelNode> {
 public:
  using CATAdapterOf::CATAdapterOf;
  CATUnicodeString GetKeywordName() override { return Object()->name; }
};

}  // namespace

CATBaseUnknown* CATMakeCatalogChapterFactoryAdapter(CATBaseUnknown* container) {
  return CATNewAdapter<ChapterFactory>(container);
}
CATBaseUnknown* CATMakeCatalogChapterAdapter(CATBaseUnknown* chapter) {
  return CATNewAdapter<Chapter>(chapter);
}
CATBaseUnknown* CATMakeCatalogQueryAdapter(CATBaseUnknown* chapter) {
  return CATNewAdapter<Query>(chapter);
}
CATBaseUnknown* CATMakeCatalogDescriptionAdapter(CATBaseUnknown* description) {
  return CATNewAdapter<Description>(description);
}
CATBaseUnknown* CATMakeCatalogKeywordAdapter(CATBaseUnknown* keyword) {
  return CATNewAdapter<Keyword>(keyword);
}
