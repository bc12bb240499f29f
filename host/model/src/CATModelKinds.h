#ifndef CATModelKinds_h
#define CATModelKinds_h

// The kinds of objects of the model. A kind fixes an object's initial set
// of interfaces and the fields its file entry may carry; everything else
// (names, types, stamps ...) is data of the object. A new kind of object is
// one more row of the table in CATModelKinds.cpp.

#include <string>

#include "CATComponent.h"

enum class CATModelKind {
  kContainer,      // holds a document's top-level objects
  kPartContainer,  // the container of a part document's tree
  kFeature,        // a feature of a feature tree
  kPart,           // the part feature at the top of a part document
  kLogical,        // a logical node of attribute packages; its children are its members
  kProduct,        // a reference product or an instance
  kParameter,      // a knowledge parameter
  // Catalog documents (host/catalog).
  kCatalogContainer,  // the container of a catalog document; it holds the chapters
  kChapter,           // a chapter; its children are its keywords and descriptions
  kDescription,       // a description of a chapter
  kKeyword,           // a keyword of a chapter
  kBody,              // a body of a part: its children are the features whose results make it up
};

struct CATModelKindInfo {
  CATModelKind kind;
  const char* fileName;   // as the document file writes it: "feature"
  const char* className;  // what IsA answers
  const CATInterfaceEntry* interfaces;
  int interfaceCount;
};

const CATModelKindInfo& CATModelKindInfoOf(CATModelKind kind);
// The kind that a document file names `fileName`; null when there is none.
const CATModelKindInfo* CATModelFindKind(const std::string& fileName);

inline bool CATModelIsContainer(CATModelKind kind) {
  return kind == CATModelKind::kContainer || kind == CATModelKind::kPartContainer ||
         kind == CATModelKind::kCatalogContainer;
}

#endif  // CATModelKinds_h
