#ifndef CATISAXContentHandler_h
#define CATISAXContentHandler_h

// Contract: the host's declarations, but for the stand-in's own additions
// in the sections that CAT_HOST_API_ONLY hides.

// What the host's SAX parser reports while it reads a document (see
// CATIXMLSAXFactory::Parse).

#include <cstddef>
#include <utility>
#include <vector>

#include "CATUnicodeString.h"

// The attributes of one start tag, in the order the parser gives them
// (namespace declarations first, then the others in document order).
class CATSAXAttributes {
 public:
#ifndef CAT_HOST_API_ONLY
  // Filled by the stand-in's parser.
  void Add(const CATUnicodeString& qName, const CATUnicodeString& value) {
    items_.emplace_back(qName, value);
  }
#endif  // CAT_HOST_API_ONLY

  int GetLength() const {
    return static_cast<int>(items_.size());
  }
  // Name as written (prefix included) and value of the attribute at `index`,
  // counted from 0; "" for an index outside 0 to GetLength() - 1.
  CATUnicodeString GetQName(int index) const {
    return InRange(index) ? At(index).first : "";
  }
  CATUnicodeString GetValue(int index) const {
    return InRange(index) ? At(index).second : "";
  }
  // The value of the attribute named `qName`: true when the tag has it,
  // false with `value` untouched otherwise.
  bool GetValue(const CATUnicodeString& qName, CATUnicodeString& value) const {
    for (const auto& item : items_) {
      if (item.first == qName) {
        value = item.second;
        return true;
      }
    }
    return false;
  }

 private:
  bool InRange(int index) const {
    return index >= 0 && index < GetLength();
  }
  const std::pair<CATUnicodeString, CATUnicodeString>& At(int index) const {
    return items_[static_cast<std::size_t>(index)];
  }

  std::vector<std::pair<CATUnicodeString, CATUnicodeString>> items_;
};

// Receives a document's content in document order. Names come as written,
// e.g. "std:node". The caller of the parse owns the handler.
class CATISAXContentHandler {
 public:
  virtual ~CATISAXContentHandler() = default;

  // An element starts (an empty element reports its start, then its end).
  virtual void StartElement(const CATUnicodeString& qName, const CATSAXAttributes& attributes) = 0;
  virtual void EndElement(const CATUnicodeString& qName) = 0;
  // Character data within the root element, references replaced; one run
  // of text may come in several pieces.
  virtual void Characters(const CATUnicodeString& text) = 0;
};

#endif  // CATISAXContentHandler_h
