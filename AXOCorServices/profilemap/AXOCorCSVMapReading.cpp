// Reading a profile map file into the reader's map.
#include <memory>
#include <string>

#include "AXOCorCSVMapReader.h"
#include "profilemap/AXOCorCSVMapEntries.h"
#include "profilemap/AXOCorCSVMapFile.h"
#include "profilemap/AXOCorCSVMapLines.h"

HRESULT AXOCorCSVMapReader::ReadCatalogMap(const CATUnicodeString& path,
                                           enumTranslatorType direction) {
  map_.reset();
  // A pipe or a device is not read: it might never end.
  std::string text;
  if (!axo_profile_map::ReadMapFile(path, text).ok()) return S_OK;

  using namespace axo_profile_map;
  auto map = std::make_shared<ProfileMap>(direction == TranslatorImport ? Direction::kImport
                                                                        : Direction::kExport);
  MapLineReader reader(text);
  MapLine line;
  // A line too long ends the reading; the records before it stay.
  for (int number = 1; reader.Next(line) && line.kind != LineKind::kTooLong; ++number) {
    if (line.kind == LineKind::kRecord) map->Add(line.fields, number);
  }
  map_ = std::move(map);
  return S_OK;
}
