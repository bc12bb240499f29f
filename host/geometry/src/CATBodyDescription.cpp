#include "CATBodyDescription.h"

#include <cmath>

namespace {

bool IsFinite(const CATMathPoint& point) {
  return std::isfinite(point.GetX()) && std::isfinite(point.GetY()) && std::isfinite(point.GetZ());
}

}  // namespace

std::string CATCellDescriptionFault(const CATCellDescription& cell) {
  const size_t count = cell.points.size();
  switch (cell.dimension) {
    case 0:
      if (count != 1) return "a vertex has exactly one point";
      break;
    case 1:
      if (count != 2) return "an edge has exactly two points";
      break;
    case 2:
    case 3:
      if (count == 0) return "a face or a volume has one point or more";
      break;
    default:
      return "a cell has dimension 0, 1, 2 or 3";
  }
  for (const CATMathPoint& point : cell.points) {
    if (!IsFinite(point)) return "a point is finite";
  }
  return std::string();
}

std::string CATBodyDescriptionFault(const CATBodyDescription& body) {
  for (size_t d = 0; d < body.domains.size(); ++d) {
    for (size_t c = 0; c < body.domains[d].size(); ++c) {
      const std::string fault = CATCellDescriptionFault(body.domains[d][c]);
      if (!fault.empty()) {
        return "domain " + std::to_string(d + 1) + ", cell " + std::to_string(c + 1) + ": " + fault;
      }
    }
  }
  return std::string();
}
