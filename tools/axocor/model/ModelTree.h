#ifndef ModelTree_h
#define ModelTree_h

// The tree of a document of the host's model as text, read through the
// model's interfaces: each document (its storage name and type), then its
// top-level objects and below them their children, one object per line,
// indented by two blanks per level:
//
//   document c:\Models\Building.CATProduct (CATProduct)
//     product "Building"  part number Building
//       instance "Room.1"  of "Room" in c:\Models\Room.CATPart
//   document c:\Models\Room.CATPart (CATPart)
//     part "Room"  type Part  time stamp 1700000000  update stamp 0
//       feature "Level 1"  type Level  time stamp 1700000100  update stamp 0
//         parameter "Height" = 2700mm
//     product "Room"  part number Room
//       publication "Entrance" -> "Door.1"
//
// The documents that instances and links lead into follow the first, each
// once, in the order they are met.

#include <ostream>
#include <vector>

class CATDocument;

// Prints the trees; returns the documents printed, `document` first.
std::vector<CATDocument*> PrintModelTree(CATDocument* document, std::ostream& out);
// The documents that PrintModelTree prints for `document`: those that
// opening it with its references opened, for a command to close them.
std::vector<CATDocument*> ModelDocuments(CATDocument* document);

#endif  // ModelTree_h
