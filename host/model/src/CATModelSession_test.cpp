#include <gtest/gtest.h>

#include "CATDocument.h"
#include "CATDocumentServices.h"
#include "CATModelTestFixture.h"

namespace {

using CATModelSessionTest = CATModelTest;

// The session finds open documents by name as their names change: opened,
// saved under another name, removed. The documents of the test model have
// no files, so opening a name that no open document bears fails.
TEST_F(CATModelSessionTest, OpenDocumentsAreFoundByTheirCurrentNameOnly) {
  const CATTestDocument room = model_.PartDocument(folder_.Host("Room.CATPart").c_str());
  const CATTestDocument hall = model_.PartDocument(folder_.Host("Hall.CATPart").c_str());
  const auto open = [this](const char* name) {
    CATDocument* document = nullptr;
    return SUCCEEDED(CATDocumentServices::OpenDocument(folder_.Host(name).c_str(), document, 0))
               ? document
               : nullptr;
  };
  EXPECT_EQ(open("Room.CATPart"), room.Document());
  ASSERT_EQ(CATDocumentServices::SaveAs(room, folder_.Host("Moved.CATPart").c_str(), "", 1), S_OK);
  EXPECT_EQ(open("Moved.CATPart"), room.Document());
  EXPECT_EQ(open("Room.CATPart"), nullptr) << "found by the name it had";
  EXPECT_EQ(CATDocumentServices::SaveAs(hall, folder_.Host("Moved.CATPart").c_str(), "", 1), E_FAIL)
      << "a name that an open document bears";

  CATDocument* hall_document = hall.Document();
  hall_document->AddRef();  // kept beyond its removal, to ask about it
  ASSERT_EQ(CATDocumentServices::Remove(hall_document), S_OK);
  EXPECT_EQ(open("Hall.CATPart"), nullptr);
  EXPECT_EQ(CATDocumentServices::Remove(hall_document), E_FAIL) << "removed twice";
  hall_document->Release();
  EXPECT_EQ(open("Moved.CATPart"), room.Document()) << "the other one stays";
}

}  // namespace
