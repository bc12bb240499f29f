#ifndef CATModelKindData_h
#define CATModelKindData_h

// What an object of the model holds because of its kind (a product's part
// number, a parameter's value, a description's values ...). The module
// that defines a kind defines its data and makes it with each object of
// the kind (CATModelRegisterKind); the object holds only its identity and
// its place in the tree besides (CATModelNode.h).

#include <functional>
#include <string>

#include "CATUnicodeString.h"

class CATModelDocument;

// The open document that a document name was last found to be
// (CATModelSession::FindOpen): valid only while the session's lookup by
// name has the generation it had then, and only for that same name.
struct CATModelDocumentMemo {
  unsigned long generation = 0;          // 0: nothing found yet
  const std::u32string* name = nullptr;  // the name found, as the session keeps it
  CATModelDocument* document = nullptr;
};

// A reference to an object of a document.
struct CATModelLink {
  // Storage name of the target's document (normalized, CATModelStorageName);
  // empty for the document of the object that holds the link.
  CATUnicodeString document;
  std::string id;  // the target's id in its document; empty: no link

  // Where `document` was last found. No part of the link's value: copied
  // with it (it checks itself against the name) and ignored by ==.
  mutable CATModelDocumentMemo found;

  bool IsSet() const { return !id.empty(); }
  bool operator==(const CATModelLink& o) const { return document == o.document && id == o.id; }
};

class CATModelKindData {
 public:
  virtual ~CATModelKindData() = default;

  // Calls `visit` on every link the data holds, so that renaming a
  // document and listing the documents a file refers to reach them.
  virtual void VisitLinks(const std::function<void(CATModelLink&)>& visit) { (void)visit; }
};

// The data of a kind that a module below the model defines as a plain
// struct (a parameter's CATCkeParmState): it holds no links.
template <class T>
struct CATModelPlainData : CATModelKindData, T {};

#endif  // CATModelKindData_h
