#include "CATGeoObjects.h"

#include <vector>

#include "CATAdapter.h"
#include "CATAdopt.h"
#include "CATComponent.h"
#include "CATPoint.h"

namespace {

// Every geometric object: points, curves, surfaces, bodies. Its box is the
// box of the points that span it.
class GeoObject : public CATComponent {
 public:
  using CATComponent::CATComponent;
  CATMathBox Box() const {
    CATMathBox box;
    for (const CATMathPoint& point : points_) box.AddInside(point);
    return box;
  }

 protected:
  std::vector<CATMathPoint> points_;
};

template <class I>
class GeometryAdapterOf : public CATAdapterOf<I, GeoObject> {
 public:
  using CATAdapterOf<I, GeoObject>::CATAdapterOf;
  void GetBoundingBox(CATMathBox& box) override { box = this->Object()->Box(); }
};

// ---- Geometry of cells --------------------------------------------------------

class PointObject;
class PointAdapter : public GeometryAdapterOf<CATPoint> {
 public:
  using GeometryAdapterOf::GeometryAdapterOf;
  void GetMathPoint(CATMathPoint& point) override;
};

const CATInterfaceEntry kPoint[] = {
    {&IID_CATGeometry, &CATNewAdapter<GeometryAdapterOf<CATGeometry>>},
    {&IID_CATPoint, &CATNewAdapter<PointAdapter>}};
const CATInterfaceEntry kCarrier[] = {
    {&IID_CATGeometry, &CATNewAdapter<GeometryAdapterOf<CATGeometry>>}};

class PointObject : public GeoObject {
 public:
  explicit PointObject(const CATMathPoint& point) : GeoObject(kPoint) { points_.push_back(point); }
  const char* IsA() const override { return "CATPoint"; }
  const CATMathPoint& Point() const { return points_.front(); }
};

void PointAdapter::GetMathPoint(CATMathPoint& point) {
  point = static_cast<PointObject*>(Object())->Point();
}

// The curve of an edge, the surface of a face.
class CarrierObject : public GeoObject {
 public:
  explicit CarrierObject(const CATCellDescription& cell)
      : GeoObject(kCarrier), curve_(cell.dimension == 1) {
    points_ = cell.points;
  }
  const char* IsA() const override { return curve_ ? "CATLine" : "CATSurface"; }

 private:
  const bool curve_;
};

// ---- Topology -------------------------------------------------------------------

// One reference to each of a list of objects.
template <class T>
using Held = std::vector<CATOwned<T>>;

// Item `number` (from 1) of `items` as interface I with one reference;
// null outside.
template <class I, class T>
I* Item(const Held<T>& items, int number) {
  if (number < 1 || static_cast<size_t>(number) > items.size()) return nullptr;
  return CATNewReference<I>(items[static_cast<size_t>(number - 1)].get());
}

class CellObject;
class CellAdapter : public CATAdapterOf<CATCell, CellObject> {
 public:
  using CATAdapterOf::CATAdapterOf;
  short GetDimension() override;
  CATGeometry* GetGeometry() override;
};
const CATInterfaceEntry kCell[] = {{&IID_CATCell, &CATNewAdapter<CellAdapter>}};

class CellObject : public CATComponent {
 public:
  explicit CellObject(const CATCellDescription& cell)
      : CATComponent(kCell), dimension(cell.dimension) {
    if (cell.dimension == 0) {
      geometry.emplace_back(new PointObject(cell.points.front()));
    } else if (cell.dimension < 3) {
      geometry.emplace_back(new CarrierObject(cell));
    }
  }
  const char* IsA() const override { return "CATCell"; }
  const short dimension;
  Held<GeoObject> geometry;  // none for a volume
};

short CellAdapter::GetDimension() {
  return Object()->dimension;
}
CATGeometry* CellAdapter::GetGeometry() {
  return Item<CATGeometry>(Object()->geometry, 1);
}

class DomainObject;
class DomainAdapter : public CATAdapterOf<CATDomain, DomainObject> {
 public:
  using CATAdapterOf::CATAdapterOf;
  int GetNbCells() override;
  CATCell* GetCell(int number) override;
};
const CATInterfaceEntry kDomain[] = {{&IID_CATDomain, &CATNewAdapter<DomainAdapter>}};

class DomainObject : public CATComponent {
 public:
  explicit DomainObject(const std::vector<CATCellDescription>& cells) : CATComponent(kDomain) {
    for (const CATCellDescription& cell : cells) this->cells.emplace_back(new CellObject(cell));
  }
  const char* IsA() const override { return "CATDomain"; }
  Held<CellObject> cells;
};

int DomainAdapter::GetNbCells() {
  return static_cast<int>(Object()->cells.size());
}
CATCell* DomainAdapter::GetCell(int number) {
  return Item<CATCell>(Object()->cells, number);
}

class BodyObject;
class BodyAdapter : public GeometryAdapterOf<CATBody> {
 public:
  using GeometryAdapterOf::GeometryAdapterOf;
  int GetNbDomains() override;
  CATDomain* GetDomain(int number) override;
  void GetDimension(short& highest, short& lowest, int domain, int cell) override;
};
const CATInterfaceEntry kBody[] = {
    {&IID_CATGeometry, &CATNewAdapter<GeometryAdapterOf<CATGeometry>>},
    {&IID_CATBody, &CATNewAdapter<BodyAdapter>}};

class BodyObject : public GeoObject {
 public:
  explicit BodyObject(const CATBodyDescription& body) : GeoObject(kBody), description(body) {
    for (const auto& cells : body.domains) {
      domains.emplace_back(new DomainObject(cells));
      for (const CATCellDescription& cell : cells) {
        points_.insert(points_.end(), cell.points.begin(), cell.points.end());
      }
    }
  }
  const char* IsA() const override { return "CATBody"; }
  const CATBodyDescription description;
  Held<DomainObject> domains;
};

int BodyAdapter::GetNbDomains() {
  return static_cast<int>(static_cast<BodyObject*>(Object())->domains.size());
}
CATDomain* BodyAdapter::GetDomain(int number) {
  return Item<CATDomain>(static_cast<BodyObject*>(Object())->domains, number);
}
void BodyAdapter::GetDimension(short& highest, short& lowest, int domain, int cell) {
  const auto& domains = static_cast<BodyObject*>(Object())->domains;
  bool counted = false;
  short high = 0;
  short low = 0;
  for (size_t d = 0; d < domains.size(); ++d) {
    if (domain != 0 && static_cast<size_t>(domain) != d + 1) continue;
    const auto& cells = domains[d]->cells;
    for (size_t c = 0; c < cells.size(); ++c) {
      if (cell != 0 && static_cast<size_t>(cell) != c + 1) continue;
      const short dimension = cells[c]->dimension;
      high = counted && high > dimension ? high : dimension;
      low = counted && low < dimension ? low : dimension;
      counted = true;
    }
  }
  if (!counted) return;
  highest = high;
  lowest = low;
}

}  // namespace

CATBody* CATGeoNewBody(const CATBodyDescription& body) {
  if (!CATBodyDescriptionFault(body).empty()) return nullptr;
  return CATAdoptAs<CATBody>(new BodyObject(body));
}

const CATBodyDescription* CATGeoDescriptionOf(CATBaseUnknown* body) {
  const CATBaseUnknown_var identity(body);
  const BodyObject* own = dynamic_cast<BodyObject*>(static_cast<CATBaseUnknown*>(identity));
  return own != nullptr ? &own->description : nullptr;
}
