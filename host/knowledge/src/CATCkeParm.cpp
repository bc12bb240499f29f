// Volatile knowledge parameters: a name, a kind, a value and an optional
// range, belonging to no document.
#include "CATAdopt.h"
#include "CATCkeObjects.h"
#include "CATCkeParmAdapter.h"
#include "CATComponent.h"

namespace {

class CATCkeParm;

const CATInterfaceEntry kParmInterfaces[] = {
    {&IID_CATICkeParm, &CATNewAdapter<CATCkeParmAdapter<CATCkeParm>>}};

class CATCkeParm : public CATComponent {
 public:
  CATCkeParm(const CATUnicodeString& name, CATCkeValueKind kind, double value)
      : CATComponent(kParmInterfaces), name_(name) {
    state_.kind = kind;
    state_.value = value;
  }
  const char* IsA() const override { return "CATCkeParm"; }

  CATUnicodeString CkeParmName() const { return name_; }
  CATCkeParmState& CkeParmState() { return state_; }

 private:
  const CATUnicodeString name_;
  CATCkeParmState state_;
};

}  // namespace

CATICkeParm_var CATCkeMakeParm(const CATUnicodeString& name, CATCkeValueKind kind, double value) {
  return CATAdoptHandle<CATICkeParm>(new CATCkeParm(name, kind, value));
}
