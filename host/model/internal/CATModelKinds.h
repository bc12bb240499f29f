#ifndef CATModelKinds_h
#define CATModelKinds_h

// The kinds of objects of the model. A kind fixes an object's initial set
// of interfaces and the fields its file entry may carry; everything else
// (names, types, stamps ...) is data of the object. The model's own kinds
// are the rows of the table in CATModelKinds.cpp; a module that defines
// kinds of its own (catalog) registers them, and one that serves an
// interface on a kind of the model (addon) adds it, when the stand-in is
// loaded (CATModelRegistration).

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "CATComponent.h"

class CATModelKindData;

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
  std::vector<CATInterfaceEntry> interfaces;
  // Makes the data of a new object of the kind; null: the kind holds none.
  std::unique_ptr<CATModelKindData> (*makeData)();
};

// A maker of kind data that holds a T (CATModelKindInfo::makeData).
template <class T>
std::unique_ptr<CATModelKindData> CATModelMakeData() {
  return std::make_unique<T>();
}

// The kind's row; throws std::logic_error for a kind that no module
// registered.
const CATModelKindInfo& CATModelKindInfoOf(CATModelKind kind);
// The kind that a document file names `fileName`; null when there is none.
const CATModelKindInfo* CATModelFindKind(const std::string& fileName);
// The file names of every kind, quoted, in the order of the rows:
// "'container', 'part container', ...".
std::string CATModelKnownKinds();

// Registers a kind that the model's table lacks, whose objects hold the
// data that `makeData` makes (null: none); throws std::logic_error when
// the kind or its file name is taken.
void CATModelRegisterKind(CATModelKind kind, const char* fileName, const char* className,
                          std::initializer_list<CATInterfaceEntry> interfaces,
                          std::unique_ptr<CATModelKindData> (*makeData)() = nullptr);
// Every object of `kind` made from now on offers `entry` too.
void CATModelAddKindInterface(CATModelKind kind, const CATInterfaceEntry& entry);

// Runs `registerAll` when the stand-in is loaded, before any object of the
// model is made:
//   const CATModelRegistration kCatalogKinds(&RegisterCatalogKinds);
struct CATModelRegistration {
  explicit CATModelRegistration(void (*registerAll)()) { registerAll(); }
};

inline bool CATModelIsContainer(CATModelKind kind) {
  return kind == CATModelKind::kContainer || kind == CATModelKind::kPartContainer ||
         kind == CATModelKind::kCatalogContainer;
}

#endif  // CATModelKinds_h
