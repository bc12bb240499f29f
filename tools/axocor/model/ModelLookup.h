#ifndef ModelLookup_h
#define ModelLookup_h

// Finding objects of an open document of the host's model from the command
// line: the document's part or root product, and an object by its feature
// path. Every model command names objects this one way.

#include <string>
#include <vector>

#include "CATIProduct.h"
#include "CATIPrtPart.h"
#include "CATISpecObject.h"
#include "CATMathBox.h"
#include "CATMathTransformation.h"

class CATDocument;

// The part of a part document; null for other documents.
CATIPrtPart_var PartOfDocument(CATDocument* document);
// The root product of a product document: the first product at the top of
// its first container. A part document answers with its part's product.
CATIProduct_var RootProductOfDocument(CATDocument* document);
// The part of the part document that holds an instance's reference; null
// when the reference is a product of a product document or cannot be
// reached.
CATIPrtPart_var PartOfInstance(const CATIProduct_var& instance);

// The help of a FEATURE-PATH argument, the same for every command.
extern const char kFeaturePathHelp[];

// What a feature path names in a document.
struct ModelTarget {
  // The object named: the document's root (part or root product) for an
  // empty path, an instance, or a feature below a part.
  CATBaseUnknown_var object;
  // The part that `object` lies in or is; null for products.
  CATIPrtPart_var part;
  // For an instance: that instance; null otherwise.
  CATIProduct_var instance;
  // The positions of the instances that place the space `object` is
  // measured in (its part's for a feature or part, the holding product's
  // for an instance, whose own position GetBoundingBox applies) in the
  // document root's space, the outermost first.
  std::vector<CATMathTransformation> positions;
  // The last name of the path (the object's name); the root's name for an
  // empty path.
  std::string name;
};

// Resolves `path` in `document` (the file the user named, `file`, only
// for messages). Names are separated by "\" or "/"; empty names are passed
// over. From a product document the path starts with an instance below
// the root product and goes on through instances of assemblies; after an
// instance of a part's product it goes on below that part
// ("Room.2\Level 1\Wall.1"). From a part document it starts below the part
// ("Level 1\Wall.1"). Every name must be that of a direct child of the
// object before it. True with `target` set; false with `fault` naming the
// first name not found and what lies there ("no feature "Wal.1" below
// "Level 1" in Room.CATPart; did you mean 'Wall.1'?": the near names, else
// the instances of a root product or the names below) or the instance
// whose part cannot be reached.
bool FindByPath(CATDocument* document, const std::string& path, ModelTarget& target,
                std::string& fault);

// The objects that a path may name after `target`: the instances below a
// product, the features below a part or a feature, those below the part of
// an instance of a part's product; each once, in their order.
std::vector<CATBaseUnknown_var> NextOnPath(const ModelTarget& target);

// The object whose children NextOnPath lists: the part of an instance of a
// part's product, else the target's object.
CATBaseUnknown_var ChildrenHolder(const ModelTarget& target);

// The placement of `target`'s space in the document root's space: its
// positions composed.
CATMathTransformation PlacementOf(const ModelTarget& target);

// The box of `target`'s object in the document root's space as the library
// boxes the root: its GetBoundingBox (which places an instance by its own
// position), then placed by each position of `target.positions` in turn,
// the innermost first, as GetBoundingBox places a product (the low and
// high corners only, AXOCorPlacement.h), so that the root's box holds the
// boxes of its instances exactly. False when the library finds no box: the
// object is of none of the kinds that have one, or its part cannot be
// reached.
bool PlacedBoxOf(const ModelTarget& target, CATMathBox& box);
// A coordinate as the tool prints it: the shortest text that reads back
// as the same double, "0" for -0.
std::string CoordinateText(double value);

// The name (CATIAlias) of `object`; empty for one without a name.
std::string NameOf(const CATBaseUnknown_var& object);

#endif  // ModelLookup_h
