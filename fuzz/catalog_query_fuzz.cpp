// Fuzz target of catalog queries (libFuzzer): any bytes, run as a query
// text on a catalog's root chapter and as an entry name looked up in the
// whole catalog, give one of the three results, a description exactly on
// success, the entry of that name when there is one and nothing else, and
// leave no reference behind.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "AXOCorGlobalServices.h"
#include "CATBaseUnknown.h"
#include "CATICatalogChapter.h"
#include "CATICatalogDescription.h"
#include "CATTestModel.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

// Entry names that the query language finds hard to tell from its own
// marks; each is held by one description of the catalog.
const char* const kNames[] = {"IPE 200", "a\"b", "x\")y", "==", "(x.Name==\"\")", "\")"};

// Sections (root, keyword "Name") with the first names, and a sub-chapter
// Deep with the others and a chapter that refers back to the root.
struct Catalog {
  Catalog() : document(model.CatalogDocument("c:\\Catalogs\\Sections.catalog")) {
    const CATTestNode root = document.RootChapter();
    const CATTestNode deep = model.Chapter(document, "Deep");
    model.Keyword(root, "Name");
    model.SubChapter(root, deep);
    model.SubChapter(deep, root);
    int index = 0;
    for (const char* name : kNames) {
      model.Description(index++ % 2 == 0 ? root : deep, name).Value("Name", name);
    }
    root_chapter = root;
  }
  CATTestModel model;
  CATTestDocument document;
  CATICatalogChapter_var root_chapter;
};

bool IsKnownName(const CATUnicodeString& text) {
  for (const char* name : kNames) {
    if (text == name) return true;
  }
  return false;
}

// The result is one of the three, and the description is set exactly on
// success.
void CheckResult(HRESULT result, const CATICatalogDescription_var& description,
                 const CATUnicodeString& text) {
  Check(result == S_OK || result == E_FAIL || result == E_INVALIDARG);
  Check((result == S_OK) == !!description);
  Check((result == E_INVALIDARG) == (text.GetLengthInChar() == 0));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Catalog* const catalog = new Catalog();  // kept for the whole run
  const long live_before = CATBaseUnknown::LiveObjectCount();
  const CATUnicodeString text(reinterpret_cast<const char*>(data), size);
  {
    CATICatalogDescription_var description;
    HRESULT result = AXOCorGlobalServices::QueryForDescriptionInCatalog(catalog->root_chapter, text,
                                                                        description);
    CheckResult(result, description, text);

    result = AXOCorGlobalServices::FindDescriptionInCatalog(catalog->document, text, description);
    CheckResult(result, description, text);
    Check((result == S_OK) == IsKnownName(text));
    if (result == S_OK) {
      CATUnicodeString value;
      Check(description->GetValue("Name", value) == S_OK && value == text);
    }
  }
  Check(CATBaseUnknown::LiveObjectCount() == live_before);
  return 0;
}
