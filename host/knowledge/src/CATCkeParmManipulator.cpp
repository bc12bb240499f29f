// Editing ranges of knowledge parameters.
#include "CATCkeObjects.h"

const IID IID_CATIParmManipulator = {
    0x5a0c1e02, 0x7b3d, 0x4e6a, {0x91, 0x02, 0x3c, 0x4d, 0x5e, 0x6f, 0x70, 0x82}};

namespace {

bool IsBoundKind(int kind) {
  return kind >= 0 && kind <= 2;
}

class CATCkeParmManipulator : public CATCkeObject<CATIParmManipulator> {
 public:
  HRESULT SetAccurateRange(double lowerBound, int lowerKind, double upperBound,
                           int upperKind) override {
    if (!IsBoundKind(lowerKind) || !IsBoundKind(upperKind)) return E_INVALIDARG;
    lower_ = lowerBound;
    lower_kind_ = lowerKind;
    upper_ = upperBound;
    upper_kind_ = upperKind;
    return S_OK;
  }

  void GetAccurateRange(double& lowerBound, int& lowerKind, double& upperBound,
                        int& upperKind) const override {
    lowerBound = lower_;
    lowerKind = lower_kind_;
    upperBound = upper_;
    upperKind = upper_kind_;
  }

  const char* IsA() const override { return "CATCkeParmManipulator"; }

 private:
  double lower_ = 0.0;
  int lower_kind_ = 0;
  double upper_ = 0.0;
  int upper_kind_ = 0;
};

}  // namespace

CATIParmManipulator_var CATCkeMakeManipulator() {
  return CATCkeAdopt<CATIParmManipulator>(new CATCkeParmManipulator());
}
