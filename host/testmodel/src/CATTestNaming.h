#ifndef CATTestNaming_h
#define CATTestNaming_h

// How the test helpers name texts and objects in their messages, and
// how the builder refuses a misuse.

#include <stdexcept>
#include <string>

#include "CATModelKinds.h"
#include "CATModelNode.h"
#include "CATUnicodeString.h"

inline std::string CATTestUtf8(const CATUnicodeString& text) {
  return std::string(text.ConvertToChar(), static_cast<size_t>(text.GetLengthInByte()));
}

// Its kind and name: "feature 'Wall.1'".
inline std::string CATTestNamed(const CATModelNode& node) {
  return std::string(CATModelKindInfoOf(node.Kind()).fileName) + " '" + CATTestUtf8(node.name) +
         "'";
}

// The builder is used in a way it refuses: throws std::logic_error with
// `message`, which names the object.
[[noreturn]] inline void CATTestMisuse(const std::string& message) {
  throw std::logic_error("CATTestModel: " + message);
}

#endif  // CATTestNaming_h
