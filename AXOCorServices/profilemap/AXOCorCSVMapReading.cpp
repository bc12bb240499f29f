// Reading a profile map file into the reader's map.
#include <filesystem>
#include <fstream>
#include <memory>

#include "AXOCorCSVMapReader.h"
#include "AXOPlatform.h"
#include "profilemap/AXOCorCSVMapEntries.h"
#include "profilemap/AXOCorCSVMapLines.h"

HRESULT AXOCorCSVMapReader::ReadCatalogMap(const CATUnicodeString& path,
                                           enumTranslatorType direction) {
  map_.reset();
  // u8path: on Windows the UTF-8 path must not pass through the code page.
  std::ifstream file(std::filesystem::u8path(AXOPlatform::Get()->NativePath(path.ConvertToChar())),
                     std::ios::binary);
  if (!file) return S_OK;

  using namespace axo_profile_map;
  auto map = std::make_shared<ProfileMap>(direction == TranslatorImport ? Direction::kImport
                                                                        : Direction::kExport);
  MapLineReader reader(file);
  MapLine line;
  // A line too long ends the reading; the records before it stay.
  for (int number = 1; reader.Next(line) && line.kind != LineKind::kTooLong; ++number) {
    if (line.kind == LineKind::kRecord) map->Add(line.fields, number);
  }
  map_ = std::move(map);
  return S_OK;
}
