#include "CATFrmEditor.h"

#include <gtest/gtest.h>

#include <string>

#include "AXOAttPackageBaseServices.h"
#include "AXOIAttLogical.h"
#include "CATDocument.h"
#include "CATIAlias.h"
#include "CATIMechanicalFeature.h"
#include "CATIProduct.h"
#include "CATIPrtPart.h"
#include "CATModelTestFixture.h"
#include "CATPrsWorkModeServices.h"

namespace {

using CATFrmEditorTest = CATModelTest;

std::string NameOfFound(const CATPathElement& path, const IID& iid) {
  CATBaseUnknown* found = path.Search(iid);
  if (found == nullptr) return "(none)";
  const std::string name = CATIAlias_var(found)->GetAlias().ConvertToChar();
  found->Release();  // Search gives a reference of its own
  return name;
}

TEST_F(CATFrmEditorTest, TheActivePathIsSearchedFromItsRoot) {
  const CATTestBuilding b = CATTestBuilding::Build(model_, "c:\\Parts");
  EXPECT_EQ(CATFrmEditor::GetCurrentEditor(), nullptr);
  model_.SetCurrentEditor(b.building, {b.building.Product(), b.first, b.room.Part(), b.wall});
  const CATFrmEditor* editor = CATFrmEditor::GetCurrentEditor();
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->GetDocument(), b.building.Document());
  const CATPathElement path = editor->GetUIActiveObject();
  EXPECT_EQ(path.GetSize(), 4);
  const struct {
    const char* what;
    const IID* iid;
    const char* expected;
  } cases[] = {
      {"the part", &IID_CATIPrtPart, "Room"},
      {"the first product from the root", &IID_CATIProduct, "Building"},
      {"the first feature", &IID_CATIMechanicalFeature, "Room"},
      {"none on the path", &IID_AXOIAttLogical, "(none)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(NameOfFound(path, *c.iid), c.expected);
  }
  model_.ClearCurrentEditor();
  EXPECT_EQ(CATFrmEditor::GetCurrentEditor(), nullptr);
  EXPECT_EQ(NameOfFound(path, IID_CATIPrtPart), "Room") << "a copy keeps its objects";
  EXPECT_EQ(NameOfFound(CATPathElement(), IID_CATIPrtPart), "(none)");
}

TEST_F(CATFrmEditorTest, TheEditorKeepsItsDocumentWhenItCloses) {
  const CATTestBuilding b = CATTestBuilding::Build(model_, "c:\\Parts");
  model_.SetCurrentEditor(b.room, {b.room.Part()});
  CATDocument* shown = b.room.Document();
  model_.Close(b.room);
  EXPECT_EQ(b.room.Document(), nullptr);
  EXPECT_EQ(CATFrmEditor::GetCurrentEditor()->GetDocument(), shown);
  EXPECT_EQ(shown->StorageName(), "c:\\Parts\\Room.CATPart");
}

TEST_F(CATFrmEditorTest, TheActiveElementIsTheOneTheTestChose) {
  const CATTestBuilding b = CATTestBuilding::Build(model_, "c:\\Parts");
  CATISpecObject_var element = b.door;
  EXPECT_EQ(AXOAttPackageBaseServices::GetActiveUIElement(element), E_FAIL);
  EXPECT_TRUE(!element);
  model_.SetActiveElement(b.wall);
  EXPECT_EQ(AXOAttPackageBaseServices::GetActiveUIElement(element), S_OK);
  EXPECT_TRUE(element == CATBaseUnknown_var(b.wall));
  model_.SetActiveElement(CATTestNode());
  EXPECT_EQ(AXOAttPackageBaseServices::GetActiveUIElement(element), E_FAIL);
}

TEST_F(CATFrmEditorTest, WorkModeCallsAreRecordedAndAnsweredAsChosen) {
  const CATTestBuilding b = CATTestBuilding::Build(model_, "c:\\Parts");
  EXPECT_EQ(CATPrsWorkModeServices::SetWorkMode(CATIProduct_var(), 0), E_INVALIDARG);
  EXPECT_EQ(CATPrsWorkModeServices::SetWorkMode(b.first, 0), S_OK);
  model_.SetWorkModeResult(E_FAIL);
  EXPECT_EQ(CATPrsWorkModeServices::SetWorkMode(b.second, 2), E_FAIL);
  ASSERT_EQ(model_.WorkModeCalls().size(), 2u);
  EXPECT_TRUE(model_.WorkModeCalls()[0].instance == CATBaseUnknown_var(b.first));
  EXPECT_EQ(model_.WorkModeCalls()[1].mode, 2);
}

TEST_F(CATFrmEditorTest, TheBuilderRefusesWhatMakesNoSense) {
  const CATTestBuilding b = CATTestBuilding::Build(model_, "c:\\Parts");
  EXPECT_THROW(model_.PartDocument("c:/Parts/Room.CATPart"), std::logic_error) << "open already";
  EXPECT_THROW(model_.Instance(b.building.Product(), b.wall, "x"), std::logic_error);
  EXPECT_THROW(model_.Instance(b.first, b.room.Product(), "x"), std::logic_error);
  EXPECT_THROW(model_.Instance(b.building.Product(), b.first, "x"), std::logic_error);
  EXPECT_THROW(model_.Parameter(b.wall, "t", CATCkeTextKind, 0), std::logic_error);
  EXPECT_THROW(CATTestNode(b.wall).PartNumber("x"), std::logic_error);
  EXPECT_THROW(model_.Feature(CATTestNode(), "x"), std::logic_error);
  CATTestNode door = b.door;
  door.Delete();
  EXPECT_TRUE(!CATISpecObject_var(b.door));
  EXPECT_THROW(door.Delete(), std::logic_error);
  EXPECT_THROW(b.building.Part(), std::logic_error);
}

}  // namespace
