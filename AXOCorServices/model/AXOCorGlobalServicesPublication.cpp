// Publication of features on the product of their part.
#include "AXOCorGlobalServices.h"
#include "CATIAlias.h"
#include "CATICkeParm.h"
#include "CATIConnector.h"
#include "CATILinkableObject.h"
#include "CATIMechanicalFeature.h"
#include "CATIPrdObjectPublisher.h"
#include "CATIRedrawEvent.h"

namespace {

// The name whose publication a new one replaces instead of being refused.
const char kReplacedPublication[] = "ElevationGridHeightReference";

// A pointer that a host query handed over with one reference, as a handle;
// the handed reference is given back.
CATISpecObject_var Adopt(CATISpecObject* counted) {
  const CATISpecObject_var handle(counted);
  if (counted != nullptr) counted->Release();
  return handle;
}

// Where a feature can be published: its part, the part's product and the
// product's connector to the feature.
struct PublishingPlace {
  CATIPrtPart_var part;
  CATIProduct_var product;
  CATIConnector_var connector;
  CATIPrdObjectPublisher_var publisher;
};

// Finds the place of `mechanical` and the connector to `linkable`, made
// when missing. False when an object on the way is missing.
bool FindPublishingPlace(const CATIMechanicalFeature_var& mechanical,
                         const CATILinkableObject_var& linkable, PublishingPlace& place) {
  if (!mechanical) return false;
  place.part = mechanical->GetPart();
  if (!place.part) return false;
  place.product = place.part->GetProduct();
  if (!place.product) return false;
  place.connector = place.product->FindConnector(linkable);
  if (!place.connector) {
    place.connector = place.product->AddConnector(linkable, CATIConnector_var());
  }
  if (!place.connector) return false;
  place.publisher = place.product;
  return !!place.publisher;
}

// Whether one of the publisher's names is exactly `name`.
bool HasPublicationNamed(const CATIPrdObjectPublisher_var& publisher,
                         const CATUnicodeString& name) {
  CATListValCATUnicodeString names;
  const int count = publisher->ListPublications(names);
  for (int i = 1; i <= count && i <= names.Size(); ++i) {
    if (names[i].Compare(name) == 2) return true;
  }
  return false;
}

// The mechanical feature that places `feature`: its own, or for a knowledge
// parameter that has a parent, its owner's. Null when there is none.
CATIMechanicalFeature_var PlacingFeature(const CATISpecObject_var& feature) {
  const CATIMechanicalFeature_var own(feature);
  if (!!own) return own;
  const CATICkeParm_var parameter(feature);
  if (!parameter) return own;
  const CATISpecObject_var owner = Adopt(feature->GetOwner());
  if (!owner) return CATIMechanicalFeature_var();
  const CATISpecObject_var parent = Adopt(feature->GetFather());
  return !!parent ? CATIMechanicalFeature_var(owner) : CATIMechanicalFeature_var();
}

}  // namespace

HRESULT AXOCorGlobalServices::Publish(const CATISpecObject_var& feature, CATUnicodeString name) {
  if (!feature) return E_FAIL;
  const CATILinkableObject_var linkable(feature);
  if (!linkable) return E_FAIL;
  const CATIAlias_var alias(feature);
  if (!alias) return E_FAIL;
  const CATIMechanicalFeature_var mechanical = PlacingFeature(feature);
  if (!mechanical) return E_FAIL;
  PublishingPlace place;
  if (!FindPublishingPlace(mechanical, linkable, place)) return E_FAIL;

  const bool nameGiven = name.Compare("") != 2;
  const CATUnicodeString publicationName = nameGiven ? name : alias->GetAlias();
  CATBaseUnknown_var published;
  if (SUCCEEDED(place.publisher->GetPublication(publicationName, published))) {
    if (name.Compare(kReplacedPublication) >= 1) {
      place.publisher->Unpublish(publicationName);
      place.publisher->GetPublication(publicationName, published);
    } else if (HasPublicationNamed(place.publisher, publicationName)) {
      return E_FAIL;
    }
  }
  published.Clear();

  const int accepted = place.publisher->Publish(publicationName, place.connector);
  const CATIRedrawEvent_var redraw(place.part);
  if (!!redraw) redraw->Redraw();
  return accepted == 1 ? S_OK : E_FAIL;
}

HRESULT AXOCorGlobalServices::IsPublished(const CATISpecObject_var& feature,
                                          CATUnicodeString name) {
  if (!feature) return E_FAIL;
  const CATIAlias_var alias(feature);
  if (!alias) return E_FAIL;
  PublishingPlace place;
  if (!FindPublishingPlace(CATIMechanicalFeature_var(feature), CATILinkableObject_var(feature),
                           place)) {
    return E_FAIL;
  }
  return HasPublicationNamed(place.publisher, name) ? E_FAIL : S_OK;
}
