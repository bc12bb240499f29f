#ifndef PartCollection_h
#define PartCollection_h

// The parts that "axocor model save-part" updates and saves: those of the
// part documents that the instances below a product refer to.

#include <string>
#include <vector>

#include "CATIProduct.h"
#include "CATIPrtPart.h"

struct PartCollection {
  // Depth first in the order of the instances, each part once, at its first
  // instance.
  std::vector<CATIPrtPart_var> parts;
  // One text per instance of a product within itself, which is not followed:
  // the part numbers from the outermost product so contained down to the
  // product that holds the instance ("\"A\" -> \"B\" -> \"A\"").
  std::vector<std::string> cycles;
};

// The parts below `root`. Each product is gone through once, however many
// instances of it there are, so a product shared at every level costs time
// in the number of products, not of paths.
PartCollection CollectParts(const CATIProduct_var& root);

#endif  // PartCollection_h
