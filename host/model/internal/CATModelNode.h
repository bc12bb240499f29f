#ifndef CATModelNode_h
#define CATModelNode_h

// One object of the model: a container, a feature, a part, a product, a
// parameter ... (CATModelKinds.h). Every object of a document is a
// CATModelNode: its identity, its place in the tree and what every object
// carries (names, stamps, attributes, links) are held here, what its kind
// adds is held by the kind's data (CATModelKindData.h). Its interfaces are
// adapters (CATModelAdapters.h) that forward to both.
//
// Ownership: a document owns its containers, a node its children and its
// attribute keys and connectors (one reference each). Back-pointers
// (parent, document) are plain pointers; an owner that lets go of a node
// clears them, so a node that someone still holds after its document went
// answers as an object in no document. Links between objects (attribute
// links, owners, references of instances, connectors) name their target by
// document storage name and id and are looked up when followed, so they
// hold nothing alive and survive the target's document being closed and
// opened again.

#include <memory>
#include <string>
#include <type_traits>
#include <typeinfo>
#include <vector>

#include "CATComponent.h"
#include "CATModelKindData.h"
#include "CATModelKinds.h"
#include "CATUnicodeString.h"

class CATModelDocument;
struct CATCkeParmState;
struct CATModelExplicitList;
struct CATModelExplicitLists;
enum class CATTestList;

// A failure that a test asks an operation to show.
struct CATModelFault {
  enum Kind {
    kNone,
    kFails,   // the operation returns a failing result (saves only)
    kRaises,  // it raises a CATError with `message`
    kThrows,  // it throws a std::runtime_error with `message`
  };
  Kind kind = kNone;
  std::string message;  // UTF-8

  // Raises or throws as the fault says; returns for kNone and kFails.
  void RaiseIfAsked() const;
};

// The key of an attribute (CATISpecAttrKey).
class CATModelAttrKey final : public CATComponent {
 public:
  CATModelAttrKey();
  const char* IsA() const override { return "CATModelAttrKey"; }

  CATUnicodeString name;
  int kind = 0;          // CATAttrKind code
  int element_kind = 0;  // of a list
  int quality = 0;       // CATAttrQuality code
};

class CATModelNode final : public CATComponent {
 public:
  explicit CATModelNode(CATModelKind kind);
  const char* IsA() const override;

  CATModelKind Kind() const { return kind_; }

  // ---- Tree ---------------------------------------------------------------
  // The node that holds this one: its parent, or the container for a
  // top-level object; null for a container and for a node taken out.
  CATModelNode* Holder() const { return holder_; }
  // The parent feature: the holder unless that is a container.
  CATModelNode* Parent() const;
  const std::vector<CATModelNode*>& Children() const { return children_; }
  // Appends `child`, a node that no one holds, taking a reference of its
  // own; the child's ids join the document's.
  void AppendChild(CATModelNode* child);
  // Takes `child` out and drops the reference held on it.
  void RemoveChild(CATModelNode* child);
  // The container at the top of the node's tree; null when it is in none.
  CATModelNode* TopContainer();
  // The document of the node's tree; null when it is in none.
  CATModelDocument* Document();
  // Containers only: the document that owns this container (set by it).
  void SetOwningDocument(CATModelDocument* document) { document_ = document; }

  // The nearest node of kind `kind` among this one and its parents.
  CATModelNode* NearestOfKind(CATModelKind kind);
  // True when the node offers the interface named `name`, or, for a name
  // that is no interface, has it as its type or supertype; null and ""
  // match every node.
  bool Matches(const char* name);

  // ---- Links --------------------------------------------------------------
  // The object that `link`, held by this node, leads to; null when the
  // link is not set, or its document is not open, or holds no such id.
  CATModelNode* Follow(const CATModelLink& link);
  // A link from this node to `target`; unset when `target` is in no
  // document.
  CATModelLink LinkTo(CATModelNode* target);

  // ---- Data ---------------------------------------------------------------
  std::string id;  // unique in the document
  CATUnicodeString name;
  CATUnicodeString type;
  int time_stamp = 0;
  int update_stamp = 0;
  std::vector<CATModelAttrKey*> keys;  // one reference each
  std::vector<CATModelLink> links;
  int update_calls = 0;  // updates that reached the node (not saved)

  // What few objects carry is held apart, made at its first setting, so
  // that the others go without its room: a model of a building holds
  // hundreds of thousands of objects.
  const CATUnicodeString& Supertype() const;
  void SetSupertype(const CATUnicodeString& supertype);
  // The owner of a parameter; unset for most objects.
  const CATModelLink& Owner() const;
  void SetOwner(const CATModelLink& owner);
  // What an update of the node shows; kNone for most objects.
  const CATModelFault& UpdateFault() const;
  void SetUpdateFault(const CATModelFault& fault);

  // The data of the node's kind as a T; throws std::logic_error when the
  // kind holds none (CATModelKindData.h). Data of exactly the kind that
  // holds a T is told by its type alone, without a dynamic_cast.
  template <class T>
  T& Data() {
    using Exact =
        std::conditional_t<std::is_base_of_v<CATModelKindData, T>, T, CATModelPlainData<T>>;
    CATModelKindData* const held = data_.get();
    if (held != nullptr && typeid(*held) == typeid(Exact)) return static_cast<Exact&>(*held);
    T* data = dynamic_cast<T*>(held);
    if (data == nullptr) NoData();
    return *data;
  }
  // All the links the node holds: its own and those of its kind's data.
  void VisitLinks(const std::function<void(CATModelLink&)>& visit);

  // Parameters (CATCkeParmAdapter).
  CATUnicodeString CkeParmName() const { return name; }
  CATCkeParmState& CkeParmState();

  // ---- Lists given by a test (CATModelExplicitLists.h) -----------------------
  // The list of `kind` that answers in place of the derived one; null when
  // none was given.
  const CATModelExplicitList* ExplicitList(CATTestList kind) const;
  // Gives the list of `kind`, replacing one given before.
  void SetExplicitList(CATTestList kind, const CATModelExplicitList& list);
  // The objects that the entries of `list` lead to, in order: null for a
  // null entry and for one whose object is gone.
  std::vector<CATModelNode*> EntriesOf(const CATModelExplicitList& list);

  // Appends a new key; the node holds it.
  CATModelAttrKey* AddKey(const CATUnicodeString& keyName, int keyKind, int elementKind,
                          int quality);

 protected:
  ~CATModelNode() override;

 private:
  [[noreturn]] void NoData() const;

  struct Rare {
    CATUnicodeString supertype;
    CATModelLink owner;
    CATModelFault update_fault;
  };
  Rare& MutableRare();

  const CATModelKind kind_;
  std::unique_ptr<CATModelKindData> data_;                 // null: the kind holds none
  std::unique_ptr<CATModelExplicitLists> explicit_lists_;  // null: none given
  std::unique_ptr<Rare> rare_;                             // null: none set
  CATModelNode* holder_ = nullptr;
  CATModelDocument* document_ = nullptr;  // containers only
  std::vector<CATModelNode*> children_;   // one reference each
};

// The model object of class C (a final class: CATModelNode,
// CATModelAttrKey, CATModelConnector) behind `object`, any interface of it;
// null for null and for an object of another class. Told by the exact
// class, which costs less than a dynamic_cast.
template <class C>
C* CATModelObjectOf(CATBaseUnknown* object) {
  static_assert(std::is_final_v<C>, "only an exact class is told by its type");
  if (object == nullptr) return nullptr;
  const CATBaseUnknown_var identity(object);
  CATBaseUnknown* component = identity;
  return typeid(*component) == typeid(C) ? static_cast<C*>(component) : nullptr;
}

#endif  // CATModelNode_h
