#ifndef CATModelProductData_h
#define CATModelProductData_h

// The data of the model's own kinds that hold more than a plain struct:
// products and parts.

#include <optional>
#include <vector>

#include "CATGeoShownData.h"
#include "CATMathTransformation.h"
#include "CATModelNode.h"

// A connector of a product (CATIConnector).
class CATModelConnector final : public CATComponent {
 public:
  CATModelConnector(CATModelNode* product, const CATModelLink& target);
  const char* IsA() const override { return "CATModelConnector"; }

  // The product that owns the connector; null once it let go of it.
  CATModelNode* product;
  CATModelLink target;  // relative to the product's document
};

struct CATModelPublication {
  CATUnicodeString name;
  CATModelConnector* connector;  // one of the product's connectors
};

// A reference product or an instance.
class CATModelProductData : public CATModelKindData {
 public:
  CATModelProductData() = default;
  CATModelProductData(const CATModelProductData&) = delete;
  CATModelProductData& operator=(const CATModelProductData&) = delete;
  ~CATModelProductData() override;

  void VisitLinks(const std::function<void(CATModelLink&)>& visit) override;

  // The connector of `product` (whose data this is) designating `target`
  // (relative to the product's document), made when there is none yet.
  CATModelConnector* ConnectorFor(CATModelNode* product, const CATModelLink& target);

  CATUnicodeString part_number;
  CATModelLink reference;                      // set for an instance
  std::vector<CATModelConnector*> connectors;  // one reference each
  std::vector<CATModelPublication> publications;
  bool refuses_publications = false;
  CATMathTransformation position;  // in the parent product
  // What CATPrsWorkModeServices::SetWorkMode answers for this product:
  // raises or throws as `work_mode_fault` says, else returns
  // `work_mode_result`, else the session's result (not saved).
  CATModelFault work_mode_fault;
  std::optional<HRESULT> work_mode_result;
};

// The part feature at the top of a part document: drawn, never a result.
struct CATModelPartData : CATModelKindData, CATGeoShownData {
  int redraws = 0;  // notifications received (not saved)
};

#endif  // CATModelProductData_h
