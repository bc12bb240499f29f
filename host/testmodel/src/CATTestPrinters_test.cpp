// What a failing test prints (values, result codes, leaks) and what the
// builder says when it is misused.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "CATCkeGlobalFunctions.h"
#include "CATIAlias.h"
#include "CATICkeMagnitude.h"
#include "CATIGeometricalElement.h"
#include "CATISpecObject.h"
#include "CATModelTestFixture.h"
#include "CATTestPrinters.h"

namespace {

// The message of the std::logic_error that `misuse` throws, without the
// builder's prefix; "no error" when it throws none.
std::string MisuseMessage(const std::function<void()>& misuse) {
  try {
    misuse();
  } catch (const std::logic_error& error) {
    const std::string message = error.what();
    const std::string prefix = "CATTestModel: ";
    return message.compare(0, prefix.size(), prefix) == 0 ? message.substr(prefix.size()) : message;
  }
  return "no error";
}

TEST(CATTestPrinters, PrintValuesReadably) {
  CATTestModel model;
  const CATTestBuilding b = CATTestBuilding::Build(model, "c:\\Parts");
  {
    const CATIParmDictionary_var dictionary = CATCkeGlobalFunctions::GetParmDictionary();
    const struct {
      const char* what;
      std::string printed;
      const char* expected;
    } cases[] = {
        {"text", ::testing::PrintToString(CATUnicodeString("Wall \"A\"")), "\"Wall \\\"A\\\"\""},
        {"empty text", ::testing::PrintToString(CATUnicodeString()), "\"\""},
        {"text with a backslash", ::testing::PrintToString(CATUnicodeString("c:\\Parts")),
         "\"c:\\\\Parts\""},
        {"point", ::testing::PrintToString(CATMathPoint(0, -1.5, 0.1)), "(0, -1.5, 0.1)"},
        {"empty box", ::testing::PrintToString(CATMathBox()), "empty"},
        {"box",
         ::testing::PrintToString(
             CATMathBox(CATMathPoint(5000, 0, 0), CATMathPoint(0, 4000, 200), 1)),
         "[0, 5000] x [0, 4000] x [0, 200]"},
        {"time", ::testing::PrintToString(CATTime(2026, 12, 7, 6, 3, 9)), "2026-12-07 06:03:09"},
        {"null handle", ::testing::PrintToString(CATISpecObject_var()), "null"},
        {"feature", ::testing::PrintToString(CATISpecObject_var(b.wall)), "feature 'Wall.1'"},
        {"instance by another interface", ::testing::PrintToString(CATIAlias_var(b.first)),
         "product 'Room.1'"},
        {"object of no model kind", ::testing::PrintToString(dictionary->FindMagnitude("LENGTH")),
         "CATCkeType"},
        {"named result", CATTestHResultText(S_FALSE), "S_FALSE (0x00000001)"},
        {"failing result", CATTestHResultText(E_NOINTERFACE), "E_NOINTERFACE (0x80004002)"},
        {"result without a name", CATTestHResultText(static_cast<HRESULT>(0x80001234)),
         "0x80001234"},
    };
    for (const auto& c : cases) {
      SCOPED_TRACE(c.what);
      EXPECT_EQ(c.printed, c.expected);
    }
  }
  EXPECT_NO_LEAKS(model);
}

namespace {
HRESULT FailingSave() {
  return E_FAIL;
}
}  // namespace

TEST(CATTestPrinters, AFailedResultAssertionNamesBothCodesAndWhereTheResultCameFrom) {
  // The preprocessor hands S_OK over as its expansion; a constant is shown
  // by its name alone, a call by its source text.
  EXPECT_NONFATAL_FAILURE(EXPECT_HRESULT_EQ(S_OK, FailingSave()),
                          "Expected: S_OK (0x00000000)\n"
                          "  Actual: E_FAIL (0x80004005), from FailingSave()");
  const struct {
    const char* expression;
    std::string printed;
  } cases[] = {
      {"((HRESULT)0)", "S_OK (0x00000000)"},
      {"S_OK", "S_OK (0x00000000)"},
      {"static_cast<HRESULT>(0x00000000L)", "S_OK (0x00000000)"},
      {"hr", "S_OK (0x00000000), from hr"},
      {"doc->Save(S_OK)", "S_OK (0x00000000), from doc->Save(S_OK)"},
      {"(HRESULT)code", "S_OK (0x00000000), from (HRESULT)code"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expression);
    EXPECT_EQ(CATTestHResultText(S_OK, c.expression), c.printed);
  }
  EXPECT_TRUE(CATTestHResultEqual("S_OK", "hr", S_OK, S_OK));
}

TEST(CATTestPrinters, ALeakIsListedOnceWithWhereItStoodAndWhatItHolds) {
  // What a test keeps, and the one line naming it: what only the kept
  // object still holds (keys, parameters, its body and the body's parts)
  // is named on its line, not on lines of its own.
  const struct {
    const char* what;
    std::function<std::vector<CATBaseUnknown_var>(const CATTestBuilding&)> keep;
    std::string listed;
  } cases[] = {
      {"a feature, twice",
       [](const CATTestBuilding& b) {
         const CATISpecObject_var wall = b.wall;
         return std::vector<CATBaseUnknown_var>{wall, wall};
       },
       "  feature 'Wall.1' of feature 'Level 1' (2 references), holding attribute key 'Height', "
       "attribute key 'Layers', parameter 'Height'\n"},
      {"a feature with geometry",
       [](const CATTestBuilding& b) {
         CATTestNode(b.door).Box({0, 0, 0}, {900, 200, 2100});
         return std::vector<CATBaseUnknown_var>{CATISpecObject_var(b.door)};
       },
       "  feature 'Door.1' of feature 'Level 1' (1 reference), holding CATBody, CATDomain, "
       "CATCell\n"},
      {"the body of a feature",
       [](const CATTestBuilding& b) {
         CATTestNode(b.door).Box({0, 0, 0}, {900, 200, 2100});
         CATIGeometricalElement_var door = b.door;
         return std::vector<CATBaseUnknown_var>{door->GetBodyResult()};
       },
       "  CATBody of feature 'Door.1' (1 reference), holding CATDomain, CATCell\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    CATTestModel model;
    const CATTestBuilding b = CATTestBuilding::Build(model, "c:\\Parts");
    std::vector<CATBaseUnknown_var> kept = c.keep(b);
    EXPECT_EQ(CATTestNoLeaks("model", model).message(),
              "model leaves 1 object alive:\n" + c.listed);
    kept.clear();
    EXPECT_NO_LEAKS(model);
    EXPECT_EQ(model.LeakedObjects(), 0);
  }
}

TEST(CATTestModelMisuse, IsRefusedWithAMessageThatNamesTheObject) {
  CATTestModel model;
  const CATTestBuilding b = CATTestBuilding::Build(model, "c:\\Parts");
  CATTestNode gone = model.Feature(b.level, "Gone");
  gone.Delete();
  const struct {
    const char* what;
    std::function<void()> misuse;
    std::string message;
  } cases[] = {
      {"a second model", [] { CATTestModel second; },
       "a second model is made while one lives; the session has room for one"},
      {"a product call on a feature", [&] { CATTestNode(b.wall).PartNumber("x"); },
       "the feature 'Wall.1' is no product"},
      {"an instance of an instance", [&] { model.Instance(b.building.Product(), b.first, "x"); },
       "an instance of the product 'Room.1', itself an instance"},
      {"a child of an instance", [&] { model.Instance(b.first, b.room.Product(), "x"); },
       "the product 'Room.1' is an instance, which takes its children from its reference"},
      {"geometry of a parameter",
       [&] {
         CATTestNode(b.height).Box({0, 0, 0}, {1, 1, 1});
       },
       "the parameter 'Height' has no geometry: it is a parameter"},
      {"a chapter call on a feature", [&] { model.Keyword(b.wall, "x"); },
       "the feature 'Wall.1' is no chapter"},
      {"a text parameter", [&] { model.Parameter(b.wall, "Note", CATCkeTextKind, 0); },
       "parameter 'Note': parameters hold numbers"},
      {"a deleted object", [&] { gone.Name("x"); },
       "the feature 'Gone' (id " + gone.Id() +
           ") is not in an open document: it was deleted or its document closed"},
      {"a node naming nothing", [] { CATTestNode().Name("x"); }, "a node naming nothing is used"},
      {"a document naming nothing", [] { CATTestDocument().Part(); },
       "a document naming nothing is used"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(MisuseMessage(c.misuse), c.message);
  }
  // The first model lives on.
  EXPECT_EQ(CATIAlias_var(b.wall)->GetAlias(), "Wall.1");
  EXPECT_EQ(CATTestNode(b.wall).Describe(), "feature 'Wall.1'");
  EXPECT_EQ(gone.Describe(), "a gone object");
  EXPECT_EQ(CATTestNode().Describe(), "nothing");
  EXPECT_NO_LEAKS(model);
}

TEST(CATTestModelMisuse, AModelThatOnlyCountsCannotListItsLeaks) {
  CATTestModel model(CATTestModel::Objects::kCountedOnly);
  EXPECT_THROW(model.Leaks(), std::logic_error);
  EXPECT_EQ(model.LeakedObjects(), 0);
}

TEST(CATTestModelMisuse, NodesOfAClosedModelAreRefused) {
  CATTestNode wall;
  CATTestDocument room;
  {
    CATTestModel model;
    room = model.PartDocument("c:\\Parts\\Room.CATPart");
    wall = model.Feature(room.Part(), "Wall.1");
  }
  EXPECT_TRUE(!wall.Object());
  const struct {
    const char* what;
    std::function<void()> misuse;
    std::string message;
  } cases[] = {
      {"node", [&] { wall.Name("x"); },
       "the feature 'Wall.1' (id " + wall.Id() + ") is used after its model closed"},
      {"document", [&] { room.Part(); }, "a document of a model that is closed is used"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(MisuseMessage(c.misuse), c.message);
  }
  // A model made afterwards opens documents anew; the old nodes stay gone.
  CATTestModel next;
  next.PartDocument("c:\\Parts\\Room.CATPart");
  EXPECT_TRUE(!wall.Object());
}

TEST(CATTestModelConnectors, AConnectorWhoseObjectIsNotOpenDesignatesNothing) {
  CATTestModel model;
  const CATTestBuilding b = CATTestBuilding::Build(model, "c:\\Parts");
  CATTestNode(b.building.Product()).Connector(b.wall);
  ASSERT_EQ(CATTestNode(b.building.Product()).Connectors().size(), 1u);
  model.Close(b.room);
  EXPECT_EQ(CATTestNode(b.building.Product()).Connectors()[0].Describe(), "nothing");
  EXPECT_NO_LEAKS(model);
}

}  // namespace
