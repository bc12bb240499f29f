#ifndef CATModelSession_h
#define CATModelSession_h

// The session of the process: the open documents, the current editor, the
// element active in the add-on's interface and the record of work-mode
// calls. One per process, for the application's one thread; tests reset it
// (CATTestModel).

#include <memory>
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
  // The open document of that (normalized) storage name; null.
  CATModelDocument* FindOpen(const CATUnicodeString& storageName) const;
  CATModelDocument* FindBySerial(long serial) const;
  bool IsOpen(const CATModelDocument* document) const;
  // Adds a document that is not open yet; the session takes a reference.
  void Add(CATModelDocument* document);
  // Drops an open document; false when it is not open.
  bool Remove(CATModelDocument* document);
  // Every link of every open document that leads into the document stored
  // as `from` leads to `to` instead.
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

  std::vector<CATModelDocument*> documents_;  // one reference each
  std::unique_ptr<CATFrmEditor> editor_;
};

#endif  // CATModelSession_h
