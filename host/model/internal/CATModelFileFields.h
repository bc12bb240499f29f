#ifndef CATModelFileFields_h
#define CATModelFileFields_h

// The fields of the objects of a document file, and what reading and
// writing them share, for the model's file code and for the modules that
// register fields of their own kinds.

#include <exception>
#include <nlohmann/json.hpp>
#include <string>
#include <unordered_map>

#include "CATModelFileOut.h"
#include "CATModelNode.h"
#include "CATUnicodeString.h"

// The values of fields are read as json values; files are written as
// text (CATModelFileOut).
using CATJson = nlohmann::json;

// The first fault met while reading; thrown to end the reading.
struct CATModelFileFault {
  std::string message;
};

// The place of item `index` of the list at `where`: "children" and 2 make
// "children[2]". Appended in place, or as a new text.
void CATModelAppendIndex(std::string& where, std::size_t index);
std::string CATModelItemPlace(const std::string& where, std::size_t index);

// The text of a parse error of the JSON library without its prefix: "line
// 3, column 5: syntax error ...", "number overflow parsing '2e366'".
std::string CATModelParseFault(const std::exception& error);

// What reading one file needs: its storage name, and typed access to its
// values that ends the reading with a fault naming the place (`where`,
// such as "containers[0].children[2].timeStamp") and what was expected.
class CATModelFileReading {
 public:
  explicit CATModelFileReading(const CATUnicodeString& storageName) : storage(storageName) {}

  [[noreturn]] void Fail(const std::string& where, const std::string& what) const;

  const CATJson::object_t& Object(const CATJson& value, const std::string& where) const;
  const CATJson::array_t& Array(const CATJson& value, const std::string& where) const;
  CATUnicodeString Text(const CATJson& value, const std::string& where) const;
  // The bytes of the text `value`: UTF-8, as the parser lets no other
  // through.
  const std::string& Utf8(const CATJson& value, const std::string& where) const;
  // Text, sharing its characters with the texts of the same value read
  // before: the types of a building's objects repeat by the thousand, and
  // so take one copy per distinct type, which a walk over the objects finds
  // in the cache. The first kCATModelSharedTexts distinct values are
  // shared; values first met after them are not.
  CATUnicodeString SharedText(const CATJson& value, const std::string& where) const;
  int Integer(const CATJson& value, const std::string& where) const;
  bool Boolean(const CATJson& value, const std::string& where) const;
  // {"document": "...", "id": "..."}; the document resolved from the file's
  // folder, and empty when it is the file's own.
  CATModelLink Link(const CATJson& value, const std::string& where) const;

  const CATUnicodeString storage;

 private:
  mutable std::unordered_map<std::string, CATUnicodeString> shared_;
};

// The most texts one reading shares (CATModelFileReading::SharedText).
constexpr std::size_t kCATModelSharedTexts = 4096;

// What writing one file needs: its storage name.
class CATModelFileWriting {
 public:
  explicit CATModelFileWriting(const CATUnicodeString& storageName) : storage(storageName) {}

  // The char form of `text`, NUL characters included.
  static std::string Text(const CATUnicodeString& text);
  // Writes `link` as the reading takes it.
  void Link(const CATModelLink& link, CATModelFileOut& out) const;
  // Writes the "without" list of `node`: the interfaces of its kind that
  // it lacks, nothing when it lacks none.
  void Without(const CATModelNode& node, CATModelFileOut& out) const;

  const CATUnicodeString storage;

 private:
  // Per kind, a set of interfaces (CATComponent::InterfaceSet) found to
  // lack none of the kind's: most objects of a kind share it.
  mutable const void* complete_sets_[kCATModelMaxKinds] = {};
};

// One field of the objects of a file.
struct CATModelFileField {
  const char* name;
  // The kinds that carry it: CATModelKindBit of each, and
  // kCATModelObjectKinds for every kind that is not a container.
  unsigned kinds;
  // Reads the field's value into the node.
  void (*read)(const CATModelFileReading& reading, const CATJson& value, CATModelNode& node,
               const std::string& where);
  // Writes the field (its key and value) unless the node holds its default.
  void (*write)(const CATModelFileWriting& writing, CATModelNode& node, CATModelFileOut& out);
};

// The bit of a kind in CATModelFileField::kinds.
unsigned CATModelKindBit(CATModelKind kind);
// The bit in CATModelFileField::kinds of every kind that is not a container,
// those registered later included; no kind's own bit (kCATModelMaxKinds).
constexpr unsigned kCATModelObjectKinds = 1u << kCATModelMaxKinds;
// True when objects of `kind` carry `field`.
bool CATModelCarries(const CATModelFileField& field, CATModelKind kind);

// The fields in the order they are written; "kind" and "children" are the
// reader's and the writer's own.
const CATModelFileField* CATModelFileFieldsBegin();
const CATModelFileField* CATModelFileFieldsEnd();
// The field of that name that objects of `kind` carry; null when there is
// none. Kinds of different modules may carry fields of the same name.
const CATModelFileField* CATModelFindFileField(const std::string& name, CATModelKind kind);
// True when the objects of some kind carry a field of that name.
bool CATModelIsFileField(const std::string& name);
// Adds the field of a kind that a module registers, written after the last
// field named `after` (CATModelRegistration); throws std::logic_error when
// one of its kinds carries a field of its name already or `after` names no
// field.
void CATModelRegisterFileField(const CATModelFileField& field, const char* after);

// Interface names of a "without" list, checked against an object's initial
// set: the reading removes them, the writing lists those removed.
void CATModelReadWithout(const CATModelFileReading& reading, const CATJson& value,
                         CATComponent& component, const CATInterfaceEntry* interfaces, int count,
                         const std::string& where);
// Writes the list (nothing when it is empty); true when it wrote one.
bool CATModelWriteWithout(const CATComponent& component, const CATInterfaceEntry* interfaces,
                          int count, CATModelFileOut& out);

#endif  // CATModelFileFields_h
