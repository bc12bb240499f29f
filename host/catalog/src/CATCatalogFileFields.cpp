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
                              CATModelFileOut& out) {
  const CATModelLink& reference = DescriptionOf(node).reference;
  if (!reference.IsSet()) return;
  out.Key("reference");
  writing.Link(reference, out);
}

void CATCatalogReadDescriptionKind(const CATModelFileReading& reading, const CATJson& value,
                                   CATModelNode& node, const std::string& where) {
  const int kind = reading.Integer(value, where);
  if (kind < 0 || kind > 255) reading.Fail(where, "expected a whole number from 0 to 255");
  DescriptionOf(node).kind = static_cast<unsigned char>(kind);
}

void CATCatalogWriteDescriptionKind(const CATModelFileWriting&, CATModelNode& node,
                                    CATModelFileOut& out) {
  const unsigned char kind = DescriptionOf(node).kind;
  if (kind == 0) return;
  out.Key("descriptionKind");
  out.Integer(kind);
}

void CATCatalogReadValues(const CATModelFileReading& reading, const CATJson& value,
                          CATModelNode& node, const std::string& where) {
  for (const auto& field : reading.Object(value, where)) {
    const CATUnicodeString keyword(field.first.data(), field.first.size());
    DescriptionOf(node).values[keyword] = reading.Text(field.second, where + "." + field.first);
  }
}

void CATCatalogWriteValues(const CATModelFileWriting&, CATModelNode& node, CATModelFileOut& out) {
  const auto& held = DescriptionOf(node).values;
  if (held.empty()) return;
  out.Key("values");
  out.BeginObject();
  for (const auto& value : held) {
    out.Key(CATModelFileWriting::Text(value.first));
    out.Text(CATModelFileWriting::Text(value.second));
  }
  out.EndObject();
}
