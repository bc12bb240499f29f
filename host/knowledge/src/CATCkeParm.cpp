// Knowledge parameters: a name, a kind, a value and an optional range.
#include "CATAdapter.h"
#include "CATCkeObjects.h"
#include "CATCkeValueText.h"
#include "CATComponent.h"

const IID IID_CATICkeParm = {
    0x5a0c1e03, 0x7b3d, 0x4e6a, {0x91, 0x02, 0x3c, 0x4d, 0x5e, 0x6f, 0x70, 0x83}};

namespace {

class CATCkeParm;

class CATCkeParmAdapter : public CATAdapterOf<CATICkeParm, CATCkeParm> {
 public:
  using CATAdapterOf::CATAdapterOf;
  CATUnicodeString Name() const override;
  CATCkeValueKind Kind() const override;
  void SetManipulator(const CATIParmManipulator_var& manipulator) override;
  CATIParmManipulator_var GetManipulator() const override;
  HRESULT Valuate(const CATUnicodeString& text) override;
  CATICkeInst_var Value() const override;
};

const CATInterfaceEntry kParmInterfaces[] = {{&IID_CATICkeParm, &CATNewAdapter<CATCkeParmAdapter>}};

class CATCkeParm : public CATComponent {
 public:
  CATCkeParm(const CATUnicodeString& name, CATCkeValueKind kind, double value)
      : CATComponent(kParmInterfaces), name(name), kind(kind), value(value) {}
  const char* IsA() const override { return "CATCkeParm"; }

  const CATUnicodeString name;
  const CATCkeValueKind kind;
  double value;
  CATIParmManipulator_var manipulator;
};

CATUnicodeString CATCkeParmAdapter::Name() const {
  return Object()->name;
}

CATCkeValueKind CATCkeParmAdapter::Kind() const {
  return Object()->kind;
}

void CATCkeParmAdapter::SetManipulator(const CATIParmManipulator_var& manipulator) {
  Object()->manipulator = manipulator;
}

CATIParmManipulator_var CATCkeParmAdapter::GetManipulator() const {
  return Object()->manipulator;
}

HRESULT CATCkeParmAdapter::Valuate(const CATUnicodeString& text) {
  double value = 0.0;
  if (!CATCkeParseValueText(Object()->kind, text.ConvertToChar(), &value)) return E_FAIL;
  Object()->value = value;
  return S_OK;
}

CATICkeInst_var CATCkeParmAdapter::Value() const {
  return CATCkeMakeValue(Object()->kind, Object()->value);
}

}  // namespace

CATICkeParm_var CATCkeMakeParm(const CATUnicodeString& name, CATCkeValueKind kind, double value) {
  return CATAdoptHandle<CATICkeParm>(new CATCkeParm(name, kind, value));
}
