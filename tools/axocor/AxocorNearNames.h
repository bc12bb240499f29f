#ifndef AxocorNearNames_h
#define AxocorNearNames_h

// The names a person probably meant when a text names nothing: for an
// unknown command or option, a word of a list, a feature path, a magnitude,
// a unit and a catalog entry that is not found.

#include <string>
#include <vector>

// The names of `names` near `text`, nearest first (ties in the order of
// `names`), at most `limit`. Letter case and blanks are ignored, so
// "ipe200" is near "IPE 200"; beyond that a name is near when it begins
// with the text or is at most one edit per three characters of the text
// away (an edit inserts, deletes or changes a character, or swaps two
// neighbours: "modle" is one edit from "model"). When names differ from the
// text only in case and blanks, only those are given. An empty text is
// near nothing.
std::vector<std::string> NearNames(const std::string& text, const std::vector<std::string>& names,
                                   std::size_t limit = 5);

// "" when `near` is empty, else "; did you mean 'a'?" or
// "; did you mean 'a', 'b' or 'c'?", to end an error message.
std::string DidYouMean(const std::vector<std::string>& near);

// "a, b, c" when `names` has at most `limit`, else its first `limit` and
// how many more: "a, b, c and 7 more". "" for no names.
std::string ListedNames(const std::vector<std::string>& names, std::size_t limit = 10);

#endif  // AxocorNearNames_h
