// Every answer of the host that the builder sets up, read back through the
// host's interfaces as the library reads it: one table per family.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "AXOIAttLogical.h"
#include "AXOICorProductSearch.h"
#include "CATCkeDictionaryTesting.h"
#include "CATCkeGlobalFunctions.h"
#include "CATDocument.h"
#include "CATError.h"
#include "CATFrmEditor.h"
#include "CATIAlias.h"
#include "CATICatalogChapter.h"
#include "CATICatalogQuery.h"
#include "CATICkeMagnitude.h"
#include "CATIDescendants.h"
#include "CATIDocId.h"
#include "CATIPrdObjectPublisher.h"
#include "CATIProduct.h"
#include "CATIRedrawEvent.h"
#include "CATISpecAttrAccess.h"
#include "CATModelTestFixture.h"
#include "CATPrsWorkModeServices.h"
#include "CATTestPrinters.h"

namespace {

class CATTestModelSetUp : public ::testing::Test {
 protected:
  void SetUp() override { b_ = CATTestBuilding::Build(model_, "c:\\Parts"); }
  void TearDown() override { EXPECT_NO_LEAKS(model_); }

  CATTestModel model_;
  CATTestBuilding b_;
};

std::string Utf8(const CATUnicodeString& text) {
  return std::string(text.ConvertToChar(), static_cast<size_t>(text.GetLengthInByte()));
}

// An object as the lists below show it: its name, "-" for null, "?" for
// an object without a name.
std::string NameOf(const CATBaseUnknown_var& object) {
  const CATIAlias_var alias(object);
  return !object ? "-" : !alias ? "?" : Utf8(alias->GetAlias());
}

// "[Room.1 - Room.2]"; "none" for a null list.
template <class Handle>
std::string Names(const CATListVal<Handle>* list) {
  if (list == nullptr) return "none";
  std::string text = "[";
  for (int i = 1; i <= list->Size(); ++i) {
    text += (i > 1 ? " " : "") + NameOf(CATBaseUnknown_var((*list)[i]));
  }
  return text + "]";
}

// The same for a list that the caller deletes.
template <class Handle>
std::string Owned(CATListVal<Handle>* list) {
  const std::unique_ptr<CATListVal<Handle>> owned(list);
  return Names(list);
}

// ---- Dictionary -------------------------------------------------------------------

// "mm [m] | ft" : the magnitude's units with the current one in [] (or
// after "current" when it is not in the list), and whether the dictionary
// finds a foot unit.
std::string Dictionary(const CATUnicodeString& name) {
  const CATIParmDictionary_var dictionary = CATCkeGlobalFunctions::GetParmDictionary();
  const CATICkeMagnitude_var magnitude = dictionary->FindMagnitude(name);
  const std::string foot = !dictionary->FindUnit("ft") ? "no ft" : "ft";
  if (!magnitude) return "none | " + foot;
  const CATICkeUnit_var current = magnitude->CurrentUnit();
  const CATListValCATBaseUnknown_var* units = magnitude->ListUnits();
  std::string text = units == nullptr ? "no list" : "";
  bool listed = false;
  for (int i = 1; units != nullptr && i <= units->Size(); ++i) {
    const CATBaseUnknown_var& element = (*units)[i];
    const CATICkeUnit_var unit(element);
    std::string shown = !element ? "-" : !unit ? "?" : Utf8(unit->Symbol());
    if (!!unit && unit == current) {
      shown = "[" + shown + "]";
      listed = true;
    }
    text += (i > 1 ? " " : "") + shown;
  }
  if (!listed && !!current) text += " current " + Utf8(current->Symbol());
  return text + " | " + foot;
}

TEST_F(CATTestModelSetUp, TheDictionaryHoldsWhatTheTestGives) {
  typedef CATCkeDictionaryTesting D;
  const CATCkeTestUnit mm = CATCkeTestUnit::Unit("mm", "Millimeter");
  const CATCkeTestUnit m = CATCkeTestUnit::Unit("m", "Meter");
  const struct {
    const char* what;
    std::function<void()> setUp;
    const char* magnitude;
    const char* expected;
  } cases[] = {
      {"built in", [] {}, "LENGTH", "[mm] cm m in ft | ft"},
      {"replaced, current not first",
       [&] {
         D::SetMagnitude("LENGTH", {mm, m}, 1);
       },
       "LENGTH", "mm [m] | no ft"},
      {"empty unit list", [] { D::SetMagnitude("LENGTH", {}); }, "LENGTH", " | no ft"},
      {"no unit list", [] { D::SetMagnitudeWithoutUnitList("ANGLE"); }, "ANGLE", "no list | ft"},
      {"null entries and non-units",
       [&] {
         D::SetMagnitude("MASS", {CATCkeTestUnit::Null(), CATCkeTestUnit::NonUnit(), m}, 2);
       },
       "MASS", "- ? [m] | ft"},
      {"current unit a non-unit", [&] { D::SetMagnitude("MASS", {CATCkeTestUnit::NonUnit()}, 0); },
       "MASS", "? | ft"},
      {"current unit outside the list",
       [] { D::SetCurrentUnitOutsideList("LENGTH", CATCkeTestUnit::Unit("yd", "Yard")); }, "LENGTH",
       "mm cm m in ft current yd | ft"},
      {"the same unit outside the list is another object",
       [&] { D::SetCurrentUnitOutsideList("LENGTH", mm); }, "LENGTH",
       "mm cm m in ft current mm | ft"},
      {"no current unit", [] { D::SetCurrentUnitOutsideList("ANGLE", CATCkeTestUnit::Null()); },
       "ANGLE", "deg rad | ft"},
      {"removed", [] { D::RemoveMagnitude("LENGTH"); }, "LENGTH", "none | no ft"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    c.setUp();
    EXPECT_EQ(Dictionary(c.magnitude), c.expected);
    D::Reset();
  }
  // Replaced in place, added after the others, removed: the order of names.
  D::SetMagnitude("AREA", {});
  D::SetMagnitude("LENGTH", {m});
  EXPECT_FALSE(D::RemoveMagnitude("VOLUME"));
  EXPECT_FALSE(D::SetCurrentUnitOutsideList("VOLUME", m));
  const CATListValCATUnicodeString names =
      CATCkeGlobalFunctions::GetParmDictionary()->ListMagnitudeNames();
  ASSERT_EQ(names.Size(), 3);
  EXPECT_EQ(names[1], "LENGTH");
  EXPECT_EQ(names[3], "AREA");
}

TEST(CATTestModelDictionary, AModelStartsAndLeavesTheDictionaryBuiltIn) {
  CATCkeDictionaryTesting::RemoveMagnitude("LENGTH");
  {
    CATTestModel model;
    EXPECT_EQ(Dictionary("LENGTH"), "[mm] cm m in ft | ft");
    CATCkeDictionaryTesting::RemoveMagnitude("ANGLE");
  }
  EXPECT_EQ(Dictionary("ANGLE"), "[deg] rad | ft");
}

// ---- Editor and documents -----------------------------------------------------------

TEST_F(CATTestModelSetUp, TheEditorShowsWhatTheTestGives) {
  const struct {
    const char* what;
    std::function<void()> setUp;
    const char* expected;  // "document: objects on the active path", or "no editor"
  } cases[] = {
      {"none at first", [] {}, "no editor"},
      {"a document and a path",
       [&] {
         model_.SetCurrentEditor(b_.building, {b_.building.Product(), b_.first});
       },
       "Building.CATProduct: 2"},
      {"no document", [&] { model_.SetCurrentEditor(CATTestDocument(), {b_.wall}); },
       "(no document): 1"},
      {"no document, empty path", [&] { model_.SetCurrentEditor(CATTestDocument(), {}); },
       "(no document): 0"},
      {"cleared", [&] { model_.ClearCurrentEditor(); }, "no editor"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    c.setUp();
    CATFrmEditor* editor = CATFrmEditor::GetCurrentEditor();
    std::string shown = "no editor";
    if (editor != nullptr) {
      CATDocument* document = editor->GetDocument();
      const std::string name = document != nullptr ? Utf8(document->StorageName()) : "";
      shown = (document != nullptr ? name.substr(name.rfind('\\') + 1) : "(no document)") + ": " +
              std::to_string(editor->GetUIActiveObject().GetSize());
    }
    EXPECT_EQ(shown, c.expected);
  }
}

TEST_F(CATTestModelSetUp, DocumentsHaveTheTypeTheTestGives) {
  const char* const types[] = {"", "CATDrawing", "catalog", "a type with spaces"};
  int n = 0;
  for (const char* type : types) {
    SCOPED_TRACE(type);
    const CATTestDocument document =
        model_.Document(("c:\\Other\\D" + std::to_string(++n) + ".x").c_str(), type);
    CATIDocId* id = nullptr;
    ASSERT_HRESULT_EQ(S_OK, document.Document()->GetDocId(&id));
    CATUnicodeString read = "unset";
    EXPECT_HRESULT_EQ(S_OK, id->GetType(read));
    id->Release();
    EXPECT_EQ(read, type);
  }
}

TEST_F(CATTestModelSetUp, DocumentsAreNamedAfterTheirFileUpToItsLastDot) {
  const struct {
    const char* path;
    const char* name;  // of the part, and its product's part number
  } cases[] = {
      {"c:\\Other\\Beam.CATPart", "Beam"},
      {"c:\\Other\\Beam.rev2.CATPart", "Beam.rev2"},
      {"c:\\Other\\Beam..CATPart", "Beam."},
      {"c:\\Other.d\\Column", "Column"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    const CATTestDocument part = model_.PartDocument(c.path);
    EXPECT_EQ(CATIAlias_var(part.Part())->GetAlias(), c.name);
    EXPECT_EQ(CATIProduct_var(part.Product())->GetPartNumber(), c.name);
  }
}

// ---- Work mode --------------------------------------------------------------------

TEST_F(CATTestModelSetUp, WorkModeAnswersPerInstance) {
  const struct {
    const char* what;
    std::function<void()> setUp;
    const char* expected;  // result or raised message, for Room.1 then Room.2
  } cases[] = {
      {"S_OK for all", [] {}, "S_OK (0x00000000) S_OK (0x00000000)"},
      {"the session's result", [&] { model_.SetWorkModeResult(E_FAIL); },
       "E_FAIL (0x80004005) E_FAIL (0x80004005)"},
      {"an instance's own result", [&] { CATTestNode(b_.second).WorkModeResult(S_FALSE); },
       "E_FAIL (0x80004005) S_FALSE (0x00000001)"},
      {"an instance raises", [&] { CATTestNode(b_.first).WorkModeRaises("locked"); },
       "raised locked S_FALSE (0x00000001)"},
  };
  size_t calls = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    c.setUp();
    std::string answers;
    for (const CATTestNode& instance : {b_.first, b_.second}) {
      std::string answer;
      CATTry {
        answer = CATTestHResultText(CATPrsWorkModeServices::SetWorkMode(instance, 1));
      }
      CATCatch(CATError, error) {
        answer = "raised " + Utf8(error->GetNLSMessage());
        Flush(error);
      }
      CATEndTry;
      answers += (answers.empty() ? "" : " ") + answer;
    }
    EXPECT_EQ(answers, c.expected);
    // Every call is recorded with its instance, also one that raised.
    calls += 2;
    ASSERT_EQ(model_.WorkModeCalls().size(), calls);
    EXPECT_EQ(model_.WorkModeCalls()[calls - 2].instance, CATIProduct_var(b_.first));
    EXPECT_EQ(model_.WorkModeCalls()[calls - 1].instance, CATIProduct_var(b_.second));
  }
}

// ---- Lists ------------------------------------------------------------------------

std::string ProductChildren(const CATTestNode& node) {
  return Owned(CATIProduct_var(node)->GetChildren());
}
std::string DirectChildren(const CATTestNode& node) {
  CATListValCATISpecObject_var children;
  CATIDescendants_var(node)->GetDirectChildren(nullptr, children);
  return Names(&children);
}
std::string Components(const CATTestNode& node) {
  return Owned(CATISpecObject_var(node)->GetComponents());
}
std::string LinkedObjects(const CATTestNode& node) {
  return Owned(CATISpecAttrAccess_var(node)->ListLinkedObjects(IID_CATISpecObject, 1, 1));
}
std::string Members(const CATTestNode& node) {
  CATListValCATBaseUnknown_var members;
  const HRESULT result = AXOIAttLogical_var(node)->ListMembers(members);
  return CATTestHResultText(result) + " " + Names(&members);
}
std::string SearchResults(const CATTestNode& node) {
  CATListValCATISpecObject_var found;
  const HRESULT result = AXOICorProductSearch_var(node)->FindProducts(found, 1);
  return CATTestHResultText(result) + " " + Names(&found);
}
std::string Descriptions(const CATTestNode& node) {
  return Owned(CATICatalogChapter_var(node)->ListDescriptions());
}

TEST_F(CATTestModelSetUp, ListsAnswerAsGiven) {
  const CATTestNode group = model_.Logical(b_.room.Part(), "Group");
  const CATTestNode member = model_.Feature(group, "Member");
  const CATTestDocument sections = model_.CatalogDocument("c:\\Catalogs\\Sections.catalog");
  const CATTestNode hea = model_.Description(sections.RootChapter(), "HEA 100");
  const CATTestNode heb = model_.Description(sections.RootChapter(), "HEB 100");
  const CATTestNode none;
  typedef std::function<std::string(const CATTestNode&)> Read;
  const struct {
    const char* what;
    CATTestNode node;
    std::function<void(CATTestNode&)> setUp;
    Read read;
    const char* expected;
  } cases[] = {
      // Rows in turn on the same objects: each row's set-up stays.
      {"search from the tree",
       b_.building.Product(),
       {},
       SearchResults,
       "S_OK (0x00000000) [Room.1 Room.2]"},
      // Children: products and features.
      {"product's children from the tree",
       b_.building.Product(),
       {},
       ProductChildren,
       "[Room.1 Room.2]"},
      {"product's children given", b_.building.Product(),
       [&](CATTestNode& n) {
         n.List(CATTestList::kChildren, {b_.second, none, b_.wall});
       },
       ProductChildren, "[Room.2 - Wall.1]"},
      {"product's children empty", b_.building.Product(),
       [](CATTestNode& n) { n.List(CATTestList::kChildren, {}); }, ProductChildren, "[]"},
      {"product without children list", b_.building.Product(),
       [](CATTestNode& n) { n.NoList(CATTestList::kChildren); }, ProductChildren, "none"},
      {"feature's children given", b_.level,
       [&](CATTestNode& n) {
         n.List(CATTestList::kChildren, {b_.door, none});
       },
       DirectChildren, "[Door.1 -]"},
      {"children given leave the components", b_.level,
       [&](CATTestNode& n) { n.List(CATTestList::kChildren, {b_.door}); }, Components,
       "[Wall.1 Door.1]"},
      // Components.
      {"components given", b_.level,
       [&](CATTestNode& n) {
         n.List(CATTestList::kComponents, {none, b_.height});
       },
       Components, "[- Height]"},
      {"components empty, not none", b_.door,
       [](CATTestNode& n) { n.List(CATTestList::kComponents, {}); }, Components, "[]"},
      {"components none", b_.level, [](CATTestNode& n) { n.NoList(CATTestList::kComponents); },
       Components, "none"},
      {"components given leave the children", b_.room.Part(),
       [](CATTestNode& n) { n.NoList(CATTestList::kComponents); }, DirectChildren,
       "[Level 1 Group]"},
      // Linked objects, whatever the call asks (here one object, with
      // components).
      {"linked objects from the links", b_.level, {}, LinkedObjects, "[Door.1]"},
      {"linked objects given", b_.wall,
       [&](CATTestNode& n) {
         n.List(CATTestList::kLinkedObjects, {b_.level, none, b_.building.Product()});
       },
       LinkedObjects, "[Level 1 - Building]"},
      {"linked objects none", b_.wall,
       [](CATTestNode& n) { n.NoList(CATTestList::kLinkedObjects); }, LinkedObjects, "none"},
      // Members.
      {"members from the tree", group, {}, Members, "S_OK (0x00000000) [Member]"},
      {"members given", group,
       [&](CATTestNode& n) {
         n.List(CATTestList::kMembers, {b_.wall, none, member});
       },
       Members, "S_OK (0x00000000) [Wall.1 - Member]"},
      {"members none", group, [](CATTestNode& n) { n.NoList(CATTestList::kMembers); }, Members,
       "E_FAIL (0x80004005) []"},
      // Search results.
      {"search answers other objects", b_.building.Product(),
       [&](CATTestNode& n) {
         n.List(CATTestList::kSearchResults, {b_.wall, none});
       },
       SearchResults, "S_OK (0x00000000) [Wall.1 -]"},
      {"search fails", b_.first, [](CATTestNode& n) { n.NoList(CATTestList::kSearchResults); },
       SearchResults, "E_FAIL (0x80004005) []"},
      // A chapter's descriptions; an object that is no description is null.
      {"descriptions from the tree", sections.RootChapter(), {}, Descriptions, "[HEA 100 HEB 100]"},
      {"descriptions given", sections.RootChapter(),
       [&](CATTestNode& n) {
         n.List(CATTestList::kDescriptions, {heb, none, b_.wall, hea});
       },
       Descriptions, "[HEB 100 - - HEA 100]"},
      {"descriptions none", sections.RootChapter(),
       [](CATTestNode& n) { n.NoList(CATTestList::kDescriptions); }, Descriptions, "none"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CATTestNode node = c.node;
    if (c.setUp) c.setUp(node);
    EXPECT_EQ(c.read(node), c.expected);
  }
}

TEST_F(CATTestModelSetUp, AGivenEntryWhoseObjectGoesIsNull) {
  b_.level.List(CATTestList::kComponents, {b_.door, b_.wall});
  EXPECT_EQ(Components(b_.level), "[Door.1 Wall.1]");
  CATTestNode(b_.door).Delete();
  EXPECT_EQ(Components(b_.level), "[- Wall.1]");
}

// ---- Inspection -------------------------------------------------------------------

TEST_F(CATTestModelSetUp, WhatTheCodeDidIsReadFromTheModel) {
  const CATTestDocument sections = model_.CatalogDocument("c:\\Catalogs\\Sections.catalog");
  const CATTestNode root = sections.RootChapter();
  const struct {
    const char* what;
    std::function<void()> act;
    std::function<std::string()> read;
    const char* expected;
  } cases[] = {
      {"queries run, valid or not",
       [&] {
         const CATICatalogQuery_var query(root);
         for (const char* text : {"(x.Name==\"HEA 100\")", "Name=HEA"}) {
           CATICatalogQueryResult* result = query->RunQuery(text, 0);
           if (result != nullptr) result->Release();
         }
       },
       [&] {
         std::string texts;
         for (const CATUnicodeString& text : root.QueriesRun()) texts += Utf8(text) + ";";
         return texts;
       },
       "(x.Name==\"HEA 100\");Name=HEA;"},
      {"only the latest 1,000 queries run",
       [&] {
         const CATICatalogQuery_var query(root);
         for (int i = 0; i < 1002; ++i) {
           CATICatalogQueryResult* result = query->RunQuery(("q" + std::to_string(i)).c_str(), 0);
           if (result != nullptr) result->Release();
         }
       },
       [&] {
         const std::vector<CATUnicodeString> run = root.QueriesRun();
         return std::to_string(run.size()) + " " + Utf8(run.front()) + ".." + Utf8(run.back());
       },
       "1000 q2..q1001"},  // with the two of the row above, 1,004 were run
      {"connectors of a publication, of the builder, of the code",
       [&] {
         b_.room.Product().Connector(b_.wall).Connector(b_.door);  // the door's is kept
         CATIProduct_var(b_.room.Product())->AddConnector(b_.height, CATIConnector_var());
       },
       [&] {
         std::string names;
         for (const CATTestNode& object : b_.room.Product().Connectors()) {
           names += object.Describe() + ";";
         }
         return names;
       },
       "feature 'Door.1';feature 'Wall.1';parameter 'Height';"},
      {"update calls reach the components",
       [&] {
         CATISpecObject_var(b_.level)->Update(CATIDomain_var());
         CATISpecObject_var(b_.wall)->Update(CATIDomain_var());
       },
       [&] {
         return std::to_string(b_.level.UpdateCalls()) + " " +
                std::to_string(b_.wall.UpdateCalls()) + " " + std::to_string(b_.door.UpdateCalls());
       },
       "1 2 1"},
      {"redraws of a part",
       [&] {
         CATIRedrawEvent_var(b_.room.Part())->Redraw();
         CATIRedrawEvent_var(b_.room.Part())->Redraw();
       },
       [&] { return std::to_string(b_.room.Part().RedrawCount()); }, "2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    c.act();
    EXPECT_EQ(c.read(), c.expected);
  }
}

}  // namespace
