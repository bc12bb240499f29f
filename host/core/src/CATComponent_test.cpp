#include <gtest/gtest.h>

#include <string>

#include "CATAdapter.h"
#include "CATAdopt.h"
#include "CATBaseUnknown.h"
#include "CATComponent.h"
#include "CATDictionary.h"
#include "CATListOfCATBaseUnknown.h"
#include "CATMetaClass.h"
#include "CATTie.h"

// Components, their adapters and the handles that hold them, on a small
// model: a square offers a shape, corners and a name; a circle only a shape.

namespace cathandle_test {

const IID IID_TestShape = {0x1, 0x2, 0x3, {1, 2, 3, 4, 5, 6, 7, 8}};
const IID IID_TestCorners = {0x1, 0x2, 0x3, {8, 7, 6, 5, 4, 3, 2, 1}};
const IID IID_TestLabel = {0x1, 0x2, 0x3, {8, 8, 8, 8, 8, 8, 8, 8}};

class TestShape : public CATBaseUnknown {
 public:
  static const IID& ClassId() { return IID_TestShape; }
  virtual int Area() const = 0;
};

class TestCorners : public CATBaseUnknown {
 public:
  static const IID& ClassId() { return IID_TestCorners; }
  virtual int Corners() const = 0;
};

class TestLabel : public CATBaseUnknown {
 public:
  static const IID& ClassId() { return IID_TestLabel; }
  virtual const char* Label() const = 0;
};

class TestFigure;

class FigureShape : public CATAdapterOf<TestShape, TestFigure> {
 public:
  using CATAdapterOf::CATAdapterOf;
  int Area() const override;
};

class FigureCorners : public CATAdapterOf<TestCorners, TestFigure> {
 public:
  using CATAdapterOf::CATAdapterOf;
  int Corners() const override;
};

class FigureLabel : public CATAdapterOf<TestLabel, TestFigure> {
 public:
  using CATAdapterOf::CATAdapterOf;
  const char* Label() const override { return "figure"; }
};

// A maker that fails, as when memory runs out.
CATBaseUnknown* FailingMaker(CATBaseUnknown*) {
  return nullptr;
}

// A maker that asks its component for corners before it makes the label,
// as an adapter that holds another interface of its component would; the
// corners it was given are kept here.
void* g_corners_seen = nullptr;
CATBaseUnknown* LabelAfterCorners(CATBaseUnknown* object) {
  if (SUCCEEDED(object->QueryInterface(IID_TestCorners, &g_corners_seen))) {
    static_cast<CATBaseUnknown*>(g_corners_seen)->Release();
  }
  return CATNewAdapter<FigureLabel>(object);
}

const CATInterfaceEntry kSquareInterfaces[] = {{&IID_TestShape, &CATNewAdapter<FigureShape>},
                                               {&IID_TestCorners, &CATNewAdapter<FigureCorners>},
                                               {&IID_TestLabel, &CATNewAdapter<FigureLabel>}};
const CATInterfaceEntry kCircleInterfaces[] = {{&IID_TestShape, &CATNewAdapter<FigureShape>}};

class TestFigure : public CATComponent {
  CATDeclareClass;

 public:
  TestFigure(const CATInterfaceEntry* interfaces, int count, int area, int corners)
      : CATComponent(interfaces, count), area(area), corners(corners) {}
  const int area;
  const int corners;
};
CATImplementClass(TestFigure, CATComponentMainClass, CATBaseUnknown, CATNull)

TestFigure* NewSquare() {
  return new TestFigure(kSquareInterfaces, 3, 4, 4);
}
TestFigure* NewCircle() {
  return new TestFigure(kCircleInterfaces, 1, 3, 0);
}

int FigureShape::Area() const {
  return Object()->area;
}
int FigureCorners::Corners() const {
  return Object()->corners;
}

// An extension that offers a label to every figure through the dictionary.
class TestFigureLabelExt : public CATBaseUnknown {
  CATDeclareClass;
};
CATImplementClass(TestFigureLabelExt, CATDataExtensionClass, CATBaseUnknown, TestFigure)

class TIETestLabel : public CATTie<TestLabel, TestFigureLabelExt> {
 public:
  using CATTie::CATTie;
  const char* Label() const override { return "extension"; }
};

CATBaseUnknown* CreateTIETestLabelTestFigureLabelExt(CATBaseUnknown* object, void* hostData) {
  return CATCreateAdapter<TIETestLabel>(object, hostData);
}

}  // namespace cathandle_test

namespace {

using namespace cathandle_test;

// References held on `object`, read without changing them.
ULONG References(CATBaseUnknown* object) {
  object->AddRef();
  return object->Release();
}

typedef CATHandle<TestShape> TestShape_var;
typedef CATHandle<TestCorners> TestCorners_var;
typedef CATHandle<TestLabel> TestLabel_var;

class CATHandleTest : public testing::Test {
 protected:
  void SetUp() override { live_before_ = CATBaseUnknown::LiveObjectCount(); }
  // Every test must give back every reference it took, failures included.
  void TearDown() override { EXPECT_EQ(CATBaseUnknown::LiveObjectCount(), live_before_); }

 private:
  long live_before_ = 0;
};

TEST_F(CATHandleTest, HandleKeepsTheComponentAliveUntilItGoes) {
  const long live_before = CATBaseUnknown::LiveObjectCount();
  TestFigure* circle = NewCircle();
  {
    TestShape_var shape(circle);
    EXPECT_EQ(References(circle), 2u) << "the handle holds the component";
    circle->Release();  // the creator's reference
    EXPECT_EQ(CATBaseUnknown::LiveObjectCount(), live_before + 1)
        << "the component; its adapter is part of it";
    EXPECT_EQ(shape->Area(), 3);
  }
  EXPECT_EQ(CATBaseUnknown::LiveObjectCount(), live_before);
}

TEST_F(CATHandleTest, CopiesAddAndAssignmentsMoveReferences) {
  // An adapter's references are its component's: each count below is the
  // creator's reference and the handles'.
  TestFigure* square = NewSquare();
  TestFigure* circle = NewCircle();
  {
    TestShape_var first(square);
    TestShape* square_shape = first;
    TestShape_var copy(first);
    EXPECT_EQ(References(square_shape), 3u) << "a copy adds a reference";
    EXPECT_EQ(static_cast<TestShape*>(TestShape_var(square)), square_shape)
        << "asked again, the component gives the adapter it made";
    copy = circle;
    EXPECT_EQ(References(square), 2u);
    TestShape* circle_shape = copy;
    copy = copy;  // self-assignment keeps the reference
    EXPECT_EQ(References(circle_shape), 2u);
    TestShape_var moved(std::move(copy));
    EXPECT_TRUE(!copy);
    first = moved;  // drops the square's reference
    EXPECT_EQ(References(circle), 3u);
    EXPECT_EQ(References(square), 1u);
    first.Clear();
    EXPECT_TRUE(!first);
    EXPECT_EQ(References(circle), 2u);
  }
  EXPECT_EQ(References(square), 1u);
  EXPECT_EQ(References(circle), 1u);
  square->Release();
  circle->Release();
}

TEST_F(CATHandleTest, AdaptersHandedOutOutliveAChangeOfTheSet) {
  TestFigure* circle = NewCircle();
  {
    TestShape_var shape(circle);
    circle->AddInterface(IID_TestShape, &CATNewAdapter<FigureShape>);
    const TestShape_var again(circle);
    EXPECT_NE(static_cast<TestShape*>(again), static_cast<TestShape*>(shape))
        << "the new set makes its own adapter";
    circle->RemoveInterface(IID_TestShape);
    EXPECT_TRUE(!TestShape_var(circle));
    EXPECT_EQ(shape->Area(), 3) << "an adapter handed out before still answers";
    EXPECT_EQ(again->Area(), 3);
    EXPECT_EQ(References(circle), 3u);
  }
  circle->Release();
}

TEST_F(CATHandleTest, EachInterfaceGivesItsKeptAdapterUntilTheSetChanges) {
  TestFigure* square = NewSquare();
  square->AddInterface(IID_TestLabel, &LabelAfterCorners);
  {
    struct Made {
      TestLabel* label;
      TestCorners* corners;
      TestShape* shape;
    };
    const auto ask = [square] {
      // The label first: its maker keeps the corners' adapter meanwhile.
      return Made{TestLabel_var(square), TestCorners_var(square), TestShape_var(square)};
    };
    const Made first = ask();
    const Made again = ask();
    EXPECT_EQ(again.label, first.label);
    EXPECT_EQ(static_cast<void*>(first.corners), g_corners_seen) << "kept while the label was made";
    EXPECT_EQ(again.corners, first.corners);
    EXPECT_EQ(again.shape, first.shape);
    square->AddInterface(IID_TestShape, &CATNewAdapter<FigureShape>);
    const Made changed = ask();
    EXPECT_NE(changed.label, first.label) << "every interface makes a new adapter";
    EXPECT_NE(changed.corners, first.corners);
    EXPECT_NE(changed.shape, first.shape);
    const Made kept = ask();
    EXPECT_EQ(kept.label, changed.label);
    EXPECT_EQ(kept.corners, changed.corners);
    EXPECT_EQ(kept.shape, changed.shape);
    EXPECT_EQ(first.label->Label(), std::string("figure")) << "the first ones still answer";
    EXPECT_EQ(References(square), 1u);
  }
  square->Release();
}

TEST_F(CATHandleTest, EveryInterfaceIsReachedFromEveryOther) {
  TestFigure* square = NewSquare();
  {
    TestShape_var shape(square);
    square->Release();
    TestCorners_var corners(shape);
    TestLabel_var label(corners);
    ASSERT_FALSE(!shape);
    ASSERT_FALSE(!corners);
    ASSERT_FALSE(!label);
    EXPECT_EQ(TestShape_var(label)->Area(), 4);
    EXPECT_EQ(TestCorners_var(label)->Corners(), 4);
    EXPECT_STREQ(TestLabel_var(shape)->Label(), "figure");
    EXPECT_STREQ(label->IsA(), "TestFigure") << "an adapter answers for its component";
    EXPECT_EQ(label->IsAKindOf("CATBaseUnknown"), 1);

    // Identity: every interface leads to the component.
    EXPECT_TRUE(shape == corners);
    EXPECT_TRUE(corners == label);
    EXPECT_TRUE(CATBaseUnknown_var(label) == shape);
    void* identity = nullptr;
    ASSERT_EQ(label->QueryInterface(IID_CATBaseUnknown, &identity), S_OK);
    EXPECT_EQ(identity, static_cast<void*>(static_cast<CATBaseUnknown*>(square)));
    static_cast<CATBaseUnknown*>(identity)->Release();
  }
}

TEST_F(CATHandleTest, EqualityIsIdentityOfTheComponent) {
  TestFigure* square = NewSquare();
  TestFigure* other = NewSquare();
  {
    TestShape_var shape(square);
    EXPECT_TRUE(shape == TestShape_var(square)) << "two adapters of one interface";
    EXPECT_TRUE(shape != TestShape_var(other));
    EXPECT_TRUE(shape != TestCorners_var(other));
    EXPECT_TRUE(TestShape_var() == TestCorners_var());
    EXPECT_TRUE(shape != TestShape_var());
  }
  square->Release();
  other->Release();
}

TEST_F(CATHandleTest, InterfacesCanDifferPerObject) {
  TestFigure* square = NewSquare();
  TestFigure* circle = NewCircle();
  TestFigure* anonymous = NewSquare();
  anonymous->RemoveInterface(IID_TestLabel);
  TestFigure* failing = NewSquare();
  failing->AddInterface(IID_TestCorners, &FailingMaker);
  {
    EXPECT_TRUE(!TestCorners_var(circle)) << "not in the kind's table";
    EXPECT_FALSE(!TestLabel_var(square));
    EXPECT_TRUE(!TestLabel_var(anonymous)) << "removed from this object only";
    EXPECT_FALSE(anonymous->OffersInterface(IID_TestLabel));
    EXPECT_FALSE(!TestShape_var(anonymous));

    circle->AddInterface(IID_TestCorners, &CATNewAdapter<FigureCorners>);
    EXPECT_EQ(TestCorners_var(circle)->Corners(), 0) << "added to this circle";
    EXPECT_TRUE(!CATAdoptHandle<TestCorners>(NewCircle())) << "other circles keep their set";

    void* out = &out;
    EXPECT_EQ(failing->QueryInterface(IID_TestCorners, &out), E_OUTOFMEMORY);
    EXPECT_EQ(out, nullptr);
    out = &out;
    EXPECT_EQ(anonymous->QueryInterface(IID_TestLabel, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(References(anonymous), 1u) << "a refused query takes no reference";
  }
  for (TestFigure* figure : {square, circle, anonymous, failing}) figure->Release();
}

// A kind's table may change where it lies (a kind given one more
// interface, a maker replaced): objects made afterwards follow the table as
// it is, those made before keep what they had, and a table that comes back
// to an earlier content offers that content again.
TEST_F(CATHandleTest, ObjectsFollowTheirTableAsItIsWhenTheyAreMade) {
  CATInterfaceEntry table[] = {{&IID_TestShape, &CATNewAdapter<FigureShape>},
                               {&IID_TestCorners, &CATNewAdapter<FigureCorners>},
                               {&IID_TestShape, &FailingMaker}};
  const auto make = [&table](int count) { return new TestFigure(table, count, 1, 3); };
  TestFigure* shape_only = make(1);
  TestFigure* with_corners = make(2);
  TestFigure* failing_shape = make(3);  // named twice: first place, last maker
  table[1].make = &FailingMaker;
  TestFigure* failing_corners = make(2);
  table[1].make = &CATNewAdapter<FigureCorners>;
  TestFigure* corners_again = make(2);
  {
    EXPECT_TRUE(!TestCorners_var(shape_only));
    EXPECT_EQ(TestCorners_var(with_corners)->Corners(), 3);
    EXPECT_TRUE(!TestShape_var(failing_shape));
    EXPECT_EQ(TestCorners_var(failing_shape)->Corners(), 3);
    EXPECT_TRUE(!TestCorners_var(failing_corners));
    EXPECT_EQ(TestCorners_var(corners_again)->Corners(), 3);
    EXPECT_EQ(corners_again->InterfaceSet(), with_corners->InterfaceSet());
    EXPECT_NE(failing_corners->InterfaceSet(), with_corners->InterfaceSet());
  }
  for (TestFigure* figure :
       {shape_only, with_corners, failing_shape, failing_corners, corners_again}) {
    figure->Release();
  }
}

TEST_F(CATHandleTest, DictionaryExtensionsServeWhatTheSetLacksUnlessRemoved) {
  const CATFillDictionary entry("TestFigureLabelExt", IID_TestLabel,
                                &CreateTIETestLabelTestFigureLabelExt);
  TestFigure* circle = NewCircle();
  TestFigure* square = NewSquare();
  TestFigure* anonymous = NewSquare();
  anonymous->RemoveInterface(IID_TestLabel);
  {
    EXPECT_STREQ(TestLabel_var(circle)->Label(), "extension");
    EXPECT_STREQ(TestLabel_var(square)->Label(), "figure") << "the object's own set comes first";
    EXPECT_TRUE(!TestLabel_var(anonymous));
    EXPECT_TRUE(TestLabel_var(circle) == TestShape_var(circle));
  }
  for (TestFigure* figure : {circle, square, anonymous}) figure->Release();
}

TEST_F(CATHandleTest, ListsOfHandlesReleaseTheirElements) {
  TestFigure* circle = NewCircle();
  {
    CATListValCATBaseUnknown_var list;
    list.Append(circle);
    list.Append(circle);
    EXPECT_EQ(References(circle), 3u);
    EXPECT_EQ(list.Locate(CATBaseUnknown_var(circle)), 1);
    EXPECT_EQ(list.RemoveDuplicates(), 1);
    EXPECT_EQ(References(circle), 2u);
    CATListValCATBaseUnknown_var copy(list);
    EXPECT_EQ(References(circle), 3u);
    list.RemoveAll();
    EXPECT_EQ(References(circle), 2u);
  }
  EXPECT_EQ(References(circle), 1u);
  circle->Release();
}

}  // namespace
