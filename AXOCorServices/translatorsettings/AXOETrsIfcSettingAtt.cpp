// The IFC translator's settings over the repository "AXOIfcExport": the
// helpers that serve each shape of operation (integer, choice, measure,
// text), Initialize and the section catalog fallback. The attributes are
// described in AXOETrsIfcSettingAttributes.h; the interface's operations,
// which pick an attribute and a helper, are in
// AXOETrsIfcSettingAttOperations.cpp.
#include "AXOETrsIfcSettingAtt.h"

#include "AXOCorGlobalServices.h"
#include "AXOETrsIfcSettingAttributes.h"
#include "AXOTrsSettingRepository.h"
#include "CATCkeGlobalFunctions.h"
#include "CATICkeParmFactory.h"
#include "CATSettingInfo.h"

CATImplementClass(AXOETrsIfcSettingAtt, CATDataExtensionClass, CATBaseUnknown,
                  AXOTrsIfcSettingCtrl);

using namespace axo_ifc_settings;

namespace {

const char kRepositoryName[] = "AXOIfcExport";

// Range kinds given to the host's manipulators: integers are bounded below
// by a bound of kind 1, lengths and angles by one of kind 2; no upper bound.
const int kIntegerLowerKind = 1;
const int kMeasureLowerKind = 2;
const int kNoBound = 0;

HRESULT Result(bool success) {
  return success ? S_OK : E_FAIL;
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
    : repository_(AXOTrsSettingRepository::Open(kRepositoryName)) {}

AXOETrsIfcSettingAtt::~AXOETrsIfcSettingAtt() {
  repository_ = nullptr;
}

// ---- Shape helpers -----------------------------------------------------------

HRESULT AXOETrsIfcSettingAtt::GetInteger(const IntegerAttribute& attribute, int& value) {
  value = attribute.defaultValue;
  return Result(AXOTrsSettingRepository::ReadInteger(repository_, attribute.key, value));
}

int AXOETrsIfcSettingAtt::StoredJoinLimit() {
  int joinLimit = kJoinLimit.defaultValue;
  AXOTrsSettingRepository::ReadInteger(repository_, kJoinLimit.key, joinLimit);
  return joinLimit;
}

bool AXOETrsIfcSettingAtt::Accepts(const IntegerAttribute& attribute, int value) {
  switch (attribute.minimum) {
    case Minimum::kNone:
      return true;
    case Minimum::kZero:
      return value >= 0;
    case Minimum::kOne:
      return value >= 1;
    case Minimum::kAboveJoinLimit:
      // "At least JoinLimit + 1", written so that a JoinLimit of INT_MAX
      // cannot overflow.
      return value > StoredJoinLimit();
  }
  return false;
}

HRESULT AXOETrsIfcSettingAtt::SetInteger(const IntegerAttribute& attribute, int value) {
  if (repository_ == nullptr || !Accepts(attribute, value)) return E_FAIL;
  return Result(AXOTrsSettingRepository::WriteInteger(repository_, attribute.key, value));
}

HRESULT AXOETrsIfcSettingAtt::GetIntegerParm(const IntegerAttribute& attribute,
                                             CATICkeParm_var& parm) {
  if (repository_ == nullptr) return E_FAIL;
  int stored = attribute.defaultValue;
  AXOTrsSettingRepository::ReadInteger(repository_, attribute.key, stored);
  CATICkeParmFactory_var factory = CATCkeGlobalFunctions::GetVolatileFactory();
  if (!factory) return E_FAIL;
  parm = factory->CreateInteger(attribute.key, stored);
  if (!parm) return E_FAIL;
  const double lowerBound = attribute.minimum == Minimum::kAboveJoinLimit ? StoredJoinLimit() : 0.0;
  AttachRange(factory, parm, lowerBound, kIntegerLowerKind, 0.0);
  CATUnicodeString text;
  text.BuildFromNum(stored, "%d");
  parm->Valuate(text);
  return S_OK;
}

HRESULT AXOETrsIfcSettingAtt::SetIntegerParm(const IntegerAttribute& attribute,
                                             const CATICkeParm_var& parm) {
  if (repository_ == nullptr || !parm) return E_FAIL;
  CATICkeInst_var value = parm->Value();
  if (!value) return E_FAIL;
  return SetInteger(attribute, value->AsInteger());
}

HRESULT AXOETrsIfcSettingAtt::GetChoice(const ChoiceAttribute& attribute, CATString& value) {
  if (repository_ == nullptr) return E_FAIL;
  CATString read = attribute.defaultValue;
  if (AXOTrsSettingRepository::ReadString(repository_, attribute.key, read)) value = read;
  return S_OK;  // the caller's text stands when nothing usable was read
}

HRESULT AXOETrsIfcSettingAtt::SetChoice(const ChoiceAttribute& attribute, const CATString& value) {
  if (repository_ == nullptr) return E_FAIL;
  if (value != attribute.words[0] && value != attribute.words[1]) return E_FAIL;
  return Result(AXOTrsSettingRepository::WriteString(repository_, attribute.key, value));
}

HRESULT AXOETrsIfcSettingAtt::GetMeasureParm(const MeasureAttribute& attribute,
                                             CATICkeParm_var& parm) {
  if (repository_ == nullptr) return E_FAIL;
  CATString text = attribute.defaultText;
  CATString stored;
  if (AXOTrsSettingRepository::ReadString(repository_, attribute.key, stored)) text = stored;
  CATICkeParmFactory_var factory = CATCkeGlobalFunctions::GetVolatileFactory();
  if (!factory) return E_FAIL;
  parm = attribute.kind == CATCkeLengthKind ? factory->CreateLength(attribute.parmName, 0.0)
                                            : factory->CreateAngle(attribute.parmName, 0.0);
  if (!parm) return E_FAIL;
  AttachRange(factory, parm, 0.0, kMeasureLowerKind, attribute.rangeUpperBound);
  parm->Valuate(text.CastToCharPtr());
  return S_OK;
}

HRESULT AXOETrsIfcSettingAtt::SetMeasureParm(const MeasureAttribute& attribute,
                                             const CATICkeParm_var& parm) {
  if (repository_ == nullptr || !parm) return E_FAIL;
  CATICkeInst_var value = parm->Value();
  // A value of another kind would store a text that the attribute's own
  // parameter cannot read back.
  if (!value || value->Kind() != attribute.kind) return E_FAIL;
  const double real = value->AsReal();
  if (!(real >= 0.0 && real <= attribute.maximum)) return E_FAIL;
  const CATString text = value->AsString().ConvertToChar();
  return Result(AXOTrsSettingRepository::WriteString(repository_, attribute.key, text));
}

HRESULT AXOETrsIfcSettingAtt::GetFileName(const char* key, CATUnicodeString& value) {
  value = "";
  return Result(AXOTrsSettingRepository::ReadUnicode(repository_, key, value));
}

HRESULT AXOETrsIfcSettingAtt::SetText(const char* key, const CATUnicodeString& value) {
  return Result(AXOTrsSettingRepository::WriteUnicode(repository_, key, value));
}

HRESULT AXOETrsIfcSettingAtt::GetInfo(const char* key, CATSettingInfo* info, int option) {
  if (info == nullptr) return E_FAIL;
  return Result(AXOTrsSettingRepository::GetInfo(repository_, key, *info, option));
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
  for (const IntegerAttribute* attribute : kInitialReads) {
    int value = attribute->defaultValue;
    if (!AXOTrsSettingRepository::ReadInteger(repository_, attribute->key, value)) return E_FAIL;
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
  value = kRepresentation.defaultValue;
  return S_OK;
}
