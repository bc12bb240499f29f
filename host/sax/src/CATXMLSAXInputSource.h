#ifndef CATXMLSAXInputSource_h
#define CATXMLSAXInputSource_h

#include <string>

#include "CATISAXInputSource.h"

// A new input source over `bytes`, named `systemId`, carrying the one
// reference of its creator.
CATISAXInputSource* CATXMLSAXNewMemoryInputSource(std::string bytes,
                                                  const CATUnicodeString& systemId);

#endif  // CATXMLSAXInputSource_h
