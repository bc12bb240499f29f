#ifndef CATCkeParmAdapter_h
#define CATCkeParmAdapter_h

// The one implementation of CATICkeParm, for any component that holds a
// parameter: the knowledge framework's volatile parameters, and parameters
// that are objects of a document's model. The component of class C offers
//
//   CATUnicodeString CkeParmName() const;   // the parameter's name
//   CATCkeParmState& CkeParmState();        // its kind, value and range
//
// and lists CATNewAdapter<CATCkeParmAdapter<C>> for IID_CATICkeParm in its
// interface table.

#include "CATAdapter.h"
#include "CATCkeMagnitudes.h"
#include "CATCkeObjects.h"
#include "CATCkeValueText.h"
#include "CATICkeParm.h"

// What a parameter holds besides its name.
struct CATCkeParmState {
  CATCkeValueKind kind = CATCkeIntegerKind;  // a numeric kind
  double value = 0.0;                        // in the internal unit of `kind`
  CATIParmManipulator_var manipulator;       // null: no editing range
};

template <class C>
class CATCkeParmAdapter : public CATAdapterOf<CATICkeParm, C> {
 public:
  using CATAdapterOf<CATICkeParm, C>::CATAdapterOf;

  CATUnicodeString Name() const override { return this->Object()->CkeParmName(); }
  CATCkeValueKind Kind() const override { return State().kind; }
  CATICkeType_var GetType() const override { return CATCkeTypeOf(State().kind); }
  void SetManipulator(const CATIParmManipulator_var& manipulator) override {
    State().manipulator = manipulator;
  }
  CATIParmManipulator_var GetManipulator() const override { return State().manipulator; }
  HRESULT Valuate(const CATUnicodeString& text) override {
    double value = 0.0;
    if (!CATCkeParseValueText(State().kind, text.ConvertToChar(), &value)) return E_FAIL;
    State().value = value;
    return S_OK;
  }
  CATICkeInst_var Value() const override { return CATCkeMakeValue(State().kind, State().value); }

 private:
  CATCkeParmState& State() const { return this->Object()->CkeParmState(); }
};

#endif  // CATCkeParmAdapter_h
