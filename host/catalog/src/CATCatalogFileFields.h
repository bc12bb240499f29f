#ifndef CATCatalogFileFields_h
#define CATCatalogFileFields_h

// The fields of catalog descriptions in a document file, read and written
// as the rows of the field table (CATModelFileFields.cpp) call them:
//
//   "reference": {"document": ..., "id": ...}    the chapter referred to
//   "descriptionKind": 1                          0 to 255; 0 is left out
//   "values": {"Name": "HEA 100", "h": "96mm"}    texts by keyword name

#include <string>

#include "CATModelFileFields.h"

void CATCatalogReadReference(const CATModelFileReading& reading, const CATJson& value,
                             CATModelNode& node, const std::string& where);
void CATCatalogWriteReference(const CATModelFileWriting& writing, CATModelNode& node,
                              CATModelFileOut& out);
void CATCatalogReadDescriptionKind(const CATModelFileReading& reading, const CATJson& value,
                                   CATModelNode& node, const std::string& where);
void CATCatalogWriteDescriptionKind(const CATModelFileWriting& writing, CATModelNode& node,
                                    CATModelFileOut& out);
void CATCatalogReadValues(const CATModelFileReading& reading, const CATJson& value,
                          CATModelNode& node, const std::string& where);
void CATCatalogWriteValues(const CATModelFileWriting& writing, CATModelNode& node,
                           CATModelFileOut& out);

#endif  // CATCatalogFileFields_h
