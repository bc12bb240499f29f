// Parts of a piece of HTML (an anchor, a base element), by plain searches.
#include "AXOCorParserServices.h"

namespace {

const CATUnicodeString kQuote("\"");

int First(const CATUnicodeString& html, const CATUnicodeString& what) {
  return html.SearchSubString(what, 0, CATUnicodeString::CATSearchModeForward);
}

int Last(const CATUnicodeString& html, const CATUnicodeString& what) {
  return html.SearchSubString(what, 0, CATUnicodeString::CATSearchModeBackward);
}

// The text strictly between positions `a` and `b`; "" unless b > a.
CATUnicodeString Between(const CATUnicodeString& html, int a, int b) {
  if (b <= a) return "";
  return html.SubString(a + 1, b - a - 1);
}

}  // namespace

CATUnicodeString AXOCorParserServices::GetNameFromHtml(CATUnicodeString html) {
  // Without ">" the first position is -1 and the name is all before "<".
  return Between(html, First(html, ">"), Last(html, "<"));
}

CATUnicodeString AXOCorParserServices::GetFullLinkFromHtml(CATUnicodeString html) {
  const int q1 = First(html, kQuote);
  if (q1 < 0) return "";
  return Between(html, q1, Last(html, kQuote));
}

CATUnicodeString AXOCorParserServices::GetLinkFromHtml(CATUnicodeString html) {
  const int q1 = First(html, kQuote);
  if (q1 < 0) return "";
  const int hash = First(html, "#");
  return Between(html, q1, hash >= 0 ? hash : Last(html, kQuote));
}

CATUnicodeString AXOCorParserServices::GetLocationFromHtml(CATUnicodeString html) {
  const int hash = First(html, "#");
  if (hash < 0) return "";
  return Between(html, hash, Last(html, kQuote));
}

CATUnicodeString AXOCorParserServices::GetParsedBaseAddress(CATUnicodeString html) {
  const bool opens_base = First(html, "<base href=\"") >= 0;
  const bool closes_value = First(html, "\">") >= 0;
  // In '<base href=">' the value's quotation mark is followed by the end of
  // the tag: the value is left open.
  const bool left_open = First(html, "<base href=\">") >= 0;
  if (!opens_base || !closes_value || left_open) return "";
  return Between(html, First(html, kQuote), Last(html, kQuote));
}
