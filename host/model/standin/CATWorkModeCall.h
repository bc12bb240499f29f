#ifndef CATWorkModeCall_h
#define CATWorkModeCall_h

// The record of a call of CATPrsWorkModeServices::SetWorkMode, which the
// stand-in keeps for tests (CATTestModel::WorkModeCalls).

#include "CATIProduct.h"

struct CATWorkModeCall {
  CATIProduct_var instance;
  int mode;
};

#endif  // CATWorkModeCall_h
