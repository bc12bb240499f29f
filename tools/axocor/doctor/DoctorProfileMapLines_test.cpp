#include "DoctorProfileMapLines.h"

#include <gtest/gtest.h>

#include <sstream>

namespace axocor::doctor {
namespace {

MapFileLines Read(const std::string& content) {
  std::istringstream in(content);
  return ReadProfileMapLines(in);
}

TEST(ProfileMapLines, ClassifiesEachLineAsTheReaderDoes) {
  struct Case {
    std::string line;
    MapLineKind kind;
  } cases[] = {
      {"HEB100,HE100B,HE 100 B", MapLineKind::kRecord},
      {"A,,", MapLineKind::kRecord},
      {",,", MapLineKind::kRecord},
      {"# comment,with,commas", MapLineKind::kComment},
      {" #not a comment,a,b", MapLineKind::kRecord},
      {"", MapLineKind::kEmpty},
      {"HEB100,HE100B", MapLineKind::kTooFewFields},
      {"HEB100;HE100B;HE 100 B", MapLineKind::kTooFewFields},
      {"\r", MapLineKind::kEmpty},  // the carriage return before the line end goes
      {"a,b\r,c\r", MapLineKind::kRecord},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    const MapFileLines file = Read(c.line + "\n");
    ASSERT_EQ(file.lines.size(), 1u);
    EXPECT_EQ(file.lines[0].kind, c.kind);
    EXPECT_EQ(file.lines[0].number, 1);
  }
}

TEST(ProfileMapLines, SplitsTheFirstThreeFieldsAndCountsTheRest) {
  struct Case {
    std::string line;
    std::string f1, f2, f3;
    int count;
  } cases[] = {
      {"W10X12,W 10x12,W10*12", "W10X12", "W 10x12", "W10*12", 3},
      {"A,B,C,D,E", "A", "B", "C", 5},
      {"A,,", "A", "", "", 3},
      {" A , B ,C ", " A ", " B ", "C ", 3},
      {"a,b\r,c", "a", "b\r", "c", 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    const MapLine line = Read(c.line + "\r\n").lines.at(0);
    EXPECT_EQ(line.fields[0], c.f1);
    EXPECT_EQ(line.fields[1], c.f2);
    EXPECT_EQ(line.fields[2], c.f3);
    EXPECT_EQ(line.fieldCount, c.count);
  }
}

TEST(ProfileMapLines, LineOverTheLimitEndsTheReadingAndTheRestIsCounted) {
  const std::string longest = "L," + std::string(1016, 'x') + ",LONG";
  ASSERT_EQ(longest.size(), kMaxMapLineLength);
  struct Case {
    std::string content;
    bool tooLong;
    int after;
  } cases[] = {
      {"A,,AA\n" + longest + "\nB,,BB\n", false, 0},
      {"A,,AA\n" + longest + "\r\nB,,BB\n", false, 0},
      {"A,,AA\n" + longest + "y\nB,,BB\nC,,CC", true, 2},
      {"A,,AA\n" + longest + "\r\rB,,BB\n", true, 0},
      {"A,,AA\n#" + std::string(5000, 'c') + "\n\nB,,BB\n", true, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.content.size());
    const MapFileLines file = Read(c.content);
    ASSERT_GE(file.lines.size(), 2u);
    EXPECT_EQ(file.lines[1].kind == MapLineKind::kTooLong, c.tooLong);
    EXPECT_EQ(file.linesAfterTooLong, c.after);
    if (c.tooLong) {
      EXPECT_EQ(file.lines.size(), 2u);
      EXPECT_GT(file.lines[1].length, kMaxMapLineLength);
      EXPECT_LE(file.lines[1].text.size(), 80u);
    }
  }
}

TEST(ProfileMapLines, NumbersLinesFromOneAndKeepsALastLineWithoutLineEnd) {
  const MapFileLines file = Read("#c\n\nA,B\nX,Y,Z");
  ASSERT_EQ(file.lines.size(), 4u);
  EXPECT_EQ(file.lines[2].number, 3);
  EXPECT_EQ(file.lines[2].kind, MapLineKind::kTooFewFields);
  EXPECT_EQ(file.lines[3].kind, MapLineKind::kRecord);
  EXPECT_EQ(file.lines[3].fields[2], "Z");
  EXPECT_TRUE(Read("").lines.empty());
}

}  // namespace
}  // namespace axocor::doctor
