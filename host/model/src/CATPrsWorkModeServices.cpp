#include "CATPrsWorkModeServices.h"

#include "CATModelProductData.h"
#include "CATModelSession.h"

HRESULT CATPrsWorkModeServices::SetWorkMode(const CATIProduct_var& instance, int mode) {
  if (!instance) return E_INVALIDARG;
  CATModelSession& session = CATModelSession::Get();
  session.work_mode_calls.push_back(CATWorkModeCall{instance, mode});
  CATModelNode* node = CATModelObjectOf<CATModelNode>(instance);
  if (node == nullptr || node->Kind() != CATModelKind::kProduct) return session.work_mode_result;
  const CATModelProductData& data = node->Data<CATModelProductData>();
  data.work_mode_fault.RaiseIfAsked();
  return data.work_mode_result.value_or(session.work_mode_result);
}
