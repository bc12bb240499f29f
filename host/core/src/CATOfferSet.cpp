#include "CATOfferSet.h"

#include <algorithm>

CATOfferSet::CATOfferSet(const CATInterfaceEntry* interfaces, int count) {
  for (int i = 0; interfaces != nullptr && i < count; ++i) {
    if (interfaces[i].iid != nullptr) Set(*interfaces[i].iid, interfaces[i].make);
  }
}

void CATOfferSet::Set(const IID& iid, CATAdapterMaker make) {
  if (CATInterfaceOffer* named = offers_.Find(iid)) {
    named->make = make;
  } else {
    offers_.Add(CATInterfaceOffer{iid, make});
  }
}

bool CATOfferSet::operator==(const CATOfferSet& other) const {
  const std::vector<CATInterfaceOffer>& mine = offers_.Entries();
  const std::vector<CATInterfaceOffer>& theirs = other.offers_.Entries();
  return std::equal(mine.begin(), mine.end(), theirs.begin(), theirs.end(),
                    [](const CATInterfaceOffer& a, const CATInterfaceOffer& b) {
                      return CATSameIid(a.iid, b.iid) && a.make == b.make;
                    });
}
