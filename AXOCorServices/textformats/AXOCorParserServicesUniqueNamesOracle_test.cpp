// The unique names read the taken names once per call (the siblings' names,
// a listing of the directory); here they are compared, on generated sets of
// siblings and folders, with the first way of finding them: every
// candidate asks every sibling for its name again, or the file system for
// the candidate's file.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <filesystem>
#include <functional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "AXOCorGlobalServices.h"
#include "AXOCorParserServices.h"
#include "CATIAlias.h"
#include "CATISpecObject.h"
#include "CATModelTestFixture.h"

namespace {

// The first free name for `wanted`, asking `isTaken` candidate by candidate.
std::string RescanUniqueName(const std::string& wanted,
                             const std::function<bool(const std::string&)>& isTaken) {
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
      const std::string expected = RescanUniqueName(wanted, [&taken](const std::string& name) {
        return std::find(taken.begin(), taken.end(), name) != taken.end();
      });
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

// Generated folders of files, folders, names that differ in letter case
// only and links: the listing must number as asking the file system about
// every candidate (FindFile) numbers.
TEST_F(UniqueNamesOracle, FileNamesInGeneratedFoldersAgreeWithAskingForEachCandidate) {
  const char* const stems[] = {"Data",   "Data.1", "Data.2", "Data.3", "Data.4",
                               "data.2", "DATA.3", "Data~1", "Data.5 "};
  const char* const extensions[] = {"csv", "xls", "xlsx", "xlsm", "txt"};
  const char* const asked[] = {"csv", "xls", "xlsx", "txt", "XLS"};
  const char* const wanted[] = {"Data", "Data.2", "data", "DATA.2", "Report", "Data~1"};
  std::mt19937 random(11);
  const auto chance = [&random](int in) {
    return std::uniform_int_distribution<int>(0, in - 1)(random) == 0;
  };
  for (int round = 0; round < 30; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    const std::string sub = "round" + std::to_string(round);
    folder_.MakeFolder(sub);
    std::set<std::string> made;  // folded: one entry per name where letter case is ignored
    for (const char* stem : stems) {
      for (const char* extension : extensions) {
        std::string folded = std::string(stem) + "." + extension;
        for (char& c : folded) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (!chance(3) || !made.insert(folded).second) continue;
        const std::string name = sub + "/" + stem + "." + extension;
        if (chance(4)) {
          folder_.MakeFolder(name);
        } else if (chance(6)) {
          std::error_code error;  // not every system lets a test make links
          std::filesystem::create_symlink(folder_.Native(sub), folder_.Native(name), error);
        } else {
          folder_.WriteFile(name, "x");
        }
      }
    }
    const CATUnicodeString directory = folder_.Host(sub).c_str();
    for (const char* extension : asked) {
      for (const char* name : wanted) {
        SCOPED_TRACE(std::string(name) + "." + extension);
        const std::string type = extension;
        const bool spreadsheet = type == "xls" || type == "xlsx" || type == "xlsm";
        const std::string expected = RescanUniqueName(name, [&](const std::string& candidate) {
          const std::string stem = std::string(directory.ConvertToChar()) + "\\" + candidate + ".";
          const auto file = [&](const std::string& ending) {
            return AXOCorGlobalServices::FindFile((stem + ending).c_str());
          };
          return spreadsheet ? file("xlsx") || file("xlsm") || file("xls") : file(type);
        });
        CATUnicodeString unique;
        EXPECT_EQ(AXOCorParserServices::GetUniqueFileName(directory, extension, name, unique),
                  expected == name);
        EXPECT_EQ(unique, expected.c_str());
      }
    }
  }
}

}  // namespace
