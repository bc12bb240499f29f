// The unique feature names read the taken names once per call; here they
// are compared, on generated sets of siblings, with the first way of
// finding them: every candidate asks every sibling for its name again.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>
#include <string>
#include <vector>

#include "AXOCorParserServices.h"
#include "CATIAlias.h"
#include "CATISpecObject.h"
#include "CATModelTestFixture.h"

namespace {

// The first free name for `wanted` among `taken`, candidate by candidate.
std::string RescanUniqueName(const std::string& wanted, const std::vector<std::string>& taken) {
  const auto isTaken = [&](const std::string& name) {
    return std::find(taken.begin(), taken.end(), name) != taken.end();
  };
  if (!isTaken(wanted)) return wanted;
  std::string base = wanted;
  for (;;) {
    std::size_t start = base.size();
    while (start > 0 && base[start - 1] >= '0' && base[start - 1] <= '9') --start;
    long long number = 0;
    bool numbered = start < base.size();
    for (std::size_t i = start; numbered && i < base.size(); ++i) {
      number = number * 10 + (base[i] - '0');
      numbered = number < INT_MAX;
    }
    if (!numbered) number = 0;
    const std::string prefix = numbered ? base.substr(0, start) : base + ".";
    std::string candidate;
    for (long long counter = number; counter < INT_MAX;) {
      candidate = prefix + std::to_string(++counter);
      if (!isTaken(candidate)) return candidate;
    }
    base = candidate;
  }
}

// Names near the numbering of "Wall": numbered runs, other spellings of
// the same numbers, other letter case, non-ASCII stems, the 32-bit limit.
std::string RandomName(std::mt19937& random) {
  static const char* const stems[] = {"Wall.", "Wall",   "wall.",  "W\xc3\xa4nd.",
                                      "",      "Wall.0", "Wall.1."};
  static const char* const numbers[] = {"",    "1",          "2",          "3",          "01",
                                        "007", "2147483646", "2147483647", "99999999999"};
  const std::string stem = stems[random() % (sizeof stems / sizeof *stems)];
  if (random() % 3 == 0) return stem + std::to_string(1 + random() % 12);
  return stem + numbers[random() % (sizeof numbers / sizeof *numbers)];
}

using UniqueNamesOracle = CATModelTest;

TEST_F(UniqueNamesOracle, FeatureNamesAgreeWithTheRescanOfEverySibling) {
  const CATTestDocument room = model_.PartDocument("c:\\Parts\\Room.CATPart");
  std::mt19937 random(20261207);
  for (int round = 0; round < 150; ++round) {
    const std::string label = "round " + std::to_string(round);
    const CATTestNode level = model_.Feature(room.Part(), label.c_str());
    const CATTestNode group = model_.Logical(room.Part(), label.c_str());
    std::vector<std::string> taken;
    const int run = static_cast<int>(random() % 15);
    for (int i = 1; i <= run; ++i) taken.push_back("Wall." + std::to_string(i));
    for (int i = static_cast<int>(random() % 10); i > 0; --i) taken.push_back(RandomName(random));
    std::shuffle(taken.begin(), taken.end(), random);
    for (const std::string& name : taken) {
      model_.Feature(level, name.c_str());
      model_.Feature(group, name.c_str());
    }
    // Unnamed children take no name; the feature being named takes none
    // among the children of its own parent either.
    model_.Feature(level, "Wall.1").Without(IID_CATIAlias);
    model_.Feature(group, "Wall.1").Without(IID_CATIAlias);
    const std::string own = RandomName(random);
    const CATTestNode levelFeature = model_.Feature(level, own.c_str());
    const CATTestNode groupFeature = model_.Feature(group, own.c_str());
    for (int probe = 0; probe < 4; ++probe) {
      const std::string wanted = probe == 0 ? "Wall.1" : RandomName(random);
      SCOPED_TRACE(label + ", wanted " + wanted);
      const std::string expected = RescanUniqueName(wanted, taken);
      CATUnicodeString unique;
      const bool kept = AXOCorParserServices::GetUniqueArcFeatureName(level, levelFeature,
                                                                      wanted.c_str(), unique);
      EXPECT_EQ(unique.ConvertToChar(), expected);
      EXPECT_EQ(kept, expected == wanted);
      CATUnicodeString member;
      EXPECT_EQ(
          AXOCorParserServices::GetUniqueFeatureName(group, groupFeature, wanted.c_str(), member),
          expected == wanted);
      EXPECT_EQ(member.ConvertToChar(), expected);
    }
  }
}

}  // namespace
