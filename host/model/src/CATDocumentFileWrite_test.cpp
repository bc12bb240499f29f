// Document files: a document saved over its own file never loses what
// another process saved there since it was opened (that save is refused),
// and a file cut short never opens.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "AXOPlatform.h"
#include "AXOTestChildProcess.h"
#include "CATDocument.h"
#include "CATDocumentServices.h"
#include "CATModelTestFixture.h"

namespace {

namespace fs = std::filesystem;

std::string Bytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The same bytes with the wall's name changed, so that the size stays.
std::string OtherWall(std::string bytes) {
  bytes[bytes.find("Wall.1") + 5] = '2';
  return bytes;
}

// Moves the file's time of last write a second on.
void Later(const fs::path& file) {
  fs::last_write_time(file, fs::last_write_time(file) + std::chrono::seconds(1));
}

// Replaces the file by a new one holding `bytes`, as a save does.
void ReplaceByRename(const fs::path& file, const std::string& bytes) {
  const fs::path next = file.string() + ".next";
  std::ofstream(next, std::ios::binary) << bytes;
  fs::rename(next, file);
}

class DocumentFiles : public CATModelTest {
 protected:
  // A part document saved as `name` in the folder and closed; its host path.
  std::string SavedPart(const std::string& name, const std::string& feature) {
    const std::string path = folder_.Host(name);
    CATTestDocument part = model_.PartDocument(path.c_str());
    model_.Feature(part.Part(), feature.c_str());
    EXPECT_EQ(CATDocumentServices::SaveAs(part.Document(), path.c_str(), "", 1), S_OK);
    model_.Close(part);
    return path;
  }
  static HRESULT Save(CATDocument* document) {
    return CATDocumentServices::SaveAs(document, document->StorageName(), "", 1);
  }
};

TEST_F(DocumentFiles, ASaveOverAFileThatAnotherProcessSavedSinceItWasOpenedIsRefused) {
  const std::string path = SavedPart("Room.CATPart", "Wall.1");
  const fs::path file = folder_.Native("Room.CATPart");
  CATDocument* mine = nullptr;
  ASSERT_EQ(CATDocumentServices::OpenDocument(path.c_str(), mine, 0), S_OK);
  EXPECT_EQ(Save(mine), S_OK) << "nothing changed on disk: saved, as often as asked";
  EXPECT_EQ(Save(mine), S_OK);

  ASSERT_TRUE(AXOTestChildProcess::Run("DocumentFiles.DISABLED_SaveAnotherRoom",
                                       {{"AXO_RACE_FOLDER", folder_.Native().u8string()}}));
  const std::string theirs = Bytes(file);
  ASSERT_NE(theirs.find("Wall.2"), std::string::npos);
  EXPECT_EQ(Save(mine), CAT_E_CHANGED_ON_DISK);
  EXPECT_EQ(Bytes(file), theirs) << "the other process's save is kept";

  // Saved under another name, the document takes that file as its own.
  EXPECT_EQ(CATDocumentServices::SaveAs(mine, folder_.Host("Copy.CATPart").c_str(), "", 1), S_OK);
  EXPECT_EQ(Save(mine), S_OK);
  // A file that is gone holds no one's save.
  fs::remove(folder_.Native("Copy.CATPart"));
  EXPECT_EQ(Save(mine), S_OK);
  EXPECT_TRUE(fs::exists(folder_.Native("Copy.CATPart")));
  model_.LeakedObjects();

  // Opened again, the document is what the other process saved.
  ASSERT_EQ(CATDocumentServices::OpenDocument(path.c_str(), mine, 0), S_OK);
  EXPECT_EQ(Save(mine), S_OK);
  EXPECT_EQ(Bytes(file), theirs);
}

// What another program may do to the file between two saves of it, and
// what the second save answers; the same whether the document was just
// opened or just saved when it happened.
TEST_F(DocumentFiles, ASaveIsRefusedExactlyWhenTheFileNoLongerHoldsWhatWasSeen) {
  using Change = void (*)(const fs::path& file, const std::string& bytes);
  const struct {
    const char* what;
    Change change;
    HRESULT result;
  } cases[] = {
      {"left alone", [](const fs::path&, const std::string&) {}, S_OK},
      {"touched", [](const fs::path& file, const std::string&) { Later(file); }, S_OK},
      {"replaced by a copy of its bytes",
       [](const fs::path& file, const std::string& bytes) { ReplaceByRename(file, bytes); }, S_OK},
      {"replaced by other bytes of the same size",
       [](const fs::path& file, const std::string& bytes) {
         ReplaceByRename(file, OtherWall(bytes));
       },
       CAT_E_CHANGED_ON_DISK},
      {"rewritten in place, longer",
       [](const fs::path& file, const std::string& bytes) {
         std::ofstream(file, std::ios::binary) << bytes << ' ';
       },
       CAT_E_CHANGED_ON_DISK},
      {"rewritten in place, same size, later",
       [](const fs::path& file, const std::string& bytes) {
         std::ofstream(file, std::ios::binary) << OtherWall(bytes);
         Later(file);
       },
       CAT_E_CHANGED_ON_DISK},
  };
  for (const bool saved_first : {false, true}) {
    for (const auto& c : cases) {
      SCOPED_TRACE(std::string(c.what) + (saved_first ? " after a save" : " after the opening"));
      const std::string path = SavedPart("Room.CATPart", "Wall.1");
      const fs::path file = folder_.Native("Room.CATPart");
      CATDocument* mine = nullptr;
      ASSERT_EQ(CATDocumentServices::OpenDocument(path.c_str(), mine, 0), S_OK);
      if (saved_first) {
        ASSERT_EQ(Save(mine), S_OK);
      }
      c.change(file, Bytes(file));
      const std::string changed = Bytes(file);
      EXPECT_EQ(Save(mine), c.result);
      if (c.result != S_OK) {
        EXPECT_EQ(Bytes(file), changed) << "the other program's bytes are kept";
      }
      CATDocumentServices::Remove(mine);
    }
  }
}

// The other process: saves another room over the file.
TEST_F(DocumentFiles, DISABLED_SaveAnotherRoom) {
  std::string folder;
  ASSERT_TRUE(AXOPlatform::Get()->GetEnv("AXO_RACE_FOLDER", folder).ok());
  const std::string path = (fs::u8path(folder) / "Room.CATPart").u8string();
  CATTestDocument part = model_.PartDocument(folder_.Host("Other.CATPart").c_str());
  model_.Feature(part.Part(), "Wall.2");
  EXPECT_EQ(CATDocumentServices::SaveAs(part.Document(), path.c_str(), "", 1), S_OK);
  AXOTestChildProcess::Passed();
}

// A document file cut short is never read as a smaller document: the JSON
// text is whole only up to its last closing brace.
TEST_F(DocumentFiles, ADocumentFileCutShortDoesNotOpen) {
  SavedPart("Room.CATPart", "Wall.1");
  const std::string whole = Bytes(folder_.Native("Room.CATPart"));
  const std::size_t last_brace = whole.rfind('}');
  ASSERT_NE(last_brace, std::string::npos);
  for (std::size_t cut = 0; cut <= last_brace; ++cut) {
    std::ofstream(folder_.Native("Cut.CATPart"), std::ios::binary) << whole.substr(0, cut);
    CATDocument* document = nullptr;
    ASSERT_EQ(CATDocumentServices::OpenDocument(folder_.Host("Cut.CATPart").c_str(), document, 0),
              E_FAIL)
        << "cut after " << cut << " bytes";
  }
}

}  // namespace
