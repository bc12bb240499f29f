#include "profilemap/AXOCorCSVMapLines.h"

#include "profilemap/AXOCorCSVMapEntries.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace axo_profile_map {
namespace {

// Every line of `content`, in short: R[field|field|field] (|... when more
// fields follow), C comment, E empty, F[text] too few fields,
// L<length>:<first two bytes> too long.
std::string Describe(const std::string& content) {
  MapLineReader reader(content);
  MapLine line;
  std::string out;
  while (reader.Next(line)) {
    switch (line.kind) {
      case LineKind::kRecord:
        out += "R[" + std::string(line.fields[0]) + "|" + std::string(line.fields[1]) + "|" +
               std::string(line.fields[2]) + (line.moreFields ? "|...]" : "]");
        break;
      case LineKind::kComment:
        out += "C";
        break;
      case LineKind::kEmpty:
        out += "E";
        break;
      case LineKind::kTooFewFields:
        out += "F[" + std::string(line.text) + "]";
        break;
      case LineKind::kTooLong: {
        const std::string start(line.text.substr(0, 2));
        out += "L" + std::to_string(line.text.size()) + ":" + start;
        break;
      }
    }
  }
  return out;
}

TEST(MapLineReader, SplitsLinesAndRecords) {
  const std::string longest = "L," + std::string(1016, 'x') + ",LONG";
  ASSERT_EQ(longest.size(), kMaxLineLength);
  struct Case {
    std::string content;
    std::string expected;
  } cases[] = {
      {"", ""},
      {"HEB100,HE100B,HE 100 B\r\n", "R[HEB100|HE100B|HE 100 B]"},
      {"A,,\n,,\nX,Y,Z", "R[A||]R[||]R[X|Y|Z]"},
      {"A,B,C,D,E\n A , B ,C \n", "R[A|B|C|...]R[ A | B |C ]"},
      {"# comment,with,commas\n #x,a,b\n", "CR[ #x|a|b]"},
      {"\n\r\n\r", "EEE"},
      {"A,B\nA;B;C\n", "F[A,B]F[A;B;C]"},
      {"a,b\r,c\r\n\r\r\nx,y,z\r", "R[a|b\r|c]F[\r]R[x|y|z]"},
      {std::string("n\0l,b,c\n", 8), std::string("R[n\0l|b|c]", 10)},
      // The longest line, with and without its line end or a carriage return.
      {longest + "\nB,,BB", "R[L|" + std::string(1016, 'x') + "|LONG]R[B||BB]"},
      {longest + "\r\n", "R[L|" + std::string(1016, 'x') + "|LONG]"},
      {longest + "\r", "R[L|" + std::string(1016, 'x') + "|LONG]"},
      // Longer lines: the whole length, line end and a last carriage return
      // not counted; the lines after are still read.
      {longest + "y\nB,,BB\nC,,CC", "L1024:L,R[B||BB]R[C||CC]"},
      {longest + "y\r", "L1024:L,"},
      {longest + "y\r\r\n", "L1025:L,"},
      {longest + "\r\rB,,BB\n", "L1030:L,"},
      {"A,,AA\n#" + std::string(5000, 'c') + "\n\nB,,BB\n", "R[A||AA]L5001:#cER[B||BB]"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected.substr(0, 40));
    EXPECT_EQ(Describe(c.content), c.expected);
  }
}

TEST(ProfileMapTable, RoomReservedBeforeOrBetweenAddsKeepsEveryEntry) {
  for (const std::size_t early : {std::size_t{0}, std::size_t{40}}) {
    SCOPED_TRACE(early);
    ProfileMap map(Direction::kImport);
    std::vector<std::string> names;
    for (int i = 0; i < 100; ++i) names.push_back("HEA" + std::to_string(i));
    for (std::size_t i = 0; i < names.size(); ++i) {
      if (i == early) map.Reserve(1000);
      const std::string_view fields[3] = {names[i], "", ""};
      map.Add(fields, static_cast<int>(i) + 1);
    }
    ASSERT_EQ(map.entries().size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
      const MapEntry* entry = map.Find(names[i]);
      ASSERT_NE(entry, nullptr) << names[i];
      EXPECT_EQ(entry->line, static_cast<int>(i) + 1);
    }
  }
}

}  // namespace
}  // namespace axo_profile_map
