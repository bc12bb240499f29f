#include "CATModelFileGeometry.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <memory>
#include <vector>

#include "CATGeoObjects.h"
#include "CATModelProductData.h"

namespace {

struct CellName {
  short dimension;
  const char* name;
};
const CellName kCells[] = {{0, "vertex"}, {1, "edge"}, {2, "face"}, {3, "volume"}};

// `where` with "[index]" appended for as long as it lives: a body holds
// many cells and points, and their places are needed only to name a fault.
class ItemPlace {
 public:
  ItemPlace(std::string& where, size_t index) : where_(where), length_(where.size()) {
    CATModelAppendIndex(where_, index);
  }
  ~ItemPlace() { where_.resize(length_); }
  ItemPlace(const ItemPlace&) = delete;
  ItemPlace& operator=(const ItemPlace&) = delete;

 private:
  std::string& where_;
  size_t length_;
};

// `count` numbers.
void Numbers(const CATModelFileReading& reading, const CATJson& value, double* numbers,
             size_t count, const std::string& where) {
  const CATJson::array_t& list = reading.Array(value, where);
  if (list.size() != count) {
    reading.Fail(where, "expected a list of " + std::to_string(count) + " numbers");
  }
  for (size_t i = 0; i < count; ++i) {
    if (!list[i].is_number()) reading.Fail(CATModelItemPlace(where, i), "expected a number");
    numbers[i] = list[i].get<double>();
  }
}

CATMathPoint Point(const CATModelFileReading& reading, const CATJson& value,
                   const std::string& where) {
  double xyz[3];
  Numbers(reading, value, xyz, 3, where);
  return CATMathPoint(xyz[0], xyz[1], xyz[2]);
}

// The cell of `value`; `where` is its place, given back as it came.
CATCellDescription Cell(const CATModelFileReading& reading, const CATJson& value,
                        std::string& where) {
  const CATJson::object_t& fields = reading.Object(value, where);
  const CellName* kind = nullptr;
  for (const CellName& name : kCells) {
    if (fields.size() == 1 && fields.begin()->first == name.name) kind = &name;
  }
  if (kind == nullptr) {
    reading.Fail(where,
                 "expected {\"vertex\": point}, {\"edge\": points}, {\"face\": points} or "
                 "{\"volume\": points}");
  }
  const size_t length = where.size();
  std::string& place = where.append(".").append(kind->name);
  CATCellDescription cell;
  cell.dimension = kind->dimension;
  if (kind->dimension == 0) {
    cell.points.push_back(Point(reading, fields.begin()->second, place));
  } else {
    const CATJson::array_t& points = reading.Array(fields.begin()->second, place);
    for (size_t i = 0; i < points.size(); ++i) {
      const ItemPlace item(place, i);
      cell.points.push_back(Point(reading, points[i], place));
    }
  }
  const std::string fault = CATCellDescriptionFault(cell);
  if (!fault.empty()) reading.Fail(place, fault);
  where.resize(length);
  return cell;
}

// The coordinates of `points`, three a point, in `numbers` when they fit.
const double* Coordinates(const std::vector<CATMathPoint>& points, double (&numbers)[12],
                          std::vector<double>& more) {
  double* at = numbers;
  if (3 * points.size() > std::size(numbers)) {
    more.resize(3 * points.size());
    at = more.data();
  }
  for (size_t i = 0; i < points.size(); ++i) {
    at[3 * i] = points[i].GetX();
    at[3 * i + 1] = points[i].GetY();
    at[3 * i + 2] = points[i].GetZ();
  }
  return at;
}

}  // namespace

void CATModelReadGeometry(const CATModelFileReading& reading, const CATJson& value,
                          CATModelNode& node, const std::string& where) {
  CATBodyDescription body;
  const CATJson::array_t& domains = reading.Array(value, where);
  std::string place = where;
  for (size_t d = 0; d < domains.size(); ++d) {
    const ItemPlace domain(place, d);
    const CATJson::array_t& cells = reading.Array(domains[d], place);
    body.domains.emplace_back();
    for (size_t c = 0; c < cells.size(); ++c) {
      const ItemPlace cell(place, c);
      body.domains.back().push_back(Cell(reading, cells[c], place));
    }
  }
  CATBody* made = CATGeoNewBody(body);
  node.Data<CATGeoShownData>().result = made;
  made->Release();
}

void CATModelWriteGeometry(const CATModelFileWriting&, CATModelNode& node, CATModelFileOut& out) {
  const CATBodyDescription* body = CATGeoDescriptionOf(node.Data<CATGeoShownData>().result);
  if (body == nullptr) return;
  double few[12];
  std::vector<double> more;
  out.Key("geometry");
  out.BeginArray();
  for (const auto& cells : body->domains) {
    out.BeginArray();
    for (const CATCellDescription& cell : cells) {
      const double* numbers = Coordinates(cell.points, few, more);
      out.BeginObject();
      out.Key(kCells[cell.dimension].name);
      if (cell.dimension == 0) {
        out.Numbers(numbers, 3);
      } else {
        out.Rows(numbers, cell.points.size(), 3);
      }
      out.EndObject();
    }
    out.EndArray();
  }
  out.EndArray();
}

void CATModelReadHidden(const CATModelFileReading& reading, const CATJson& value,
                        CATModelNode& node, const std::string& where) {
  std::unique_ptr<CATRep>& rep = node.Data<CATGeoShownData>().rep;
  rep.reset(new CATRep());
  rep->GetGraphicAttributeSet().SetHidden(reading.Boolean(value, where) ? 1 : 0);
}

void CATModelWriteHidden(const CATModelFileWriting&, CATModelNode& node, CATModelFileOut& out) {
  const std::unique_ptr<CATRep>& rep = node.Data<CATGeoShownData>().rep;
  if (rep == nullptr) return;
  out.Key("hidden");
  out.Boolean(rep->GetGraphicAttributeSet().IsHidden() != 0);
}

void CATModelReadPosition(const CATModelFileReading& reading, const CATJson& value,
                          CATModelNode& node, const std::string& where) {
  double rotation[9];
  double translation[3];
  CATMathTransformation().GetCoef(rotation, translation);
  for (const auto& field : reading.Object(value, where)) {
    const std::string place = where + "." + field.first;
    if (field.first == "rotation") {
      const CATJson::array_t& rows = reading.Array(field.second, place);
      if (rows.size() != 3) reading.Fail(place, "expected three rows");
      for (size_t row = 0; row < 3; ++row) {
        Numbers(reading, rows[row], rotation + 3 * row, 3, CATModelItemPlace(place, row));
      }
    } else if (field.first == "translation") {
      Numbers(reading, field.second, translation, 3, place);
    } else {
      reading.Fail(place, "unknown field of a position (\"rotation\", \"translation\")");
    }
  }
  CATMathTransformation& position = node.Data<CATModelProductData>().position;
  position = CATMathTransformation(rotation, translation);
  if (!position.IsRigid()) {
    reading.Fail(where + ".rotation",
                 "not a rotation (rows of length 1 at right angles, determinant 1)");
  }
}

void CATModelWritePosition(const CATModelFileWriting&, CATModelNode& node, CATModelFileOut& out) {
  double rotation[9];
  double translation[3];
  double identity[9];
  double zero[3];
  node.Data<CATModelProductData>().position.GetCoef(rotation, translation);
  CATMathTransformation().GetCoef(identity, zero);
  const bool rotated = !std::equal(rotation, rotation + 9, identity);
  const bool moved = !std::equal(translation, translation + 3, zero);
  if (!rotated && !moved) return;
  out.Key("position");
  out.BeginObject();
  if (rotated) {
    out.Key("rotation");
    out.Rows(rotation, 3, 3);
  }
  if (moved) {
    out.Key("translation");
    out.Numbers(translation, 3);
  }
  out.EndObject();
}
