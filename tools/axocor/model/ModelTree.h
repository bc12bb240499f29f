#ifndef ModelTree_h
#define ModelTree_h

// The tree of a document of the host's model, read through the model's
// interfaces: each document (its path and type), then its top-level objects
// and below them their children. The tree is gathered once as data
// (ModelTreeOf) and printed as text, as a drawn tree or as JSON. As text,
// one object per line, indented by two blanks per level:
//
//   document /Models/Building.CATProduct (CATProduct)
//     product "Building"  part number Building
//       instance "Room.2"  of "Room" in /Models/Room.CATPart  at 10000 4000 0  rotation -1 0 0 / 0
//       -1 0 / 0 0 1
//   document /Models/Room.CATPart (CATPart)
//     part "Room"  type Part  time stamp 2023-11-14 22:13:20  update stamp 0  box x 0 .. 5000  y 0
//     .. 4000  z 0 .. 2700
//       body "Level 1"  type Level  time stamp 2023-11-14 22:15:00  update stamp 0  box ...  hidden
//         parameter "Height" = 2700mm
//     product "Room"  part number Room
//       publication "Entrance" -> "Door.1"
//     broken: link of "Wall.1" to id "door9", which /Models/Room.CATPart does not hold
//
// Kinds: product, instance (with its position when it is placed), part,
// body, logical, feature, parameter, publication; in a catalog, chapter,
// with its entries and sub-chapters (sub-chapter "I sections" -> chapter
// "IPE"). Parts and bodies show
// their box in their part's space; hidden objects are marked. The
// documents that instances and links lead into follow the first, each
// once, in the order they are met. Paths are native (ShownPath).
//
// As JSON: {"documents":[{"path","type","objects":[OBJECT...],"broken":[TEXT...]}]},
// an OBJECT {"kind","name", then what its line shows: "partNumber", "of",
// "in", "position":{"translation":[x,y,z],"rotation":[[...],[...],[...]]},
// "type", "timeStamp", "updateStamp", "box":{"x":[lo,hi],"y","z"} or null
// for an empty one, "hidden":true, "value", "object", "chapter", "broken", and
// "children":[OBJECT...]}.

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "AxocorJson.h"
#include "CATBaseUnknown.h"
#include "CATMathBox.h"

class CATDocument;

// What is broken in a document (OpenedModel::Faults).
using ModelFaultsOf = std::function<std::vector<std::string>(CATDocument*)>;

// The tree of `document` and those it leads to, as the JSON above; the
// documents met, `document` first, in `documents`.
AxocorJson ModelTreeOf(CATDocument* document, const ModelFaultsOf& faults,
                       std::vector<CATDocument*>& documents);
// `object` and the objects below it, as an OBJECT above.
AxocorJson ModelObjectOf(const CATBaseUnknown_var& object);

// Prints a tree of ModelTreeOf, or an OBJECT of ModelObjectOf, as text;
// with `drawn`, each level hangs from lines drawn with box-drawing
// characters ("├── ", "└── ", "│   ") instead of blanks.
void PrintModelTree(const AxocorJson& tree, std::ostream& out, bool drawn);

// A box as JSON: {"x":[lo,hi],"y":[lo,hi],"z":[lo,hi]}; null for the
// empty box.
AxocorJson BoxJson(const CATMathBox& box);
// A box of BoxJson as text: "x lo .. hi  y lo .. hi  z lo .. hi", or "empty".
std::string BoxText(const AxocorJson& box);

// The documents that ModelTreeOf meets for `document`: those that opening
// it with its references opened, for a command to close them.
std::vector<CATDocument*> ModelDocuments(CATDocument* document);

#endif  // ModelTree_h
