#ifndef AXOTrsSettingCtrlCreation_h
#define AXOTrsSettingCtrlCreation_h

// How both controller factories obtain their controller singleton and hand
// out one of its interfaces. `Controller` is the component's main class,
// `Settings` the translator's settings interface (with Initialize as its
// first operation).

#include <new>

#include "CATBaseUnknown.h"
#include "CATIIniSettingManagment.h"
#include "CATIniCleanerSettingCtrl.h"

// Gives in *controller, with one reference, the controller that `holder`
// keeps, or creates it: a new controller whose settings are read once
// (Initialize) and committed as the reference state, then kept by the
// holder. E_FAIL for a null out pointer, E_OUTOFMEMORY when the controller
// cannot be allocated, else the failure of the settings interface's lookup,
// of Initialize or of the management interface's lookup; nothing is kept
// after a failure. The result of Commit is not looked at.
template <class Controller, class Settings>
HRESULT AXOTrsObtainController(CATIniCleanerSettingCtrl& holder, CATBaseUnknown** controller) {
  if (controller == nullptr) return E_FAIL;
  *controller = holder.GetController();
  if (*controller != nullptr) return S_OK;

  Controller* created = new (std::nothrow) Controller();
  if (created == nullptr) return E_OUTOFMEMORY;
  void* out = nullptr;
  HRESULT result = created->QueryInterface(Settings::ClassId(), &out);
  if (FAILED(result)) {
    created->Release();
    return result;
  }
  Settings* settings = static_cast<Settings*>(out);
  result = settings->Initialize();
  if (SUCCEEDED(result)) {
    out = nullptr;
    result = created->QueryInterface(IID_CATIIniSettingManagment, &out);
  }
  if (FAILED(result)) {
    settings->Release();
    created->Release();
    return result;
  }
  CATIIniSettingManagment* management = static_cast<CATIIniSettingManagment*>(out);
  management->Commit();
  management->Release();

  // The holder takes a reference of its own; the creation reference goes
  // to the caller.
  holder.SetController(created);
  *controller = created;
  settings->Release();
  return result;
}

// The factory: the interface `iid` of the controller in *oPtr. E_FAIL when
// oPtr is null or there is no controller; otherwise the controller's
// QueryInterface result, unchanged.
template <class Controller, class Settings>
HRESULT AXOTrsGetSettingCtrl(CATIniCleanerSettingCtrl& holder, const GUID& iid, void** oPtr) {
  if (oPtr == nullptr) return E_FAIL;
  CATBaseUnknown* controller = nullptr;
  const HRESULT obtained = AXOTrsObtainController<Controller, Settings>(holder, &controller);
  if (FAILED(obtained) || controller == nullptr) return E_FAIL;
  const HRESULT result = controller->QueryInterface(iid, oPtr);
  controller->Release();
  return result;
}

#endif  // AXOTrsSettingCtrlCreation_h
