#ifndef CATModelSession_h
#define CATModelSession_h

// The session of the process: the open documents, the current editor, the
// element active in the add-on's interface and the record of work-mode
// calls. One per process, for the application's one thread; tests reset it
// (CATTestModel).

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "CATFrmEditor.h"
#include "CATIProduct.h"
#include "CATISpecObject.h"
#include "CATModelDocument.h"
#include "CATUnicodeString.h"
#include "CATWorkModeCall.h"

class CATModelSession {
 public:
  static CATModelSession& Get();

  // ---- Open documents ------------------------------------------------------
  // Lookups by name and serial take constant time, as a host answers them:
  // the add-on resolves a link by its document's name once per instance.
  // The open document of that (normalized) storage name; null.
  CATModelDocument* FindOpen(const CATUnicodeString& storageName) const;
  // The same, remembering what it found in `memo`: asked again with a memo
  // that an earlier call with the same name filled, it answers without
  // looking the name up as long as no document was opened, closed or
  // renamed since. Links keep such a memo (CATModelLink), so that an
  // instance followed to its reference again and again costs a comparison
  // of generations, not a hash of a name.
  CATModelDocument* FindOpen(const CATUnicodeString& storageName, CATModelDocumentMemo& memo) const;
  CATModelDocument* FindBySerial(long serial) const;
  bool IsOpen(const CATModelDocument* document) const;
  // Adds a document that is not open yet; the session takes a reference.
  void Add(CATModelDocument* document);
  // Drops an open document; false when it is not open.
  bool Remove(CATModelDocument* document);
  // The open document stored as `from`, already given the storage name
  // `to`, is found by its new name; every link of every open document that
  // leads into it leads to `to` instead.
  void Rename(const CATUnicodeString& from, const CATUnicodeString& to);

  // ---- Editor, active element, work modes -----------------------------------
  CATFrmEditor* Editor() const { return editor_.get(); }
  void SetEditor(std::unique_ptr<CATFrmEditor> editor) { editor_ = std::move(editor); }
  CATISpecObject_var active_element;
  HRESULT work_mode_result = S_OK;
  std::vector<CATWorkModeCall> work_mode_calls;

  // Closes every document and clears the editor, the active element and
  // the work-mode record and result.
  void Reset();

 private:
  CATModelSession() = default;
  // Drops `document` from the lookups by name and serial.
  void Unindex(CATModelDocument* document);

  std::vector<CATModelDocument*> documents_;  // one reference each, in the order opened
  // The same documents by storage name (its characters) and by serial.
  std::unordered_map<std::u32string, CATModelDocument*> by_name_;
  std::unordered_map<long, CATModelDocument*> by_serial_;
  // Changes with every change of by_name_ (CATModelDocumentMemo).
  unsigned long names_generation_ = 1;
  std::unique_ptr<CATFrmEditor> editor_;
};

#endif  // CATModelSession_h
