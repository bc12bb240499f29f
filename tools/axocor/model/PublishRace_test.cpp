// Two processes that publish into one document at the same time: each
// publication reported as saved is in the file afterwards; the other
// process's save is refused, never lost.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "AXOPlatform.h"
#include "AXOTestChildProcess.h"
#include "AXOTestTempFolder.h"
#include "AxocorCommands.h"
#include "CATIPrdObjectPublisher.h"
#include "CATTestModel.h"
#include "axocor/CommandTestRun.h"

namespace {

namespace fs = std::filesystem;

const char kFileVariable[] = "AXO_PUBLISH_RACE_FILE";
const char kNameVariable[] = "AXO_PUBLISH_RACE_NAME";
// Exit codes of the child test.
constexpr int kSaved = 0;
constexpr int kRefused = 3;
constexpr int kOtherFault = 4;
// Where a rename over the file leaves a moment in which its name leads
// nowhere or to a file not yet open to others (both seen under Wine), a
// child may fail to open it. It publishes nothing and reports nothing
// saved, so it cannot lose a publication.
constexpr int kNotOpened = 5;

// Starts "axocor model publish <file> Level 1\Wall.1 <name>" in a child.
std::int64_t StartPublish(const std::string& file, const std::string& name) {
  AXOPlatform* platform = AXOPlatform::Get();
  platform->SetEnv(kFileVariable, file.c_str());
  platform->SetEnv(kNameVariable, name.c_str());
  return AXOTestChildProcess::StartSelf(
      {"--gtest_filter=PublishRace.DISABLED_PublishOnce", "--gtest_also_run_disabled_tests"});
}

TEST(PublishRace, EveryPublicationReportedAsSavedIsInTheFile) {
  AXOTestTempFolder folder;
  fs::copy_file(fs::path(AXOCOR_SAMPLE_MODELS) / "Room.CATPart", folder.Native("Room.CATPart"));
  const std::string room = folder.Host("Room.CATPart");
  std::vector<std::string> saved;
  int refused = 0;
  int not_opened = 0;
  for (int round = 0; round < 30; ++round) {
    const std::string names[2] = {"P" + std::to_string(round) + "a",
                                  "P" + std::to_string(round) + "b"};
    const std::int64_t children[2] = {StartPublish(room, names[0]), StartPublish(room, names[1])};
    for (int i = 0; i < 2; ++i) {
      ASSERT_GT(children[i], 0);
      const int status = AXOTestChildProcess::Wait(children[i]);
      if (status == kSaved) saved.push_back(names[i]);
      refused += status == kRefused ? 1 : 0;
      not_opened += status == kNotOpened ? 1 : 0;
      EXPECT_TRUE(status == kSaved || status == kRefused || status == kNotOpened)
          << names[i] << " ended with " << status;
    }
  }
  AXOPlatform::Get()->SetEnv(kFileVariable, nullptr);
  AXOPlatform::Get()->SetEnv(kNameVariable, nullptr);

  CATTestModel model;
  const CATTestDocument document = model.Open(room.c_str());
  ASSERT_NE(document.Document(), nullptr);
  const CATIPrdObjectPublisher_var publisher = document.Product();
  CATListValCATUnicodeString present;
  publisher->ListPublications(present);
  for (const std::string& name : saved) {
    EXPECT_TRUE(present.Locate(name.c_str()) > 0) << name << " was reported as saved";
  }
  EXPECT_GE(saved.size(), 30u) << "in each round one of the two saves";
  EXPECT_EQ(saved.size() + refused + not_opened, 60u);
  EXPECT_EQ(static_cast<std::size_t>(present.Size()), saved.size() + 1) << "and Entrance";
}

// The child: one publication; its exit code tells how it went.
TEST(PublishRace, DISABLED_PublishOnce) {
  std::string file;
  std::string name;
  AXOPlatform::Get()->GetEnv(kFileVariable, file).ok();
  AXOPlatform::Get()->GetEnv(kNameVariable, name).ok();
  const CommandTestResult result =
      RunCommandForTest(RegisterModelCommands, {"model", "publish", file, "Level 1\\Wall.1", name});
  const auto said = [&result](const char* what) {
    return result.status == 1 && result.err.find(what) != std::string::npos;
  };
  if (result.status == 0) std::exit(kSaved);
  if (said("changed on disk since it was opened")) std::exit(kRefused);
  // What went otherwise shows in the parent's output.
  std::fprintf(stderr, "%s: %s", name.c_str(), result.err.c_str());
  std::exit(said("cannot open") ? kNotOpened : kOtherFault);
}

}  // namespace
