#ifndef CATTestList_h
#define CATTestList_h

// Contract: the stand-in's own header; none of it is the host's.

#ifdef CAT_HOST_API_ONLY
#error "a header of the stand-in's own, not of the host"
#endif

// The lists of an object that a test can give in place of those derived
// from the model's tree (CATTestNode::List in CATTestModel.h), each
// standing for the answers of the calls named.
enum class CATTestList {
  kChildren,       // CATIProduct::GetChildren, CATIDescendants::GetDirectChildren
  kComponents,     // CATISpecObject::GetComponents
  kLinkedObjects,  // CATISpecAttrAccess::ListLinkedObjects
  kMembers,        // AXOIAttLogical::ListMembers
  kSearchResults,  // AXOICorProductSearch::FindProducts
  kDescriptions,   // CATICatalogChapter::ListDescriptions
};

#endif  // CATTestList_h
