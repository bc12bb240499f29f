#include "CATCatalogQueryText.h"

bool CATCatalogParseQuery(const CATUnicodeString& text, CATCatalogQueryTerm& term) {
  const CATUnicodeString opening = "(x.";
  const CATUnicodeString closing = "\")";
  const int length = text.GetLengthInChar();
  if (text.SubString(0, opening.GetLengthInChar()) != opening) return false;
  if (text.SubString(length - closing.GetLengthInChar(), closing.GetLengthInChar()) != closing) {
    return false;
  }
  const int equals = text.SearchSubString("==", opening.GetLengthInChar());
  if (equals <= opening.GetLengthInChar() || text.SubString(equals + 2, 1) != "\"") return false;
  // The value runs from after the double quote to the closing '")', which
  // must not be that same quote.
  const int value_start = equals + 3;
  const int value_end = length - closing.GetLengthInChar();
  if (value_start > value_end) return false;
  term.keyword = text.SubString(opening.GetLengthInChar(), equals - opening.GetLengthInChar());
  term.value = text.SubString(value_start, value_end - value_start);
  return true;
}
