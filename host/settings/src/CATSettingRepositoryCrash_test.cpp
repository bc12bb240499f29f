// Saves killed half-way: whenever a process that saves a repository dies,
// the next process loads the state of one whole save, and no temporary file
// outlives the next save.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <string>

#include "AXOTestKilledChild.h"
#include "CATSettingRepository.h"
#include "CATSettingRepositoryTesting.h"
#include "CATSettingTestFolder.h"

namespace {

namespace fs = std::filesystem;

const char kName[] = "Crash";
constexpr int kKeys = 8;

// Every save writes generation g to all keys, and a text long enough that
// a kill often lands in the middle of writing it.
std::string TextOf(int generation) {
  return std::string(16 * 1024, static_cast<char>('a' + generation % 26)) +
         std::to_string(generation);
}

std::string KeyOf(int i) {
  return "Key" + std::to_string(i);
}

class CATSettingRepositoryCrash : public CATSettingTestFolder {
 protected:
  CATSettingRepository* Reopen() {
    CATSettingRepositoryTesting::ResetAll();
    return CATSettingRepository::GetRepository(kName, 0, 1, nullptr);
  }
  // The generation of the saved state; -1 unless it is one whole save.
  int SavedGeneration() {
    CATSettingRepository* repository = Reopen();
    int generation = -1;
    if (repository->ReadSetting(KeyOf(0).c_str(), &generation, 1) != 1) return -1;
    for (int i = 1; i < kKeys; ++i) {
      int value = -2;
      if (repository->ReadSetting(KeyOf(i).c_str(), &value, 1) != 1 || value != generation) {
        return -1;
      }
    }
    CATString text;
    if (repository->ReadSetting("Text", &text) != 1) return -1;
    return std::string(text.CastToCharPtr()) == TextOf(generation) ? generation : -1;
  }
  void Save(int generation) {
    CATSettingRepository* repository = CATSettingRepository::GetRepository(kName, 0, 1, nullptr);
    for (int i = 0; i < kKeys; ++i) repository->WriteSetting(KeyOf(i).c_str(), &generation, 1, 0);
    const CATString text(TextOf(generation).c_str());
    repository->WriteSetting("Text", &text, 0);
    EXPECT_EQ(repository->SaveRepository(), S_OK);
  }
  // What lies in the settings folder besides the repository's file.
  std::size_t OtherFiles() const {
    std::size_t count = 0;
    for (const auto& entry : fs::directory_iterator(folder_ / "user")) {
      if (entry.path().filename() != UserFile(kName).filename()) ++count;
    }
    return count;
  }
};

// The child: saves one generation after the other, from the saved one on,
// until it is killed.
TEST_F(CATSettingRepositoryCrash, DISABLED_SavesUntilKilled) {
  const auto started = std::chrono::steady_clock::now();
  int generation = SavedGeneration();
  ASSERT_GE(generation, 0);
  AXOTestChildIsReady();
  while (AXOTestChildMayGoOn(started)) Save(++generation);
}

TEST_F(CATSettingRepositoryCrash, EveryKilledSaveLeavesOneWholeStateAndTheNextSaveCleansUp) {
  Save(0);
  std::mt19937 random(20240611);
  int last = 0;
  int progressed = 0;
  const AXOTestKillBudget budget;
  int kill = 0;
  for (; budget.Another(kill); ++kill) {
    SCOPED_TRACE("kill " + std::to_string(kill));
    ASSERT_TRUE(AXOTestRunAndKillChild("CATSettingRepositoryCrash.DISABLED_SavesUntilKilled",
                                       folder_ / "ready", std::chrono::milliseconds(20), random));
    const int generation = SavedGeneration();
    ASSERT_GE(generation, last) << "the saved state is damaged or older than before";
    if (generation > last) ++progressed;
    last = generation;
    CATListValCATUnicodeString unreadable;
    EXPECT_EQ(CATSettingRepository::ListUnreadableFiles(kName, unreadable), 0);
    // The killed save's own temporary file at most; the save before it was
    // cleaned up by the child's next save.
    ASSERT_LE(OtherFiles(), 1u);
  }
  EXPECT_GT(progressed, kill / 10) << "the children hardly saved anything before being killed";
  Reopen();
  Save(last + 1);
  EXPECT_EQ(SavedGeneration(), last + 1);
  EXPECT_EQ(OtherFiles(), 0u);
}

}  // namespace
