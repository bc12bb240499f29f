// A catalog document's chapters, walked from its root chapter.
#include "CatalogView.h"

#include <algorithm>
#include <map>
#include <memory>

#include "AxocorCommands.h"
#include "CATAdopt.h"
#include "CATDocument.h"
#include "CATDocumentServices.h"
#include "CATICatalogChapterFactory.h"
#include "CATICatalogKeyword.h"
#include "CATInit.h"
#include "model/ModelLookup.h"
#include "model/OpenedModel.h"

namespace {

CATBaseUnknown* Identity(const CATBaseUnknown_var& object) {
  return static_cast<CATBaseUnknown*>(object);
}

CATICatalogChapter_var RootChapterOf(CATDocument* document) {
  const CATInit_var init(document);
  const CATICatalogChapterFactory_var factory = CATAdoptHandle<CATICatalogChapterFactory>(
      !init ? nullptr : init->GetRootContainer("CATIContainer"));
  return CATAdoptHandle<CATICatalogChapter>(!factory ? nullptr : factory->GetRootChapter());
}

CATICatalogChapter_var ReferencedChapter(const CATICatalogDescription_var& description) {
  return CATAdoptHandle<CATICatalogChapter>(description->GetReferencedChapter());
}

std::vector<std::string> KeywordsOf(const CATICatalogChapter_var& chapter) {
  std::vector<std::string> names;
  const std::unique_ptr<CATListValCATICatalogKeyword_var> keywords(chapter->ListKeywords());
  for (int k = 1; keywords != nullptr && k <= keywords->Size(); ++k) {
    const CATICatalogKeyword_var& keyword = (*keywords)[k];
    if (!!keyword) names.push_back(keyword->GetKeywordName().ConvertToChar());
  }
  return names;
}

}  // namespace

CatalogEntryView EntryViewOf(const CATICatalogDescription_var& description,
                             const std::vector<std::string>& keywords) {
  CatalogEntryView entry{NameOf(description), {}, {}};
  for (const std::string& keyword : keywords) {
    CATUnicodeString value;
    entry.held.push_back(SUCCEEDED(description->GetValue(keyword.c_str(), value)));
    entry.values.emplace_back(keyword, value.ConvertToChar());
  }
  return entry;
}

CatalogView::CatalogView(const std::string& file) {
  if (FAILED(CATDocumentServices::OpenDocument(file.c_str(), document_, 1)) ||
      document_ == nullptr) {
    AxocorFail("cannot open '" + file + "': " + WhyNotOpened(file));
  }
  const CATICatalogChapter_var root = RootChapterOf(document_);
  if (!root) {
    CATDocumentServices::Remove(document_);
    AxocorFail("'" + file + "' is no catalog: it holds no chapter");
  }
  Walk(root);
}

CatalogView::~CatalogView() {
  // The document's objects are given back before it is closed.
  chapters_.clear();
  CATDocumentServices::Remove(document_);
}

void CatalogView::Walk(const CATICatalogChapter_var& root) {
  std::map<CATBaseUnknown*, std::size_t> seen{{Identity(root), 0}};
  chapters_.push_back({root, NameOf(root), NameOf(root), KeywordsOf(root), {}, {}});
  // Sub-chapters are named by path once every chapter is reached: a
  // chapter may refer to one that is reached later.
  std::vector<std::pair<std::size_t, CATBaseUnknown*>> references;
  for (std::size_t i = 0; i < chapters_.size(); ++i) {
    const std::unique_ptr<CATListValCATICatalogDescription_var> descriptions(
        chapters_[i].chapter->ListDescriptions());
    for (int d = 1; descriptions != nullptr && d <= descriptions->Size(); ++d) {
      const CATICatalogDescription_var& description = (*descriptions)[d];
      if (!description) continue;
      if (description->GetDescriptionKind() != CATCatalogChapterKind) {
        chapters_[i].entries.push_back(EntryViewOf(description, chapters_[i].keywords));
        continue;
      }
      const CATICatalogChapter_var sub = ReferencedChapter(description);
      chapters_[i].subChapters.push_back({NameOf(description), ""});
      references.emplace_back(i, Identity(sub));
      if (!sub || !seen.emplace(Identity(sub), chapters_.size()).second) continue;
      const std::string name = NameOf(sub);
      chapters_.push_back({sub, name, chapters_[i].path + "\\" + name, KeywordsOf(sub), {}, {}});
    }
  }
  std::vector<std::size_t> next(chapters_.size(), 0);
  for (const auto& [from, to] : references) {
    const auto found = seen.find(to);
    if (found != seen.end())
      chapters_[from].subChapters[next[from]].chapter = chapters_[found->second].path;
    ++next[from];
  }
}

const CatalogChapterView* CatalogView::Find(const CATICatalogChapter_var& chapter) const {
  for (const CatalogChapterView& view : chapters_) {
    if (Identity(view.chapter) == Identity(chapter)) return &view;
  }
  return nullptr;
}

std::vector<std::string> CatalogView::EntryNames() const {
  std::vector<std::string> names;
  for (const CatalogChapterView& chapter : chapters_) {
    for (const CatalogEntryView& entry : chapter.entries) {
      for (std::size_t k = 0; k < entry.values.size(); ++k) {
        const auto& [keyword, value] = entry.values[k];
        if (keyword == "Name" && entry.held[k] &&
            std::find(names.begin(), names.end(), value) == names.end()) {
          names.push_back(value);
        }
      }
    }
  }
  return names;
}

AxocorJson ValuesJson(const CatalogEntryView& entry) {
  AxocorJson values = AxocorJson::object();
  for (std::size_t k = 0; k < entry.values.size(); ++k) {
    const auto& [keyword, value] = entry.values[k];
    values[keyword] = entry.held[k] ? AxocorJson(value) : AxocorJson();
  }
  return values;
}
