// The input source over a document held in memory.
#include "CATXMLSAXInputSource.h"

#include <utility>

const IID IID_CATISAXInputSource = {
    0x5a1c3e10, 0x4b2d, 0x4f61, {0x9a, 0x3b, 0x1c, 0x7e, 0x52, 0xd0, 0x8f, 0x01}};

namespace {

class MemoryInputSource : public CATISAXInputSource {
 public:
  MemoryInputSource(std::string bytes, const CATUnicodeString& systemId)
      : bytes_(std::move(bytes)), system_id_(systemId) {}

  HRESULT QueryInterface(const IID& iid, void** out) override {
    if (out == nullptr) return E_INVALIDARG;
    if (iid == IID_CATISAXInputSource) {
      AddRef();
      *out = static_cast<CATISAXInputSource*>(this);
      return S_OK;
    }
    return CATBaseUnknown::QueryInterface(iid, out);
  }

  HRESULT GetSystemId(CATUnicodeString& systemId) override {
    systemId = system_id_;
    return S_OK;
  }

  HRESULT GetDocumentBytes(std::string& bytes) override {
    bytes = bytes_;
    return S_OK;
  }

 private:
  ~MemoryInputSource() override = default;

  const std::string bytes_;
  const CATUnicodeString system_id_;
};

}  // namespace

CATISAXInputSource* CATXMLSAXNewMemoryInputSource(std::string bytes,
                                                  const CATUnicodeString& systemId) {
  return new MemoryInputSource(std::move(bytes), systemId);
}
