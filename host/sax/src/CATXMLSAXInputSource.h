#ifndef CATXMLSAXInputSource_h
#define CATXMLSAXInputSource_h

#include <string>

#include "CATISAXInputSource.h"

// A new input source over `bytes`, named `systemId`; null when it cannot be
// made.
CATISAXInputSource_var CATXMLSAXNewMemoryInputSource(std::string bytes,
                                                     const CATUnicodeString& systemId);

#endif  // CATXMLSAXInputSource_h
