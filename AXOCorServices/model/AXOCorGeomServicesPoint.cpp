// The point of a body made of one point.
#include "AXOCorGeomServices.h"
#include "CATPoint.h"
#include "foundations/AXOCorAdoptedHandle.h"

HRESULT AXOCorGeomServices::GetMathPointFromBody(CATBody_var body, CATMathPoint& point) {
  if (!body || body->GetNbDomains() != 1) return E_FAIL;
  short dimension = -1;
  short lowest = 0;
  body->GetDimension(dimension, lowest, 0, 0);
  if (dimension != 0) return E_FAIL;
  const CATDomain_var domain = AXOCorAdoptHandle<CATDomain>(body->GetDomain(1));
  if (!domain || domain->GetNbCells() != 1) return E_FAIL;
  const CATCell_var cell = AXOCorAdoptHandle<CATCell>(domain->GetCell(1));
  const CATPoint_var vertex =
      !cell ? CATPoint_var() : AXOCorAdoptHandle<CATPoint>(cell->GetGeometry());
  if (!vertex) return E_FAIL;
  vertex->GetMathPoint(point);
  return S_OK;
}
