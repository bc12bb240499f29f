#ifndef CATOfferSet_h
#define CATOfferSet_h

// The interfaces that a component offers (CATComponent.h), each with the
// maker of its adapters.

#include "CATComponent.h"
#include "CATIidList.h"

struct CATInterfaceOffer {
  IID iid;
  CATAdapterMaker make;  // null: removed
};

class CATOfferSet {
 public:
  // The set of `count` entries of `interfaces`, in their order; an
  // interface named twice keeps its first place and its last maker.
  CATOfferSet(const CATInterfaceEntry* interfaces, int count);

  // The offer of `iid`; null when the set does not name it.
  const CATInterfaceOffer* Find(const IID& iid) const { return offers_.Find(iid); }
  // `iid` is offered through `make` (null: removed), in place of what the
  // set offered for it; an interface not named yet comes last.
  void Set(const IID& iid, CATAdapterMaker make);

  // The same interfaces, in the same order, with the same makers.
  bool operator==(const CATOfferSet& other) const;

 private:
  CATIidList<CATInterfaceOffer> offers_;
};

#endif  // CATOfferSet_h
