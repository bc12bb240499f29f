// The fields of the objects of a document file: one row per field.
#include "CATModelFileFields.h"

#include <charconv>
#include <climits>
#include <cstring>
#include <iterator>
#include <stdexcept>
#include <vector>

#include "CATCkeParmAdapter.h"
#include "CATCkeValueText.h"
#include "CATHostPath.h"
#include "CATISpecAttrKey.h"
#include "CATModelFileGeometry.h"
#include "CATModelInterfaces.h"
#include "CATModelProductData.h"

namespace {

// ---- Values shared by several fields --------------------------------------

struct NamedCode {
  int code;
  const char* name;
};

// Attribute kinds and qualities by the names a file gives them; other
// codes are written as numbers.
const NamedCode kAttrKinds[] = {
    {tk_double, "double"}, {tk_boolean, "boolean"},       {tk_octet, "octet"},
    {tk_string, "string"}, {tk_specobject, "specobject"}, {tk_external, "external"},
    {tk_list, "list"},     {tk_component, "component"},   {tk_integer, "integer"}};
const NamedCode kQualities[] = {{sp_NEUTRAL, "neutral"}, {sp_IN, "in"}, {sp_OUT, "out"}};

template <int N>
int ReadCode(const CATModelFileReading& reading, const CATJson& value, const NamedCode (&names)[N],
             const std::string& where) {
  if (!value.is_string()) return reading.Integer(value, where);
  const std::string text = value.get<std::string>();
  for (const NamedCode& entry : names) {
    if (text == entry.name) return entry.code;
  }
  std::string known;
  for (const NamedCode& entry : names) known += std::string(known.empty() ? "" : ", ") + entry.name;
  reading.Fail(where, "unknown name '" + text + "' (known: " + known + ", or a number)");
}

template <int N>
void WriteCode(CATModelFileOut& out, int code, const NamedCode (&names)[N]) {
  for (const NamedCode& entry : names) {
    if (entry.code == code) {
      out.Text(entry.name);
      return;
    }
  }
  out.Integer(code);
}

// The numeric kinds of parameters, tried in this order on a value text:
// lengths and angles carry a unit, integers none, so one kind reads it.
const CATCkeValueKind kParameterKinds[] = {CATCkeIntegerKind, CATCkeLengthKind, CATCkeAngleKind};

void AddText(CATModelFileOut& out, const char* field, const CATUnicodeString& text) {
  if (text.GetLengthInChar() == 0) return;
  out.Key(field);
  if (!out.AsciiText(text.Characters())) {
    out.Text(text.ConvertToChar(), static_cast<size_t>(text.GetLengthInByte()));
  }
}

void AddLinks(const CATModelFileWriting& writing, CATModelFileOut& out, const char* field,
              const std::vector<CATModelLink>& links) {
  if (links.empty()) return;
  out.Key(field);
  out.BeginArray();
  for (const CATModelLink& link : links) writing.Link(link, out);
  out.EndArray();
}

// ---- Fields -----------------------------------------------------------------

void ReadId(const CATModelFileReading& reading, const CATJson& value, CATModelNode& node,
            const std::string& where) {
  node.id = reading.Utf8(value, where);
  if (node.id.empty()) reading.Fail(where, "an id is not empty");
}
void WriteId(const CATModelFileWriting&, CATModelNode& node, CATModelFileOut& out) {
  out.Key("id");
  out.Text(node.id);
}

void ReadName(const CATModelFileReading& reading, const CATJson& value, CATModelNode& node,
              const std::string& where) {
  node.name = reading.Text(value, where);
}
void WriteName(const CATModelFileWriting&, CATModelNode& node, CATModelFileOut& out) {
  AddText(out, "name", node.name);
}

void ReadType(const CATModelFileReading& reading, const CATJson& value, CATModelNode& node,
              const std::string& where) {
  node.type = reading.SharedText(value, where);
}
void WriteType(const CATModelFileWriting&, CATModelNode& node, CATModelFileOut& out) {
  AddText(out, "type", node.type);
}

void ReadSupertype(const CATModelFileReading& reading, const CATJson& value, CATModelNode& node,
                   const std::string& where) {
  node.SetSupertype(reading.SharedText(value, where));
}
void WriteSupertype(const CATModelFileWriting&, CATModelNode& node, CATModelFileOut& out) {
  AddText(out, "supertype", node.Supertype());
}

void ReadTimeStamp(const CATModelFileReading& reading, const CATJson& value, CATModelNode& node,
                   const std::string& where) {
  node.time_stamp = reading.Integer(value, where);
}
void WriteTimeStamp(const CATModelFileWriting&, CATModelNode& node, CATModelFileOut& out) {
  if (node.time_stamp == 0) return;
  out.Key("timeStamp");
  out.Integer(node.time_stamp);
}

void ReadUpdateStamp(const CATModelFileReading& reading, const CATJson& value, CATModelNode& node,
                     const std::string& where) {
  node.update_stamp = reading.Integer(value, where);
}
void WriteUpdateStamp(const CATModelFileWriting&, CATModelNode& node, CATModelFileOut& out) {
  if (node.update_stamp == 0) return;
  out.Key("updateStamp");
  out.Integer(node.update_stamp);
}

void ReadValue(const CATModelFileReading& reading, const CATJson& value, CATModelNode& node,
               const std::string& where) {
  const std::string text = CATModelFileWriting::Text(reading.Text(value, where));
  for (CATCkeValueKind kind : kParameterKinds) {
    if (CATCkeParseValueText(kind, text, &node.CkeParmState().value)) {
      node.CkeParmState().kind = kind;
      return;
    }
  }
  reading.Fail(where, "expected an integer (\"42\"), a length (\"50mm\") or an angle (\"15deg\")");
}
void WriteValue(const CATModelFileWriting&, CATModelNode& node, CATModelFileOut& out) {
  out.Key("value");
  out.Text(CATCkeFormatValueText(node.CkeParmState().kind, node.CkeParmState().value));
}

void ReadAttributes(const CATModelFileReading& reading, const CATJson& value, CATModelNode& node,
                    const std::string& where) {
  const CATJson::array_t& keys = reading.Array(value, where);
  for (size_t i = 0; i < keys.size(); ++i) {
    const std::string at = CATModelItemPlace(where, i);
    CATUnicodeString name;
    int kind = -1;
    int element_kind = 0;
    int quality = sp_NEUTRAL;
    for (const auto& field : reading.Object(keys[i], at)) {
      const std::string place = at + "." + field.first;
      if (field.first == "name") {
        name = reading.Text(field.second, place);
      } else if (field.first == "kind") {
        kind = ReadCode(reading, field.second, kAttrKinds, place);
      } else if (field.first == "elementKind") {
        element_kind = ReadCode(reading, field.second, kAttrKinds, place);
      } else if (field.first == "quality") {
        quality = ReadCode(reading, field.second, kQualities, place);
      } else {
        reading.Fail(place, "unknown field of an attribute");
      }
    }
    if (kind == -1) reading.Fail(at, "an attribute has a \"kind\"");
    node.AddKey(name, kind, element_kind, quality);
  }
}
void WriteAttributes(const CATModelFileWriting&, CATModelNode& node, CATModelFileOut& out) {
  if (node.keys.empty()) return;
  out.Key("attributes");
  out.BeginArray();
  for (const CATModelAttrKey* key : node.keys) {
    out.BeginObject();
    AddText(out, "name", key->name);
    out.Key("kind");
    WriteCode(out, key->kind, kAttrKinds);
    if (key->element_kind != 0) {
      out.Key("elementKind");
      WriteCode(out, key->element_kind, kAttrKinds);
    }
    if (key->quality != sp_NEUTRAL) {
      out.Key("quality");
      WriteCode(out, key->quality, kQualities);
    }
    out.EndObject();
  }
  out.EndArray();
}

void ReadLinks(const CATModelFileReading& reading, const CATJson& value, CATModelNode& node,
               const std::string& where) {
  const CATJson::array_t& links = reading.Array(value, where);
  for (size_t i = 0; i < links.size(); ++i)
    node.links.push_back(reading.Link(links[i], CATModelItemPlace(where, i)));
}
void WriteLinks(const CATModelFileWriting& writing, CATModelNode& node, CATModelFileOut& out) {
  AddLinks(writing, out, "links", node.links);
}

void ReadOwner(const CATModelFileReading& reading, const CATJson& value, CATModelNode& node,
               const std::string& where) {
  node.SetOwner(reading.Link(value, where));
}
void WriteOwner(const CATModelFileWriting& writing, CATModelNode& node, CATModelFileOut& out) {
  const CATModelLink& owner = node.Owner();
  if (!owner.IsSet()) return;
  out.Key("owner");
  writing.Link(owner, out);
}

void ReadUpdate(const CATModelFileReading& reading, const CATJson& value, CATModelNode& node,
                const std::string& where) {
  const CATJson::object_t& fault = reading.Object(value, where);
  if (fault.size() != 1) reading.Fail(where, "expected {\"raises\": text} or {\"throws\": text}");
  const auto& field = *fault.begin();
  CATModelFault update;
  if (field.first == "raises") {
    update.kind = CATModelFault::kRaises;
  } else if (field.first == "throws") {
    update.kind = CATModelFault::kThrows;
  } else {
    reading.Fail(where + "." + field.first, "expected \"raises\" or \"throws\"");
  }
  update.message = CATModelFileWriting::Text(reading.Text(field.second, where + "." + field.first));
  node.SetUpdateFault(update);
}
void WriteUpdate(const CATModelFileWriting&, CATModelNode& node, CATModelFileOut& out) {
  const CATModelFault& fault = node.UpdateFault();
  if (fault.kind != CATModelFault::kRaises && fault.kind != CATModelFault::kThrows) return;
  out.Key("update");
  out.BeginObject();
  out.Key(fault.kind == CATModelFault::kRaises ? "raises" : "throws");
  out.Text(fault.message);
  out.EndObject();
}

// The data of a product.
CATModelProductData& ProductOf(CATModelNode& node) {
  return node.Data<CATModelProductData>();
}

void ReadPartNumber(const CATModelFileReading& reading, const CATJson& value, CATModelNode& node,
                    const std::string& where) {
  ProductOf(node).part_number = reading.Text(value, where);
}
void WritePartNumber(const CATModelFileWriting&, CATModelNode& node, CATModelFileOut& out) {
  AddText(out, "partNumber", ProductOf(node).part_number);
}

void ReadReference(const CATModelFileReading& reading, const CATJson& value, CATModelNode& node,
                   const std::string& where) {
  ProductOf(node).reference = reading.Link(value, where);
}
void WriteReference(const CATModelFileWriting& writing, CATModelNode& node, CATModelFileOut& out) {
  if (!ProductOf(node).reference.IsSet()) return;
  out.Key("reference");
  writing.Link(ProductOf(node).reference, out);
}

void ReadConnectors(const CATModelFileReading& reading, const CATJson& value, CATModelNode& node,
                    const std::string& where) {
  const CATJson::array_t& connectors = reading.Array(value, where);
  for (size_t i = 0; i < connectors.size(); ++i) {
    ProductOf(node).ConnectorFor(&node, reading.Link(connectors[i], CATModelItemPlace(where, i)));
  }
}
void WriteConnectors(const CATModelFileWriting& writing, CATModelNode& node, CATModelFileOut& out) {
  std::vector<CATModelLink> targets;
  for (const CATModelConnector* connector : ProductOf(node).connectors)
    targets.push_back(connector->target);
  AddLinks(writing, out, "connectors", targets);
}

void ReadPublications(const CATModelFileReading& reading, const CATJson& value, CATModelNode& node,
                      const std::string& where) {
  const CATJson::array_t& publications = reading.Array(value, where);
  for (size_t i = 0; i < publications.size(); ++i) {
    const std::string at = CATModelItemPlace(where, i);
    const CATJson::object_t& fields = reading.Object(publications[i], at);
    const auto name = fields.find("name");
    const auto object = fields.find("object");
    if (fields.size() != 2 || name == fields.end() || object == fields.end()) {
      reading.Fail(at, "expected {\"name\": text, \"object\": link}");
    }
    CATModelPublication publication{reading.Text(name->second, at + ".name"), nullptr};
    if (publication.name.GetLengthInChar() == 0) reading.Fail(at + ".name", "a name is not empty");
    for (const CATModelPublication& earlier : ProductOf(node).publications) {
      if (earlier.name == publication.name) reading.Fail(at + ".name", "published twice");
    }
    publication.connector =
        ProductOf(node).ConnectorFor(&node, reading.Link(object->second, at + ".object"));
    ProductOf(node).publications.push_back(publication);
  }
}
void WritePublications(const CATModelFileWriting& writing, CATModelNode& node,
                       CATModelFileOut& out) {
  if (ProductOf(node).publications.empty()) return;
  out.Key("publications");
  out.BeginArray();
  for (const CATModelPublication& publication : ProductOf(node).publications) {
    out.BeginObject();
    out.Key("name");
    out.Text(CATModelFileWriting::Text(publication.name));
    out.Key("object");
    writing.Link(publication.connector->target, out);
    out.EndObject();
  }
  out.EndArray();
}

void ReadRefuses(const CATModelFileReading& reading, const CATJson& value, CATModelNode& node,
                 const std::string& where) {
  ProductOf(node).refuses_publications = reading.Boolean(value, where);
}
void WriteRefuses(const CATModelFileWriting&, CATModelNode& node, CATModelFileOut& out) {
  if (!ProductOf(node).refuses_publications) return;
  out.Key("refusesPublications");
  out.Boolean(true);
}

void ReadWithout(const CATModelFileReading& reading, const CATJson& value, CATModelNode& node,
                 const std::string& where) {
  const CATModelKindInfo& kind = CATModelKindInfoOf(node.Kind());
  CATModelReadWithout(reading, value, node, kind.interfaces.data(),
                      static_cast<int>(kind.interfaces.size()), where);
}
void WriteWithout(const CATModelFileWriting& writing, CATModelNode& node, CATModelFileOut& out) {
  writing.Without(node, out);
}

constexpr unsigned Bit(CATModelKind kind) {
  return 1u << static_cast<unsigned>(kind);
}
constexpr unsigned kProducts = Bit(CATModelKind::kProduct);
constexpr unsigned kParameters = Bit(CATModelKind::kParameter);
constexpr unsigned kObjects = kCATModelObjectKinds;
constexpr unsigned kAll = ~0u;
constexpr unsigned kGeometric = Bit(CATModelKind::kFeature) | Bit(CATModelKind::kBody);

// True when objects of one kind would carry both fields.
bool SomeKindCarriesBoth(const CATModelFileField& one, const CATModelFileField& other) {
  for (unsigned i = 0; i < CATModelKindCount(); ++i) {
    const auto kind = static_cast<CATModelKind>(i);
    if (CATModelCarries(one, kind) && CATModelCarries(other, kind)) return true;
  }
  return false;
}

const CATModelFileField kFields[] = {
    {"id", kAll, &ReadId, &WriteId},
    {"name", kObjects, &ReadName, &WriteName},
    {"type", kObjects, &ReadType, &WriteType},
    {"supertype", kObjects, &ReadSupertype, &WriteSupertype},
    {"timeStamp", kObjects, &ReadTimeStamp, &WriteTimeStamp},
    {"updateStamp", kObjects, &ReadUpdateStamp, &WriteUpdateStamp},
    {"value", kParameters, &ReadValue, &WriteValue},
    {"partNumber", kProducts, &ReadPartNumber, &WritePartNumber},
    {"reference", kProducts, &ReadReference, &WriteReference},
    {"attributes", kObjects, &ReadAttributes, &WriteAttributes},
    {"links", kObjects, &ReadLinks, &WriteLinks},
    {"owner", kObjects, &ReadOwner, &WriteOwner},
    {"update", kObjects, &ReadUpdate, &WriteUpdate},
    {"connectors", kProducts, &ReadConnectors, &WriteConnectors},
    {"publications", kProducts, &ReadPublications, &WritePublications},
    {"refusesPublications", kProducts, &ReadRefuses, &WriteRefuses},
    {"without", kAll, &ReadWithout, &WriteWithout},
    // Geometry (CATModelFileGeometry.h).
    {"geometry", kGeometric, &CATModelReadGeometry, &CATModelWriteGeometry},
    {"hidden", kGeometric | Bit(CATModelKind::kPart), &CATModelReadHidden, &CATModelWriteHidden},
    {"position", kProducts, &CATModelReadPosition, &CATModelWritePosition},
};

// The table's rows, then the registered ones in their places.
std::vector<CATModelFileField>& Fields() {
  static std::vector<CATModelFileField> fields(std::begin(kFields), std::end(kFields));
  return fields;
}

}  // namespace

// ---- Reading and writing values ------------------------------------------------

void CATModelAppendIndex(std::string& where, std::size_t index) {
  char digits[24];
  where += '[';
  where.append(digits, std::to_chars(digits, digits + sizeof digits, index).ptr);
  where += ']';
}

std::string CATModelItemPlace(const std::string& where, std::size_t index) {
  std::string place = where;
  CATModelAppendIndex(place, index);
  return place;
}

void CATModelFileReading::Fail(const std::string& where, const std::string& what) const {
  throw CATModelFileFault{where.empty() ? what : where + ": " + what};
}

const CATJson::object_t& CATModelFileReading::Object(const CATJson& value,
                                                     const std::string& where) const {
  if (!value.is_object()) Fail(where, "expected an object {...}");
  return value.get_ref<const CATJson::object_t&>();
}

const CATJson::array_t& CATModelFileReading::Array(const CATJson& value,
                                                   const std::string& where) const {
  if (!value.is_array()) Fail(where, "expected a list [...]");
  return value.get_ref<const CATJson::array_t&>();
}

const std::string& CATModelFileReading::Utf8(const CATJson& value, const std::string& where) const {
  if (!value.is_string()) Fail(where, "expected a text \"...\"");
  return value.get_ref<const std::string&>();
}

CATUnicodeString CATModelFileReading::Text(const CATJson& value, const std::string& where) const {
  const std::string& text = Utf8(value, where);
  return CATUnicodeString(text.data(), text.size());
}

CATUnicodeString CATModelFileReading::SharedText(const CATJson& value,
                                                 const std::string& where) const {
  const std::string& text = Utf8(value, where);
  const auto found = shared_.find(text);
  if (found != shared_.end()) return found->second;
  CATUnicodeString read(text.data(), text.size());
  if (shared_.size() < kCATModelSharedTexts) shared_.emplace(text, read);
  return read;
}

int CATModelFileReading::Integer(const CATJson& value, const std::string& where) const {
  if (value.is_number_unsigned()) {
    const auto number = value.get<unsigned long long>();
    if (number <= static_cast<unsigned long long>(INT_MAX)) return static_cast<int>(number);
  } else if (value.is_number_integer()) {
    const auto number = value.get<long long>();
    if (number >= INT_MIN && number <= INT_MAX) return static_cast<int>(number);
  }
  Fail(where, "expected a whole number from -2147483648 to 2147483647");
}

bool CATModelFileReading::Boolean(const CATJson& value, const std::string& where) const {
  if (!value.is_boolean()) Fail(where, "expected true or false");
  return value.get<bool>();
}

CATModelLink CATModelFileReading::Link(const CATJson& value, const std::string& where) const {
  CATUnicodeString target_document;
  std::string id;
  for (const auto& field : Object(value, where)) {
    const std::string place = where + "." + field.first;
    if (field.first == "document") {
      const CATUnicodeString document = Text(field.second, place);
      if (document.GetLengthInChar() == 0) Fail(place, "a document is not empty");
      const std::string resolved = CATHostPathResolve(CATModelFileWriting::Text(storage),
                                                      CATModelFileWriting::Text(document));
      target_document = CATUnicodeString(resolved.data(), resolved.size());
      if (target_document == storage) target_document = CATUnicodeString();
    } else if (field.first == "id") {
      id = CATModelFileWriting::Text(Text(field.second, place));
    } else {
      Fail(place, "unknown field of a link (\"document\", \"id\")");
    }
  }
  if (id.empty()) Fail(where, "a link has a non-empty \"id\"");
  return CATModelLink(target_document, id);
}

std::string CATModelFileWriting::Text(const CATUnicodeString& text) {
  return std::string(text.ConvertToChar(), static_cast<size_t>(text.GetLengthInByte()));
}

void CATModelFileWriting::Link(const CATModelLink& link, CATModelFileOut& out) const {
  out.BeginObject();
  // A link into the document of the file's own name leads into the file.
  if (link.Document().GetLengthInChar() > 0 && link.Document() != storage) {
    const std::string relative = CATHostPathRelative(Text(storage), Text(link.Document()));
    const CATUnicodeString written(relative.data(), relative.size());
    if (written.GetLengthInChar() == 0) {
      throw CATModelFileFault{"the reference to '" + Text(link.Document()) +
                              "' cannot be written from '" + Text(storage) + "'"};
    }
    out.Key("document");
    out.Text(Text(written));
  }
  out.Key("id");
  out.Text(link.Id());
  out.EndObject();
}

void CATModelFileWriting::Without(const CATModelNode& node, CATModelFileOut& out) const {
  const void*& complete = complete_sets_[static_cast<unsigned>(node.Kind())];
  if (node.InterfaceSet() == complete) return;
  const CATModelKindInfo& kind = CATModelKindInfoOf(node.Kind());
  if (!CATModelWriteWithout(node, kind.interfaces.data(), static_cast<int>(kind.interfaces.size()),
                            out)) {
    complete = node.InterfaceSet();
  }
}

// ---- The table ------------------------------------------------------------------

unsigned CATModelKindBit(CATModelKind kind) {
  return Bit(kind);
}

bool CATModelCarries(const CATModelFileField& field, CATModelKind kind) {
  const unsigned bits = Bit(kind) | (CATModelIsContainer(kind) ? 0u : kObjects);
  return (field.kinds & bits) != 0;
}

const CATModelFileField* CATModelFileFieldsBegin() {
  return Fields().data();
}

const CATModelFileField* CATModelFileFieldsEnd() {
  return Fields().data() + Fields().size();
}

const CATModelFileField* CATModelFindFileField(const std::string& name, CATModelKind kind) {
  for (const CATModelFileField& field : Fields()) {
    if (name == field.name && CATModelCarries(field, kind)) return &field;
  }
  return nullptr;
}

bool CATModelIsFileField(const std::string& name) {
  for (const CATModelFileField& field : Fields()) {
    if (name == field.name) return true;
  }
  return false;
}

void CATModelRegisterFileField(const CATModelFileField& field, const char* after) {
  std::vector<CATModelFileField>& fields = Fields();
  auto anchor = fields.end();
  bool taken = false;
  for (auto it = fields.begin(); it != fields.end(); ++it) {
    if (std::strcmp(it->name, after) == 0) anchor = it;
    if (std::strcmp(it->name, field.name) == 0) taken |= SomeKindCarriesBoth(*it, field);
  }
  if (taken || anchor == fields.end()) {
    throw std::logic_error(std::string("the file field '") + field.name +
                           "' cannot be registered after '" + after + "'");
  }
  fields.insert(anchor + 1, field);
}

void CATModelReadWithout(const CATModelFileReading& reading, const CATJson& value,
                         CATComponent& component, const CATInterfaceEntry* interfaces, int count,
                         const std::string& where) {
  const CATJson::array_t& names = reading.Array(value, where);
  for (size_t i = 0; i < names.size(); ++i) {
    const std::string at = CATModelItemPlace(where, i);
    const std::string name = CATModelFileWriting::Text(reading.Text(names[i], at));
    const IID* iid = CATModelFindInterface(name);
    bool offered = false;
    for (int k = 0; iid != nullptr && k < count; ++k) offered |= *interfaces[k].iid == *iid;
    if (!offered) reading.Fail(at, "'" + name + "' is not one of the object's interfaces");
    component.RemoveInterface(*iid);
  }
}

bool CATModelWriteWithout(const CATComponent& component, const CATInterfaceEntry* interfaces,
                          int count, CATModelFileOut& out) {
  bool listed = false;
  for (int k = 0; k < count; ++k) {
    if (component.OffersInterface(*interfaces[k].iid)) continue;
    if (!listed) {
      out.Key("without");
      out.BeginArray();
      listed = true;
    }
    out.Text(CATModelInterfaceName(*interfaces[k].iid));
  }
  if (listed) out.EndArray();
  return listed;
}
