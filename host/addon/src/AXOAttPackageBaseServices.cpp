// The active element of the add-on's interface: the one a test or a
// program playing the interface chose.
#include "AXOAttPackageBaseServices.h"

#include "CATModelSession.h"

HRESULT AXOAttPackageBaseServices::GetActiveUIElement(CATISpecObject_var& element) {
  element = CATModelSession::Get().active_element;
  return !element ? E_FAIL : S_OK;
}

void AXOAttPackageBaseServices::SetActiveUIElement(const CATISpecObject_var& element) {
  CATModelSession::Get().active_element = element;
}
