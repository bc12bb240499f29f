// Reading a document file as its JSON text is scanned (CATJsonScan.h),
// without a tree of the whole file: each field of an object is taken as a
// small json value and read by its row of the field table
// (CATModelFileFields.cpp) when the object ends, and the object's children
// are made as they come.
//
// The first fault reported is the one met first in this order, whatever the
// order of the file's text: any syntax fault; the document's head
// ("format", "version", "type"); its other fields by name before
// "containers"; the objects in the order of the tree (each one's kind and
// fields by name, then its id, then its children); the document's fields by
// name after "containers". A field given twice is a fault of its object (or
// of the document's head).
#include <algorithm>
#include <climits>
#include <unordered_map>
#include <utility>
#include <vector>

#include "CATAdopt.h"
#include "CATJsonScan.h"
#include "CATModelFile.h"
#include "CATModelFileFields.h"

namespace {

// The place of a fault in the order above: the object's number in the
// order of the tree (or a part of the document), then the step.
struct FaultPlace {
  long long object;
  int step;
  bool operator<(const FaultPlace& other) const {
    return object != other.object ? object < other.object : step < other.step;
  }
};

constexpr long long kHead = -3;
constexpr long long kBeforeContainers = -2;
constexpr long long kContainers = -1;
constexpr long long kAfterContainers = LLONG_MAX;
// The steps of an object.
constexpr int kFields = 0;    // its place in the tree, its kind and fields
constexpr int kId = 1;        // its id against those before it
constexpr int kChildren = 2;  // its "children" as a list

// Builds one json value from the parser's events.
class ValueBuilder {
 public:
  // The next events build the value of `target`.
  void Begin(CATJson& target) { target_ = &target; }
  // True until the value is whole.
  bool Building() const { return target_ != nullptr; }

  void Scalar(CATJson&& value) { Place(std::move(value)); }
  void Open(CATJson::value_t type) { open_.push_back(Place(CATJson(type))); }
  void Key(std::string& key) { key_ = std::move(key); }
  void Close() {
    open_.pop_back();
    if (open_.empty()) target_ = nullptr;
  }

 private:
  CATJson* Place(CATJson&& value) {
    if (open_.empty()) {
      CATJson* placed = target_;
      *placed = std::move(value);
      if (!placed->is_structured()) target_ = nullptr;
      return placed;
    }
    CATJson& holder = *open_.back();
    if (holder.is_array()) {
      CATJson::array_t& items = holder.get_ref<CATJson::array_t&>();
      items.push_back(std::move(value));
      return &items.back();
    }
    CATJson& slot = holder[key_];
    slot = std::move(value);
    return &slot;
  }

  CATJson* target_ = nullptr;
  std::vector<CATJson*> open_;  // the objects and lists being filled
  std::string key_;
};

// An object being read (the document or one of its objects), or a list of
// objects ("containers", "children").
struct Frame {
  enum Type { kDocument, kObject, kList } type;
  size_t where;         // the length of the reader's place while in the frame
  long long number;     // an object's number in the order of the tree
  int depth;            // an object's: a container is at 1
  size_t count = 0;     // a list's items; an object's fields
  std::string key;      // an object's field being read
  bool listed = false;  // its list of objects ("containers", "children") was given
  // The first `count` are an object's fields, all but its list of objects.
  std::vector<std::pair<std::string, CATJson>> fields;
  // An object's children, made.
  std::vector<CATOwned<CATModelNode>> children;
};

class DocumentReader final : public nlohmann::json_sax<CATJson> {
 public:
  explicit DocumentReader(const CATModelFileReading& reading) : reading_(reading) {}

  // The document read, once the scan or the parser has given every event,
  // with one reference for the caller; null with `fault` set when the file
  // is refused.
  CATModelDocument* Finish(std::string& fault) {
    if (!parse_fault_.empty()) {
      fault = parse_fault_;
      return nullptr;
    }
    if (faulted_) {
      fault = FirstFault();
      return nullptr;
    }
    document_->ReserveIds(static_cast<std::size_t>(next_number_));
    CATModelNode* taken = nullptr;
    for (CATOwned<CATModelNode>& container : containers_) {
      CATModelNode* first = document_->AppendContainer(container.get());
      if (taken == nullptr) taken = first;
    }
    containers_.clear();
    if (taken != nullptr) {
      fault = IdTaken(document_->Containers(), taken, document_->FindNode(taken->id));
      return nullptr;
    }
    for (CATModelNode* container : document_->Containers()) GiveIds(container);
    return document_.release();
  }

  bool null() override { return Value(CATJson(nullptr)); }
  bool boolean(bool value) override { return Value(CATJson(value)); }
  bool number_integer(number_integer_t value) override { return Value(CATJson(value)); }
  bool number_unsigned(number_unsigned_t value) override { return Value(CATJson(value)); }
  bool number_float(number_float_t value, const string_t&) override {
    return Value(CATJson(value));
  }
  bool string(string_t& value) override { return Value(CATJson(std::move(value))); }
  bool binary(binary_t& value) override { return Value(CATJson::binary(std::move(value))); }
  bool start_object(std::size_t) override { return Open(CATJson::value_t::object); }
  bool start_array(std::size_t) override { return Open(CATJson::value_t::array); }
  bool end_object() override { return Close(); }
  bool end_array() override { return Close(); }

  bool key(string_t& name) override {
    if (skipped_ > 0) return true;
    if (value_.Building()) {
      value_.Key(name);
      return true;
    }
    // Other fields given twice are found once the object's are sorted.
    Frame& frame = Top();
    frame.key = std::move(name);
    if (frame.listed && frame.key == (frame.type == Frame::kDocument ? "containers" : "children")) {
      Fault(Place(frame, kFields), Where(frame.where, frame.key) + ": given twice");
      skip_next_ = true;
    }
    return true;
  }

  bool parse_error(std::size_t, const std::string&,
                   const nlohmann::detail::exception& error) override {
    parse_fault_ = CATModelParseFault(error);
    return false;
  }

 private:
  Frame& Top() { return frames_[top_ - 1]; }

  // The place of the faults of `frame`, an object or the document.
  static FaultPlace Place(const Frame& frame, int step) {
    return frame.type == Frame::kDocument ? FaultPlace{kHead, 0} : FaultPlace{frame.number, step};
  }

  std::string Where(size_t length, const std::string& field) const {
    std::string where = where_.substr(0, length);
    return where.empty() ? field : where + "." + field;
  }

  // Keeps the fault that comes first.
  void Fault(const FaultPlace& place, const std::string& message) {
    if (!faulted_ || place < fault_place_) {
      faulted_ = true;
      fault_place_ = place;
      fault_ = message;
    }
  }

  bool Value(CATJson&& value) {
    if (skipped_ > 0) return true;
    if (value_.Building()) {
      value_.Scalar(std::move(value));
    } else if (BeginValue(value.type())) {
      value_.Scalar(std::move(value));
    }
    return true;
  }

  bool Open(CATJson::value_t type) {
    if (skipped_ > 0) {
      ++skipped_;
    } else if (value_.Building()) {
      value_.Open(type);
    } else if (BeginValue(type)) {
      value_.Open(type);
    }
    return true;
  }

  bool Close() {
    if (skipped_ > 0) {
      --skipped_;
    } else if (value_.Building()) {
      value_.Close();
    } else {
      EndFrame();
    }
    return true;
  }

  // A value that is no field's, or the value of the field being read:
  // true when it is to be built as that field's value.
  bool BeginValue(CATJson::value_t type) {
    const bool structured = type == CATJson::value_t::object || type == CATJson::value_t::array;
    if (skip_next_) {
      skip_next_ = false;
      if (structured) skipped_ = 1;
      return false;
    }
    if (top_ == 0) {
      if (type == CATJson::value_t::object) {
        Push(Frame::kDocument, 0, 0, 0);
      } else {
        NotADocument();
        if (structured) skipped_ = 1;
      }
      return false;
    }
    Frame& frame = Top();
    if (frame.type == Frame::kList) {
      BeginItem(frame, type, structured);
      return false;
    }
    const bool document = frame.type == Frame::kDocument;
    if (frame.key == (document ? "containers" : "children")) {
      frame.listed = true;
      if (type == CATJson::value_t::array) {
        const int depth = frame.depth;
        where_ += document ? "containers" : ".children";
        Push(Frame::kList, where_.size(), 0, depth);
      } else {
        Fault(document ? FaultPlace{kContainers, 0} : FaultPlace{frame.number, kChildren},
              Where(frame.where, frame.key) + ": expected a list [...]");
        if (structured) skipped_ = 1;
      }
      return false;
    }
    if (frame.fields.size() == frame.count) frame.fields.emplace_back();
    std::pair<std::string, CATJson>& field = frame.fields[frame.count++];
    field.first = frame.key;
    value_.Begin(field.second);
    return true;
  }

  // An item of a list of objects.
  void BeginItem(Frame& list, CATJson::value_t type, bool structured) {
    const long long number = next_number_++;
    const size_t index = list.count++;
    if (faulted_) {  // every fault of this item would come later
      if (structured) skipped_ = 1;
      return;
    }
    CATModelAppendIndex(where_, index);
    const int depth = list.depth + 1;
    if (depth > kCATModelFileMaxDepth) {
      Fault({number, kFields},
            where_ + ": nested deeper than " + std::to_string(kCATModelFileMaxDepth) + " levels");
    } else if (type != CATJson::value_t::object) {
      Fault({number, kFields}, where_ + ": expected an object {...}");
    } else {
      Push(Frame::kObject, where_.size(), number, depth);
      return;
    }
    where_.resize(list.where);
    if (structured) skipped_ = 1;
  }

  void Push(Frame::Type type, size_t where, long long number, int depth) {
    if (frames_.size() == top_) frames_.emplace_back();
    Frame& frame = frames_[top_++];
    frame.type = type;
    frame.where = where;
    frame.number = number;
    frame.depth = depth;
    frame.count = 0;
    frame.listed = false;
    frame.children.clear();
  }

  void EndFrame() {
    Frame& frame = Top();
    if (frame.type == Frame::kList) {
      --top_;
      where_.resize(Top().where);
      return;
    }
    if (frame.type == Frame::kDocument) {
      EndDocument(frame);
      --top_;
      return;
    }
    CATOwned<CATModelNode> node(MakeNode(frame));
    --top_;
    Frame& list = Top();
    where_.resize(list.where);
    if (node == nullptr) return;
    Frame& holder = frames_[top_ - 2];
    if (holder.type == Frame::kDocument) {
      containers_.push_back(std::move(node));
    } else {
      holder.children.push_back(std::move(node));
    }
  }

  // The fields of `frame`, sorted by name.
  const std::vector<std::pair<std::string, CATJson>*>& Sorted(Frame& frame) {
    sorted_.clear();
    for (size_t i = 0; i < frame.count; ++i) sorted_.push_back(&frame.fields[i]);
    std::sort(sorted_.begin(), sorted_.end(),
              [](const auto* a, const auto* b) { return a->first < b->first; });
    return sorted_;
  }

  // Fails when a field of `fields`, sorted, is given twice.
  void FailRepeated(const std::vector<std::pair<std::string, CATJson>*>& fields,
                    const std::string& where) const {
    const auto twice =
        std::adjacent_find(fields.begin(), fields.end(),
                           [](const auto* a, const auto* b) { return a->first == b->first; });
    if (twice != fields.end()) {
      reading_.Fail(where.empty() ? (*twice)->first : where + "." + (*twice)->first, "given twice");
    }
  }

  // The node of the object of `frame`, with its children; null when it is
  // refused.
  CATModelNode* MakeNode(Frame& frame) {
    const std::string& where = where_;
    try {
      const auto& fields = Sorted(frame);
      FailRepeated(fields, where);
      const auto kind_field = std::find_if(
          fields.begin(), fields.end(), [](const auto* field) { return field->first == "kind"; });
      if (kind_field == fields.end()) reading_.Fail(where, "an object has a \"kind\"");
      const CATJson& kind_value = (*kind_field)->second;
      const std::string& kind_name = kind_value.is_string()
                                         ? kind_value.get_ref<const std::string&>()
                                         : reading_.Utf8(kind_value, where + ".kind");
      const CATModelKindInfo* kind = FindKind(kind_name);
      if (kind == nullptr) {
        reading_.Fail(where + ".kind",
                      "unknown kind '" + kind_name + "' (known: " + CATModelKnownKinds() + ")");
      }
      if ((frame.depth == 1) != CATModelIsContainer(kind->kind)) {
        reading_.Fail(where + ".kind", frame.depth == 1 ? "expected a container at the top"
                                                        : "a container lies only at the top");
      }
      CATOwned<CATModelNode> node(new CATModelNode(kind->kind));
      for (const auto* field : fields) {
        if (field->first == "kind") continue;
        place_.assign(where).append(".").append(field->first);
        const CATModelFileField* entry = FindField(field->first, kind->kind);
        if (entry == nullptr && !CATModelIsFileField(field->first)) {
          reading_.Fail(place_, "unknown field");
        }
        if (entry == nullptr) {
          reading_.Fail(place_, std::string("not a field of a ") + kind->fileName);
        }
        entry->read(reading_, field->second, *node, place_);
      }
      for (CATOwned<CATModelNode>& child : frame.children) node->AppendChild(child.get());
      frame.children.clear();
      return node.release();
    } catch (const CATModelFileFault& error) {
      Fault({frame.number, kFields}, error.message);
    } catch (const CATJson::exception& error) {
      Fault({frame.number, kFields}, CATModelParseFault(error));
    }
    frame.children.clear();
    return nullptr;
  }

  // The kind named `name` in the file; null when there is none. The model's
  // tables of kinds and fields are searched once a name for the whole read.
  const CATModelKindInfo* FindKind(const std::string& name) {
    const auto found = kinds_.find(name);
    if (found != kinds_.end()) return found->second;
    const CATModelKindInfo* kind = CATModelFindKind(name);
    if (kind != nullptr) kinds_.emplace(name, kind);
    return kind;
  }
  // The field `name` of objects of `kind`; null when they have none.
  const CATModelFileField* FindField(const std::string& name, CATModelKind kind) {
    const size_t index = static_cast<size_t>(kind);
    if (fields_.size() <= index) fields_.resize(index + 1);
    auto& known = fields_[index];
    const auto found = known.find(name);
    if (found != known.end()) return found->second;
    const CATModelFileField* field = CATModelFindFileField(name, kind);
    if (field != nullptr) known.emplace(name, field);
    return field;
  }

  // The fault that comes first: the one kept, or an id used again by an
  // object that comes before it. The objects made are those numbered below
  // the fault's, and their number is their place in the order of the tree.
  std::string FirstFault() const {
    if (fault_place_.object < 0) return fault_;
    std::vector<CATModelNode*> containers;
    for (const CATOwned<CATModelNode>& container : containers_) {
      containers.push_back(container.get());
    }
    std::unordered_map<std::string, CATModelNode*> ids;
    long long number = 0;
    std::vector<CATModelNode*> pending(containers.rbegin(), containers.rend());
    while (!pending.empty() && number <= fault_place_.object) {
      CATModelNode* node = pending.back();
      pending.pop_back();
      if (!node->id.empty()) {
        const auto first = ids.emplace(node->id, node);
        if (!first.second && FaultPlace{number, kId} < fault_place_) {
          return IdTaken(containers, node, first.first->second);
        }
      }
      pending.insert(pending.end(), node->Children().rbegin(), node->Children().rend());
      ++number;
    }
    return fault_;
  }

  // The fault of `node`, whose id `first` has.
  static std::string IdTaken(const std::vector<CATModelNode*>& containers, CATModelNode* node,
                             CATModelNode* first) {
    return WhereIs(containers, node) + ".id: '" + node->id + "' is the id of " +
           WhereIs(containers, first);
  }

  // The place of `node` in the file: "containers[0].children[2]".
  static std::string WhereIs(const std::vector<CATModelNode*>& containers, CATModelNode* node) {
    std::vector<size_t> path;
    for (CATModelNode* holder = node->Holder(); holder != nullptr; holder = node->Holder()) {
      const auto& children = holder->Children();
      path.push_back(static_cast<size_t>(std::find(children.begin(), children.end(), node) -
                                         children.begin()));
      node = holder;
    }
    std::string where = "containers";
    CATModelAppendIndex(where,
                        static_cast<size_t>(std::find(containers.begin(), containers.end(), node) -
                                            containers.begin()));
    for (auto index = path.rbegin(); index != path.rend(); ++index) {
      where += ".children";
      CATModelAppendIndex(where, *index);
    }
    return where;
  }

  void NotADocument() {
    Fault({kHead, 0}, std::string("not a document file (its \"format\" is not \"") +
                          kCATModelFileFormat + "\")");
  }

  // The document's head, then its fields but its containers.
  void EndDocument(Frame& frame) {
    const auto& fields = Sorted(frame);
    const auto find = [&](const char* name) -> const CATJson* {
      for (const auto* field : fields) {
        if (field->first == name) return &field->second;
      }
      return nullptr;
    };
    CATUnicodeString type;
    try {
      FailRepeated(fields, "");
      const CATJson* format = find("format");
      if (format == nullptr || *format != kCATModelFileFormat) {
        NotADocument();
        return;
      }
      const CATJson* version = find("version");
      if (version == nullptr) reading_.Fail("", "the file has no \"version\"");
      const int number = reading_.Integer(*version, "version");
      if (number < 1) reading_.Fail("version", "expected 1 or more");
      if (number > kCATModelFileVersion) {
        reading_.Fail("", "version " + std::to_string(number) + " is newer than " +
                              std::to_string(kCATModelFileVersion) +
                              ", the newest this program reads");
      }
      const CATJson* type_value = find("type");
      if (type_value == nullptr) reading_.Fail("", "the file has no \"type\"");
      type = reading_.Text(*type_value, "type");
      if (type.GetLengthInChar() == 0) reading_.Fail("type", "a type is not empty");
    } catch (const CATModelFileFault& error) {
      Fault({kHead, 0}, error.message);
      return;
    }
    document_.reset(new CATModelDocument(type));
    document_->SetStorageName(reading_.storage);
    for (size_t i = 0; i < fields.size(); ++i) {
      const std::string& name = fields[i]->first;
      if (name == "format" || name == "version" || name == "type") continue;
      const FaultPlace place{name < "containers" ? kBeforeContainers : kAfterContainers,
                             static_cast<int>(i)};
      try {
        if (name != "without") reading_.Fail(name, "unknown field");
        int count = 0;
        const CATInterfaceEntry* interfaces = CATModelDocumentInterfaces(type, count);
        CATModelReadWithout(reading_, fields[i]->second, *document_, interfaces, count, name);
      } catch (const CATModelFileFault& error) {
        Fault(place, error.message);
      }
    }
  }

  void GiveIds(CATModelNode* node) {
    if (node->id.empty()) {
      node->id = document_->NewId();
      document_->IndexSubtree(node);
    }
    for (CATModelNode* child : node->Children()) GiveIds(child);
  }

  const CATModelFileReading& reading_;
  std::vector<Frame> frames_;  // the first top_ are open; the others kept for reuse
  size_t top_ = 0;
  std::string where_;  // the place being read: "containers[0].children[2]"
  std::string place_;  // a field's place
  std::vector<std::pair<std::string, CATJson>*> sorted_;  // an object's fields by name
  std::unordered_map<std::string, const CATModelKindInfo*> kinds_;
  std::vector<std::unordered_map<std::string, const CATModelFileField*>> fields_;  // by kind
  ValueBuilder value_;
  int skipped_ = 0;  // the depth in a value that is not read
  bool skip_next_ = false;
  long long next_number_ = 0;
  std::vector<CATOwned<CATModelNode>> containers_;
  CATOwned<CATModelDocument> document_;
  std::string parse_fault_;
  bool faulted_ = false;
  FaultPlace fault_place_{0, 0};
  std::string fault_;
};

}  // namespace

std::string CATModelParseFault(const std::exception& error) {
  const std::string text = error.what();
  const size_t at = text.find("at line ");
  if (at != std::string::npos) return text.substr(at + 3);
  const size_t prefix = text.find("] ");
  return prefix == std::string::npos ? text : text.substr(prefix + 2);
}

CATModelDocument* CATModelReadFile(const std::string& bytes, const CATUnicodeString& storageName,
                                   std::string& fault) {
  // JSON holds no NUL byte anywhere, and the library's parser would end the
  // text at one, taking a document followed by zeros for a whole one.
  const std::size_t nul = bytes.find('\0');
  if (nul != std::string::npos) {
    const std::size_t line_start = bytes.rfind('\n', nul) + 1;  // 0 when none
    const std::size_t lines =
        1 + static_cast<std::size_t>(std::count(bytes.begin(), bytes.begin() + nul, '\n'));
    fault = "line " + std::to_string(lines) + ", column " + std::to_string(nul - line_start + 1) +
            " (byte " + std::to_string(nul + 1) + "): a NUL byte, which no document file holds";
    return nullptr;
  }
  const CATModelFileReading reading(storageName);
  {
    DocumentReader reader(reading);
    if (CATJsonScan(bytes, reader)) return reader.Finish(fault);
  }
  // Not valid JSON, or a rare form that the quick scan leaves to the JSON
  // library: read again from the start by the library's parser, which names
  // the fault in its words.
  DocumentReader reader(reading);
  CATJson::sax_parse(bytes, &reader);
  return reader.Finish(fault);
}
