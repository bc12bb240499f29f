// Document files: a document saved over its own file never loses what
// another process saved there since it was opened (that save is refused),
// and a file cut short never opens.
#include <gtest/gtest.h>

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

// The other process: saves another room over the file.
TEST_F(DocumentFiles, DISABLED_SaveAnotherRoom) {
  std::string folder;
  ASSERT_TRUE(AXOPlatform::Get()->GetEnv("AXO_RACE_FOLDER", folder));
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
