// The model builder for tests.
#include "CATTestModel.h"

#include <map>
#include <memory>
#include <stdexcept>

#include "CATCatalogChapterData.h"
#include "CATCatalogDescriptionData.h"
#include "CATCatalogKinds.h"
#include "CATCkeDictionaryTesting.h"
#include "CATCkeParmAdapter.h"
#include "CATDocumentServices.h"
#include "CATGeoObjects.h"
#include "CATGeoShownData.h"
#include "CATICatalogDescription.h"
#include "CATLiveObjects.h"
#include "CATModelExplicitLists.h"
#include "CATModelFileFields.h"
#include "CATModelProductData.h"
#include "CATModelSession.h"
#include "CATTestNaming.h"

namespace {

// Models alive in the process: one at most.
int g_live_models = 0;

CATModelDocument* DocumentOrNull(long serial) {
  return CATModelSession::Get().FindBySerial(serial);
}

CATModelNode* NodeOrNull(long document, const std::string& id) {
  CATModelDocument* open = DocumentOrNull(document);
  return open != nullptr ? open->FindNode(id) : nullptr;
}

// "c:\Parts\Room.CATPart" => "Room"
CATUnicodeString FileStem(const CATUnicodeString& path) {
  const CATUnicodeString normal = CATModelStorageName(path);
  const int slash = normal.SearchSubString("\\", 0, CATUnicodeString::CATSearchModeBackward);
  const CATUnicodeString file = normal.SubString(slash + 1, normal.GetLengthInChar());
  const int dot = file.SearchSubString(".", 0, CATUnicodeString::CATSearchModeBackward);
  return dot > 0 ? file.SubString(0, dot) : file;
}

CATModelFault Fault(CATModelFault::Kind kind, const std::string& message) {
  CATModelFault fault;
  fault.kind = kind;
  fault.message = message;
  return fault;
}

// A new node of `kind` with `name`, placed below `holder` with a new id.
CATModelNode* Place(CATModelNode* holder, CATModelKind kind, const CATUnicodeString& name) {
  CATModelDocument* document = holder->Document();
  CATModelNode* node = new CATModelNode(kind);
  node->id = document->NewId();
  node->name = name;
  holder->AppendChild(node);
  node->Release();  // the holder keeps it
  return node;
}

// A new document open in the session, with one container of `kind`.
CATModelDocument* OpenNew(const CATUnicodeString& path, const CATUnicodeString& type,
                          CATModelKind containerKind) {
  const CATUnicodeString name = CATModelStorageName(path);
  if (name.GetLengthInChar() == 0) CATTestMisuse("a document needs a path");
  CATModelSession& session = CATModelSession::Get();
  if (session.FindOpen(name) != nullptr)
    CATTestMisuse("'" + CATTestUtf8(name) + "' is open already");
  CATModelDocument* document = new CATModelDocument(type);
  document->SetStorageName(name);
  CATModelNode* container = new CATModelNode(containerKind);
  container->id = document->NewId();
  document->AppendContainer(container);
  container->Release();
  session.Add(document);
  document->Release();  // the session keeps it
  return document;
}

CATModelNode* Product(CATModelNode* holder, const CATUnicodeString& name) {
  CATModelNode* product = Place(holder, CATModelKind::kProduct, name);
  product->type = "Product";
  product->Data<CATModelProductData>().part_number = name;
  return product;
}

}  // namespace

// ---- CATTestNode -----------------------------------------------------------------

namespace {

// The kind and name of each object that a node was made for, as the
// builder last set them ("feature 'Wall.1'"), by document and id; kept
// until the next model is made, so that a node used after its object went
// still names it.
std::map<std::pair<long, std::string>, std::string>& MadeNames() {
  static std::map<std::pair<long, std::string>, std::string> names;
  return names;
}

void RememberName(long document, const std::string& id) {
  if (const CATModelNode* node = NodeOrNull(document, id)) {
    MadeNames()[{document, id}] = CATTestNamed(*node);
  }
}

CATModelNode& Existing(long document, const std::string& id) {
  CATModelNode* node = NodeOrNull(document, id);
  if (node != nullptr) return *node;
  if (id.empty()) CATTestMisuse("a node naming nothing is used");
  const auto made = MadeNames().find({document, id});
  const std::string named = made != MadeNames().end() ? "the " + made->second + " (id " + id + ")"
                                                      : "the object of id " + id;
  if (g_live_models == 0) CATTestMisuse(named + " is used after its model closed");
  CATTestMisuse(named + " is not in an open document: it was deleted or its document closed");
}

// The node, of a kind whose document file entry may hold `field`.
CATModelNode& Carrying(long document, const std::string& id, const char* field) {
  CATModelNode& node = Existing(document, id);
  if (CATModelFindFileField(field, node.Kind()) == nullptr) {
    CATTestMisuse("the " + CATTestNamed(node) + " has no " + field + ": it is a " +
                  CATModelKindInfoOf(node.Kind()).fileName);
  }
  return node;
}

CATModelNode& ExistingProduct(long document, const std::string& id) {
  CATModelNode& node = Existing(document, id);
  if (node.Kind() != CATModelKind::kProduct)
    CATTestMisuse("the " + CATTestNamed(node) + " is no product");
  return node;
}

CATModelProductData& ProductData(long document, const std::string& id) {
  return ExistingProduct(document, id).Data<CATModelProductData>();
}

}  // namespace

CATBaseUnknown_var CATTestNode::Object() const {
  return NodeOrNull(document_, id_);
}

std::string CATTestNode::Describe() const {
  if (id_.empty()) return "nothing";
  const CATModelNode* node = NodeOrNull(document_, id_);
  return node != nullptr ? CATTestNamed(*node) : "a gone object";
}

CATTestNode::CATTestNode(long document, std::string id) : document_(document), id_(std::move(id)) {
  RememberName(document_, id_);
}

CATTestNode& CATTestNode::Name(const CATUnicodeString& name) {
  Existing(document_, id_).name = name;
  RememberName(document_, id_);
  return *this;
}

CATTestNode& CATTestNode::Type(const CATUnicodeString& type, const CATUnicodeString& supertype) {
  CATModelNode& node = Existing(document_, id_);
  node.type = type;
  node.SetSupertype(supertype);
  return *this;
}

CATTestNode& CATTestNode::TimeStamp(int seconds) {
  Existing(document_, id_).time_stamp = seconds;
  return *this;
}

CATTestNode& CATTestNode::UpdateStamp(int stamp) {
  Existing(document_, id_).update_stamp = stamp;
  return *this;
}

CATTestNode& CATTestNode::Key(const CATUnicodeString& name, CATAttrKind kind,
                              CATAttrQuality quality) {
  Existing(document_, id_).AddKey(name, kind, 0, quality);
  return *this;
}

CATTestNode& CATTestNode::ListKey(const CATUnicodeString& name, CATAttrKind elementKind,
                                  CATAttrQuality quality) {
  Existing(document_, id_).AddKey(name, tk_list, elementKind, quality);
  return *this;
}

CATTestNode& CATTestNode::Link(const CATTestNode& target) {
  CATModelNode& node = Existing(document_, id_);
  node.links.push_back(node.LinkTo(&Existing(target.document_, target.id_)));
  return *this;
}

CATTestNode& CATTestNode::Owner(const CATTestNode& owner) {
  CATModelNode& node = Existing(document_, id_);
  node.SetOwner(owner.id_.empty() ? CATModelLink()
                                  : node.LinkTo(&Existing(owner.document_, owner.id_)));
  return *this;
}

CATTestNode& CATTestNode::Without(const IID& iid) {
  Existing(document_, id_).RemoveInterface(iid);
  return *this;
}

CATTestNode& CATTestNode::UpdateRaises(const CATUnicodeString& message) {
  Existing(document_, id_).SetUpdateFault(Fault(CATModelFault::kRaises, CATTestUtf8(message)));
  return *this;
}

CATTestNode& CATTestNode::UpdateThrows(const std::string& message) {
  Existing(document_, id_).SetUpdateFault(Fault(CATModelFault::kThrows, message));
  return *this;
}

CATTestNode& CATTestNode::PartNumber(const CATUnicodeString& partNumber) {
  ProductData(document_, id_).part_number = partNumber;
  return *this;
}

CATTestNode& CATTestNode::Publish(const CATUnicodeString& name, const CATTestNode& object) {
  CATModelNode& product = ExistingProduct(document_, id_);
  CATModelProductData& data = product.Data<CATModelProductData>();
  for (const CATModelPublication& publication : data.publications) {
    if (publication.name == name) CATTestMisuse("'" + CATTestUtf8(name) + "' is published already");
  }
  const CATModelLink target = product.LinkTo(&Existing(object.document_, object.id_));
  data.publications.push_back(CATModelPublication{name, data.ConnectorFor(&product, target)});
  return *this;
}

CATTestNode& CATTestNode::RefusePublications() {
  ProductData(document_, id_).refuses_publications = true;
  return *this;
}

CATTestNode& CATTestNode::Geometry(const CATBodyDescription& body) {
  CATModelNode& node = Carrying(document_, id_, "geometry");
  const std::string fault = CATBodyDescriptionFault(body);
  if (!fault.empty()) CATTestMisuse("the body of the " + CATTestNamed(node) + ": " + fault);
  CATBody* made = CATGeoNewBody(body);
  node.Data<CATGeoShownData>().result = made;
  made->Release();
  return *this;
}

CATTestNode& CATTestNode::Box(const CATMathPoint& low, const CATMathPoint& high) {
  return Geometry(CATBodyDescription::Solid(low, high));
}

CATTestNode& CATTestNode::Hide(bool hidden) {
  CATModelNode& node = Carrying(document_, id_, "hidden");
  std::unique_ptr<CATRep>& rep = node.Data<CATGeoShownData>().rep;
  rep.reset(new CATRep());
  rep->GetGraphicAttributeSet().SetHidden(hidden ? 1 : 0);
  return *this;
}

CATTestNode& CATTestNode::Position(const CATMathTransformation& position) {
  if (!position.IsRigid()) CATTestMisuse("a position is a rotation and a translation");
  ProductData(document_, id_).position = position;
  return *this;
}

CATTestNode& CATTestNode::Connector(const CATTestNode& object) {
  CATModelNode& product = ExistingProduct(document_, id_);
  product.Data<CATModelProductData>().ConnectorFor(
      &product, product.LinkTo(&Existing(object.document_, object.id_)));
  return *this;
}

CATTestNode& CATTestNode::WorkModeResult(HRESULT result) {
  ProductData(document_, id_).work_mode_result = result;
  return *this;
}

CATTestNode& CATTestNode::WorkModeRaises(const CATUnicodeString& message) {
  ProductData(document_, id_).work_mode_fault = Fault(CATModelFault::kRaises, CATTestUtf8(message));
  return *this;
}

CATTestNode& CATTestNode::List(CATTestList list, std::initializer_list<CATTestNode> entries) {
  CATModelNode& node = Existing(document_, id_);
  CATModelExplicitList given;
  for (const CATTestNode& entry : entries) {
    given.entries.push_back(entry.id_.empty() ? CATModelLink()
                                              : node.LinkTo(&Existing(entry.document_, entry.id_)));
  }
  node.SetExplicitList(list, given);
  return *this;
}

CATTestNode& CATTestNode::NoList(CATTestList list) {
  CATModelExplicitList none;
  none.exists = false;
  Existing(document_, id_).SetExplicitList(list, none);
  return *this;
}

int CATTestNode::UpdateCalls() const {
  return Existing(document_, id_).update_calls;
}

std::vector<CATTestNode> CATTestNode::Connectors() const {
  CATModelNode& product = ExistingProduct(document_, id_);
  std::vector<CATTestNode> designated;
  for (const CATModelConnector* connector : product.Data<CATModelProductData>().connectors) {
    CATModelNode* target = product.Follow(connector->target);
    CATModelDocument* document = target != nullptr ? target->Document() : nullptr;
    designated.push_back(document != nullptr ? CATTestNode(document->Serial(), target->id)
                                             : CATTestNode());
  }
  return designated;
}

int CATTestNode::RedrawCount() const {
  CATModelNode& node = Existing(document_, id_);
  // Only parts receive notifications.
  return node.Kind() == CATModelKind::kPart ? node.Data<CATModelPartData>().redraws : 0;
}

void CATTestNode::Delete() {
  CATModelNode& node = Existing(document_, id_);
  if (node.Holder() == nullptr) CATTestMisuse("the " + CATTestNamed(node) + " cannot be deleted");
  node.Holder()->RemoveChild(&node);
}

// ---- CATTestDocument --------------------------------------------------------------

namespace {

CATModelDocument& ExistingDocument(long serial) {
  CATModelDocument* document = DocumentOrNull(serial);
  if (document != nullptr) return *document;
  if (g_live_models == 0) CATTestMisuse("a document of a model that is closed is used");
  CATTestMisuse(serial == 0 ? "a document naming nothing is used" : "the document is not open");
}

}  // namespace

CATDocument* CATTestDocument::Document() const {
  return DocumentOrNull(serial_);
}

CATUnicodeString CATTestDocument::StorageName() const {
  return ExistingDocument(serial_).StorageName();
}

CATTestNode CATTestDocument::Container() const {
  CATModelDocument& document = ExistingDocument(serial_);
  if (document.Containers().empty()) CATTestMisuse("the document has no container");
  return CATTestNode(serial_, document.Containers().front()->id);
}

CATTestNode CATTestDocument::Part() const {
  CATModelNode* part = ExistingDocument(serial_).FirstTopLevel(CATModelKind::kPart);
  if (part == nullptr) CATTestMisuse("the document has no part");
  return CATTestNode(serial_, part->id);
}

CATTestNode CATTestDocument::Product() const {
  CATModelNode* product = ExistingDocument(serial_).FirstTopLevel(CATModelKind::kProduct);
  if (product == nullptr) CATTestMisuse("the document has no product");
  return CATTestNode(serial_, product->id);
}

CATTestNode CATTestDocument::Object(const std::string& id) const {
  if (ExistingDocument(serial_).FindNode(id) == nullptr) CATTestMisuse("no object '" + id + "'");
  return CATTestNode(serial_, id);
}

CATTestDocument& CATTestDocument::Without(const IID& iid) {
  ExistingDocument(serial_).RemoveInterface(iid);
  return *this;
}

CATTestDocument& CATTestDocument::SaveFails() {
  ExistingDocument(serial_).save_fault = Fault(CATModelFault::kFails, "");
  return *this;
}

CATTestDocument& CATTestDocument::SaveRaises(const CATUnicodeString& message) {
  ExistingDocument(serial_).save_fault = Fault(CATModelFault::kRaises, CATTestUtf8(message));
  return *this;
}

CATTestDocument& CATTestDocument::SaveThrows(const std::string& message) {
  ExistingDocument(serial_).save_fault = Fault(CATModelFault::kThrows, message);
  return *this;
}

// ---- CATTestModel ------------------------------------------------------------------

CATTestModel::CATTestModel(Objects objects) : listed_(objects == Objects::kListed) {
  if (g_live_models > 0) {
    CATTestMisuse("a second model is made while one lives; the session has room for one");
  }
  ++g_live_models;
  MadeNames().clear();
  ResetHost();
  live_before_ = CATBaseUnknown::LiveObjectCount();
  CATRecordLiveObjects(listed_);
}

CATTestModel::~CATTestModel() {
  ResetHost();
  CATRecordLiveObjects(false);
  --g_live_models;
}

void CATTestModel::ResetHost() {
  CATModelSession::Get().Reset();
  CATCkeDictionaryTesting::Reset();
}

CATTestDocument CATTestModel::PartDocument(const CATUnicodeString& path) {
  CATModelDocument* document = OpenNew(path, "CATPart", CATModelKind::kPartContainer);
  CATModelNode* container = document->Containers().front();
  CATModelNode* part = Place(container, CATModelKind::kPart, FileStem(path));
  part->type = "Part";
  part->SetSupertype("MechanicalFeature");
  ::Product(container, FileStem(path));
  return CATTestDocument(document->Serial());
}

CATTestDocument CATTestModel::ProductDocument(const CATUnicodeString& path) {
  CATModelDocument* document = OpenNew(path, "CATProduct", CATModelKind::kContainer);
  ::Product(document->Containers().front(), FileStem(path));
  return CATTestDocument(document->Serial());
}

CATTestDocument CATTestModel::Document(const CATUnicodeString& path, const CATUnicodeString& type) {
  return CATTestDocument(OpenNew(path, type, CATModelKind::kContainer)->Serial());
}

CATTestDocument CATTestModel::Open(const CATUnicodeString& path) {
  CATDocument* document = nullptr;
  if (FAILED(CATDocumentServices::OpenDocument(path, document, 1))) return CATTestDocument();
  return CATTestDocument(CATModelDocumentOf(document)->Serial());
}

void CATTestModel::Close(const CATTestDocument& document) {
  CATDocumentServices::Remove(document.Document());
}

CATTestNode CATTestModel::Feature(const CATTestNode& parent, const CATUnicodeString& name,
                                  const CATUnicodeString& type) {
  CATModelNode* feature =
      Place(&Existing(parent.document_, parent.id_), CATModelKind::kFeature, name);
  feature->type = type;
  return CATTestNode(parent.document_, feature->id);
}

CATTestNode CATTestModel::Logical(const CATTestNode& parent, const CATUnicodeString& name) {
  CATModelNode* logical =
      Place(&Existing(parent.document_, parent.id_), CATModelKind::kLogical, name);
  logical->type = "Logical";
  return CATTestNode(parent.document_, logical->id);
}

CATTestNode CATTestModel::Parameter(const CATTestNode& parent, const CATUnicodeString& name,
                                    CATCkeValueKind kind, double value) {
  if (kind == CATCkeTextKind)
    CATTestMisuse("parameter '" + CATTestUtf8(name) + "': parameters hold numbers");
  CATModelNode& holder = Existing(parent.document_, parent.id_);
  CATModelNode* parameter = Place(&holder, CATModelKind::kParameter, name);
  parameter->type = "Parameter";
  parameter->CkeParmState().kind = kind;
  parameter->CkeParmState().value = value;
  if (!CATModelIsContainer(holder.Kind())) parameter->SetOwner(parameter->LinkTo(&holder));
  return CATTestNode(parent.document_, parameter->id);
}

CATTestNode CATTestModel::Body(const CATTestNode& parent, const CATUnicodeString& name) {
  CATModelNode* body = Place(&Existing(parent.document_, parent.id_), CATModelKind::kBody, name);
  body->type = "Body";
  return CATTestNode(parent.document_, body->id);
}

CATTestNode CATTestModel::Instance(const CATTestNode& parent, const CATTestNode& reference,
                                   const CATUnicodeString& name) {
  CATModelNode& holder = ExistingProduct(parent.document_, parent.id_);
  CATModelNode& target = ExistingProduct(reference.document_, reference.id_);
  if (holder.Data<CATModelProductData>().reference.IsSet()) {
    CATTestMisuse("the " + CATTestNamed(holder) +
                  " is an instance, which takes its children from its reference");
  }
  if (target.Data<CATModelProductData>().reference.IsSet()) {
    CATTestMisuse("an instance of the " + CATTestNamed(target) + ", itself an instance");
  }
  CATModelNode* instance = Place(&holder, CATModelKind::kProduct, name);
  instance->type = "Product";
  instance->Data<CATModelProductData>().reference = instance->LinkTo(&target);
  return CATTestNode(parent.document_, instance->id);
}

void CATTestModel::SetCurrentEditor(const CATTestDocument& document,
                                    std::initializer_list<CATTestNode> path) {
  CATListValCATBaseUnknown_var objects;
  for (const CATTestNode& node : path) objects.Append(&Existing(node.document_, node.id_));
  CATDocument* shown = document.serial_ != 0 ? &ExistingDocument(document.serial_) : nullptr;
  CATModelSession::Get().SetEditor(
      std::unique_ptr<CATFrmEditor>(new CATFrmEditor(shown, CATPathElement(objects))));
}

void CATTestModel::ClearCurrentEditor() {
  CATModelSession::Get().SetEditor(nullptr);
}

void CATTestModel::SetActiveElement(const CATTestNode& element) {
  CATModelSession::Get().active_element =
      element.id_.empty() ? CATISpecObject_var()
                          : CATISpecObject_var(&Existing(element.document_, element.id_));
}

void CATTestModel::SetWorkModeResult(HRESULT result) {
  CATModelSession::Get().work_mode_result = result;
}

const std::vector<CATWorkModeCall>& CATTestModel::WorkModeCalls() const {
  return CATModelSession::Get().work_mode_calls;
}

// ---- Catalogs ----------------------------------------------------------------------

namespace {

CATModelNode& ExistingOfKind(long document, const std::string& id, CATModelKind kind,
                             const char* what) {
  CATModelNode& node = Existing(document, id);
  if (node.Kind() != kind) CATTestMisuse("the " + CATTestNamed(node) + " is no " + what);
  return node;
}

CATCatalogDescriptionData& DescriptionData(long document, const std::string& id) {
  return ExistingOfKind(document, id, CATCatalogKind().description, "description")
      .Data<CATCatalogDescriptionData>();
}

CATModelNode* CatalogContainer(CATModelDocument& document) {
  for (CATModelNode* container : document.Containers()) {
    if (container->Kind() == CATCatalogKind().container) return container;
  }
  CATTestMisuse("'" + CATTestUtf8(document.StorageName()) + "' is no catalog");
}

}  // namespace

std::vector<CATUnicodeString> CATTestNode::QueriesRun() const {
  const auto& run = ExistingOfKind(document_, id_, CATCatalogKind().chapter, "chapter")
                        .Data<CATCatalogChapterData>()
                        .queries_run;
  return std::vector<CATUnicodeString>(run.begin(), run.end());
}

CATTestNode& CATTestNode::Value(const CATUnicodeString& keyword, const CATUnicodeString& value) {
  DescriptionData(document_, id_).values[keyword] = value;
  return *this;
}

CATTestNode& CATTestNode::DescriptionKind(unsigned char kind) {
  DescriptionData(document_, id_).kind = kind;
  return *this;
}

CATTestNode CATTestDocument::RootChapter() const {
  for (CATModelNode* node : CatalogContainer(ExistingDocument(serial_))->Children()) {
    if (node->Kind() == CATCatalogKind().chapter) return CATTestNode(serial_, node->id);
  }
  CATTestMisuse("the catalog has no chapter");
}

CATTestDocument CATTestModel::CatalogDocument(const CATUnicodeString& path) {
  CATModelDocument* document = OpenNew(path, "catalog", CATCatalogKind().container);
  Place(document->Containers().front(), CATCatalogKind().chapter, FileStem(path));
  return CATTestDocument(document->Serial());
}

CATTestNode CATTestModel::Chapter(const CATTestDocument& catalog, const CATUnicodeString& name) {
  CATModelNode* container = CatalogContainer(ExistingDocument(catalog.serial_));
  return CATTestNode(catalog.serial_, Place(container, CATCatalogKind().chapter, name)->id);
}

CATTestNode CATTestModel::Keyword(const CATTestNode& chapter, const CATUnicodeString& name) {
  CATModelNode& holder =
      ExistingOfKind(chapter.document_, chapter.id_, CATCatalogKind().chapter, "chapter");
  return CATTestNode(chapter.document_, Place(&holder, CATCatalogKind().keyword, name)->id);
}

CATTestNode CATTestModel::Description(const CATTestNode& chapter, const CATUnicodeString& name) {
  CATModelNode& holder =
      ExistingOfKind(chapter.document_, chapter.id_, CATCatalogKind().chapter, "chapter");
  return CATTestNode(chapter.document_, Place(&holder, CATCatalogKind().description, name)->id);
}

CATTestNode CATTestModel::SubChapter(const CATTestNode& chapter, const CATTestNode& subChapter) {
  CATModelNode& target =
      ExistingOfKind(subChapter.document_, subChapter.id_, CATCatalogKind().chapter, "chapter");
  const CATTestNode description = Description(chapter, target.name);
  CATModelNode& node = Existing(description.document_, description.id_);
  CATCatalogDescriptionData& data = node.Data<CATCatalogDescriptionData>();
  data.kind = CATCatalogChapterKind;
  data.reference = node.LinkTo(&target);
  return description;
}
