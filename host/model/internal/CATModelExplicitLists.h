#ifndef CATModelExplicitLists_h
#define CATModelExplicitLists_h

// Lists that a test gives an object in place of those derived from the
// tree (CATTestList.h), so that it answers as the host may: with null
// entries, an empty list rather than none, children apart from its
// components, search results of any objects. They live only in memory:
// document files never hold them.

#include <functional>
#include <map>
#include <vector>

#include "CATListVal.h"
#include "CATModelKindData.h"
#include "CATModelNode.h"
#include "CATTestList.h"

struct CATModelExplicitList {
  bool exists = true;                 // false: the answer is "no list"
  std::vector<CATModelLink> entries;  // an unset link is a null entry
};

struct CATModelExplicitLists {
  std::map<CATTestList, CATModelExplicitList> lists;

  void VisitLinks(const std::function<void(CATModelLink&)>& visit) {
    for (auto& list : lists) {
      for (CATModelLink& entry : list.second.entries) visit(entry);
    }
  }
};

// Appends the entries of `list`, held by `holder`, to `out` as handles of
// one interface: null for a null entry, a gone object or one without it.
template <class Handle>
void CATModelAppendEntries(CATModelNode* holder, const CATModelExplicitList& list,
                           CATListVal<Handle>& out) {
  for (CATModelNode* entry : holder->EntriesOf(list)) out.Append(Handle(entry));
}

// The entries of `list` as a new list that the caller deletes; null when
// the list stands for "no list".
template <class Handle>
CATListVal<Handle>* CATModelNewListOf(CATModelNode* holder, const CATModelExplicitList& list) {
  if (!list.exists) return nullptr;
  CATListVal<Handle>* made = new CATListVal<Handle>();
  CATModelAppendEntries(holder, list, *made);
  return made;
}

#endif  // CATModelExplicitLists_h
