// Knowledge values: a kind and a number in the internal unit of that kind.
#include <climits>

#include "CATCkeObjects.h"
#include "CATCkeValueText.h"

const IID IID_CATICkeInst = {
    0x5a0c1e01, 0x7b3d, 0x4e6a, {0x91, 0x02, 0x3c, 0x4d, 0x5e, 0x6f, 0x70, 0x81}};

namespace {

class CATCkeValue : public CATCkeObject<CATICkeInst> {
 public:
  CATCkeValue(CATCkeValueKind kind, double value) : kind_(kind), value_(value) {}

  CATCkeValueKind Kind() const override { return kind_; }

  int AsInteger() const override {
    // Clamped before the conversion, which is undefined outside int's range.
    if (value_ >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (value_ <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(value_);
  }

  double AsReal() const override { return value_; }

  CATUnicodeString AsString() const override {
    return CATUnicodeString(CATCkeFormatValueText(kind_, value_).c_str());
  }

  const char* IsA() const override { return "CATCkeValue"; }

 private:
  const CATCkeValueKind kind_;
  const double value_;
};

}  // namespace

CATICkeInst_var CATCkeMakeValue(CATCkeValueKind kind, double value) {
  return CATCkeAdopt<CATICkeInst>(new CATCkeValue(kind, value));
}
