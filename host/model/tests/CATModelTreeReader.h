#ifndef CATModelTreeReader_h
#define CATModelTreeReader_h

// The document file read as CATModelReadFile reads it, by the reader it
// replaced: the whole file parsed into a json tree first, then the tree
// read in the order of its objects and of their fields by name.

#include <string>

#include "CATModelDocument.h"
#include "CATUnicodeString.h"

CATModelDocument* CATModelReadTree(const std::string& bytes, const CATUnicodeString& storageName,
                                   std::string& fault);

#endif  // CATModelTreeReader_h
