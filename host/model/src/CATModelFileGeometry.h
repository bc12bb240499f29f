#ifndef CATModelFileGeometry_h
#define CATModelFileGeometry_h

// The geometric fields of the objects of a document file (rows of the field
// table in CATModelFileFields.cpp):
//
//   "geometry"  the result body: a list of domains, each a list of cells,
//               each {"vertex": point}, {"edge": [point, point]},
//               {"face": [point, ...]} or {"volume": [point, ...]}, a point
//               being [x, y, z]
//   "hidden"    true: the representation is hidden; false: it is shown
//   "position"  {"rotation": [row, row, row], "translation": [x, y, z]},
//               either left out when it holds the identity's; the rotation
//               must be one (CATMathTransformation::IsRigid)
//
// Numbers that are whole (and below 2^53) are written without a fraction;
// a point, and the points of a cell of up to four, on one line.

#include "CATModelFileFields.h"

void CATModelReadGeometry(const CATModelFileReading& reading, const CATJson& value,
                          CATModelNode& node, const std::string& where);
void CATModelWriteGeometry(const CATModelFileWriting& writing, CATModelNode& node,
                           CATModelFileOut& out);
void CATModelReadHidden(const CATModelFileReading& reading, const CATJson& value,
                        CATModelNode& node, const std::string& where);
void CATModelWriteHidden(const CATModelFileWriting& writing, CATModelNode& node,
                         CATModelFileOut& out);
void CATModelReadPosition(const CATModelFileReading& reading, const CATJson& value,
                          CATModelNode& node, const std::string& where);
void CATModelWritePosition(const CATModelFileWriting& writing, CATModelNode& node,
                           CATModelFileOut& out);

#endif  // CATModelFileGeometry_h
