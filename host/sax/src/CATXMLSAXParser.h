#ifndef CATXMLSAXParser_h
#define CATXMLSAXParser_h

#include "CATISAXContentHandler.h"
#include "CATISAXInputSource.h"

// Reads the document of `source` with the platform's XML reader and reports
// it to `handler`; the contract is CATIXMLSAXFactory::Parse's.
HRESULT CATXMLSAXParseSource(CATISAXInputSource* source, CATISAXContentHandler& handler,
                             CATUnicodeString& error);

#endif  // CATXMLSAXParser_h
