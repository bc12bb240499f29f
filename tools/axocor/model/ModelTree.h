#ifndef ModelTree_h
#define ModelTree_h

// The tree of a document of the host's model as text, read through the
// model's interfaces: each document (its storage name and type), then its
// top-level objects and below them their children, one object per line,
// indented by two blanks per level:
//
//   document /Models/Building.CATProduct (CATProduct)
//     product "Building"  part number Building
//       instance "Room.1"  of "Room" in /Models/Room.CATPart
//   document /Models/Room.CATPart (CATPart)
//     part "Room"  type Part  time stamp 1700000000  update stamp 0
//       feature "Level 1"  type Level  time stamp 1700000100  update stamp 0
//         parameter "Height" = 2700mm
//     product "Room"  part number Room
//       publication "Entrance" -> "Door.1"
//
// The documents that instances and links lead into follow the first, each
// once, in the order they are met. Paths are native (ShownPath).

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "CATBaseUnknown.h"

class CATDocument;

// What is broken in a document (OpenedModel::Faults), printed after its
// objects, one line each: "  broken: <fault>".
using ModelFaultsOf = std::function<std::vector<std::string>(CATDocument*)>;

// Prints the trees; returns the documents printed, `document` first.
std::vector<CATDocument*> PrintModelTree(CATDocument* document, std::ostream& out,
                                         const ModelFaultsOf& faults = nullptr);
// Prints `object` and the objects below it, as PrintModelTree prints them
// at the top of a document.
void PrintModelObject(const CATBaseUnknown_var& object, std::ostream& out);
// The documents that PrintModelTree prints for `document`: those that
// opening it with its references opened, for a command to close them.
std::vector<CATDocument*> ModelDocuments(CATDocument* document);

#endif  // ModelTree_h
