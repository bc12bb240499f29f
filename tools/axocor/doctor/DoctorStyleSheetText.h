#ifndef AXOCOR_DOCTOR_STYLE_SHEET_TEXT_H
#define AXOCOR_DOCTOR_STYLE_SHEET_TEXT_H

// Where the text of a style sheet or an included file misleads the
// library's include rule, found in the file's own bytes, so that the
// doctor can name the line and the tag as the file spells it.

#include <string>
#include <string_view>

namespace axocor::doctor {

// Whether an include name, as the library read it, holds markup or a line
// end: its "<std:strval>" was not closed before the next tag, and the
// library took everything up to a later "</std:strval>" for the name.
bool IsNameAcrossTags(const std::string& name);

// Such a name in `text` (the bytes of the file that holds its node): the
// line of its "<std:strval>", the value as written up to the next tag or
// line end ("<std:strval>Units.xml") and the line of the "</std:strval>"
// that ended the name. False when the file does not hold it as read (it
// came together from several texts).
struct UnclosedValue {
  int line = 0;
  std::string written;
  int closingLine = 0;
};
bool FindUnclosedValue(std::string_view text, const std::string& name, UnclosedValue& found);

// Why an included file whose content is empty is cut short: it ends inside
// a tag ("it ends inside the tag "<std:no" on line 3"), or its root node,
// which holds a child node, is never closed ("its root node, open since
// line 1, is never closed"). "" when the root is closed and merely holds
// no child node.
std::string WhyCutShort(std::string_view text);

}  // namespace axocor::doctor

#endif  // AXOCOR_DOCTOR_STYLE_SHEET_TEXT_H
