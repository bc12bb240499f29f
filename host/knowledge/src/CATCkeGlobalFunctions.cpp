// The volatile parameter factory and its availability switch for tests.
#include "CATCkeGlobalFunctions.h"

#include "CATAdapter.h"
#include "CATAdopt.h"
#include "CATCkeObjects.h"
#include "CATCkeValueText.h"
#include "CATComponent.h"

namespace {

bool g_factory_available = true;

// The factory keeps no state: its component only carries the interface.
class CATCkeVolatileFactory : public CATAdapter<CATICkeParmFactory> {
 public:
  using CATAdapter::CATAdapter;

  CATICkeParm_var CreateInteger(const CATUnicodeString& name, int value) override {
    return Create(name, CATCkeIntegerKind, value);
  }
  CATICkeParm_var CreateLength(const CATUnicodeString& name, double value) override {
    return Create(name, CATCkeLengthKind, value);
  }
  CATICkeParm_var CreateAngle(const CATUnicodeString& name, double value) override {
    return Create(name, CATCkeAngleKind, value);
  }
  CATIParmManipulator_var CreateParmManipulator() override { return CATCkeMakeManipulator(); }

 private:
  static CATICkeParm_var Create(const CATUnicodeString& name, CATCkeValueKind kind, double value) {
    if (name.GetLengthInChar() == 0 || !CATCkeIsRepresentable(kind, value)) {
      return CATICkeParm_var();
    }
    return CATCkeMakeParm(name, kind, value);
  }
};

const CATInterfaceEntry kFactoryInterfaces[] = {
    {&IID_CATICkeParmFactory, &CATNewAdapter<CATCkeVolatileFactory>}};

class CATCkeFactoryComponent : public CATComponent {
 public:
  CATCkeFactoryComponent() : CATComponent(kFactoryInterfaces) {}
  const char* IsA() const override { return "CATCkeVolatileFactory"; }
};

}  // namespace

CATICkeParmFactory_var CATCkeGlobalFunctions::GetVolatileFactory() {
  // The factory keeps no state, so each caller gets an object of its own;
  // nothing stays alive once the caller drops its handle.
  if (!g_factory_available) return CATICkeParmFactory_var();
  return CATAdoptHandle<CATICkeParmFactory>(new CATCkeFactoryComponent());
}

void CATCkeGlobalFunctions::SetVolatileFactoryAvailableForTesting(bool available) {
  g_factory_available = available;
}
