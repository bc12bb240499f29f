#ifndef CatalogView_h
#define CatalogView_h

// A catalog document opened for the "catalogs" commands, and its chapters
// as the host's catalog interfaces show them: from the root chapter down
// through the descriptions that refer to sub-chapters, breadth first, each
// chapter once (so chapters that refer to each other end the walk).

#include <string>
#include <vector>

#include "AxocorJson.h"
#include "CATICatalogChapter.h"
#include "CATICatalogDescription.h"

class CATDocument;

// A description of a chapter that refers to a sub-chapter.
struct CatalogSubChapter {
  std::string description;  // the description's name
  std::string chapter;      // the path of the chapter it refers to; "" when none
};

// An entry and its values for the keywords of its chapter, in their order.
struct CatalogEntryView {
  std::string name;
  std::vector<std::pair<std::string, std::string>> values;
  std::vector<bool> held;  // per keyword: false when the entry holds no value
};

struct CatalogChapterView {
  CATICatalogChapter_var chapter;
  std::string name;
  std::string path;  // from the root: "Sections\IPE"
  std::vector<std::string> keywords;
  std::vector<CatalogSubChapter> subChapters;
  std::vector<CatalogEntryView> entries;
};

class CatalogView {
 public:
  // Opens the catalog document `file` and walks its chapters. Fails the
  // command (AxocorFail) when it cannot be opened or holds no chapter.
  explicit CatalogView(const std::string& file);
  // Gives the host's objects back and closes the document.
  ~CatalogView();
  CatalogView(const CatalogView&) = delete;
  CatalogView& operator=(const CatalogView&) = delete;

  CATDocument* document() const { return document_; }
  // The chapters reached, the root first.
  const std::vector<CatalogChapterView>& chapters() const { return chapters_; }
  // The walk's entry for `chapter`; null when the walk did not reach it.
  const CatalogChapterView* Find(const CATICatalogChapter_var& chapter) const;
  // The "Name" values of the entries, in the walk's order, each once.
  std::vector<std::string> EntryNames() const;

 private:
  void Walk(const CATICatalogChapter_var& root);

  CATDocument* document_ = nullptr;
  std::vector<CatalogChapterView> chapters_;
};

// The entry `description` with its values for `keywords`.
CatalogEntryView EntryViewOf(const CATICatalogDescription_var& description,
                             const std::vector<std::string>& keywords);

// The entry's values as a JSON object, keyword: value, null for a keyword
// without a value.
AxocorJson ValuesJson(const CatalogEntryView& entry);

#endif  // CatalogView_h
