// Names near a text: case and blanks ignored, a few edits allowed.
#include "AxocorNearNames.h"

#include <algorithm>
#include <cctype>

namespace {

// The text as names are compared: without blanks, in lower case.
std::string Folded(const std::string& text) {
  std::string folded;
  for (const char c : text) {
    if (c == ' ' || c == '\t') continue;
    folded += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return folded;
}

// Edits from `a` to `b`: insertions, deletions, changes and swaps of two
// neighbouring characters (each character swapped at most once).
std::size_t Edits(const std::string& a, const std::string& b) {
  std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
  for (std::size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
  for (std::size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t change = a[i - 1] == b[j - 1] ? 0 : 1;
      d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + change});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
        d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
      }
    }
  }
  return d[a.size()][b.size()];
}

}  // namespace

std::vector<std::string> NearNames(const std::string& text, const std::vector<std::string>& names,
                                   std::size_t limit) {
  const std::string wanted = Folded(text);
  if (wanted.empty()) return {};
  const std::size_t allowed = std::max<std::size_t>(1, wanted.size() / 3);
  struct Near {
    std::size_t edits;
    std::size_t position;
  };
  std::vector<Near> near;
  for (std::size_t i = 0; i < names.size(); ++i) {
    const std::string name = Folded(names[i]);
    const std::size_t edits = Edits(wanted, name);
    // A beginning counts as near, behind every closer name.
    if (edits <= allowed || name.rfind(wanted, 0) == 0) near.push_back({edits, i});
  }
  std::stable_sort(near.begin(), near.end(),
                   [](const Near& a, const Near& b) { return a.edits < b.edits; });
  std::vector<std::string> result;
  for (const Near& n : near) {
    // A name that differs only in case or blanks is the one meant.
    const bool onlyExact = near.front().edits == 0 && n.edits > 0;
    if (result.size() == limit || onlyExact) break;
    if (std::find(result.begin(), result.end(), names[n.position]) == result.end()) {
      result.push_back(names[n.position]);
    }
  }
  return result;
}

std::string DidYouMean(const std::vector<std::string>& near) {
  if (near.empty()) return "";
  std::string text = "; did you mean ";
  for (std::size_t i = 0; i < near.size(); ++i) {
    if (i > 0) text += i + 1 == near.size() ? " or " : ", ";
    text += "'" + near[i] + "'";
  }
  return text + "?";
}

std::string ListedNames(const std::vector<std::string>& names, std::size_t limit) {
  std::string text;
  for (std::size_t i = 0; i < names.size() && i < limit; ++i) {
    text += (i == 0 ? "" : ", ") + names[i];
  }
  if (names.size() > limit) text += " and " + std::to_string(names.size() - limit) + " more";
  return text;
}
