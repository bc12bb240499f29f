#include "CATFrmEditor.h"

#include "CATDocument.h"
#include "CATModelSession.h"

CATFrmEditor::CATFrmEditor(CATDocument* document, const CATPathElement& active)
    : document_(document), active_(active) {
  if (document_ != nullptr) document_->AddRef();
}

CATFrmEditor::~CATFrmEditor() {
  if (document_ != nullptr) document_->Release();
}

CATFrmEditor* CATFrmEditor::GetCurrentEditor() {
  return CATModelSession::Get().Editor();
}

CATDocument* CATFrmEditor::GetDocument() const {
  return document_;
}

const CATPathElement& CATFrmEditor::GetUIActiveObject() const {
  return active_;
}
