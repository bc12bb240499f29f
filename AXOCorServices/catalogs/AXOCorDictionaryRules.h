#ifndef AXOCorDictionaryRules_h
#define AXOCorDictionaryRules_h

// Which folders and files the library takes for the add-on's attribute
// dictionaries, and the order it presents them in. An internal unit: linked
// into the library and into its tools, never exported.

#include <cstddef>

#include "CATUnicodeString.h"

namespace axo_dictionaries {

// The add-on's own dictionaries, in the order it presents them; the list
// starts with them whether or not they are installed.
constexpr std::size_t kOrderedCount = 13;
extern const char* const kOrdered[kOrderedCount];

// Installed, but never offered in the ordered list.
extern const char kArcCatalog[];

// A folder looked into for dictionaries: one ending in "\Dictionaries", or
// whose first "\resources\graphic" ends it (not a subfolder of it). Letter
// case must match; "/" separates folders as "\" does, as in every host path.
//   "c:\g\Dictionaries" => true     "c:\g\resources\graphic\x" => false
//   "c:\g\dictionaries" => false    "c:\g\Dictionaries\" => false
//   "/g/Dictionaries"   => true
bool IsDictionaryFolder(const CATUnicodeString& path);

// The geometry dictionary, in any letter case: not an attribute dictionary.
bool IsBaseGeometryDictionary(const CATUnicodeString& name);

// A file name the library lists as a dictionary: "AXO" and ".CATfct" in
// any letter case, and not the geometry dictionary.
bool IsAddOnDictionaryName(const CATUnicodeString& name);

}  // namespace axo_dictionaries

#endif  // AXOCorDictionaryRules_h
