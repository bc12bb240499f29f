// The integer stamps of features as host times.
#include "AXOCorGeomServices.h"
#include "CATISpecUpdate.h"
#include "CATTimeSpan.h"

// A CATTime keeps the reading of the local clock, and a span moves that
// reading, so the result is the same in every time zone and across its
// daylight-saving changes. Every step stays within int: the products below
// never exceed `seconds`.
CATTime AXOCorGeomServices::GetCATTime(int seconds) {
  const CATTime base(1970, 1, 1, 0, 0, 0);
  if (seconds < 0) return base;
  const int days = seconds / 86400;
  const int hours = (seconds - days * 86400) / 3600;
  const int minutes = (seconds - (days * 24 + hours) * 3600) / 60;
  const int rest = seconds - (seconds / 60) * 60;
  return base + CATTimeSpan(days, hours, minutes, rest);
}

CATTime AXOCorGeomServices::GetTimeStamp(const CATISpecObject_var& feature) {
  if (!feature) return CATTime();
  return GetCATTime(feature->GetTimeStamp());
}

CATTime AXOCorGeomServices::GetUpdateStamp(const CATISpecObject_var& feature) {
  const CATISpecUpdate_var update(feature);
  if (!update) return CATTime();
  return GetCATTime(update->GetUpdateStamp());
}
