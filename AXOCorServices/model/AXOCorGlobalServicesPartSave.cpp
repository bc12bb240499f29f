// Update of a part and save of its document under its instance's part number.
#include <string>

#include "AXOCorGlobalServices.h"
#include "AXOPlatform.h"
#include "CATDocumentServices.h"
#include "CATError.h"
#include "CATILinkableObject.h"
#include "CATPrsWorkModeServices.h"
#include "foundations/AXOCorHostText.h"
#include "model/AXOCorPartFileName.h"

namespace {

// Writes a report of a host error to the debugger output: the text, then
// the line end in a call of its own. A NUL character (of a part number)
// shows as "\0", so that the report does not end at it.
void ReportError(const CATUnicodeString& text) {
  AXOPlatform* platform = AXOPlatform::Get();
  std::string shown;
  for (const char c : AXOCorBytesOf(text)) {
    if (c == '\0') {
      shown += "\\0";
    } else {
      shown += c;
    }
  }
  platform->DebugOutput(shown);
  platform->DebugOutput("\n");
}

// Updates the part; a host error is reported and does not stop the caller.
void UpdatePart(const CATIPrtPart_var& part) {
  const CATISpecObject_var feature(part);
  if (!feature) return;
  CATTry {
    feature->Update(CATIDomain_var());
  }
  CATCatch(CATError, error) {
    ReportError("Error in Updating Part: " + error->GetNLSMessage());
    Flush(error);
  }
  CATEndTry;
}

}  // namespace

HRESULT AXOCorGlobalServices::UpdateAndSavePart(CATUnicodeString& folder, CATIPrtPart_var& part,
                                                CATIProduct_var& rootProduct, bool setWorkMode) {
  if (!part) return E_FAIL;
  CATUnicodeString savePath;
  CATTry {
    UpdatePart(part);
    if (folder.GetLengthInChar() < 1) return S_FALSE;

    const CATIProduct_var product(part->GetProduct());
    if (!product) return E_FAIL;
    const CATIProduct_var instance = product->FindInstance(rootProduct);
    if (!instance) return E_FAIL;
    const CATILinkableObject_var linkable(product);
    CATDocument* document = !!linkable ? linkable->GetDocument() : nullptr;
    if (document == nullptr) return E_FAIL;

    // The part number comes from the document: it names a file in the
    // caller's folder, never a path that leads out of it.
    const CATUnicodeString number = instance->GetPartNumber();
    savePath = folder + number + ".CATPart";
    if (const char* fault = AXOCorPartFileNameFault(number)) {
      ReportError("Error in AXOCorGlobalServices::UpdateAndSavePart() " + savePath +
                  ": the part number " + fault);
      return E_FAIL;
    }
    const HRESULT saved = CATDocumentServices::SaveAs(document, savePath, "", 1);
    if (!setWorkMode) return saved;
    // The work mode is set whatever the save gave, but a failed save stays
    // the result: a part that was not written is never reported as saved.
    const HRESULT workMode = CATPrsWorkModeServices::SetWorkMode(instance, 0);
    return FAILED(saved) ? saved : workMode;
  }
  CATCatch(CATError, error) {
    ReportError("Error in AXOCorGlobalServices::UpdateAndSavePart() " + savePath +
                error->GetNLSMessage());
    Flush(error);
  }
  CATEndTry;
  return E_FAIL;
}
