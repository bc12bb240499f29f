#include "CATIniCleanerSettingCtrl.h"

CATIniCleanerSettingCtrl::~CATIniCleanerSettingCtrl() {
  SetController(nullptr);
}

CATBaseUnknown* CATIniCleanerSettingCtrl::GetController() {
  if (controller_ != nullptr) controller_->AddRef();
  return controller_;
}

void CATIniCleanerSettingCtrl::SetController(CATBaseUnknown* controller) {
  if (controller != nullptr) controller->AddRef();
  CATBaseUnknown* previous = controller_;
  controller_ = controller;
  if (previous != nullptr) previous->Release();
}
