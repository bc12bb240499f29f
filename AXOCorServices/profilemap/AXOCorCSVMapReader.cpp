// The profile map reader: the singleton and the lookups in both directions.
#include "AXOCorCSVMapReader.h"

AXOCorCSVMapReader* AXOCorCSVMapReader::m_pInstance = nullptr;

AXOCorCSVMapReader* AXOCorCSVMapReader::GetInstance() {
  if (m_pInstance == nullptr) m_pInstance = new AXOCorCSVMapReader();
  return m_pInstance;
}

// The reader is destroyed, not just dropped: nothing in the library keeps
// the pointer, and a dropped reader could never be freed.
void AXOCorCSVMapReader::RemoveInstance() {
  delete m_pInstance;
  m_pInstance = nullptr;
}

HRESULT AXOCorCSVMapReader::GetThirdPartyProfileName(CATUnicodeString qzName,
                                                     CATUnicodeString& foreignName) {
  const auto found = map_.find(qzName);
  if (found == map_.end()) {
    foreignName = qzName;
    return S_FALSE;
  }
  foreignName = found->second;
  return S_OK;
}

HRESULT AXOCorCSVMapReader::GetQZProfileName(CATUnicodeString foreignName,
                                             CATUnicodeString& qzName) {
  if (map_.empty()) return E_FAIL;
  CATUnicodeString key;
  ProcessStringForMap(foreignName, key);
  const auto found = map_.find(key);
  if (found == map_.end()) {
    qzName = CATUnicodeString();
    return E_FAIL;
  }
  qzName = found->second;
  return S_OK;
}

HRESULT AXOCorCSVMapReader::ProcessStringForMap(CATUnicodeString text,
                                                CATUnicodeString& normalised) {
  normalised = text.Strip(CATUnicodeString::CATStripModeAll);
  normalised.ReplaceAll("*", "x");
  normalised.ToUpper();
  return S_OK;
}
