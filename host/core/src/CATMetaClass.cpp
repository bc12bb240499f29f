#include "CATMetaClass.h"

#include <cstring>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "CATObjectModelInternal.h"

namespace {

// Declared meta-classes by name; the last declaration of a name is the
// visible one. Looked up by the caller's text as it is, without making a
// std::string of it. Never destroyed: libraries unloading after the host's
// own statics are gone still unregister their classes.
typedef std::map<std::string, std::vector<const CATMetaClass*>, std::less<>> DeclaredByName;

DeclaredByName& Declared() {
  static auto* declared = new DeclaredByName();
  return *declared;
}

unsigned long g_generation = 1;

// A chain of bases longer than this can only be a cycle of declarations.
const int kMaxBaseDepth = 64;

const CATMetaClass g_base_unknown_meta("CATBaseUnknown", CATComponentMainClass, "", "CATNull");

}  // namespace

CATMetaClass::CATMetaClass(const char* className, CATClassKind kind, const char* baseName,
                           const char* extendedType)
    : name_(className != nullptr ? className : ""),
      kind_(kind),
      base_name_(baseName != nullptr ? baseName : ""),
      extended_type_(extendedType != nullptr ? extendedType : "CATNull") {
  Declared()[name_].push_back(this);
  ++g_generation;
}

CATMetaClass::~CATMetaClass() {
  ++g_generation;
  auto it = Declared().find(name_);
  if (it == Declared().end()) return;
  std::vector<const CATMetaClass*>& declarations = it->second;
  for (auto d = declarations.begin(); d != declarations.end(); ++d) {
    if (*d == this) {
      declarations.erase(d);
      break;
    }
  }
  if (declarations.empty()) Declared().erase(it);
}

bool CATMetaClass::IsAKindOf(const char* className) const {
  if (className == nullptr) return false;
  const CATMetaClass* meta = this;
  for (int depth = 0; meta != nullptr && depth < kMaxBaseDepth; ++depth) {
    if (std::strcmp(meta->name_, className) == 0) return true;
    if (*meta->base_name_ == '\0') return false;
    if (std::strcmp(meta->base_name_, className) == 0) return true;
    meta = Find(meta->base_name_);
  }
  return false;
}

const CATMetaClass* CATMetaClass::Find(const char* className) {
  if (className == nullptr) return nullptr;
  const auto it = Declared().find(std::string_view(className));
  return it != Declared().end() ? it->second.back() : nullptr;
}

unsigned long CATMetaClassGeneration() {
  return g_generation;
}
