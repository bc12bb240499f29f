#ifndef CATModelDocument_h
#define CATModelDocument_h

// The stand-in's document: a type, a storage name, and containers that hold
// its objects. Its interfaces depend on its type (CATModelDocument.cpp):
// CATInit for all, AXOICorPartDocument and CATIContainerOfDocument for
// "CATPart", AXOICorProductDocument for "CATProduct".

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "AXOPlatform.h"
#include "CATDocument.h"
#include "CATModelNode.h"
#include "CATUnicodeString.h"

class CATModelDocument : public CATDocument {
 public:
  explicit CATModelDocument(const CATUnicodeString& type);
  const char* IsA() const override { return "CATDocument"; }

  CATUnicodeString StorageName() const override { return storage_name_; }
  HRESULT GetDocId(CATIDocId** id) override;

  // `name` normalized (CATModelStorageName).
  void SetStorageName(const CATUnicodeString& name) { storage_name_ = name; }
  const CATUnicodeString& Type() const { return type_; }
  // A number that no other document of the process had.
  long Serial() const { return serial_; }

  const std::vector<CATModelNode*>& Containers() const { return containers_; }
  // Appends `container`, a container that no one holds, taking a reference;
  // returns what IndexSubtree returns for it.
  CATModelNode* AppendContainer(CATModelNode* container);
  // Makes room for `count` ids in all, so that the objects of a file read
  // whole are indexed without the index growing again and again.
  void ReserveIds(std::size_t count) { ids_.reserve(count); }
  // The first object at the top of a container of kind `kind`; null.
  CATModelNode* FirstTopLevel(CATModelKind kind) const;

  // ---- Ids ------------------------------------------------------------------
  // The node of that id in this document; null when there is none.
  CATModelNode* FindNode(const std::string& id) const;
  // The same, remembering what it found in `memo`: asked again with a memo
  // that an earlier call with the same id filled, it answers without
  // looking the id up as long as no node joined or left the document since
  // (a memo filled by another document never matches this one).
  CATModelNode* FindNode(const std::string& id, CATModelNodeMemo& memo) const;
  // An id that no node of the document has: the next free decimal number.
  std::string NewId();
  // Called by the nodes when a subtree joins or leaves the document.
  // IndexSubtree returns the first node of the subtree, in the order of the
  // tree, whose id another node had already (which keeps it); null when
  // there is none.
  CATModelNode* IndexSubtree(CATModelNode* node);
  void UnindexSubtree(CATModelNode* node);

  CATModelFault save_fault;
  // The file of the storage name as this process last read or wrote it
  // (CATDocumentFileWrite.h); none for a document never stored.
  struct StoredFile {
    std::size_t digest = 0;    // of the bytes
    std::size_t size = 0;      // bytes
    AXOFileIdentity identity;  // unknown when it cannot be relied on
  };
  std::optional<StoredFile> stored;

  // The container of the document's geometric results, which serves as its
  // geometry factory (CATModelResultContainer.cpp): made on first use, held
  // by the document, the same at each call; no reference for the caller.
  CATBaseUnknown* ResultContainer();

 protected:
  ~CATModelDocument() override;

 private:
  CATUnicodeString storage_name_;
  const CATUnicodeString type_;
  const long serial_;
  std::vector<CATModelNode*> containers_;  // one reference each
  std::unordered_map<std::string, CATModelNode*> ids_;
  // Changes with every change of ids_, to a value that no document of the
  // process had (CATModelNodeMemo).
  std::uint64_t ids_stamp_;
  long next_id_ = 1;
  CATBaseUnknown* result_container_ = nullptr;  // one reference
};

// The interfaces that documents of `type` start with, `count` of them.
const CATInterfaceEntry* CATModelDocumentInterfaces(const CATUnicodeString& type, int& count);
// Documents of `type` ("CATPart") made from now on offer `entry` too; a
// type without a row of its own is every other type (CATModelRegistration).
void CATModelAddDocumentInterface(const char* type, const CATInterfaceEntry& entry);

// The storage name of the document at host path `path`: the path
// normalized (CATHostPathNormal), so that storage names compare as text.
CATUnicodeString CATModelStorageName(const CATUnicodeString& path);

// The stand-in's document behind `document`; null for null or a document
// of another making.
CATModelDocument* CATModelDocumentOf(CATDocument* document);

#endif  // CATModelDocument_h
