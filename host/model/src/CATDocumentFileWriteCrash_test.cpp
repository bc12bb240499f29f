// Saves of a document killed half-way: whenever a process that saves a
// document over its own file dies, the file opens as one whole save, never
// an older one than before, and the next process opens and saves it again.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <string>

#include "AXOPlatform.h"
#include "AXOTestKilledChild.h"
#include "CATDocumentFileCheck.h"
#include "CATDocumentServices.h"
#include "CATModelTestFixture.h"

namespace {

namespace fs = std::filesystem;

constexpr const char kDocumentVariable[] = "AXO_TEST_DOCUMENT_FILE";

using DocumentSaveCrash = CATModelTest;

// The child: opens the document its parent named and saves it over its
// file, one wall more each time, until it is killed.
TEST_F(DocumentSaveCrash, DISABLED_SavesUntilKilled) {
  const auto started = std::chrono::steady_clock::now();
  std::string path;
  ASSERT_TRUE(AXOPlatform::Get()->GetEnv(kDocumentVariable, path).ok());
  const CATTestDocument part = model_.Open(path.c_str());
  ASSERT_NE(part.Document(), nullptr);
  AXOTestChildIsReady();
  for (int wall = 1; AXOTestChildMayGoOn(started); ++wall) {
    model_.Feature(part.Part(), ("Wall." + std::to_string(wall)).c_str(), "Wall");
    ASSERT_EQ(CATDocumentServices::SaveAs(part.Document(), path.c_str(), "", 1), S_OK);
  }
}

TEST_F(DocumentSaveCrash, EveryKilledSaveLeavesAWholeDocumentNoOlderThanBefore) {
  const fs::path folder = folder_.MakeFolder("saves");
  const std::string path = folder_.Host("saves\\Room.CATPart");
  {
    const CATTestDocument part = model_.PartDocument(path.c_str());
    model_.Feature(part.Part(), "Door.1", "Door");
    ASSERT_EQ(CATDocumentServices::SaveAs(part.Document(), path.c_str(), "", 1), S_OK);
    model_.Close(part);
  }
  ASSERT_TRUE(AXOPlatform::Get()->SetEnv(kDocumentVariable, path.c_str()).ok());
  std::mt19937 random(20261207);
  int last = 0;
  int grown = 0;
  int kill = 0;
  for (const AXOTestKillBudget budget; budget.Another(kill); ++kill) {
    SCOPED_TRACE("kill " + std::to_string(kill));
    ASSERT_TRUE(AXOTestRunAndKillChild("DocumentSaveCrash.DISABLED_SavesUntilKilled",
                                       folder_.Native("ready"), std::chrono::milliseconds(20),
                                       random));
    CATDocumentFileSummary summary;
    CATUnicodeString fault;
    ASSERT_TRUE(CATCheckDocumentFile(path.c_str(), summary, fault)) << fault.ConvertToChar();
    ASSERT_GE(summary.objects, last) << "a save older than the one before";
    if (summary.objects > last) ++grown;
    last = summary.objects;
    ASSERT_LE(AXOTestRegularFileCount(folder), 3)
        << "the document, its lock and at most the killed save's temporary file";
  }
  AXOPlatform::Get()->SetEnv(kDocumentVariable, nullptr);
  EXPECT_GT(grown, 0) << "the children never finished a save";
}

}  // namespace
