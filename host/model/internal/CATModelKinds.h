#ifndef CATModelKinds_h
#define CATModelKinds_h

// The kinds of objects of the model. A kind fixes an object's initial set
// of interfaces, the fields its file entry may carry and whether it is a
// container; everything else (names, types, stamps ...) is data of the
// object. The model's own kinds are the rows of the table in
// CATModelKinds.cpp; a module that defines kinds of its own (catalog)
// registers them, and one that serves an interface on a kind of the model
// (addon) adds it, when the stand-in is loaded (CATModelRegistration).

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "CATComponent.h"

class CATModelKindData;

// The model's own kinds. A module that defines kinds of its own registers
// them (CATModelRegisterKind) and is handed out the next identifiers: they
// are values of this type that have no name here.
enum class CATModelKind : unsigned {
  kContainer,      // holds a document's top-level objects
  kPartContainer,  // the container of a part document's tree
  kFeature,        // a feature of a feature tree
  kPart,           // the part feature at the top of a part document
  kLogical,        // a logical node of attribute packages; its children are its members
  kProduct,        // a reference product or an instance
  kParameter,      // a knowledge parameter
  kBody,           // a body of a part: its children are the features whose results make it up
};

// The most kinds there are, the model's and the registered ones: each is a
// bit of the kinds of a file field, beside the bit of every object
// (CATModelFileFields.h).
constexpr unsigned kCATModelMaxKinds = 31;

// Where the objects of a kind lie: a container holds a document's
// top-level objects and lies only at the top; every other object lies
// below one.
enum class CATModelKindRole { kObject, kContainer };

struct CATModelKindInfo {
  CATModelKind kind;
  const char* fileName;   // as the document file writes it: "feature"
  const char* className;  // what IsA answers
  CATModelKindRole role;
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
// How many kinds there are: their identifiers run from 0 to one less.
unsigned CATModelKindCount();
// The kind that a document file names `fileName`; null when there is none.
const CATModelKindInfo* CATModelFindKind(const std::string& fileName);
// The file names of every kind, quoted, in the order of the rows:
// "'container', 'part container', ...".
std::string CATModelKnownKinds();

// Registers a kind that the model's table lacks, whose objects hold the
// data that `makeData` makes (null: none), and returns its identifier, the
// next one free; throws std::logic_error when the file name is taken or
// kCATModelMaxKinds kinds are registered already.
CATModelKind CATModelRegisterKind(const char* fileName, const char* className,
                                  CATModelKindRole role,
                                  std::initializer_list<CATInterfaceEntry> interfaces,
                                  std::unique_ptr<CATModelKindData> (*makeData)() = nullptr);
// Every object of `kind` made from now on offers `entry` too.
void CATModelAddKindInterface(CATModelKind kind, const CATInterfaceEntry& entry);

// Runs `registerAll` when the stand-in is loaded, before any object of the
// model is made:
//   const CATModelRegistration kAddOnInterfaces(&RegisterAddOnInterfaces);
struct CATModelRegistration {
  explicit CATModelRegistration(void (*registerAll)()) { registerAll(); }
};

inline bool CATModelIsContainer(CATModelKind kind) {
  return CATModelKindInfoOf(kind).role == CATModelKindRole::kContainer;
}

#endif  // CATModelKinds_h
