// The input source over a document held in memory.
#include "CATXMLSAXInputSource.h"

#include <utility>

#include "CATAdapter.h"
#include "CATAdopt.h"
#include "CATComponent.h"

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
