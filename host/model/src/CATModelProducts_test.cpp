#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "CATDocumentServices.h"
#include "CATIAlias.h"
#include "CATIAttributesDescription.h"
#include "CATIInstance.h"
#include "CATIPrdObjectPublisher.h"
#include "CATIProduct.h"
#include "CATIRedrawEvent.h"
#include "CATModelTestFixture.h"

namespace {

std::string Names(CATListValCATBaseUnknown_var* list) {
  if (list == nullptr) return "(none)";
  std::string names;
  for (int i = 1; i <= list->Size(); ++i) {
    names += std::string(i > 1 ? "," : "") + CATIAlias_var((*list)[i])->GetAlias().ConvertToChar();
  }
  delete list;
  return names;
}

std::string Name(const CATBaseUnknown_var& object) {
  return !object ? "(null)" : CATIAlias_var(object)->GetAlias().ConvertToChar();
}

using CATModelProducts = CATModelTest;

TEST_F(CATModelProducts, ChildrenComeFromTheReferenceAndLeavesHaveNone) {
  const CATTestBuilding b = CATTestBuilding::Build(model_, "c:\\Parts");
  const CATTestDocument floor = model_.ProductDocument("c:\\Parts\\Floor.CATProduct");
  model_.Instance(floor.Product(), b.room.Product(), "Room.A");
  const CATTestNode upper = model_.Instance(b.building.Product(), floor.Product(), "Upper");
  const struct {
    const char* what;
    CATTestNode product;
    const char* name;
    const char* expected;
  } cases[] = {
      {"root", b.building.Product(), "CATIProduct", "Room.1,Room.2,Upper"},
      {"root, every child", b.building.Product(), nullptr, "Room.1,Room.2,Upper"},
      {"instance of an assembly", upper, "CATIProduct", "Room.A"},
      {"instance of a part's product", b.first, "CATIProduct", "(none)"},
      {"reference of a part", b.room.Product(), "CATIProduct", "(none)"},
      {"no child offers it", b.building.Product(), "CATIPrtPart", "(none)"},
      {"unknown interface", b.building.Product(), "CATINothing", "(none)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Names(CATIProduct_var(c.product)->GetChildren(c.name)), c.expected);
  }
}

TEST_F(CATModelProducts, InstancesAnswerForTheirReferenceWhileItsDocumentIsOpen) {
  CATTestBuilding b = CATTestBuilding::Build(model_, "c:\\Parts");
  b.room.Product().PartNumber("R-100");
  const CATIProduct_var root = b.building.Product();
  const CATIProduct_var room = b.room.Product();
  const CATIProduct_var first = b.first;
  EXPECT_EQ(root->IsReference(), S_OK);
  EXPECT_EQ(room->IsReference(), S_OK);
  EXPECT_EQ(first->IsReference(), E_FAIL);
  EXPECT_TRUE(first->GetReferenceProduct() == room);
  EXPECT_TRUE(room->GetReferenceProduct() == room);
  EXPECT_EQ(first->GetPartNumber(), "R-100");
  EXPECT_EQ(root->GetPartNumber(), "Building");

  model_.Close(b.room);
  EXPECT_EQ(first->IsReference(), E_FAIL);
  EXPECT_TRUE(!first->GetReferenceProduct());
  EXPECT_EQ(first->GetPartNumber(), "");
}

// Instances find their reference by its document's name and id each time
// they are asked, here after every step: the answer follows the document
// through a rename and a reopening, is lost while no open document bears
// the name or the object is gone, and belongs to whichever document bears
// it next.
TEST_F(CATModelProducts, InstancesFindTheirReferenceUnderItsDocumentsCurrentName) {
  CATTestBuilding b = CATTestBuilding::Build(model_, folder_.Host());
  b.room.Product().PartNumber("R-100");
  const CATTestDocument hall = model_.PartDocument(folder_.Host("Hall.CATPart").c_str());
  const auto save_as = [this](const CATTestDocument& document, const char* name) {
    ASSERT_EQ(CATDocumentServices::SaveAs(document, folder_.Host(name).c_str(), "", 1), S_OK);
  };
  const struct {
    const char* what;
    std::function<void()> step;
    const char* part_number;  // of the reference found; "" for none
  } steps[] = {
      {"as built", [] {}, "R-100"},
      {"renamed", [&] { save_as(b.room, "Moved.CATPart"); }, "R-100"},
      {"another takes the former name", [&] { save_as(hall, "Room.CATPart"); }, "R-100"},
      {"closed", [&] { model_.Close(b.room); }, ""},
      {"opened again", [&] { model_.Open(folder_.Host("Moved.CATPart").c_str()); }, "R-100"},
      {"closed again", [&] { model_.Close(model_.Open(folder_.Host("Moved.CATPart").c_str())); },
       ""},
      {"another takes the name", [&] { save_as(hall, "Moved.CATPart"); }, "Hall"},
      {"its product deleted", [&] { hall.Product().Delete(); }, ""},
  };
  const CATIProduct_var first = b.first;
  const CATIProduct_var second = b.second;
  for (const auto& s : steps) {
    SCOPED_TRACE(s.what);
    s.step();
    EXPECT_EQ(first->GetPartNumber(), s.part_number);
    EXPECT_EQ(second->GetPartNumber(), s.part_number);
    EXPECT_EQ(!first->GetReferenceProduct(), *s.part_number == '\0');
  }
}

TEST_F(CATModelProducts, FindInstanceSearchesBelowTheRootDepthFirst) {
  const CATTestBuilding b = CATTestBuilding::Build(model_, "c:\\Parts");
  const CATTestDocument floor = model_.ProductDocument("c:\\Parts\\Floor.CATProduct");
  const CATTestDocument stair = model_.PartDocument("c:\\Parts\\Stair.CATPart");
  const CATTestDocument spare = model_.PartDocument("c:\\Parts\\Spare.CATPart");
  model_.Instance(floor.Product(), stair.Product(), "Stair.1");
  model_.Instance(b.building.Product(), floor.Product(), "Upper");
  // A second assembly that holds the first: references in a circle.
  model_.Instance(floor.Product(), b.building.Product(), "Loop");
  const CATIProduct_var root = b.building.Product();
  const struct {
    const char* what;
    CATTestNode product;
    CATIProduct_var root;
    const char* expected;
  } cases[] = {
      {"the first of two", b.room.Product(), root, "Room.1"},
      {"asked of an instance", b.second, root, "Room.1"},
      {"inside an assembly", stair.Product(), root, "Stair.1"},
      {"below another root", stair.Product(), CATIProduct_var(floor.Product()), "Stair.1"},
      {"nowhere, through the circle", spare.Product(), root, "(null)"},
      {"no root", b.room.Product(), CATIProduct_var(), "(null)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Name(CATIProduct_var(c.product)->FindInstance(c.root)), c.expected);
  }
}

TEST_F(CATModelProducts, ConnectorsAreFoundOrMadeOncePerObject) {
  const CATTestBuilding b = CATTestBuilding::Build(model_, "c:\\Parts");
  const CATIProduct_var room = b.room.Product();
  const CATILinkableObject_var door = b.door;
  const CATILinkableObject_var wall = b.wall;
  EXPECT_FALSE(!room->FindConnector(door)) << "made for the publication";
  EXPECT_TRUE(!room->FindConnector(wall));
  const CATIConnector_var made = room->AddConnector(wall, CATIConnector_var());
  ASSERT_FALSE(!made);
  EXPECT_TRUE(made->GetLinkable() == wall);
  EXPECT_TRUE(room->FindConnector(wall) == made);
  EXPECT_TRUE(room->AddConnector(wall, CATIConnector_var()) == made);
  EXPECT_TRUE(!room->AddConnector(wall, made)) << "connectors are direct";
  EXPECT_TRUE(!room->AddConnector(CATILinkableObject_var(), CATIConnector_var()));
  EXPECT_FALSE(!CATIProduct_var(b.building.Product())->AddConnector(wall, CATIConnector_var()))
      << "an object of another document";
}

TEST_F(CATModelProducts, PublicationsAreExactNamesThatCanBeRefused) {
  CATTestBuilding b = CATTestBuilding::Build(model_, "c:\\Parts");
  const CATIPrdObjectPublisher_var publisher = b.room.Product();
  const CATIConnector_var wall =
      CATIProduct_var(b.room.Product())->AddConnector(b.wall, CATIConnector_var());
  const CATIConnector_var foreign =
      CATIProduct_var(b.building.Product())->AddConnector(b.wall, CATIConnector_var());

  CATBaseUnknown_var object = b.wall;
  EXPECT_EQ(publisher->GetPublication("Entrance", object), S_OK);
  EXPECT_TRUE(object == CATBaseUnknown_var(b.door));
  EXPECT_EQ(publisher->GetPublication("entrance", object), E_FAIL);
  EXPECT_TRUE(!object);

  const struct {
    const char* name;
    CATIConnector_var connector;
    int expected;
  } publishes[] = {
      {"Exit", wall, 1},
      {"Exit", wall, 0},
      {"", wall, 0},
      {"Other", foreign, 0},
      {"Other", CATIConnector_var(), 0},
      {"exit", wall, 1},
  };
  for (const auto& p : publishes) {
    SCOPED_TRACE(p.name);
    EXPECT_EQ(publisher->Publish(p.name, p.connector), p.expected);
  }
  CATListValCATUnicodeString names;
  names.Append("before");
  EXPECT_EQ(publisher->ListPublications(names), 3);
  ASSERT_EQ(names.Size(), 4);
  EXPECT_EQ(names[2], "Entrance");
  EXPECT_EQ(names[3], "Exit");
  EXPECT_EQ(names[4], "exit");

  EXPECT_EQ(publisher->Unpublish("Exit"), S_OK);
  EXPECT_EQ(publisher->Unpublish("Exit"), E_FAIL);
  b.room.Product().RefusePublications();
  EXPECT_EQ(publisher->Publish("Again", wall), 0);
  CATListValCATUnicodeString left;
  EXPECT_EQ(publisher->ListPublications(left), 2);
}

TEST_F(CATModelProducts, RedrawNotificationsAreCounted) {
  const CATTestBuilding b = CATTestBuilding::Build(model_, "c:\\Parts");
  CATIRedrawEvent_var(b.room.Part())->Redraw();
  CATIRedrawEvent_var(b.room.Part())->Redraw();
  EXPECT_EQ(b.room.Part().RedrawCount(), 2);
  EXPECT_EQ(b.wall.RedrawCount(), 0);
}

TEST_F(CATModelProducts, TheRepresentationOfAnInstanceIsItsReferencesDocument) {
  const CATTestBuilding b = CATTestBuilding::Build(model_, "c:\\Parts");
  const CATTestNode local = model_.Instance(b.building.Product(), b.building.Product(), "Self");
  CATAttributeInfos infos;
  EXPECT_EQ(CATIAttributesDescription_var(b.first)->FindAttribute("Material", infos), E_FAIL);
  EXPECT_EQ(infos.Name(), "");
  ASSERT_EQ(CATIAttributesDescription_var(b.first)->FindAttribute("DefaultRepSource", infos), S_OK);
  EXPECT_EQ(infos.Name(), "DefaultRepSource");

  CATICkeInst* value = CATIInstance_var(b.first)->GetValue(infos.Name());
  ASSERT_NE(value, nullptr);
  EXPECT_EQ(value->Kind(), CATCkeTextKind);
  EXPECT_EQ(value->AsString(), "c:\\Parts\\Room.CATPart");
  value->Release();
  EXPECT_EQ(CATIInstance_var(b.first)->GetValue("Material"), nullptr);
  EXPECT_EQ(CATIInstance_var(b.room.Product())->GetValue(infos.Name()), nullptr) << "a reference";
  EXPECT_EQ(CATIInstance_var(local)->GetValue(infos.Name()), nullptr) << "of its own document";
}

}  // namespace
