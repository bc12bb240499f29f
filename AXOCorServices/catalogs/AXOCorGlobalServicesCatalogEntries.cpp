// Catalog entries: a query run on a chapter and its sub-chapters, and the
// entry of a catalog document by name.
#include <memory>
#include <set>
#include <vector>

#include "AXOCorGlobalServices.h"
#include "CATDocument.h"
#include "CATDocumentServices.h"
#include "CATICatalogChapter.h"
#include "CATICatalogChapterFactory.h"
#include "CATICatalogQuery.h"
#include "CATInit.h"

namespace {

// Releases a counted pointer handed over by a host query.
struct Releaser {
  void operator()(CATBaseUnknown* object) const { object->Release(); }
};
template <class I>
using Counted = std::unique_ptr<I, Releaser>;

// The search of one query through a chapter tree. Depth first as a
// recursion would go, but on a stack of its own, so that a deep chain of
// chapters cannot exhaust the thread's stack.
class ChapterSearch {
 public:
  explicit ChapterSearch(const CATUnicodeString& query) : query_(query) {}

  // The first hit (S_OK) or E_FAIL.
  HRESULT Run(const CATICatalogChapter_var& root, CATICatalogDescription_var& description) {
    if (Visit(root, description)) return !description ? E_FAIL : S_OK;
    while (!pending_.empty()) {
      Level& level = pending_.back();
      if (level.next > level.descriptions->Size()) {
        pending_.pop_back();
        continue;
      }
      const CATICatalogDescription_var entry = (*level.descriptions)[level.next++];
      if (!entry || entry->GetDescriptionKind() != CATCatalogChapterKind) continue;
      const Counted<CATICatalogChapter> sub(entry->GetReferencedChapter());
      if (sub != nullptr && Visit(sub.get(), description) && !!description) return S_OK;
    }
    return E_FAIL;
  }

 private:
  // A chapter's descriptions, walked from position `next`.
  struct Level {
    std::unique_ptr<CATListValCATICatalogDescription_var> descriptions;
    int next;
  };

  // Queries `chapter`. True when it had hits: `description` is then its
  // first non-null hit, or stays null, and its sub-chapters are not
  // searched. Otherwise its descriptions are queued for the descent.
  bool Visit(const CATICatalogChapter_var& chapter, CATICatalogDescription_var& description) {
    if (!seen_.insert(static_cast<CATBaseUnknown*>(CATBaseUnknown_var(chapter))).second) {
      return false;
    }
    kept_.push_back(chapter);
    CATICatalogQuery* query_side = nullptr;
    if (FAILED(
            chapter->QueryInterface(IID_CATICatalogQuery, reinterpret_cast<void**>(&query_side))) ||
        query_side == nullptr) {
      return false;
    }
    const Counted<CATICatalogQueryResult> result(query_side->RunQuery(query_, 0));
    query_side->Release();
    if (result == nullptr) return false;
    if (result->CountHits() >= 1) {
      const std::unique_ptr<CATListValCATICatalogDescription_var> hits(result->ListDescriptions());
      for (int i = 1; hits != nullptr && i <= hits->Size() && !description; ++i) {
        description = (*hits)[i];
      }
      return true;
    }
    std::unique_ptr<CATListValCATICatalogDescription_var> descriptions(chapter->ListDescriptions());
    if (descriptions != nullptr) pending_.push_back(Level{std::move(descriptions), 1});
    return false;
  }

  const CATUnicodeString& query_;
  std::vector<Level> pending_;
  // The chapters met, by identity; `kept_` holds them so that no identity
  // is reused while the search runs.
  std::set<CATBaseUnknown*> seen_;
  std::vector<CATBaseUnknown_var> kept_;
};

// The root chapter of the catalog document `document`; null.
CATICatalogChapter_var RootChapterOf(CATDocument* document) {
  const CATInit_var init(document);
  if (!init) return CATICatalogChapter_var();
  const Counted<CATBaseUnknown> container(init->GetRootContainer("CATIContainer"));
  const CATICatalogChapterFactory_var factory(container.get());
  if (!factory) return CATICatalogChapter_var();
  const Counted<CATICatalogChapter> root(factory->GetRootChapter());
  return root.get();
}

bool HasNameKeyword(const CATICatalogChapter_var& chapter) {
  const std::unique_ptr<CATListValCATICatalogKeyword_var> keywords(chapter->ListKeywords());
  for (int i = 1; keywords != nullptr && i <= keywords->Size(); ++i) {
    const CATICatalogKeyword_var& keyword = (*keywords)[i];
    if (!!keyword && keyword->GetKeywordName().Compare("Name") == 2) return true;
  }
  return false;
}

}  // namespace

HRESULT AXOCorGlobalServices::QueryForDescriptionInCatalog(
    const CATICatalogChapter_var& chapter, const CATUnicodeString& query,
    CATICatalogDescription_var& description) {
  description = CATICatalogDescription_var();
  if (!chapter || query.GetLengthInChar() == 0) return E_INVALIDARG;
  return ChapterSearch(query).Run(chapter, description);
}

HRESULT AXOCorGlobalServices::FindDescriptionInCatalog(CATDocument* catalog,
                                                       const CATUnicodeString& name,
                                                       CATICatalogDescription_var& description) {
  description = CATICatalogDescription_var();
  if (catalog == nullptr || name.GetLengthInChar() == 0) return E_INVALIDARG;
  CATDocument* opened = nullptr;
  if (FAILED(CATDocumentServices::OpenDocument(catalog->StorageName(), opened, 1)) ||
      opened == nullptr) {
    return E_FAIL;
  }
  const CATICatalogChapter_var root = RootChapterOf(opened);
  if (!root || !HasNameKeyword(root)) return E_FAIL;
  const CATUnicodeString query = CATUnicodeString("(x.") + "Name" + "==" + "\"" + name + "\"" + ")";
  return QueryForDescriptionInCatalog(root, query, description);
}
