#include "AXOETrsDxfSettingAtt.h"

#include <new>

#include "AXOTrsSettingRepository.h"
#include "CATSettingInfo.h"

CATImplementClass(AXOETrsDxfSettingAtt, CATDataExtensionClass, CATBaseUnknown, AXOTrsDxfSettingCtrl)

namespace {
const char kRepositoryName[] = "AXODxfUnitTypeElt";
const char kUnitKey[] = "UnitOfDxfFile";

struct IntegerSetting {
  const char* key;
  int defaultValue;
};

const IntegerSetting kImportLayerToComp = {"ImportLayerToComp", 0};
const IntegerSetting kFilePerSolid = {"FilePerSolid", 0};
const IntegerSetting kFilePerSurfaceMesh = {"FilePerSurfaceMesh", 0};
const IntegerSetting kImportAsPartCGR = {"ImportAsPartCGR", 0};
const IntegerSetting kCLDLimit = {"CLDLimit", 5000};

// The integers that Initialize reads, in its order.
const IntegerSetting* const kInitialReads[] = {&kFilePerSolid, &kFilePerSurfaceMesh,
                                               &kImportLayerToComp, &kImportAsPartCGR, &kCLDLimit};

// Millimetres per drawing unit, indexed by the stored unit.
const double kUnitScales[] = {1.0, 10.0, 1000.0, 25.4, 304.8};
const int kUnitCount = static_cast<int>(sizeof kUnitScales / sizeof kUnitScales[0]);

}  // namespace

AXOETrsDxfSettingAtt::AXOETrsDxfSettingAtt()
    : repository_(AXOTrsSettingRepository::Open(kRepositoryName)) {}

AXOETrsDxfSettingAtt::~AXOETrsDxfSettingAtt() {
  repository_ = nullptr;
}

HRESULT AXOETrsDxfSettingAtt::Initialize() {
  if (repository_ == nullptr) return E_FAIL;
  // The unit is read for the translator's sake; whether it can be read
  // does not decide the outcome.
  int unit = 0;
  AXOTrsSettingRepository::ReadLong(repository_, kUnitKey, unit);
  for (const IntegerSetting* setting : kInitialReads) {
    int value = setting->defaultValue;
    if (!AXOTrsSettingRepository::ReadInteger(repository_, setting->key, value)) return E_FAIL;
  }
  return S_OK;
}

HRESULT AXOETrsDxfSettingAtt::GetUnitOfDxfFile(int& unit) {
  if (repository_ == nullptr) return E_FAIL;
  int stored = 0;
  if (!AXOTrsSettingRepository::ReadLong(repository_, kUnitKey, stored)) return E_FAIL;
  unit = stored;
  return S_OK;
}

HRESULT AXOETrsDxfSettingAtt::IsUnitOfDxfFileEditable() {
  return S_OK;
}

HRESULT AXOETrsDxfSettingAtt::GetUnitOfDxfFileInfo(CATSettingInfo** info, int* count) {
  if (repository_ == nullptr || info == nullptr || count == nullptr) return E_FAIL;
  *count = 0;
  *info = nullptr;
  CATSettingInfo record;
  if (!AXOTrsSettingRepository::GetInfo(repository_, kUnitKey, record, 0)) return E_FAIL;
  CATSettingInfo* array = new (std::nothrow) CATSettingInfo[1];
  if (array == nullptr) return E_FAIL;
  array[0] = record;
  *info = array;
  *count = 1;
  return S_OK;
}

HRESULT AXOETrsDxfSettingAtt::SetUnitOfDxfFile(const int& unit) {
  if (repository_ == nullptr) return E_FAIL;
  return AXOTrsSettingRepository::WriteLong(repository_, kUnitKey, unit) ? S_OK : E_FAIL;
}

HRESULT AXOETrsDxfSettingAtt::SetUnitOfDxfFileLock() {
  return E_FAIL;
}

HRESULT AXOETrsDxfSettingAtt::GetUnitOfDxfFileScale(double& scale) {
  int unit = 0;
  if (repository_ != nullptr) AXOTrsSettingRepository::ReadLong(repository_, kUnitKey, unit);
  if (unit < 0 || unit >= kUnitCount) {
    scale = 1.0;
    return E_FAIL;
  }
  scale = kUnitScales[unit];
  return S_OK;
}

HRESULT AXOETrsDxfSettingAtt::GetImportLayerToComp(int& value) {
  return GetInteger(kImportLayerToComp.key, kImportLayerToComp.defaultValue, value);
}
HRESULT AXOETrsDxfSettingAtt::SetImportLayerToComp(const int& value) {
  return SetInteger(kImportLayerToComp.key, value);
}
HRESULT AXOETrsDxfSettingAtt::GetFilePerSolid(int& value) {
  return GetInteger(kFilePerSolid.key, kFilePerSolid.defaultValue, value);
}
HRESULT AXOETrsDxfSettingAtt::SetFilePerSolid(const int& value) {
  return SetInteger(kFilePerSolid.key, value);
}
HRESULT AXOETrsDxfSettingAtt::GetFilePerSurfaceMesh(int& value) {
  return GetInteger(kFilePerSurfaceMesh.key, kFilePerSurfaceMesh.defaultValue, value);
}
HRESULT AXOETrsDxfSettingAtt::SetFilePerSurfaceMesh(const int& value) {
  return SetInteger(kFilePerSurfaceMesh.key, value);
}
HRESULT AXOETrsDxfSettingAtt::GetImportAsPartCGR(int& value) {
  return GetInteger(kImportAsPartCGR.key, kImportAsPartCGR.defaultValue, value);
}
HRESULT AXOETrsDxfSettingAtt::SetImportAsPartCGR(const int& value) {
  return SetInteger(kImportAsPartCGR.key, value);
}
HRESULT AXOETrsDxfSettingAtt::GetCLDLimit(int& value) {
  return GetInteger(kCLDLimit.key, kCLDLimit.defaultValue, value);
}
HRESULT AXOETrsDxfSettingAtt::SetCLDLimit(const int& value) {
  return SetInteger(kCLDLimit.key, value);
}

HRESULT AXOETrsDxfSettingAtt::GetInteger(const char* key, int defaultValue, int& value) {
  value = defaultValue;
  if (repository_ == nullptr) return E_FAIL;
  return AXOTrsSettingRepository::ReadInteger(repository_, key, value) ? S_OK : E_FAIL;
}

HRESULT AXOETrsDxfSettingAtt::SetInteger(const char* key, int value) {
  if (repository_ == nullptr) return E_FAIL;
  return AXOTrsSettingRepository::WriteInteger(repository_, key, value) ? S_OK : E_FAIL;
}
