// Splitting a text into the tokens between separators.
#include "AXOCorParserServices.h"

void AXOCorParserServices::ParseString(const CATUnicodeString& text,
                                       const CATUnicodeString& separator,
                                       CATListValCATUnicodeString& tokens) {
  const int length = text.GetLengthInChar();
  int position = 0;
  while (position < length) {
    const int found = text.SearchSubString(separator, position);
    if (found < 0) {
      tokens.Append(text.SubString(position, length - position));
      return;
    }
    tokens.Append(text.SubString(position, found - position));
    position = found + separator.GetLengthInChar();
  }
  // The loop ends at the end of the text; when a separator brought it there,
  // the empty token after that separator is still due.
  if (length > 0) tokens.Append(CATUnicodeString());
}
