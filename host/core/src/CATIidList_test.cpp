#include "CATIidList.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct Named {
  IID iid;
  int value;
};

// Identifiers of one family: the same first word, differing in one byte of
// the second, so that several of them land in the same slots.
IID Member(unsigned char n) {
  return IID{0x12345678, 0x9ABC, 0xDEF0, {0, 0, 0, 0, 0, 0, 0, n}};
}

TEST(CATIidList, FindsEveryEntryAfterAddsAndErasesAndNoOther) {
  struct Step {
    const char* what;
    int add;    // adds Member(add) with value add, when >= 0
    int erase;  // erases Member(erase), when >= 0
  };
  const Step steps[] = {
      {"first", 0, -1},
      {"second", 1, -1},
      {"grows the table", 2, -1},
      {"grows again", 3, -1},
      {"", 4, -1},
      {"", 5, -1},
      {"", 6, -1},
      {"erase the first", -1, 0},
      {"erase a middle one", -1, 3},
      {"erase the last", -1, 6},
      {"add after erases", 7, -1},
      {"erase all but one", -1, 1},
  };
  CATIidList<Named> list;
  std::vector<int> held;
  for (const Step& step : steps) {
    SCOPED_TRACE(std::string(step.what) + " " + std::to_string(step.add) + "/" +
                 std::to_string(step.erase));
    if (step.add >= 0) {
      list.Add(Named{Member(static_cast<unsigned char>(step.add)), step.add});
      held.push_back(step.add);
    } else {
      list.Erase(list.Find(Member(static_cast<unsigned char>(step.erase))));
      held.erase(std::find(held.begin(), held.end(), step.erase));
    }
    ASSERT_EQ(list.Entries().size(), held.size());
    for (std::size_t i = 0; i < held.size(); ++i) {
      EXPECT_EQ(list.Entries()[i].value, held[i]) << "entries keep their order";
    }
    for (int n = 0; n < 10; ++n) {
      const Named* found = list.Find(Member(static_cast<unsigned char>(n)));
      const bool wanted = std::find(held.begin(), held.end(), n) != held.end();
      ASSERT_EQ(found != nullptr, wanted) << n;
      if (found != nullptr) {
        EXPECT_EQ(found->value, n);
      }
    }
  }
}

TEST(CATIidList, EmptyListFindsNothing) {
  const CATIidList<Named> list;
  EXPECT_EQ(list.Find(Member(0)), nullptr);
  EXPECT_EQ(list.Find(IID_CATBaseUnknown), nullptr);
}

}  // namespace
