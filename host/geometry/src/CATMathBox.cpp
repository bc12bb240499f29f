#include "CATMathBox.h"

#include <algorithm>

CATMathBox::CATMathBox(const CATMathPoint& low, const CATMathPoint& high, int sort)
    : low_(low), high_(high) {
  if (sort != 0) {
    low_.SetCoord(std::min(low.GetX(), high.GetX()), std::min(low.GetY(), high.GetY()),
                  std::min(low.GetZ(), high.GetZ()));
    high_.SetCoord(std::max(low.GetX(), high.GetX()), std::max(low.GetY(), high.GetY()),
                   std::max(low.GetZ(), high.GetZ()));
  }
  empty_ =
      !(low_.GetX() <= high_.GetX() && low_.GetY() <= high_.GetY() && low_.GetZ() <= high_.GetZ());
  if (empty_) low_ = high_ = CATMathPoint();
}

void CATMathBox::AddInside(const CATMathBox& other) {
  if (other.empty_) return;
  AddInside(other.low_);
  AddInside(other.high_);
}

void CATMathBox::AddInside(const CATMathPoint& point) {
  if (empty_) {
    low_ = high_ = point;
    empty_ = false;
    return;
  }
  low_.SetCoord(std::min(low_.GetX(), point.GetX()), std::min(low_.GetY(), point.GetY()),
                std::min(low_.GetZ(), point.GetZ()));
  high_.SetCoord(std::max(high_.GetX(), point.GetX()), std::max(high_.GetY(), point.GetY()),
                 std::max(high_.GetZ(), point.GetZ()));
}

HRESULT CATMathBox::GetLimits(double& xmin, double& xmax, double& ymin, double& ymax, double& zmin,
                              double& zmax) const {
  if (empty_) return E_FAIL;
  low_.GetCoord(xmin, ymin, zmin);
  high_.GetCoord(xmax, ymax, zmax);
  return S_OK;
}

void CATMathBox::GetLowLimit(CATMathPoint& low) const {
  low = low_;
}

void CATMathBox::GetHighLimit(CATMathPoint& high) const {
  high = high_;
}

bool CATMathBox::operator==(const CATMathBox& other) const {
  return empty_ == other.empty_ && low_ == other.low_ && high_ == other.high_;
}
