#include <gtest/gtest.h>

#include "CATBaseUnknown.h"
#include "CATListOfCATBaseUnknown.h"

// Handles and reference counts, on two small interfaces: a square offers
// both, a circle only the shape.

namespace {

const IID IID_TestShape = {0x1, 0x2, 0x3, {1, 2, 3, 4, 5, 6, 7, 8}};
const IID IID_TestCorners = {0x1, 0x2, 0x3, {8, 7, 6, 5, 4, 3, 2, 1}};

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

// Answers `iid` with `object` (and a new reference) when it matches `own`.
bool Answer(CATBaseUnknown* object, const IID& own, const IID& iid, void** out) {
  if (!(iid == own)) return false;
  object->AddRef();
  *out = object;
  return true;
}

class TestCircle : public TestShape {
 public:
  HRESULT QueryInterface(const IID& iid, void** out) override {
    if (out != nullptr && Answer(this, IID_TestShape, iid, out)) return S_OK;
    return CATBaseUnknown::QueryInterface(iid, out);
  }
  int Area() const override { return 3; }
};

// A square: its corners interface is a second object of the same component,
// which forwards identity and reference counting to the square.
class TestSquare : public TestShape {
 public:
  TestSquare() : corners_(this) {}
  HRESULT QueryInterface(const IID& iid, void** out) override {
    if (out != nullptr && Answer(this, IID_TestShape, iid, out)) return S_OK;
    if (out != nullptr && iid == IID_TestCorners) {
      AddRef();
      *out = static_cast<TestCorners*>(&corners_);
      return S_OK;
    }
    return CATBaseUnknown::QueryInterface(iid, out);
  }
  int Area() const override { return 4; }

 private:
  class CornersFacet : public TestCorners {
   public:
    explicit CornersFacet(TestSquare* square) : square_(square) {}
    HRESULT QueryInterface(const IID& iid, void** out) override {
      return square_->QueryInterface(iid, out);
    }
    ULONG AddRef() override { return square_->AddRef(); }
    ULONG Release() override { return square_->Release(); }
    int Corners() const override { return 4; }

   private:
    TestSquare* square_;
  };
  CornersFacet corners_;
};

// References held on `object`, read without changing them.
ULONG References(CATBaseUnknown* object) {
  object->AddRef();
  return object->Release();
}

typedef CATHandle<TestShape> TestShape_var;
typedef CATHandle<TestCorners> TestCorners_var;

class CATHandleTest : public testing::Test {
 protected:
  void SetUp() override { live_before_ = CATBaseUnknown::LiveObjectCount(); }
  // Every test must give back every reference it took.
  void TearDown() override { EXPECT_EQ(CATBaseUnknown::LiveObjectCount(), live_before_); }

 private:
  long live_before_ = 0;
};

TEST_F(CATHandleTest, HandleKeepsTheObjectAliveUntilItGoes) {
  const long live_before = CATBaseUnknown::LiveObjectCount();
  TestCircle* circle = new TestCircle;
  {
    TestShape_var shape(circle);
    EXPECT_EQ(References(circle), 2u);
    circle->Release();  // the creator's reference
    EXPECT_EQ(CATBaseUnknown::LiveObjectCount(), live_before + 1);
    EXPECT_EQ(shape->Area(), 3);
  }
  EXPECT_EQ(CATBaseUnknown::LiveObjectCount(), live_before);
}

TEST_F(CATHandleTest, CopiesAddAndAssignmentsMoveReferences) {
  TestSquare* square = new TestSquare;
  TestCircle* circle = new TestCircle;
  {
    TestShape_var first(square);
    TestShape_var copy(first);
    EXPECT_EQ(References(square), 3u);
    copy = circle;
    EXPECT_EQ(References(square), 2u);
    EXPECT_EQ(References(circle), 2u);
    copy = copy;  // self-assignment keeps the reference
    EXPECT_EQ(References(circle), 2u);
    TestShape_var moved(std::move(copy));
    EXPECT_TRUE(!copy);
    EXPECT_EQ(References(circle), 2u);
    first = moved;
    EXPECT_EQ(References(square), 1u);
    EXPECT_EQ(References(circle), 3u);
    first.Clear();
    EXPECT_TRUE(!first);
    EXPECT_EQ(References(circle), 2u);
  }
  EXPECT_EQ(References(square), 1u);
  EXPECT_EQ(References(circle), 1u);
  square->Release();
  circle->Release();
}

TEST_F(CATHandleTest, HandleIsNullWhenTheObjectLacksTheInterface) {
  TestCircle* circle = new TestCircle;
  {
    CATBaseUnknown_var any(circle);
    TestCorners_var corners(any);
    EXPECT_TRUE(!corners);
    EXPECT_FALSE(!any);
    EXPECT_EQ(References(circle), 2u) << "a failed query takes no reference";
    TestCorners_var from_null(static_cast<TestShape*>(nullptr));
    EXPECT_TRUE(!from_null);
  }
  circle->Release();
}

TEST_F(CATHandleTest, EqualityIsIdentityOfTheObject) {
  TestSquare* square = new TestSquare;
  TestSquare* other = new TestSquare;
  {
    TestShape_var shape(square);
    TestCorners_var corners(shape);
    ASSERT_FALSE(!corners);
    EXPECT_EQ(corners->Corners(), 4);
    EXPECT_NE(static_cast<void*>(static_cast<TestCorners*>(corners)),
              static_cast<void*>(static_cast<TestShape*>(shape)));
    EXPECT_TRUE(shape == corners) << "two interfaces of one object";
    EXPECT_TRUE(CATBaseUnknown_var(corners) == shape);
    EXPECT_TRUE(shape != TestShape_var(other));
    EXPECT_TRUE(TestShape_var() == TestCorners_var());
    EXPECT_TRUE(shape != TestShape_var());
    EXPECT_EQ(References(square), 3u);
  }
  square->Release();
  other->Release();
}

TEST_F(CATHandleTest, ListsOfHandlesReleaseTheirElements) {
  TestCircle* circle = new TestCircle;
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
