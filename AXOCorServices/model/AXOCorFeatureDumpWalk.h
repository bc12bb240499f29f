#ifndef AXOCorFeatureDumpWalk_h
#define AXOCorFeatureDumpWalk_h

// What the feature dump shows of a feature, handed to a reader piece by
// piece in the dump's order: the tree of its components, each with its
// attribute keys, then the objects it is linked to. The dump's text
// (AXOCorGlobalServices::PrintAllLinks) is one reader; the tool's JSON
// form of the dump is another, so that both show exactly the same things.
// An internal unit: it calls only the host.

#include "CATISpecObject.h"
#include "CATUnicodeString.h"

class AXOCorFeatureDumpReader {
 public:
  virtual ~AXOCorFeatureDumpReader() = default;

  // A feature of the content, `depth` 0 for the feature dumped, its
  // components one deeper. `name` is empty when it has none.
  virtual void Feature(int depth, const CATUnicodeString& name, const CATUnicodeString& type,
                       const CATUnicodeString& supertype) = 0;
  // The feature last given lists attribute keys (one at least, null ones
  // included); each key that is not null follows as an Attribute.
  virtual void Attributes(int depth) = 0;
  // `kind` "tk_double" ... or "undefine"; for a list "tk_list" with the
  // kind of its elements in `elementKind` (null otherwise); `quality`
  // "sp_NEUTRAL", "sp_IN", "sp_OUT" or "".
  virtual void Attribute(int depth, const CATUnicodeString& name, const char* kind,
                         const char* elementKind, const char* quality) = 0;
  // The feature at `depth` ends: its components have all been given.
  virtual void EndFeature(int depth) = 0;
  // The feature dumped is linked to objects (a list of one at least); each
  // that is a named feature follows as a Link, then EndLinks.
  virtual void Links() = 0;
  virtual void Link(const CATUnicodeString& name, const CATUnicodeString& type) = 0;
  virtual void EndLinks() = 0;
};

// Walks `feature` (not null) for `reader`.
void AXOCorWalkFeatureDump(const CATISpecObject_var& feature, AXOCorFeatureDumpReader& reader);

#endif  // AXOCorFeatureDumpWalk_h
