#include "CATMathTransformation.h"

#include <cmath>

namespace {

constexpr double kRigidTolerance = 1e-6;

bool Near(double value, double expected) {
  return std::fabs(value - expected) <= kRigidTolerance;  // false for NaN
}

}  // namespace

CATMathTransformation::CATMathTransformation()
    : rotation_{1, 0, 0, 0, 1, 0, 0, 0, 1}, translation_{0, 0, 0} {}

CATMathTransformation::CATMathTransformation(const double (&rotation)[9],
                                             const double (&translation)[3]) {
  for (int i = 0; i < 9; ++i) rotation_[i] = rotation[i];
  for (int i = 0; i < 3; ++i) translation_[i] = translation[i];
}

void CATMathTransformation::GetCoef(double (&rotation)[9], double (&translation)[3]) const {
  for (int i = 0; i < 9; ++i) rotation[i] = rotation_[i];
  for (int i = 0; i < 3; ++i) translation[i] = translation_[i];
}

bool CATMathTransformation::IsRigid() const {
  const double* r = rotation_;
  for (int a = 0; a < 3; ++a) {
    for (int b = a; b < 3; ++b) {
      const double dot =
          r[3 * a] * r[3 * b] + r[3 * a + 1] * r[3 * b + 1] + r[3 * a + 2] * r[3 * b + 2];
      if (!Near(dot, a == b ? 1.0 : 0.0)) return false;
    }
  }
  const double determinant = r[0] * (r[4] * r[8] - r[5] * r[7]) -
                             r[1] * (r[3] * r[8] - r[5] * r[6]) +
                             r[2] * (r[3] * r[7] - r[4] * r[6]);
  return Near(determinant, 1.0);
}

CATMathPoint CATMathTransformation::operator*(const CATMathPoint& point) const {
  const double p[3] = {point.GetX(), point.GetY(), point.GetZ()};
  double placed[3];
  for (int row = 0; row < 3; ++row) {
    placed[row] = rotation_[3 * row] * p[0] + rotation_[3 * row + 1] * p[1] +
                  rotation_[3 * row + 2] * p[2] + translation_[row];
  }
  return CATMathPoint(placed[0], placed[1], placed[2]);
}

bool CATMathTransformation::operator==(const CATMathTransformation& other) const {
  for (int i = 0; i < 9; ++i) {
    if (rotation_[i] != other.rotation_[i]) return false;
  }
  for (int i = 0; i < 3; ++i) {
    if (translation_[i] != other.translation_[i]) return false;
  }
  return true;
}
