// Parsing of an input source: the platform's XML reader, its events turned
// into the host's texts and attribute lists.
#include "CATXMLSAXParser.h"

#include <string>
#include <vector>

#include "AXOPlatform.h"

namespace {

CATUnicodeString Text(const std::string& utf8) {
  return CATUnicodeString(utf8.data(), utf8.size());
}

class HandlerBridge : public AXOXmlSaxHandler {
 public:
  explicit HandlerBridge(CATISAXContentHandler& handler) : handler_(handler) {}

  void StartElement(const std::string& name,
                    const std::vector<AXOXmlAttribute>& attributes) override {
    CATSAXAttributes list;
    for (const AXOXmlAttribute& attribute : attributes) {
      list.Add(Text(attribute.name), Text(attribute.value));
    }
    handler_.StartElement(Text(name), list);
  }
  void EndElement(const std::string& name) override { handler_.EndElement(Text(name)); }
  void Characters(const std::string& text) override { handler_.Characters(Text(text)); }

 private:
  CATISAXContentHandler& handler_;
};

}  // namespace

HRESULT CATXMLSAXParseSource(CATISAXInputSource* source, CATISAXContentHandler& handler,
                             CATUnicodeString& error) {
  if (source == nullptr) return E_INVALIDARG;
  CATUnicodeString system_id;
  source->GetSystemId(system_id);
  std::string bytes;
  if (FAILED(source->GetDocumentBytes(bytes))) {
    error = system_id + ": the document cannot be read from its source";
    return E_FAIL;
  }
  HandlerBridge bridge(handler);
  const AXOStatus status = AXOPlatform::Get()->ParseXml(bytes, bridge);
  if (!status.ok()) {
    error = system_id + ": " + Text(status.reason());
    return E_FAIL;
  }
  return S_OK;
}
