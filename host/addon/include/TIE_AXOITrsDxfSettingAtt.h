#ifndef TIE_AXOITrsDxfSettingAtt_h
#define TIE_AXOITrsDxfSettingAtt_h

// Contract: every declaration here is the add-on's interface library's.

// The adapter of AXOITrsDxfSettingAtt over an extension E that has the
// interface's seventeen operations as member functions. See CATTie.h.

#include "AXOITrsDxfSettingAtt.h"
#include "CATTie.h"

template <class E>
class TIEAXOITrsDxfSettingAtt : public CATTie<AXOITrsDxfSettingAtt, E> {
 public:
  TIEAXOITrsDxfSettingAtt(CATBaseUnknown* object, void* hostData)
      : CATTie<AXOITrsDxfSettingAtt, E>(object, hostData) {}

  HRESULT Initialize() override { return this->Extension()->Initialize(); }
  HRESULT GetUnitOfDxfFile(int& oUnit) override {
    return this->Extension()->GetUnitOfDxfFile(oUnit);
  }
  HRESULT IsUnitOfDxfFileEditable() override {
    return this->Extension()->IsUnitOfDxfFileEditable();
  }
  HRESULT GetUnitOfDxfFileInfo(CATSettingInfo** oInfo, int* oCount) override {
    return this->Extension()->GetUnitOfDxfFileInfo(oInfo, oCount);
  }
  HRESULT SetUnitOfDxfFile(const int& iUnit) override {
    return this->Extension()->SetUnitOfDxfFile(iUnit);
  }
  HRESULT SetUnitOfDxfFileLock() override { return this->Extension()->SetUnitOfDxfFileLock(); }
  HRESULT GetUnitOfDxfFileScale(double& oScale) override {
    return this->Extension()->GetUnitOfDxfFileScale(oScale);
  }
  HRESULT GetImportLayerToComp(int& oValue) override {
    return this->Extension()->GetImportLayerToComp(oValue);
  }
  HRESULT SetImportLayerToComp(const int& iValue) override {
    return this->Extension()->SetImportLayerToComp(iValue);
  }
  HRESULT GetFilePerSolid(int& oValue) override {
    return this->Extension()->GetFilePerSolid(oValue);
  }
  HRESULT SetFilePerSolid(const int& iValue) override {
    return this->Extension()->SetFilePerSolid(iValue);
  }
  HRESULT GetFilePerSurfaceMesh(int& oValue) override {
    return this->Extension()->GetFilePerSurfaceMesh(oValue);
  }
  HRESULT SetFilePerSurfaceMesh(const int& iValue) override {
    return this->Extension()->SetFilePerSurfaceMesh(iValue);
  }
  HRESULT GetImportAsPartCGR(int& oValue) override {
    return this->Extension()->GetImportAsPartCGR(oValue);
  }
  HRESULT SetImportAsPartCGR(const int& iValue) override {
    return this->Extension()->SetImportAsPartCGR(iValue);
  }
  HRESULT GetCLDLimit(int& oValue) override { return this->Extension()->GetCLDLimit(oValue); }
  HRESULT SetCLDLimit(const int& iValue) override { return this->Extension()->SetCLDLimit(iValue); }
};

#endif  // TIE_AXOITrsDxfSettingAtt_h
