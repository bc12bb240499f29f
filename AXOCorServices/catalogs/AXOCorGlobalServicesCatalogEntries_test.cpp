#include <gtest/gtest.h>

#include <string>

#include "AXOCorGlobalServices.h"
#include "CATDocument.h"
#include "CATDocumentServices.h"
#include "CATIAlias.h"
#include "CATICatalogChapter.h"
#include "CATICatalogChapterFactory.h"
#include "CATICatalogQuery.h"
#include "CATInit.h"
#include "CATModelTestFixture.h"

namespace {

std::string NameOf(const CATICatalogDescription_var& description) {
  const CATIAlias_var alias(description);
  return !alias ? "" : alias->GetAlias().ConvertToChar();
}

// A document of another making that notes whether it was touched.
class WatchedDocument : public CATDocument {
 public:
  explicit WatchedDocument(const CATUnicodeString& storage)
      : CATDocument(nullptr, 0), storage_(storage) {}
  CATUnicodeString StorageName() const override {
    ++touched;
    return storage_;
  }
  HRESULT GetDocId(CATIDocId**) override { return E_FAIL; }
  mutable int touched = 0;

 private:
  const CATUnicodeString storage_;
};

// Sections (root, keyword "Name"): "Top", then the sub-chapters European
// (holding HEA, a further sub-chapter) and American, and "Other", a
// description of kind 2 that keeps its reference to Hidden.
class CatalogEntries : public CATModelTest {
 protected:
  void SetUp() override {
    catalog_ = model_.CatalogDocument(folder_.Host("Sections.catalog").c_str());
    root_ = catalog_.RootChapter();
    model_.Keyword(root_, "Height");
    model_.Keyword(root_, "Name");
    const CATTestNode european = model_.Chapter(catalog_, "European");
    const CATTestNode hea = model_.Chapter(catalog_, "HEA");
    const CATTestNode american = model_.Chapter(catalog_, "American");
    const CATTestNode hidden = model_.Chapter(catalog_, "Hidden");
    top_ = model_.Description(root_, "Top").Value("Name", "TOP");
    model_.SubChapter(root_, european);
    model_.SubChapter(root_, american);
    model_.SubChapter(root_, hidden).DescriptionKind(2);
    model_.SubChapter(european, hea);
    model_.Description(hea, "HEA 100").Value("Name", "HEA 100").Value("Height", "96mm");
    model_.Description(hea, "DUP in HEA").Value("Name", "DUP");
    model_.Description(american, "W10X12").Value("Name", "W10X12");
    model_.Description(american, "DUP in American").Value("Name", "DUP");
    model_.Description(american, "TOP in American").Value("Name", "TOP");
    model_.Description(american, "Pipe").Value("Name", "12\" pipe");
    model_.Description(hidden, "Hidden").Value("Name", "HIDDEN");
  }

  HRESULT Find(const CATUnicodeString& name, CATICatalogDescription_var& found) {
    return AXOCorGlobalServices::FindDescriptionInCatalog(catalog_, name, found);
  }

  CATTestDocument catalog_;
  CATTestNode root_;
  CATTestNode top_;
};

TEST_F(CatalogEntries, FindsTheFirstEntryDepthFirst) {
  const struct {
    const char* name;
    HRESULT result;
    const char* found;
  } cases[] = {
      {"TOP", S_OK, "Top"},          // the root's own hit wins over a sub-chapter's
      {"HEA 100", S_OK, "HEA 100"},  // two levels down
      {"DUP", S_OK, "DUP in HEA"},   // an earlier sub-chapter wins over a later one
      {"W10X12", S_OK, "W10X12"},    // only in a later sub-chapter
      {"12\" pipe", S_OK, "Pipe"},   // a double quote, unchanged
      {"HIDDEN", E_FAIL, ""},        // kind 2 is not descended into
      {"hea 100", E_FAIL, ""},       // letter case counts
      {"NONE", E_FAIL, ""},         {"HEA 100\")", E_FAIL, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    CATICatalogDescription_var found = top_;  // not null: reset first
    EXPECT_EQ(Find(c.name, found), c.result);
    EXPECT_EQ(NameOf(found), c.found);
    EXPECT_EQ(!found, c.result != S_OK);
  }
}

TEST_F(CatalogEntries, RefusesBadArgumentsBeforeTouchingTheDocument) {
  WatchedDocument* watched = new WatchedDocument(folder_.Host("Absent.catalog").c_str());
  CATICatalogDescription_var found = top_;
  EXPECT_EQ(AXOCorGlobalServices::FindDescriptionInCatalog(watched, "", found), E_INVALIDARG);
  EXPECT_EQ(watched->touched, 0);
  EXPECT_TRUE(!found);
  EXPECT_EQ(AXOCorGlobalServices::FindDescriptionInCatalog(nullptr, "TOP", found), E_INVALIDARG);
  // A catalog that cannot be opened.
  EXPECT_EQ(AXOCorGlobalServices::FindDescriptionInCatalog(watched, "TOP", found), E_FAIL);
  EXPECT_EQ(watched->touched, 1);
  watched->Release();

  found = top_;
  EXPECT_EQ(AXOCorGlobalServices::QueryForDescriptionInCatalog(CATICatalogChapter_var(),
                                                               "(x.Name==\"TOP\")", found),
            E_INVALIDARG);
  EXPECT_TRUE(!found);
  found = top_;
  EXPECT_EQ(AXOCorGlobalServices::QueryForDescriptionInCatalog(root_, "", found), E_INVALIDARG);
  EXPECT_TRUE(!found);
}

TEST_F(CatalogEntries, NeedsARootChapterWithTheExactNameKeyword) {
  const struct {
    const char* what;
    void (*spoil)(CATTestModel& model, CATTestDocument catalog);
  } cases[] = {
      {"keyword in another case",
       [](CATTestModel& model, CATTestDocument catalog) {
         model.Keyword(catalog.RootChapter(), "name");
       }},
      {"keyword of another chapter",
       [](CATTestModel& model, CATTestDocument catalog) {
         model.Keyword(model.Chapter(catalog, "Other"), "Name");
       }},
      {"root chapter without CATICatalogChapter",
       [](CATTestModel& model, CATTestDocument catalog) {
         model.Keyword(catalog.RootChapter(), "Name");
         catalog.RootChapter().Without(IID_CATICatalogChapter);
       }},
      {"container without chapter factory",
       [](CATTestModel& model, CATTestDocument catalog) {
         model.Keyword(catalog.RootChapter(), "Name");
         catalog.Container().Without(IID_CATICatalogChapterFactory);
       }},
      {"document without CATInit",
       [](CATTestModel& model, CATTestDocument catalog) {
         model.Keyword(catalog.RootChapter(), "Name");
         catalog.Without(IID_CATInit);
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const CATTestDocument catalog = model_.CatalogDocument(folder_.Host("Bare.catalog").c_str());
    model_.Description(catalog.RootChapter(), "Entry").Value("Name", "X");
    c.spoil(model_, catalog);
    CATICatalogDescription_var found;
    EXPECT_EQ(AXOCorGlobalServices::FindDescriptionInCatalog(catalog, "X", found), E_FAIL);
    EXPECT_TRUE(!found);
    model_.Close(catalog);
  }
  // A part document is no catalog.
  const CATTestDocument part = model_.PartDocument(folder_.Host("Room.CATPart").c_str());
  CATICatalogDescription_var found;
  EXPECT_EQ(AXOCorGlobalServices::FindDescriptionInCatalog(part, "Room", found), E_FAIL);
}

TEST_F(CatalogEntries, ReopensASavedCatalogByItsStorageName) {
  ASSERT_EQ(CATDocumentServices::SaveAs(catalog_, catalog_.StorageName(), "", 1), S_OK);
  model_.Close(catalog_);
  WatchedDocument* stale = new WatchedDocument(folder_.Host("Sections.catalog").c_str());
  CATICatalogDescription_var found;
  EXPECT_EQ(AXOCorGlobalServices::FindDescriptionInCatalog(stale, "HEA 100", found), S_OK);
  stale->Release();
  ASSERT_EQ(NameOf(found), "HEA 100");
  CATUnicodeString height;
  EXPECT_EQ(found->GetValue("Height", height), S_OK);
  EXPECT_EQ(height, "96mm");
  // The catalog stays open: the entry is still in a document.
  CATICatalogChapter* father = found->GetFatherChapter();
  ASSERT_NE(father, nullptr);
  father->Release();
}

// Hits whose descriptions lack CATICatalogDescription are null in the
// query's result; chapters without queries give nothing.
TEST_F(CatalogEntries, QueryTakesTheFirstNonNullHitAndStopsAtAChapterWithHits) {
  CATTestNode a = model_.Chapter(catalog_, "A");
  CATTestNode b = model_.Chapter(catalog_, "B");
  const CATTestNode c = model_.Chapter(catalog_, "C");
  model_.SubChapter(a, b);
  model_.SubChapter(a, c);
  model_.Description(a, "null hit in A").Value("Name", "N").Without(IID_CATICatalogDescription);
  model_.Description(b, "null hit in B").Value("Name", "M").Without(IID_CATICatalogDescription);
  model_.Description(b, "hit in B").Value("Name", "M");
  model_.Description(b, "N in B").Value("Name", "N");
  model_.Description(c, "M in C").Value("Name", "M");
  model_.Description(c, "Q in C").Value("Name", "Q");
  const struct {
    const char* query;
    HRESULT result;
    const char* found;
  } cases[] = {
      {"(x.Name==\"M\")", S_OK, "hit in B"},  // B's first hit is null, its second is taken
      {"(x.Name==\"N\")", E_FAIL, ""},        // A's only hit is null: B is not searched
      {"(x.Name==\"Q\")", S_OK, "Q in C"},
      {"(x.Height==\"96mm\")", E_FAIL, ""},  // HEA is no sub-chapter of A
      {"x.Name==\"Q\"", E_FAIL, ""},         // no query: no result
  };
  for (const auto& t : cases) {
    SCOPED_TRACE(t.query);
    CATICatalogDescription_var found;
    EXPECT_EQ(AXOCorGlobalServices::QueryForDescriptionInCatalog(a, t.query, found), t.result);
    EXPECT_EQ(NameOf(found), t.found);
  }
  // A chapter without queries is passed over; without any, nothing is found.
  b.Without(IID_CATICatalogQuery);
  CATICatalogDescription_var found;
  EXPECT_EQ(AXOCorGlobalServices::QueryForDescriptionInCatalog(a, "(x.Name==\"M\")", found), S_OK);
  EXPECT_EQ(NameOf(found), "M in C");
  a.Without(IID_CATICatalogQuery);
  EXPECT_EQ(AXOCorGlobalServices::QueryForDescriptionInCatalog(a, "(x.Name==\"Q\")", found),
            E_FAIL);
}

TEST_F(CatalogEntries, ChaptersInACircleAreSearchedOnce) {
  const CATTestNode a = model_.Chapter(catalog_, "A");
  const CATTestNode b = model_.Chapter(catalog_, "B");
  model_.SubChapter(a, b);
  model_.SubChapter(b, a);
  model_.SubChapter(b, b);
  model_.Description(b, "late").Value("Name", "L");
  CATICatalogDescription_var found;
  EXPECT_EQ(AXOCorGlobalServices::QueryForDescriptionInCatalog(a, "(x.Name==\"L\")", found), S_OK);
  EXPECT_EQ(NameOf(found), "late");
  EXPECT_EQ(AXOCorGlobalServices::QueryForDescriptionInCatalog(a, "(x.Name==\"Z\")", found),
            E_FAIL);
}

TEST_F(CatalogEntries, ADeepChainOfChaptersIsSearchedToItsEnd) {
  CATTestNode chapter = model_.Chapter(catalog_, "0");
  const CATTestNode first = chapter;
  for (int i = 1; i <= 20000; ++i) {
    const CATTestNode next = model_.Chapter(catalog_, std::to_string(i).c_str());
    model_.SubChapter(chapter, next);
    chapter = next;
  }
  model_.Description(chapter, "deepest").Value("Name", "D");
  CATICatalogDescription_var found;
  EXPECT_EQ(AXOCorGlobalServices::QueryForDescriptionInCatalog(first, "(x.Name==\"D\")", found),
            S_OK);
  EXPECT_EQ(NameOf(found), "deepest");
}

}  // namespace
