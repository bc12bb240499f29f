// The SAX parser factory of the stand-in and its creation.
#include "CATAdopt.h"
#include "CATIXMLSAXFactory.h"

#include "CATAdapter.h"
#include "CATComponent.h"
#include "CATTextEncoding.h"
#include "CATXMLSAXInputSource.h"
#include "CATXMLSAXParser.h"

const CLSID CLSID_XML4C_SAX = {
    0x5a1c3e12, 0x4b2d, 0x4f61, {0x9a, 0x3b, 0x1c, 0x7e, 0x52, 0xd0, 0x8f, 0x03}};
namespace {

CATXMLSAXFault g_fault = CATXMLSAXFault::None;

// The factory keeps no state: its component only carries the interface.
class SAXFactory : public CATAdapter<CATIXMLSAXFactory> {
 public:
  using CATAdapter::CATAdapter;

  HRESULT CreateInputSourceFromString(const CATUnicodeString& text,
                                      const CATUnicodeString& systemId,
                                      CATISAXInputSource_var& source) override {
    source.Clear();
    if (g_fault == CATXMLSAXFault::InputSourceFails) return E_OUTOFMEMORY;
    // The char form keeps each byte that was not UTF-8 as that byte, so a
    // text read from a file hands the parser the file's own bytes.
    source = CATXMLSAXNewMemoryInputSource(CATEncodeUtf8(text.Characters()), systemId);
    return !source ? E_OUTOFMEMORY : S_OK;
  }

  HRESULT Parse(const CATISAXInputSource_var& source, CATISAXContentHandler& handler,
                CATUnicodeString& error) override {
    return CATXMLSAXParseSource(source, handler, error);
  }
};

const CATInterfaceEntry kFactoryInterfaces[] = {
    {&IID_CATIXMLSAXFactory, &CATNewAdapter<SAXFactory>}};

class SAXFactoryComponent : public CATComponent {
 public:
  SAXFactoryComponent() : CATComponent(kFactoryInterfaces) {}
};

}  // namespace

HRESULT CreateCATIXMLSAXFactory(const CLSID& parserClass, CATIXMLSAXFactory_var& factory) {
  factory.Clear();
  if (g_fault == CATXMLSAXFault::NoFactory) return E_FAIL;
  if (parserClass != CLSID_XML4C_SAX) return E_INVALIDARG;
  factory = CATAdoptHandle<CATIXMLSAXFactory>(new SAXFactoryComponent);
  return !factory ? E_OUTOFMEMORY : S_OK;
}

void CATXMLSAXSetFaultForTesting(CATXMLSAXFault fault) {
  g_fault = fault;
}
