#ifndef CATCatalogChapterData_h
#define CATCatalogChapterData_h

// What a chapter of a catalog holds besides its objects: the record of the
// latest queries run on it, for tests to read (not saved). The record is
// bounded, so that a session that queries for hours does not grow with it.

#include <cstddef>
#include <deque>

#include "CATModelKindData.h"
#include "CATUnicodeString.h"

struct CATCatalogChapterData : CATModelKindData {
  static constexpr std::size_t kQueriesKept = 1000;

  // Adds `query` to the record, the oldest going once there are more than
  // kQueriesKept.
  void NoteQuery(const CATUnicodeString& query) {
    queries_run.push_back(query);
    if (queries_run.size() > kQueriesKept) queries_run.pop_front();
  }

  std::deque<CATUnicodeString> queries_run;  // each query's text, oldest first
};

#endif  // CATCatalogChapterData_h
