// The input source over a document held in memory.
#include "CATXMLSAXInputSource.h"

#include <utility>

#include "CATAdapter.h"
#include "CATAdopt.h"
#include "CATComponent.h"

const IID IID_CATISAXInputSource = {
    0x5a1c3e10, 0x4b2d, 0x4f61, {0x9a, 0x3b, 0x1c, 0x7e, 0x52, 0xd0, 0x8f, 0x01}};

namespace {

class MemoryInputSource;

class MemoryInputSourceAdapter : public CATAdapterOf<CATISAXInputSource, MemoryInputSource> {
 public:
  using CATAdapterOf::CATAdapterOf;
  HRESULT GetSystemId(CATUnicodeString& systemId) override;
  HRESULT GetDocumentBytes(std::string& bytes) override;
};

const CATInterfaceEntry kInputSourceInterfaces[] = {
    {&IID_CATISAXInputSource, &CATNewAdapter<MemoryInputSourceAdapter>}};

class MemoryInputSource : public CATComponent {
 public:
  MemoryInputSource(std::string bytes, const CATUnicodeString& systemId)
      : CATComponent(kInputSourceInterfaces), bytes(std::move(bytes)), system_id(systemId) {}

  const std::string bytes;
  const CATUnicodeString system_id;
};

HRESULT MemoryInputSourceAdapter::GetSystemId(CATUnicodeString& systemId) {
  systemId = Object()->system_id;
  return S_OK;
}

HRESULT MemoryInputSourceAdapter::GetDocumentBytes(std::string& bytes) {
  bytes = Object()->bytes;
  return S_OK;
}

}  // namespace

CATISAXInputSource_var CATXMLSAXNewMemoryInputSource(std::string bytes,
                                                     const CATUnicodeString& systemId) {
  return CATAdoptHandle<CATISAXInputSource>(new MemoryInputSource(std::move(bytes), systemId));
}
