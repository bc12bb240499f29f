#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>

#include "CATDocument.h"
#include "CATDocumentFileCheck.h"
#include "CATDocumentServices.h"
#include "CATIAlias.h"
#include "CATICatalogChapter.h"
#include "CATICatalogChapterFactory.h"
#include "CATICatalogQuery.h"
#include "CATInit.h"
#include "CATModelTestFixture.h"

namespace {

std::string Names(CATListValCATICatalogDescription_var* list) {
  const std::unique_ptr<CATListValCATICatalogDescription_var> owned(list);
  if (list == nullptr) return "no list";
  std::string names;
  for (int i = 1; i <= list->Size(); ++i) {
    const CATIAlias_var alias((*list)[i]);
    names += (names.empty() ? "" : ", ") +
             (!alias ? std::string("-") : alias->GetAlias().ConvertToChar());
  }
  return names;
}

// "count: names" of a query's result; "no result".
std::string Hits(const CATICatalogChapter_var& chapter, const char* query, int maxHits = 0) {
  const CATICatalogQuery_var side(chapter);
  CATICatalogQueryResult* result = side->RunQuery(query, maxHits);
  if (result == nullptr) return "no result";
  const std::string text =
      std::to_string(result->CountHits()) + ": " + Names(result->ListDescriptions());
  result->Release();
  return text;
}

class CATCatalog : public CATModelTest {
 protected:
  void SetUp() override {
    catalog_ = model_.CatalogDocument(folder_.Host("Doors.catalog").c_str());
    root_ = catalog_.RootChapter();
    model_.Keyword(root_, "Name");
    model_.Keyword(root_, "Width");
    single_ = model_.Chapter(catalog_, "Single");
    model_.Description(root_, "D1").Value("Name", "Door").Value("Width", "900mm");
    model_.SubChapter(root_, single_);
    model_.Description(root_, "D2").Value("Name", "Door");
    model_.Description(root_, "Hidden").Value("Name", "Door").Without(IID_CATICatalogDescription);
    model_.Description(root_, "D3").Value("Name", "door").DescriptionKind(7);
    model_.Description(single_, "S1").Value("Name", "Door");
  }

  CATTestDocument catalog_;
  CATTestNode root_;
  CATTestNode single_;
};

// Each query runs on a chapter of its own whose one description holds the
// keyword and value that the query names, when it is a query.
TEST_F(CATCatalog, TheQueryLanguageHasOneForm) {
  const struct {
    const char* text;
    const char* keyword;  // null: no query
    const char* value;
  } cases[] = {
      {"(x.Name==\"HEA 100\")", "Name", "HEA 100"},
      {"(x.Name==\"12\" pipe\")", "Name", "12\" pipe"},
      {"(x.Name==\"a\"==\"b\")", "Name", "a\"==\"b"},
      {"(x.Name==\"\")", "Name", ""},
      {"(x.Height==\")\")", "Height", ")"},
      {"(x.==\"a\")", nullptr, nullptr},
      {"(x.Name==\")", nullptr, nullptr},  // the closing quote is the opening one
      {"(x.Name==a)", nullptr, nullptr},
      {"x.Name==\"a\"", nullptr, nullptr},
      {"(y.Name==\"a\")", nullptr, nullptr},
      {"(x.Name=\"a\")", nullptr, nullptr},
      {"(x.Name==\"a\") ", nullptr, nullptr},
      {"\")", nullptr, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    const CATTestNode chapter = model_.Chapter(catalog_, c.text);
    if (c.keyword != nullptr) model_.Description(chapter, "hit").Value(c.keyword, c.value);
    model_.Description(chapter, "other").Value("Name", "other");
    EXPECT_EQ(Hits(chapter, c.text), c.keyword != nullptr ? "1: hit" : "no result");
  }
}

TEST_F(CATCatalog, QueriesSelectTheChaptersOwnDescriptionsByExactValue) {
  EXPECT_EQ(Hits(root_, "(x.Name==\"Door\")"), "3: D1, D2, -");
  EXPECT_EQ(Hits(root_, "(x.Name==\"Door\")", 2), "2: D1, D2");
  EXPECT_EQ(Hits(root_, "(x.Name==\"door\")", -1), "1: D3");
  EXPECT_EQ(Hits(root_, "(x.Width==\"900mm\")"), "1: D1");
  EXPECT_EQ(Hits(root_, "(x.Depth==\"900mm\")"), "0: ");
  EXPECT_EQ(Hits(single_, "(x.Name==\"Door\")"), "1: S1");
  EXPECT_EQ(Hits(root_, "Name == Door"), "no result");

  const CATICatalogChapter_var chapter = root_;
  EXPECT_EQ(Names(chapter->ListDescriptions()), "D1, Single, D2, -, D3");
  const std::unique_ptr<CATListValCATICatalogKeyword_var> keywords(chapter->ListKeywords());
  ASSERT_EQ(keywords->Size(), 2);
  EXPECT_EQ((*keywords)[2]->GetKeywordName(), "Width");
  CATICatalogChapterFactory_var factory = catalog_.Container();
  CATICatalogChapter* first = factory->GetRootChapter();
  EXPECT_EQ(CATICatalogChapter_var(first), chapter);
  first->Release();
}

TEST_F(CATCatalog, DescriptionsGiveTheirKindSubChapterFatherAndValues) {
  const std::unique_ptr<CATListValCATICatalogDescription_var> list(
      CATICatalogChapter_var(root_)->ListDescriptions());
  const CATICatalogDescription_var entry = (*list)[1];
  const CATICatalogDescription_var sub = (*list)[2];
  const CATICatalogDescription_var other = (*list)[5];
  EXPECT_EQ(entry->GetDescriptionKind(), CATCatalogEntryKind);
  EXPECT_EQ(sub->GetDescriptionKind(), CATCatalogChapterKind);
  EXPECT_EQ(other->GetDescriptionKind(), 7);
  EXPECT_EQ(entry->GetReferencedChapter(), nullptr);
  CATICatalogChapter* referenced = sub->GetReferencedChapter();
  EXPECT_EQ(CATICatalogChapter_var(referenced), CATICatalogChapter_var(single_));
  referenced->Release();
  // Another kind keeps its reference but gives no sub-chapter.
  CATTestNode odd = model_.SubChapter(root_, single_).DescriptionKind(7);
  EXPECT_EQ(CATICatalogDescription_var(odd)->GetReferencedChapter(), nullptr);
  referenced = CATICatalogDescription_var(odd.DescriptionKind(1))->GetReferencedChapter();
  EXPECT_NE(referenced, nullptr);
  referenced->Release();
  CATICatalogChapter* father = entry->GetFatherChapter();
  EXPECT_EQ(CATICatalogChapter_var(father), CATICatalogChapter_var(root_));
  father->Release();
  CATUnicodeString value = "x";
  EXPECT_EQ(entry->GetValue("Width", value), S_OK);
  EXPECT_EQ(value, "900mm");
  EXPECT_EQ(entry->GetValue("width", value), E_FAIL);
  EXPECT_EQ(value, "");

  // Taken out of its document, a chapter and its descriptions give nothing.
  const CATICatalogChapter_var chapter = single_;
  single_.Delete();
  EXPECT_EQ(chapter->ListDescriptions(), nullptr);
  EXPECT_EQ(chapter->ListKeywords(), nullptr);
  EXPECT_EQ(CATICatalogQuery_var(chapter)->RunQuery("(x.Name==\"Door\")", 0), nullptr);
  EXPECT_EQ(sub->GetReferencedChapter(), nullptr);
}

TEST_F(CATCatalog, ACatalogRoundTripsThroughItsFile) {
  folder_.MakeFolder("sub");
  const CATTestDocument other = model_.CatalogDocument(folder_.Host("sub\\Frames.catalog").c_str());
  model_.SubChapter(single_, other.RootChapter()).Value("Name", "Frames \"x\" ü");
  const std::string path = folder_.Host("Doors.catalog");
  ASSERT_EQ(CATDocumentServices::SaveAs(other, other.StorageName(), "", 1), S_OK);
  ASSERT_EQ(CATDocumentServices::SaveAs(catalog_, path.c_str(), "", 1), S_OK);
  const std::string saved = ReadFile(folder_.Native("Doors.catalog"));
  EXPECT_NE(saved.find("\"descriptionKind\": 7"), std::string::npos);
  EXPECT_NE(saved.find("\"document\": \"sub\\\\Frames.catalog\""), std::string::npos) << saved;
  model_.LeakedObjects();  // closes everything

  const CATTestDocument opened = model_.Open(path.c_str());
  ASSERT_NE(opened.Document(), nullptr);
  ASSERT_EQ(CATDocumentServices::SaveAs(opened, folder_.Host("Again.catalog").c_str(), "", 1),
            S_OK);
  EXPECT_EQ(ReadFile(folder_.Native("Again.catalog")), saved);
  const CATICatalogChapter_var root = opened.RootChapter();
  EXPECT_EQ(Hits(root, "(x.Name==\"Door\")"), "3: D1, D2, -");
  // The sub-chapter in the other catalog, opened with this one.
  const std::unique_ptr<CATListValCATICatalogDescription_var> list(root->ListDescriptions());
  CATICatalogChapter* single = (*list)[2]->GetReferencedChapter();
  ASSERT_NE(single, nullptr);
  const std::unique_ptr<CATListValCATICatalogDescription_var> inner(single->ListDescriptions());
  single->Release();
  CATICatalogChapter* frames = (*inner)[2]->GetReferencedChapter();
  ASSERT_NE(frames, nullptr);
  EXPECT_EQ(CATIAlias_var(frames)->GetAlias(), "Frames");
  frames->Release();
}

TEST_F(CATCatalog, DamagedCatalogFilesNameTheirFault) {
  const std::string head =
      R"({"format": "AXO model document", "version": 1, "type": "catalog", "containers": [)"
      R"({"kind": "catalog container", "children": [{"kind": "chapter", "children": [)";
  const struct {
    const char* what;
    std::string object;
    const char* fault;
  } cases[] = {
      {"kind too large", R"({"kind": "description", "descriptionKind": 256})",
       "descriptionKind: expected a whole number from 0 to 255"},
      {"kind negative", R"({"kind": "description", "descriptionKind": -1})", "from 0 to 255"},
      {"values not an object", R"({"kind": "description", "values": ["a"]})",
       "values: expected an object"},
      {"value not a text", R"({"kind": "description", "values": {"Name": 1}})",
       "values.Name: expected a text"},
      {"field of another kind", R"({"kind": "keyword", "values": {}})", "not a field of a keyword"},
      {"catalog container inside", R"({"kind": "catalog container"})",
       "children[0].children[0].kind: a container lies only at the top"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    folder_.WriteFile("Damaged.catalog", head + c.object + "]}]}]}");
    CATDocumentFileSummary summary;
    CATUnicodeString fault;
    EXPECT_FALSE(CATCheckDocumentFile(folder_.Host("Damaged.catalog").c_str(), summary, fault));
    EXPECT_NE(std::string(fault.ConvertToChar()).find(c.fault), std::string::npos) << fault;
  }
}

TEST_F(CATCatalog, TheBuilderRefusesCatalogCallsOnOtherObjects) {
  const CATTestDocument part = model_.PartDocument(folder_.Host("Room.CATPart").c_str());
  const CATTestNode door = model_.Description(root_, "Door");
  EXPECT_THROW(part.RootChapter(), std::logic_error);
  EXPECT_THROW(model_.Chapter(part, "x"), std::logic_error);
  EXPECT_THROW(model_.Keyword(door, "x"), std::logic_error);
  EXPECT_THROW(model_.SubChapter(root_, door), std::logic_error);
  EXPECT_THROW(CATTestNode(root_).Value("Name", "x"), std::logic_error);
}

}  // namespace
