#include "CATCatalogFileFields.h"

#include "CATCatalogDescriptionData.h"

namespace {

CATCatalogDescriptionData& DescriptionOf(CATModelNode& node) {
  return node.Data<CATCatalogDescriptionData>();
}

}  // namespace

void CATCatalogReadReference(const CATModelFileReading& reading, const CATJson& value,
                             CATModelNode& node, const std::string& where) {
  DescriptionOf(node).reference = reading.Link(value, where);
}

void CATCatalogWriteReference(const CATModelFileWriting& writing, CATModelNode& node,
                              CATOrderedJson& entry) {
  const CATModelLink& reference = DescriptionOf(node).reference;
  if (reference.IsSet()) entry["reference"] = writing.Link(reference);
}

void CATCatalogReadDescriptionKind(const CATModelFileReading& reading, const CATJson& value,
                                   CATModelNode& node, const std::string& where) {
  const int kind = reading.Integer(value, where);
  if (kind < 0 || kind > 255) reading.Fail(where, "expected a whole number from 0 to 255");
  DescriptionOf(node).kind = static_cast<unsigned char>(kind);
}

void CATCatalogWriteDescriptionKind(const CATModelFileWriting&, CATModelNode& node,
                                    CATOrderedJson& entry) {
  const unsigned char kind = DescriptionOf(node).kind;
  if (kind != 0) entry["descriptionKind"] = kind;
}

void CATCatalogReadValues(const CATModelFileReading& reading, const CATJson& value,
                          CATModelNode& node, const std::string& where) {
  for (const auto& field : reading.Object(value, where)) {
    const CATUnicodeString keyword(field.first.data(), field.first.size());
    DescriptionOf(node).values[keyword] = reading.Text(field.second, where + "." + field.first);
  }
}

void CATCatalogWriteValues(const CATModelFileWriting&, CATModelNode& node, CATOrderedJson& entry) {
  const auto& held = DescriptionOf(node).values;
  if (held.empty()) return;
  CATOrderedJson values = CATOrderedJson::object();
  for (const auto& value : held) {
    values[CATModelFileWriting::Text(value.first)] = CATModelFileWriting::Text(value.second);
  }
  entry["values"] = values;
}
