#include "CATCatalogFileFields.h"

void CATCatalogReadDescriptionKind(const CATModelFileReading& reading, const CATJson& value,
                                   CATModelNode& node, const std::string& where) {
  const int kind = reading.Integer(value, where);
  if (kind < 0 || kind > 255) reading.Fail(where, "expected a whole number from 0 to 255");
  node.description_kind = static_cast<unsigned char>(kind);
}

void CATCatalogWriteDescriptionKind(const CATModelFileWriting&, CATModelNode& node,
                                    CATOrderedJson& entry) {
  if (node.description_kind != 0) entry["descriptionKind"] = node.description_kind;
}

void CATCatalogReadValues(const CATModelFileReading& reading, const CATJson& value,
                          CATModelNode& node, const std::string& where) {
  for (const auto& field : reading.Object(value, where)) {
    const CATUnicodeString keyword(field.first.data(), field.first.size());
    node.values[keyword] = reading.Text(field.second, where + "." + field.first);
  }
}

void CATCatalogWriteValues(const CATModelFileWriting&, CATModelNode& node, CATOrderedJson& entry) {
  if (node.values.empty()) return;
  CATOrderedJson values = CATOrderedJson::object();
  for (const auto& value : node.values) {
    values[CATModelFileWriting::Text(value.first)] = CATModelFileWriting::Text(value.second);
  }
  entry["values"] = values;
}
