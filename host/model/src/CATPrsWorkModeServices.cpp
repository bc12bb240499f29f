#include "CATPrsWorkModeServices.h"

#include "CATModelSession.h"

HRESULT CATPrsWorkModeServices::SetWorkMode(const CATIProduct_var& instance, int mode) {
  if (!instance) return E_INVALIDARG;
  CATModelSession& session = CATModelSession::Get();
  session.work_mode_calls.push_back(CATWorkModeCall{instance, mode});
  return session.work_mode_result;
}
