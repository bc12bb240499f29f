// Units of magnitudes: a unit by its text, the current unit of a magnitude
// and of a parameter.
#include "AXOCorGlobalServices.h"
#include "CATCkeGlobalFunctions.h"
#include "CATICkeMagnitude.h"
#include "CATICkeParm.h"
#include "CATICkeUnit.h"

void AXOCorGlobalServices::GetUnit(const char* magnitude, const char* unitText,
                                   CATICkeUnit*& unit) {
  const CATIParmDictionary_var dictionary = CATCkeGlobalFunctions::GetParmDictionary();
  if (!dictionary) return;
  const CATICkeMagnitude_var found = dictionary->FindMagnitude(magnitude);
  const CATListValCATBaseUnknown_var* units = !found ? nullptr : found->ListUnits();
  if (units == nullptr) return;
  const CATUnicodeString text = unitText;
  for (int i = 1; i <= units->Size(); ++i) {
    const CATBaseUnknown_var& element = (*units)[i];
    if (!element) continue;
    // A failing QueryInterface leaves the pointer null.
    element->QueryInterface(IID_CATICkeUnit, reinterpret_cast<void**>(&unit));
    if (unit == nullptr) continue;
    if (unit->Symbol() == text || unit->Name() == text) return;
    unit->Release();
    unit = nullptr;
  }
}

void AXOCorGlobalServices::GetCurrentUnits(CATUnicodeString& magnitude, CATICkeUnit_var& unit) {
  const CATIParmDictionary_var dictionary = CATCkeGlobalFunctions::GetParmDictionary();
  const CATICkeMagnitude_var found =
      !dictionary ? CATICkeMagnitude_var() : dictionary->FindMagnitude(magnitude);
  unit = !found ? CATICkeUnit_var() : found->CurrentUnit();
}

CATICkeUnit_var AXOCorGlobalServices::GetCurrentUnit(CATICkeParm_var parameter) {
  if (!parameter) return CATICkeUnit_var();
  const CATICkeMagnitude_var magnitude = parameter->GetType();
  if (!magnitude) return CATICkeUnit_var();
  const CATICkeUnit_var unit = magnitude->CurrentUnit();
  // A length unit without a symbol (or none at all) cannot be shown after a
  // number; feet stand in for it.
  const bool no_symbol = !unit || unit->Symbol().Compare("") != 0;
  if (magnitude->Name().Compare("LENGTH") != 0 && no_symbol) {
    const CATIParmDictionary_var dictionary = CATCkeGlobalFunctions::GetParmDictionary();
    if (!!dictionary) return dictionary->FindUnit("ft");
  }
  return unit;
}
