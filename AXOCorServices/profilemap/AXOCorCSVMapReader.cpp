// The profile map reader: the singleton and the lookups in both directions.
#include "AXOCorCSVMapReader.h"

#include <string>
#include <utility>

#include "foundations/AXOCorHostText.h"
#include "profilemap/AXOCorCSVMapEntries.h"

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
  std::string key;
  const axo_profile_map::MapEntry* entry = nullptr;
  if (map_ != nullptr && axo_profile_map::AppendKey(qzName, key)) entry = map_->Find(key);
  if (entry == nullptr) {
    foreignName = std::move(qzName);
    return S_FALSE;
  }
  foreignName = AXOCorTextOfBytes(entry->value);
  return S_OK;
}

HRESULT AXOCorCSVMapReader::GetQZProfileName(CATUnicodeString foreignName,
                                             CATUnicodeString& qzName) {
  if (map_ == nullptr || map_->entries().empty()) return E_FAIL;
  std::string key;
  const axo_profile_map::MapEntry* entry = nullptr;
  if (axo_profile_map::AppendNormalisedKey(foreignName, key)) entry = map_->Find(key);
  if (entry == nullptr) {
    qzName = CATUnicodeString();
    return E_FAIL;
  }
  qzName = AXOCorTextOfBytes(entry->value);
  return S_OK;
}
