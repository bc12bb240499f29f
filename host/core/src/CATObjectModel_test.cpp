// Meta-classes, the dictionary, adapters and the extensions they reach.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "CATDictionary.h"
#include "CATIniCleanerSettingCtrl.h"
#include "CATMetaClass.h"
#include "CATTie.h"

// The model's classes have external linkage, as real components do.
namespace catobjectmodel_test {

// ---- A small model: two components, two extensions, three interfaces ------

const IID IID_TestICounter = {0x1, 0x2, 0x3, {1, 2, 3, 4, 5, 6, 7, 8}};
const IID IID_TestIName = {0x1, 0x2, 0x3, {1, 2, 3, 4, 5, 6, 7, 9}};
const IID IID_TestIUnregistered = {0x1, 0x2, 0x3, {1, 2, 3, 4, 5, 6, 7, 10}};

class TestICounter : public CATBaseUnknown {
 public:
  static const IID& ClassId() { return IID_TestICounter; }
  virtual int Next() = 0;
};

class TestIName : public CATBaseUnknown {
 public:
  static const IID& ClassId() { return IID_TestIName; }
  virtual const char* Name() = 0;
};

class TestComponent : public CATBaseUnknown {
  CATDeclareClass;
};
CATImplementClass(TestComponent, CATComponentMainClass, CATBaseUnknown, CATNull)

class TestDerivedComponent : public TestComponent {
  CATDeclareClass;
};
CATImplementClass(TestDerivedComponent, CATComponentMainClass, TestComponent, CATNull)

class TestOtherComponent : public CATBaseUnknown {
  CATDeclareClass;
};
CATImplementClass(TestOtherComponent, CATComponentMainClass, CATBaseUnknown, CATNull)

class TestCounterExt : public CATBaseUnknown {
  CATDeclareClass;

 public:
  TestCounterExt() { ++made; }
  int Next() { return ++count_; }
  static int made;
  static int destroyed;

 protected:
  ~TestCounterExt() override { ++destroyed; }

 private:
  int count_ = 0;
};
CATImplementClass(TestCounterExt, CATDataExtensionClass, CATBaseUnknown, TestComponent)
int TestCounterExt::made = 0;
int TestCounterExt::destroyed = 0;

// Offers TestICounter to TestOtherComponent, counting from 101.
class TestOtherCounterExt : public CATBaseUnknown {
  CATDeclareClass;

 public:
  int Next() { return 100 + ++count_; }

 private:
  int count_ = 0;
};
CATImplementClass(TestOtherCounterExt, CATDataExtensionClass, CATBaseUnknown, TestOtherComponent)

class TestNameExt : public CATBaseUnknown {
  CATDeclareClass;

 public:
  const char* Name() { return "named"; }
};
CATImplementClass(TestNameExt, CATDataExtensionClass, CATBaseUnknown, TestComponent)

template <class E>
class TIETestICounter : public CATTie<TestICounter, E> {
 public:
  TIETestICounter(CATBaseUnknown* object, void* hostData)
      : CATTie<TestICounter, E>(object, hostData) {}
  int Next() override { return this->Extension()->Next(); }
};

template <class E>
class TIETestIName : public CATTie<TestIName, E> {
 public:
  TIETestIName(CATBaseUnknown* object, void* hostData) : CATTie<TestIName, E>(object, hostData) {}
  const char* Name() override { return this->Extension()->Name(); }
};

CATBaseUnknown* CreateTIETestICounterTestCounterExt(CATBaseUnknown* object, void* hostData) {
  return CATCreateAdapter<TIETestICounter<TestCounterExt>>(object, hostData);
}
CATBaseUnknown* CreateTIETestICounterTestOtherCounterExt(CATBaseUnknown* object, void* hostData) {
  return CATCreateAdapter<TIETestICounter<TestOtherCounterExt>>(object, hostData);
}
CATBaseUnknown* CreateTIETestINameTestNameExt(CATBaseUnknown* object, void* hostData) {
  return CATCreateAdapter<TIETestIName<TestNameExt>>(object, hostData);
}

const CATFillDictionary g_counter_entry("TestCounterExt", IID_TestICounter,
                                        &CreateTIETestICounterTestCounterExt);
const CATFillDictionary g_name_entry("TestNameExt", IID_TestIName, &CreateTIETestINameTestNameExt);

// QueryInterface for `iid`; checks that a failure leaves the out pointer null.
void* QueryIid(CATBaseUnknown* object, const IID& iid, HRESULT* result = nullptr) {
  static int not_null;
  void* out = &not_null;
  const HRESULT hr = object->QueryInterface(iid, &out);
  if (result != nullptr) *result = hr;
  if (FAILED(hr)) {
    EXPECT_EQ(out, nullptr);
  }
  return out;
}

template <class I>
I* Query(CATBaseUnknown* object, HRESULT* result = nullptr) {
  return static_cast<I*>(QueryIid(object, I::ClassId(), result));
}

}  // namespace catobjectmodel_test

namespace {

using namespace catobjectmodel_test;

// ---- Meta-classes -----------------------------------------------------------

TEST(CATMetaClass, AnswersKindBaseAndExtendedTypeByName) {
  const CATMetaClass* meta = CATMetaClass::Find("TestCounterExt");
  ASSERT_NE(meta, nullptr);
  EXPECT_EQ(meta, &TestCounterExt::MetaObject());
  EXPECT_EQ(meta->GetKind(), CATDataExtensionClass);
  EXPECT_STREQ(meta->GetBaseName(), "CATBaseUnknown");
  EXPECT_STREQ(meta->GetExtendedType(), "TestComponent");
  EXPECT_STREQ(TestComponent::MetaObject().GetExtendedType(), "CATNull");
  EXPECT_EQ(CATMetaClass::Find("NoSuchClass"), nullptr);
  EXPECT_EQ(CATMetaClass::Find(nullptr), nullptr);
}

TEST(CATMetaClass, IsAKindOfFollowsTheBases) {
  CATBaseUnknown* derived = new TestDerivedComponent();
  EXPECT_STREQ(derived->IsA(), "TestDerivedComponent");
  struct Case {
    const char* name;
    int expected;
  } const cases[] = {{"TestDerivedComponent", 1},
                     {"TestComponent", 1},
                     {"CATBaseUnknown", 1},
                     {"TestOtherComponent", 0},
                     {"TestCounterExt", 0},
                     {"CATNull", 0},
                     {"", 0},
                     {nullptr, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name != nullptr ? c.name : "(null)");
    EXPECT_EQ(derived->IsAKindOf(c.name), c.expected);
  }
  derived->Release();
}

TEST(CATMetaClass, ALaterDeclarationHidesTheFirstUntilItGoes) {
  const CATMetaClass* original = CATMetaClass::Find("TestNameExt");
  {
    const CATMetaClass replacement("TestNameExt", CATComponentMainClass, "CATBaseUnknown",
                                   "CATNull");
    EXPECT_EQ(CATMetaClass::Find("TestNameExt"), &replacement);
  }
  EXPECT_EQ(CATMetaClass::Find("TestNameExt"), original);
}

TEST(CATMetaClass, ACycleOfBasesEndsTheWalk) {
  const CATMetaClass first("TestCycleA", CATComponentMainClass, "TestCycleB", "CATNull");
  const CATMetaClass second("TestCycleB", CATComponentMainClass, "TestCycleA", "CATNull");
  EXPECT_TRUE(first.IsAKindOf("TestCycleB"));
  EXPECT_FALSE(first.IsAKindOf("Elsewhere"));
}

// ---- Dictionary and adapters --------------------------------------------------

TEST(CATObjectModel, OneExtensionPerComponentObjectServesEveryAdapter) {
  CATBaseUnknown* first = new TestComponent();
  CATBaseUnknown* second = new TestDerivedComponent();
  TestICounter* a = Query<TestICounter>(first);
  TestICounter* b = Query<TestICounter>(first);
  TestICounter* c = Query<TestICounter>(second);
  ASSERT_NE(a, nullptr);
  ASSERT_NE(b, nullptr);
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(a->Next(), 1);
  EXPECT_EQ(b->Next(), 2);  // the same extension behind both adapters
  EXPECT_EQ(c->Next(), 1);  // the other component's own extension
  a->Release();
  b->Release();
  c->Release();
  first->Release();
  second->Release();
}

TEST(CATObjectModel, AdaptersShareTheComponentsIdentityAndReachItsOtherInterfaces) {
  CATBaseUnknown* component = new TestComponent();
  CATHandle<TestICounter> counter(component);
  ASSERT_TRUE(!!counter);
  CATBaseUnknown* identity = Query<CATBaseUnknown>(counter);
  EXPECT_EQ(identity, component);
  identity->Release();
  EXPECT_EQ(Query<TestICounter>(counter), static_cast<TestICounter*>(counter));
  counter->Release();  // the reference that Query took

  CATHandle<TestIName> name(counter);
  ASSERT_TRUE(!!name);
  EXPECT_STREQ(name->Name(), "named");
  EXPECT_TRUE(name == counter);
  EXPECT_STREQ(name->IsA(), "TestComponent");
  EXPECT_TRUE(name->IsAKindOf("TestComponent"));

  HRESULT result = S_OK;
  EXPECT_EQ(QueryIid(name, IID_TestIUnregistered, &result), nullptr);
  EXPECT_EQ(result, E_NOINTERFACE);
  component->Release();
}

TEST(CATObjectModel, ComponentsWithoutTheExtensionLackTheInterface) {
  CATBaseUnknown* other = new TestOtherComponent();
  HRESULT result = S_OK;
  EXPECT_EQ(Query<TestICounter>(other, &result), nullptr);
  EXPECT_EQ(result, E_NOINTERFACE);
  // Called directly, the factory refuses what the extension does not extend.
  EXPECT_EQ(CreateTIETestICounterTestCounterExt(other, nullptr), nullptr);
  EXPECT_EQ(CreateTIETestICounterTestCounterExt(nullptr, nullptr), nullptr);
  other->Release();

  // An extension object is no component: it offers nothing through the
  // dictionary.
  CATBaseUnknown* component = new TestComponent();
  CATBaseUnknown* loose_extension = new TestCounterExt();
  EXPECT_EQ(Query<TestICounter>(loose_extension, &result), nullptr);
  loose_extension->Release();
  component->Release();
}

TEST(CATObjectModel, FactoryCalledDirectlyBindsTheComponentsOwnExtension) {
  CATBaseUnknown* component = new TestComponent();
  TestICounter* through_dictionary = Query<TestICounter>(component);
  CATBaseUnknown* made = CreateTIETestICounterTestCounterExt(through_dictionary, nullptr);
  ASSERT_NE(made, nullptr);
  TestICounter* direct = static_cast<TestICounter*>(made);
  EXPECT_EQ(through_dictionary->Next(), 1);
  EXPECT_EQ(direct->Next(), 2);
  direct->Release();
  through_dictionary->Release();
  component->Release();
}

TEST(CATObjectModel, ExtensionsLiveExactlyAsLongAsTheirComponent) {
  const long before = CATBaseUnknown::LiveObjectCount();
  const int destroyed_before = TestCounterExt::destroyed;
  const int made_before = TestCounterExt::made;

  CATBaseUnknown* component = new TestComponent();
  TestICounter* counter = Query<TestICounter>(component);
  TestICounter* again = Query<TestICounter>(component);
  EXPECT_EQ(CATBaseUnknown::LiveObjectCount(), before + 4);  // component, two adapters, extension
  EXPECT_EQ(TestCounterExt::made, made_before + 1);
  again->Release();

  component->Release();  // the adapter still holds the component
  EXPECT_EQ(counter->Next(), 1);
  EXPECT_EQ(TestCounterExt::destroyed, destroyed_before);
  counter->Release();
  EXPECT_EQ(TestCounterExt::destroyed, destroyed_before + 1);
  EXPECT_EQ(CATBaseUnknown::LiveObjectCount(), before);

  // A new component, possibly at the same address, starts without one.
  CATBaseUnknown* next = new TestComponent();
  counter = Query<TestICounter>(next);
  EXPECT_EQ(counter->Next(), 1);
  counter->Release();
  next->Release();
  EXPECT_EQ(CATBaseUnknown::LiveObjectCount(), before);
}

TEST(CATObjectModel, AFailedExtensionCreationKeepsNothing) {
  CATBaseUnknown* component = new TestComponent();
  const long before = CATBaseUnknown::LiveObjectCount();
  EXPECT_EQ(CATBindAdapter(
                component, "TestCounterExt", []() -> CATBaseUnknown* { return nullptr; }, nullptr),
            nullptr);
  EXPECT_EQ(CATBindAdapter(
                component, "NoSuchClass", []() -> CATBaseUnknown* { return nullptr; }, nullptr),
            nullptr);
  EXPECT_EQ(CATBaseUnknown::LiveObjectCount(), before);
  TestICounter* counter = Query<TestICounter>(component);
  ASSERT_NE(counter, nullptr);
  EXPECT_EQ(counter->Next(), 1);
  counter->Release();
  component->Release();
}

TEST(CATObjectModel, AnEntryOffersItsInterfaceOnlyWhileRegistered) {
  CATBaseUnknown* component = new TestComponent();
  {
    const CATFillDictionary entry("TestCounterExt", IID_TestIUnregistered,
                                  &CreateTIETestICounterTestCounterExt);
    void* adapter = QueryIid(component, IID_TestIUnregistered);
    ASSERT_NE(adapter, nullptr);
    static_cast<TestICounter*>(adapter)->Release();
  }
  HRESULT result = S_OK;
  EXPECT_EQ(QueryIid(component, IID_TestIUnregistered, &result), nullptr);
  EXPECT_EQ(result, E_NOINTERFACE);
  component->Release();
}

// What a new `component` answers to TestICounter's Next() asked as
// IID_TestIUnregistered: 1 from TestCounterExt, 101 from
// TestOtherCounterExt, 0 when refused.
int FirstCountOf(CATBaseUnknown* component) {
  HRESULT result = S_OK;
  auto* counter = static_cast<TestICounter*>(QueryIid(component, IID_TestIUnregistered, &result));
  component->Release();
  if (counter == nullptr) {
    EXPECT_EQ(result, E_NOINTERFACE);
    return 0;
  }
  const int count = counter->Next();
  counter->Release();
  return count;
}

// The entries of an interface are tried in the order registered, each for
// the components that its extension extends as declared at the time of the
// query.
TEST(CATObjectModel, TheFirstEntryWhoseExtensionExtendsTheComponentServesIt) {
  auto counter = std::make_unique<CATFillDictionary>("TestCounterExt", IID_TestIUnregistered,
                                                     &CreateTIETestICounterTestCounterExt);
  const CATFillDictionary other("TestOtherCounterExt", IID_TestIUnregistered,
                                &CreateTIETestICounterTestOtherCounterExt);
  std::unique_ptr<CATMetaClass> redeclared;
  const struct {
    const char* what;
    std::function<void()> step;
    int component, derived, other_component;
  } stages[] = {
      {"both registered", [] {}, 1, 1, 101},
      {"the second's extension declared again for the first's component",
       [&] {
         redeclared = std::make_unique<CATMetaClass>("TestOtherCounterExt", CATDataExtensionClass,
                                                     "CATBaseUnknown", "TestComponent");
       },
       1, 1, 0},
      {"that declaration gone, the first entry unregistered",
       [&] {
         redeclared.reset();
         counter.reset();
       },
       0, 0, 101},
  };
  for (const auto& s : stages) {
    SCOPED_TRACE(s.what);
    s.step();
    EXPECT_EQ(FirstCountOf(new TestComponent()), s.component);
    EXPECT_EQ(FirstCountOf(new TestDerivedComponent()), s.derived);
    EXPECT_EQ(FirstCountOf(new TestOtherComponent()), s.other_component);
  }
}

TEST(CATObjectModel, AFactoryRegisteredForAnotherExtensionIsRefused) {
  const CATFillDictionary wrong("TestNameExt", IID_TestIUnregistered,
                                &CreateTIETestICounterTestCounterExt);
  CATBaseUnknown* component = new TestComponent();
  const long before = CATBaseUnknown::LiveObjectCount();
  HRESULT result = S_OK;
  EXPECT_EQ(QueryIid(component, IID_TestIUnregistered, &result), nullptr);
  EXPECT_TRUE(FAILED(result));
  EXPECT_EQ(CATBaseUnknown::LiveObjectCount(), before);
  component->Release();
}

// ---- Controller holders -------------------------------------------------------

TEST(CATIniCleanerSettingCtrl, HoldsOneCountedReferenceUntilItDies) {
  const long before = CATBaseUnknown::LiveObjectCount();
  {
    CATIniCleanerSettingCtrl holder;
    EXPECT_EQ(holder.GetController(), nullptr);
    CATBaseUnknown* first = new TestComponent();
    holder.SetController(first);
    first->Release();  // the holder's reference keeps it
    CATBaseUnknown* got = holder.GetController();
    EXPECT_EQ(got, first);
    got->Release();
    EXPECT_EQ(CATBaseUnknown::LiveObjectCount(), before + 1);

    CATBaseUnknown* second = new TestComponent();
    holder.SetController(second);  // the first is released and dies
    second->Release();
    EXPECT_EQ(CATBaseUnknown::LiveObjectCount(), before + 1);
    holder.SetController(second = holder.GetController());  // the same again
    second->Release();
    EXPECT_EQ(CATBaseUnknown::LiveObjectCount(), before + 1);
  }
  EXPECT_EQ(CATBaseUnknown::LiveObjectCount(), before);
}

}  // namespace
