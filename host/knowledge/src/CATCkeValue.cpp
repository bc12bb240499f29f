// Knowledge values: a kind and a number in the internal unit of that kind,
// or a text.
#include <climits>

#include "CATAdapter.h"
#include "CATAdopt.h"
#include "CATCkeObjects.h"
#include "CATCkeValueText.h"
#include "CATComponent.h"

namespace {

class CATCkeValue;

class CATCkeValueInst : public CATAdapterOf<CATICkeInst, CATCkeValue> {
 public:
  using CATAdapterOf::CATAdapterOf;
  CATCkeValueKind Kind() const override;
  int AsInteger() const override;
  double AsReal() const override;
  CATUnicodeString AsString() const override;
};

const CATInterfaceEntry kValueInterfaces[] = {{&IID_CATICkeInst, &CATNewAdapter<CATCkeValueInst>}};

class CATCkeValue : public CATComponent {
 public:
  CATCkeValue(CATCkeValueKind kind, double value, const CATUnicodeString& text)
      : CATComponent(kValueInterfaces), kind(kind), value(value), text(text) {}
  const char* IsA() const override { return "CATCkeValue"; }

  const CATCkeValueKind kind;
  const double value;  // 0 for a text
  const CATUnicodeString text;
};

CATCkeValueKind CATCkeValueInst::Kind() const {
  return Object()->kind;
}

int CATCkeValueInst::AsInteger() const {
  // Clamped before the conversion, which is undefined outside int's range.
  const double value = Object()->value;
  if (value >= static_cast<double>(INT_MAX)) return INT_MAX;
  if (value <= static_cast<double>(INT_MIN)) return INT_MIN;
  return static_cast<int>(value);
}

double CATCkeValueInst::AsReal() const {
  return Object()->value;
}

CATUnicodeString CATCkeValueInst::AsString() const {
  if (Object()->kind == CATCkeTextKind) return Object()->text;
  return CATUnicodeString(CATCkeFormatValueText(Object()->kind, Object()->value).c_str());
}

}  // namespace

CATICkeInst_var CATCkeMakeValue(CATCkeValueKind kind, double value) {
  return CATAdoptHandle<CATICkeInst>(new CATCkeValue(kind, value, CATUnicodeString()));
}

CATICkeInst_var CATCkeMakeTextValue(const CATUnicodeString& text) {
  return CATAdoptHandle<CATICkeInst>(new CATCkeValue(CATCkeTextKind, 0.0, text));
}
