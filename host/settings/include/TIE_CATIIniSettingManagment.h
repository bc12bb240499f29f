#ifndef TIE_CATIIniSettingManagment_h
#define TIE_CATIIniSettingManagment_h

// Contract: every declaration here is the host's.

// The adapter of CATIIniSettingManagment over an extension E that has the
// four operations (usually a CATEIniSettingManagment). See CATTie.h.

#include "CATIIniSettingManagment.h"
#include "CATTie.h"

template <class E>
class TIECATIIniSettingManagment : public CATTie<CATIIniSettingManagment, E> {
 public:
  TIECATIIniSettingManagment(CATBaseUnknown* object, void* hostData)
      : CATTie<CATIIniSettingManagment, E>(object, hostData) {}

  HRESULT Commit() override { return this->Extension()->Commit(); }
  HRESULT ResetToAdminValues() override { return this->Extension()->ResetToAdminValues(); }
  HRESULT Rollback() override { return this->Extension()->Rollback(); }
  HRESULT SaveRepository() override { return this->Extension()->SaveRepository(); }
};

#endif  // TIE_CATIIniSettingManagment_h
