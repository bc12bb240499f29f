#include "translatorsettings/AXOETrsDxfSettingAtt.h"

#include <new>

#include "CATSettingInfo.h"
#include "translatorsettings/AXOTrsSettingRepository.h"

CATImplementClass(AXOETrsDxfSettingAtt, CATDataExtensionClass, CATBaseUnknown, AXOTrsDxfSettingCtrl)

using axo_settings::kDxf;
using axo_settings::SettingOf;

namespace {

const char kUnitKey[] = "UnitOfDxfFile";

// The integers that Initialize reads, in its order.
const char* const kInitialReads[] = {"FilePerSolid", "FilePerSurfaceMesh", "ImportLayerToComp",
                                     "ImportAsPartCGR", "CLDLimit"};

}  // namespace

AXOETrsDxfSettingAtt::AXOETrsDxfSettingAtt()
    : repository_(AXOTrsSettingRepository::Open(kDxf.repository)) {}

AXOETrsDxfSettingAtt::~AXOETrsDxfSettingAtt() {
  repository_ = nullptr;
}

HRESULT AXOETrsDxfSettingAtt::Initialize() {
  if (repository_ == nullptr) return E_FAIL;
  // The unit is read for the translator's sake; whether it can be read
  // does not decide the outcome.
  int unit = SettingOf(kDxf, kUnitKey).defaultNumber;
  AXOTrsSettingRepository::ReadLong(repository_, kUnitKey, unit);
  for (const char* key : kInitialReads) {
    int value = 0;
    if (!AXOTrsSettingRepository::ReadInteger(repository_, SettingOf(kDxf, key), value)) {
      return E_FAIL;
    }
  }
  return S_OK;
}

HRESULT AXOETrsDxfSettingAtt::GetUnitOfDxfFile(int& unit) {
  if (repository_ == nullptr) return E_FAIL;
  int stored = SettingOf(kDxf, kUnitKey).defaultNumber;
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
  // The unit's range is for the tools: the setter stores any value.
  if (!axo_settings::SetterAccepts(SettingOf(kDxf, kUnitKey), unit, 0)) return E_FAIL;
  return AXOTrsSettingRepository::WriteLong(repository_, kUnitKey, unit) ? S_OK : E_FAIL;
}

HRESULT AXOETrsDxfSettingAtt::SetUnitOfDxfFileLock() {
  return E_FAIL;
}

HRESULT AXOETrsDxfSettingAtt::GetUnitOfDxfFileScale(double& scale) {
  int unit = SettingOf(kDxf, kUnitKey).defaultNumber;
  if (repository_ != nullptr) AXOTrsSettingRepository::ReadLong(repository_, kUnitKey, unit);
  if (unit < 0 || unit >= axo_settings::kDxfUnitCount) {
    scale = 1.0;
    return E_FAIL;
  }
  scale = axo_settings::kDxfUnits[unit].millimetres;
  return S_OK;
}

HRESULT AXOETrsDxfSettingAtt::GetImportLayerToComp(int& value) {
  return GetInteger(SettingOf(kDxf, "ImportLayerToComp"), value);
}
HRESULT AXOETrsDxfSettingAtt::SetImportLayerToComp(const int& value) {
  return SetInteger(SettingOf(kDxf, "ImportLayerToComp"), value);
}
HRESULT AXOETrsDxfSettingAtt::GetFilePerSolid(int& value) {
  return GetInteger(SettingOf(kDxf, "FilePerSolid"), value);
}
HRESULT AXOETrsDxfSettingAtt::SetFilePerSolid(const int& value) {
  return SetInteger(SettingOf(kDxf, "FilePerSolid"), value);
}
HRESULT AXOETrsDxfSettingAtt::GetFilePerSurfaceMesh(int& value) {
  return GetInteger(SettingOf(kDxf, "FilePerSurfaceMesh"), value);
}
HRESULT AXOETrsDxfSettingAtt::SetFilePerSurfaceMesh(const int& value) {
  return SetInteger(SettingOf(kDxf, "FilePerSurfaceMesh"), value);
}
HRESULT AXOETrsDxfSettingAtt::GetImportAsPartCGR(int& value) {
  return GetInteger(SettingOf(kDxf, "ImportAsPartCGR"), value);
}
HRESULT AXOETrsDxfSettingAtt::SetImportAsPartCGR(const int& value) {
  return SetInteger(SettingOf(kDxf, "ImportAsPartCGR"), value);
}
HRESULT AXOETrsDxfSettingAtt::GetCLDLimit(int& value) {
  return GetInteger(SettingOf(kDxf, "CLDLimit"), value);
}
HRESULT AXOETrsDxfSettingAtt::SetCLDLimit(const int& value) {
  return SetInteger(SettingOf(kDxf, "CLDLimit"), value);
}

HRESULT AXOETrsDxfSettingAtt::GetInteger(const axo_settings::Setting& setting, int& value) {
  value = setting.defaultNumber;
  if (repository_ == nullptr) return E_FAIL;
  return AXOTrsSettingRepository::ReadInteger(repository_, setting, value) ? S_OK : E_FAIL;
}

HRESULT AXOETrsDxfSettingAtt::SetInteger(const axo_settings::Setting& setting, int value) {
  if (repository_ == nullptr) return E_FAIL;
  return AXOTrsSettingRepository::WriteInteger(repository_, kDxf, setting, value) ? S_OK : E_FAIL;
}
