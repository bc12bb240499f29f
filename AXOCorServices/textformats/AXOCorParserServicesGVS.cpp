// Style sheets: include expansion, include listing, and the expanded text as
// an input source of the host's SAX parser.
#include "AXOCorParserServices.h"
#include "CATISAXInputSource.h"
#include "CATIXMLSAXFactory.h"
#include "textformats/AXOCorParserServicesGVSExpander.h"

bool AXOCorParserServices::ExpandIncludesInGVS(const CATUnicodeString& path,
                                               CATUnicodeString& expanded) {
  return AXOExpandGvs(path, &expanded, nullptr) == AXOGvsExpansion::kExpanded;
}

namespace {

// Lists the path of every include node met.
class IncludeLister : public AXOGvsObserver {
 public:
  explicit IncludeLister(CATListValCATUnicodeString& includes) : includes_(includes) {}
  void OnInclude(const CATUnicodeString&, const CATUnicodeString& path, int,
                 AXOGvsIncludeOutcome) override {
    includes_.Append(path);
  }

 private:
  CATListValCATUnicodeString& includes_;
};

}  // namespace

void AXOCorParserServices::GetIncludesInGVS(const CATUnicodeString& path,
                                            CATListValCATUnicodeString& includes) {
  IncludeLister lister(includes);
  AXOExpandGvs(path, nullptr, &lister);
}

HRESULT AXOCorParserServices::CreateInputSourceFromGVS(const CATUnicodeString& path,
                                                       CATISAXInputSource_var& source) {
  CATUnicodeString expanded;
  if (!ExpandIncludesInGVS(path, expanded)) return E_FAIL;
  CATIXMLSAXFactory_var factory;
  CreateCATIXMLSAXFactory(CLSID_XML4C_SAX, factory);
  if (!factory) return E_FAIL;
  return factory->CreateInputSourceFromString(expanded, "AXOGVS", source);
}
