#include "CATListVal.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

#include "CATListOfCATUnicodeString.h"

namespace {

std::vector<std::string> Items(const CATListValCATUnicodeString& list) {
  std::vector<std::string> items;
  for (int i = 1; i <= list.Size(); ++i) items.push_back(list[i].ConvertToChar());
  return items;
}

CATListValCATUnicodeString ListOf(std::initializer_list<const char*> texts) {
  CATListValCATUnicodeString list;
  for (const char* text : texts) list.Append(text);
  return list;
}

TEST(CATListVal, IndexesFromOneAndRefusesOtherPositions) {
  CATListValCATUnicodeString list = ListOf({"a", "b"});
  EXPECT_EQ(list.Size(), 2);
  EXPECT_EQ(list[1], "a");
  EXPECT_EQ(list[2], "b");
  EXPECT_THROW(list[0], std::out_of_range);
  EXPECT_THROW(list[3], std::out_of_range);
  EXPECT_THROW(CATListValCATUnicodeString()[1], std::out_of_range);
  list[2] = "c";
  EXPECT_EQ(Items(list), (std::vector<std::string>{"a", "c"}));
}

TEST(CATListVal, LocatesTheFirstEqualElementFromAPosition) {
  const CATListValCATUnicodeString list = ListOf({"a", "b", "a"});
  struct {
    const char* value;
    int from;
    int expect;
  } cases[] = {
      {"a", 1, 1}, {"a", 2, 3}, {"a", 4, 0}, {"b", 1, 2}, {"B", 1, 0}, {"x", 1, 0}, {"a", -5, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.value << " from " << c.from);
    EXPECT_EQ(list.Locate(c.value, c.from), c.expect);
  }
}

TEST(CATListVal, RemoveDuplicatesKeepsTheFirstOfEach) {
  CATListValCATUnicodeString list = ListOf({"b", "a", "b", "c", "a", "b"});
  EXPECT_EQ(list.RemoveDuplicates(), 3);
  EXPECT_EQ(Items(list), (std::vector<std::string>{"b", "a", "c"}));
  EXPECT_EQ(list.RemoveDuplicates(), 0);
}

}  // namespace
