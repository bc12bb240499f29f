#ifndef CATModelKindData_h
#define CATModelKindData_h

// What an object of the model holds because of its kind (a product's part
// number, a parameter's value, a description's values ...). The module
// that defines a kind defines its data and makes it with each object of
// the kind (CATModelRegisterKind); the object holds only its identity and
// its place in the tree besides (CATModelNode.h).

#include <cstdint>
#include <functional>
#include <string>

#include "CATUnicodeString.h"

class CATModelDocument;
class CATModelNode;

// The open document that a document name was last found to be
// (CATModelSession::FindOpen): valid only while the session's lookup by
// name has the generation it had then, and only for that same name.
struct CATModelDocumentMemo {
  unsigned long generation = 0;  // 0: nothing found yet
  CATModelDocument* document = nullptr;
};

// The object that an id was last found to be in a document
// (CATModelDocument::FindNode): valid only while that document's lookup by
// id has the stamp it had then, and only for that same id.
struct CATModelNodeMemo {
  std::uint64_t ids_stamp = 0;  // 0: nothing looked up yet
  CATModelNode* node = nullptr;
};

// A reference to an object of a document. Its document and id are given
// when it is made and change only through Retarget, so that the memo of
// where its target was found (CATModelNode::Follow) can be trusted without
// comparing names.
class CATModelLink {
 public:
  CATModelLink() = default;
  // `document`: storage name of the target's document (normalized,
  // CATModelStorageName), empty for the document of the object that holds
  // the link; `id`: the target's id in its document, empty for no link.
  CATModelLink(const CATUnicodeString& document, const std::string& id)
      : document_(document), id_(id) {}

  const CATUnicodeString& Document() const { return document_; }
  const std::string& Id() const { return id_; }
  bool IsSet() const { return !id_.empty(); }
  // The link leads into document `document` from now on (a document was
  // renamed).
  void Retarget(const CATUnicodeString& document) {
    document_ = document;
    found_ = Found();
  }

  // The same document and id; where they were found is no part of the
  // value.
  bool operator==(const CATModelLink& o) const { return document_ == o.document_ && id_ == o.id_; }

 private:
  friend class CATModelNode;  // Follow
  struct Found {
    CATModelDocumentMemo document;
    CATModelNodeMemo node;
  };

  CATUnicodeString document_;
  std::string id_;
  // Where the target was last found; copied with the document and id it
  // was found for.
  mutable Found found_;
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
