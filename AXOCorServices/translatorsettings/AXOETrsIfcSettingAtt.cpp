// The IFC translator's settings over the repository "AXOIfcExport": the
// helpers that serve each shape of operation (integer, choice, measure,
// text), Initialize and the section catalog fallback. The attributes are
// rows of the settings description (AXOTrsSettingDescription.h); the
// interface's operations, which pick a row and a helper, are in
// AXOETrsIfcSettingAttOperations.cpp.
#include "translatorsettings/AXOETrsIfcSettingAtt.h"

#include <string_view>

#include "AXOCorGlobalServices.h"
#include "CATCkeGlobalFunctions.h"
#include "CATICkeParmFactory.h"
#include "CATSettingInfo.h"
#include "translatorsettings/AXOTrsSettingDescription.h"
#include "translatorsettings/AXOTrsSettingRepository.h"

CATImplementClass(AXOETrsIfcSettingAtt, CATDataExtensionClass, CATBaseUnknown,
                  AXOTrsIfcSettingCtrl);

using axo_settings::kIfc;
using axo_settings::SettingOf;

namespace {

const char kSectionCatalogName[] = "SectionCatalogName";

// The integers that Initialize must be able to read, in its order.
const char* const kInitialReads[] = {
    "JoinLimit",
    "DisjoinLimit",
    "ImportPSet",
    "CGRLimit",
    "ExportSpaceBoundaries",
    "ExportGeoSetsAndBodies",
    "ExportXRefs",
    "ExportSATFiles",
    "BrepOptNormalsOrientation",
    "BrepOptMergeVertices",
    "BrepOptDecimateTriangles",
};

// Range kinds given to the host's manipulators: integers are bounded below
// by a bound of kind 1, lengths and angles by one of kind 2; no upper bound.
const int kIntegerLowerKind = 1;
const int kMeasureLowerKind = 2;
const int kNoBound = 0;

HRESULT Result(bool success) {
  return success ? S_OK : E_FAIL;
}

// The knowledge framework's kind of a length or an angle setting.
CATCkeValueKind ValueKindOf(const axo_settings::Setting& setting) {
  return setting.kind == axo_settings::Kind::kLength ? CATCkeLengthKind : CATCkeAngleKind;
}

// Attaches a new editing range to `parm` (nothing when the factory makes
// none: the parameter is still usable).
void AttachRange(CATICkeParmFactory* factory, CATICkeParm* parm, double lowerBound, int lowerKind,
                 double upperBound) {
  CATIParmManipulator_var range = factory->CreateParmManipulator();
  if (!range) return;
  parm->SetManipulator(range);
  range->SetAccurateRange(lowerBound, lowerKind, upperBound, kNoBound);
}

}  // namespace

AXOETrsIfcSettingAtt::AXOETrsIfcSettingAtt()
    : repository_(AXOTrsSettingRepository::Open(kIfc.repository)) {}

AXOETrsIfcSettingAtt::~AXOETrsIfcSettingAtt() {
  repository_ = nullptr;
}

// ---- Shape helpers -----------------------------------------------------------

HRESULT AXOETrsIfcSettingAtt::GetInteger(const Setting& setting, int& value) {
  return Result(AXOTrsSettingRepository::ReadInteger(repository_, setting, value));
}

HRESULT AXOETrsIfcSettingAtt::SetInteger(const Setting& setting, int value) {
  return Result(AXOTrsSettingRepository::WriteInteger(repository_, kIfc, setting, value));
}

HRESULT AXOETrsIfcSettingAtt::GetIntegerParm(const Setting& setting, CATICkeParm_var& parm) {
  if (repository_ == nullptr) return E_FAIL;
  int stored = 0;
  AXOTrsSettingRepository::ReadInteger(repository_, setting, stored);
  CATICkeParmFactory_var factory = CATCkeGlobalFunctions::GetVolatileFactory();
  if (!factory) return E_FAIL;
  parm = factory->CreateInteger(setting.key, stored);
  if (!parm) return E_FAIL;
  // The range starts at the setting that the value must exceed, else at 0.
  const double lowerBound = AXOTrsSettingRepository::ReadBound(repository_, kIfc, setting);
  AttachRange(factory, parm, lowerBound, kIntegerLowerKind, 0.0);
  CATUnicodeString text;
  text.BuildFromNum(stored, "%d");
  parm->Valuate(text);
  return S_OK;
}

HRESULT AXOETrsIfcSettingAtt::SetIntegerParm(const Setting& setting, const CATICkeParm_var& parm) {
  if (repository_ == nullptr || !parm) return E_FAIL;
  CATICkeInst_var value = parm->Value();
  if (!value) return E_FAIL;
  return SetInteger(setting, value->AsInteger());
}

HRESULT AXOETrsIfcSettingAtt::GetChoice(const Setting& setting, CATString& value) {
  if (repository_ == nullptr) return E_FAIL;
  CATString read = setting.defaultText;
  if (AXOTrsSettingRepository::ReadString(repository_, setting.key, read)) value = read;
  return S_OK;  // the caller's text stands when nothing usable was read
}

HRESULT AXOETrsIfcSettingAtt::SetChoice(const Setting& setting, const CATString& value) {
  if (repository_ == nullptr) return E_FAIL;
  const std::string_view word(value.CastToCharPtr(), value.GetLengthInChar());
  if (!axo_settings::AcceptsWord(setting, word)) return E_FAIL;
  return Result(AXOTrsSettingRepository::WriteString(repository_, setting.key, value));
}

HRESULT AXOETrsIfcSettingAtt::GetMeasureParm(const Setting& setting, CATICkeParm_var& parm) {
  if (repository_ == nullptr) return E_FAIL;
  CATString text = setting.defaultText;
  CATString stored;
  if (AXOTrsSettingRepository::ReadString(repository_, setting.key, stored)) text = stored;
  CATICkeParmFactory_var factory = CATCkeGlobalFunctions::GetVolatileFactory();
  if (!factory) return E_FAIL;
  const char* name = setting.measure->parmName;
  parm = ValueKindOf(setting) == CATCkeLengthKind ? factory->CreateLength(name, 0.0)
                                                  : factory->CreateAngle(name, 0.0);
  if (!parm) return E_FAIL;
  AttachRange(factory, parm, 0.0, kMeasureLowerKind, setting.measure->rangeUpperBound);
  parm->Valuate(text.CastToCharPtr());
  return S_OK;
}

HRESULT AXOETrsIfcSettingAtt::SetMeasureParm(const Setting& setting, const CATICkeParm_var& parm) {
  if (repository_ == nullptr || !parm) return E_FAIL;
  CATICkeInst_var value = parm->Value();
  // A value of another kind would store a text that the setting's own
  // parameter cannot read back.
  if (!value || value->Kind() != ValueKindOf(setting)) return E_FAIL;
  if (!axo_settings::AcceptsMeasure(setting, value->AsReal())) return E_FAIL;
  const CATString text = value->AsString().ConvertToChar();
  return Result(AXOTrsSettingRepository::WriteString(repository_, setting.key, text));
}

HRESULT AXOETrsIfcSettingAtt::GetFileName(const Setting& setting, CATUnicodeString& value) {
  value = "";
  return Result(AXOTrsSettingRepository::ReadUnicode(repository_, setting.key, value));
}

HRESULT AXOETrsIfcSettingAtt::SetText(const Setting& setting, const CATUnicodeString& value) {
  return Result(AXOTrsSettingRepository::WriteUnicode(repository_, setting.key, value));
}

HRESULT AXOETrsIfcSettingAtt::GetInfo(const Setting& setting, CATSettingInfo* info, int option) {
  if (info == nullptr) return E_FAIL;
  return Result(AXOTrsSettingRepository::GetInfo(repository_, setting.key, *info, option));
}

// ---- Start -------------------------------------------------------------------

HRESULT AXOETrsIfcSettingAtt::Initialize() {
  if (repository_ == nullptr) return E_FAIL;
  CATString exportOption;
  GetExportOption(exportOption);
  CATICkeParm_var parm;
  HRESULT result = GetSagFactorParm(parm);
  if (FAILED(result)) return result;
  result = GetAngleParm(parm);
  if (FAILED(result)) return result;
  for (const char* key : kInitialReads) {
    int value = 0;
    if (!AXOTrsSettingRepository::ReadInteger(repository_, SettingOf(kIfc, key), value)) {
      return E_FAIL;
    }
  }
  return S_OK;
}

// ---- The section catalog -----------------------------------------------------

HRESULT AXOETrsIfcSettingAtt::GetSectionCatalogName(CATUnicodeString& value) {
  value = "";
  if (repository_ == nullptr) return E_FAIL;
  const HRESULT read =
      Result(AXOTrsSettingRepository::ReadUnicode(repository_, kSectionCatalogName, value));
  if (value.GetLengthInByte() != 0) return read;
  // Nothing chosen yet: the first installed steel catalog becomes the choice.
  CATListValCATUnicodeString catalogs;
  AXOCorGlobalServices::GetSteelCatalogNames(catalogs);
  if (catalogs.Size() < 1) return read;
  value = catalogs[1];
  AXOTrsSettingRepository::WriteUnicode(repository_, kSectionCatalogName, value);
  return S_OK;
}

// ---- The representation --------------------------------------------------------

// The translator always exports boundary representations: the stored choice
// is kept for the settings dialog but not read back.
HRESULT AXOETrsIfcSettingAtt::GetRepresentation(CATString& value) {
  value = SettingOf(kIfc, "Representation").defaultText;
  return S_OK;
}
