// Knowledge parameters: a name, a kind, a value and an optional range.
#include "CATCkeObjects.h"
#include "CATCkeValueText.h"

const IID IID_CATICkeParm = {
    0x5a0c1e03, 0x7b3d, 0x4e6a, {0x91, 0x02, 0x3c, 0x4d, 0x5e, 0x6f, 0x70, 0x83}};

namespace {

class CATCkeParm : public CATCkeObject<CATICkeParm> {
 public:
  CATCkeParm(const CATUnicodeString& name, CATCkeValueKind kind, double value)
      : name_(name), kind_(kind), value_(value) {}

  CATUnicodeString Name() const override { return name_; }
  CATCkeValueKind Kind() const override { return kind_; }

  void SetManipulator(const CATIParmManipulator_var& manipulator) override {
    manipulator_ = manipulator;
  }
  CATIParmManipulator_var GetManipulator() const override { return manipulator_; }

  HRESULT Valuate(const CATUnicodeString& text) override {
    double value = 0.0;
    if (!CATCkeParseValueText(kind_, text.ConvertToChar(), &value)) return E_FAIL;
    value_ = value;
    return S_OK;
  }

  CATICkeInst_var Value() const override { return CATCkeMakeValue(kind_, value_); }

  const char* IsA() const override { return "CATCkeParm"; }

 private:
  const CATUnicodeString name_;
  const CATCkeValueKind kind_;
  double value_;
  CATIParmManipulator_var manipulator_;
};

}  // namespace

CATICkeParm_var CATCkeMakeParm(const CATUnicodeString& name, CATCkeValueKind kind, double value) {
  return CATCkeAdopt<CATICkeParm>(new CATCkeParm(name, kind, value));
}
