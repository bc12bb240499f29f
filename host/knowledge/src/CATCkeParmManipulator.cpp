// Editing ranges of knowledge parameters.
#include "CATAdapter.h"
#include "CATAdopt.h"
#include "CATCkeObjects.h"
#include "CATComponent.h"

namespace {

bool IsBoundKind(int kind) {
  return kind >= 0 && kind <= 2;
}

class CATCkeParmManipulator;

class CATCkeRange : public CATAdapterOf<CATIParmManipulator, CATCkeParmManipulator> {
 public:
  using CATAdapterOf::CATAdapterOf;
  HRESULT SetAccurateRange(double lowerBound, int lowerKind, double upperBound,
                           int upperKind) override;
  void GetAccurateRange(double& lowerBound, int& lowerKind, double& upperBound,
                        int& upperKind) const override;
};

const CATInterfaceEntry kManipulatorInterfaces[] = {
    {&IID_CATIParmManipulator, &CATNewAdapter<CATCkeRange>}};

class CATCkeParmManipulator : public CATComponent {
 public:
  CATCkeParmManipulator() : CATComponent(kManipulatorInterfaces) {}
  const char* IsA() const override { return "CATCkeParmManipulator"; }

  double lower = 0.0;
  int lower_kind = 0;
  double upper = 0.0;
  int upper_kind = 0;
};

HRESULT CATCkeRange::SetAccurateRange(double lowerBound, int lowerKind, double upperBound,
                                      int upperKind) {
  if (!IsBoundKind(lowerKind) || !IsBoundKind(upperKind)) return E_INVALIDARG;
  CATCkeParmManipulator* range = Object();
  range->lower = lowerBound;
  range->lower_kind = lowerKind;
  range->upper = upperBound;
  range->upper_kind = upperKind;
  return S_OK;
}

void CATCkeRange::GetAccurateRange(double& lowerBound, int& lowerKind, double& upperBound,
                                   int& upperKind) const {
  const CATCkeParmManipulator* range = Object();
  lowerBound = range->lower;
  lowerKind = range->lower_kind;
  upperBound = range->upper;
  upperKind = range->upper_kind;
}

}  // namespace

CATIParmManipulator_var CATCkeMakeManipulator() {
  return CATAdoptHandle<CATIParmManipulator>(new CATCkeParmManipulator());
}
