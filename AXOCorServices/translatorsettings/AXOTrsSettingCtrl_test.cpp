// The controllers as their callers see them: created once per process by
// the factories, with their two interfaces, each on its own repository.
#include <gtest/gtest.h>

#include "AXOCorServices.h"
#include "AXOITrsDxfSettingAtt.h"
#include "AXOITrsIfcSettingAtt.h"
#include "CATIIniSettingManagment.h"
#include "CATSettingRepository.h"
#include "CATSettingRepositoryTesting.h"
#include "translatorsettings/AXOTrsTestProcess.h"

namespace {

const char kDxfRepository[] = "AXODxfUnitTypeElt";
const char kIfcRepository[] = "AXOIfcExport";
const IID IID_Unknown = {0xdeadbeef, 0x1, 0x2, {3, 4, 5, 6, 7, 8, 9, 10}};

// Objects that a created controller keeps alive: the controller and its two
// extensions.
const long kControllerObjects = 3;

typedef HRESULT (*Factory)(const GUID&, void**);

template <class I>
I* Get(Factory factory, HRESULT expected = S_OK) {
  void* out = nullptr;
  EXPECT_EQ(factory(I::ClassId(), &out), expected);
  return static_cast<I*>(out);
}

void WriteInteger(const char* repository, const char* key, int value) {
  CATSettingRepository::GetRepository(repository, 0, 1, nullptr)->WriteSetting(key, &value, 1, 0);
}

class AXOTrsSettingCtrl : public AXOTrsProcessTest {
 protected:
  int sentinel_ = 0;  // an out pointer aimed here must not be changed
};

TEST_F(AXOTrsSettingCtrl, FirstCallCreatesInitialisesAndCommitsOnce) {
  if (RunInNewProcess()) return;
  const long baseline = CATBaseUnknown::LiveObjectCount();
  WriteInteger(kDxfRepository, "CLDLimit", 10);  // the state the creation commits

  AXOITrsDxfSettingAtt* settings = Get<AXOITrsDxfSettingAtt>(&GetAXOTrsDxfSettingCtrl);
  ASSERT_NE(settings, nullptr);
  EXPECT_EQ(CATBaseUnknown::LiveObjectCount(), baseline + kControllerObjects + 1);
  EXPECT_STREQ(settings->IsA(), "AXOTrsDxfSettingCtrl");
  EXPECT_EQ(settings->SetCLDLimit(20), S_OK);

  // A read that Initialize could not do no longer matters: the later call
  // finds the controller and neither reads nor commits.
  CATSettingRepositoryTesting::RefuseReads(kDxfRepository, "CLDLimit", true);
  CATIIniSettingManagment* management = Get<CATIIniSettingManagment>(&GetAXOTrsDxfSettingCtrl);
  ASSERT_NE(management, nullptr);
  CATSettingRepositoryTesting::RefuseReads(kDxfRepository, "CLDLimit", false);
  EXPECT_TRUE(CATIsSameObject(settings, management));

  EXPECT_EQ(management->Rollback(), S_OK);
  int limit = 0;
  EXPECT_EQ(settings->GetCLDLimit(limit), S_OK);
  EXPECT_EQ(limit, 10);

  settings->Release();
  management->Release();
  EXPECT_EQ(CATBaseUnknown::LiveObjectCount(), baseline + kControllerObjects);
}

TEST_F(AXOTrsSettingCtrl, ManagementAskedFirstCreatesTheControllerToo) {
  if (RunInNewProcess()) return;
  const long baseline = CATBaseUnknown::LiveObjectCount();
  WriteInteger(kIfcRepository, "CGRLimit", 700);
  CATIIniSettingManagment* first = Get<CATIIniSettingManagment>(&GetAXOTrsIfcSettingCtrl);
  ASSERT_NE(first, nullptr);
  CATIIniSettingManagment* second = Get<CATIIniSettingManagment>(&GetAXOTrsIfcSettingCtrl);
  ASSERT_NE(second, nullptr);
  EXPECT_TRUE(CATIsSameObject(first, second));

  AXOITrsIfcSettingAtt* settings = Get<AXOITrsIfcSettingAtt>(&GetAXOTrsIfcSettingCtrl);
  ASSERT_NE(settings, nullptr);
  EXPECT_EQ(settings->SetCGRLimit(800), S_OK);
  EXPECT_EQ(second->Rollback(), S_OK);  // back to the commit of the creation
  int limit = 0;
  EXPECT_EQ(settings->GetCGRLimit(limit), S_OK);
  EXPECT_EQ(limit, 700);

  settings->Release();
  first->Release();
  second->Release();
  EXPECT_EQ(CATBaseUnknown::LiveObjectCount(), baseline + kControllerObjects);
}

TEST_F(AXOTrsSettingCtrl, NullOutPointerFailsAndCreatesNothing) {
  if (RunInNewProcess()) return;
  const long baseline = CATBaseUnknown::LiveObjectCount();
  EXPECT_EQ(GetAXOTrsDxfSettingCtrl(IID_AXOITrsDxfSettingAtt, nullptr), E_FAIL);
  EXPECT_EQ(GetAXOTrsIfcSettingCtrl(IID_CATIIniSettingManagment, nullptr), E_FAIL);
  EXPECT_EQ(CATBaseUnknown::LiveObjectCount(), baseline);
}

// Each way the creation can fail: the factory answers E_FAIL on every call,
// leaves the out pointer alone and keeps nothing; once the cause is gone
// the next call creates the controller.
TEST_F(AXOTrsSettingCtrl, FailedCreationKeepsNothingAndIsTriedAgain) {
  if (RunInNewProcess()) return;
  struct Case {
    const char* what;
    void (*cause)();
    void (*cure)();
  } const cases[] = {
      {"repository unavailable",
       [] { CATSettingRepositoryTesting::SetUnavailable(kDxfRepository, true); },
       [] { CATSettingRepositoryTesting::SetUnavailable(kDxfRepository, false); }},
      {"Initialize cannot read CLDLimit",
       [] { CATSettingRepositoryTesting::RefuseReads(kDxfRepository, "CLDLimit", true); },
       [] { CATSettingRepositoryTesting::RefuseReads(kDxfRepository, "CLDLimit", false); }},
      {"nothing stored and the repository reports it",
       [] { CATSettingRepositoryTesting::SetStrictReads(kDxfRepository, true); },
       [] {
         for (const char* key : {"FilePerSolid", "FilePerSurfaceMesh", "ImportLayerToComp",
                                 "ImportAsPartCGR", "CLDLimit"}) {
           WriteInteger(kDxfRepository, key, 0);
         }
       }},
  };
  const long baseline = CATBaseUnknown::LiveObjectCount();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    c.cause();
    for (const IID* iid : {&IID_AXOITrsDxfSettingAtt, &IID_CATIIniSettingManagment}) {
      void* out = &sentinel_;
      EXPECT_EQ(GetAXOTrsDxfSettingCtrl(*iid, &out), E_FAIL);
      EXPECT_EQ(out, &sentinel_);
    }
    EXPECT_EQ(CATBaseUnknown::LiveObjectCount(), baseline);
    c.cure();
  }
  AXOITrsDxfSettingAtt* settings = Get<AXOITrsDxfSettingAtt>(&GetAXOTrsDxfSettingCtrl);
  ASSERT_NE(settings, nullptr);
  settings->Release();
  EXPECT_EQ(CATBaseUnknown::LiveObjectCount(), baseline + kControllerObjects);
}

// The creation's Commit may fail, and the interface asked for may be
// missing: the controller is made and kept all the same.
TEST_F(AXOTrsSettingCtrl, FailingCommitOrMissingInterfaceStillCreatesTheController) {
  if (RunInNewProcess()) return;
  const long baseline = CATBaseUnknown::LiveObjectCount();
  CATSettingRepositoryTesting::RefuseCommits(kIfcRepository, true);
  void* out = &sentinel_;
  EXPECT_EQ(GetAXOTrsIfcSettingCtrl(IID_Unknown, &out), E_NOINTERFACE);
  EXPECT_EQ(out, nullptr);
  EXPECT_EQ(GetAXOTrsIfcSettingCtrl(IID_AXOITrsDxfSettingAtt, &out), E_NOINTERFACE);
  EXPECT_EQ(CATBaseUnknown::LiveObjectCount(), baseline + kControllerObjects);

  // The kept controller serves the next call without a new Initialize.
  CATSettingRepositoryTesting::SetUnavailable(kIfcRepository, true);
  AXOITrsIfcSettingAtt* settings = Get<AXOITrsIfcSettingAtt>(&GetAXOTrsIfcSettingCtrl);
  ASSERT_NE(settings, nullptr);
  CATBaseUnknown* identity = nullptr;
  EXPECT_EQ(GetAXOTrsIfcSettingCtrl(IID_CATBaseUnknown, reinterpret_cast<void**>(&identity)), S_OK);
  EXPECT_TRUE(CATIsSameObject(identity, settings));
  identity->Release();
  settings->Release();
  EXPECT_EQ(CATBaseUnknown::LiveObjectCount(), baseline + kControllerObjects);
}

TEST_F(AXOTrsSettingCtrl, EachControllerSavesOnlyItsOwnRepository) {
  if (RunInNewProcess()) return;
  AXOITrsDxfSettingAtt* dxf = Get<AXOITrsDxfSettingAtt>(&GetAXOTrsDxfSettingCtrl);
  AXOITrsIfcSettingAtt* ifc = Get<AXOITrsIfcSettingAtt>(&GetAXOTrsIfcSettingCtrl);
  ASSERT_NE(dxf, nullptr);
  ASSERT_NE(ifc, nullptr);
  EXPECT_EQ(dxf->SetCLDLimit(1), S_OK);
  EXPECT_EQ(ifc->SetJoinLimit(2), S_OK);
  EXPECT_FALSE(std::filesystem::exists(UserFile(kDxfRepository)));  // setters never save

  CATIIniSettingManagment* dxf_management = Get<CATIIniSettingManagment>(&GetAXOTrsDxfSettingCtrl);
  ASSERT_NE(dxf_management, nullptr);
  EXPECT_EQ(dxf_management->SaveRepository(), S_OK);
  EXPECT_TRUE(std::filesystem::exists(UserFile(kDxfRepository)));
  EXPECT_FALSE(std::filesystem::exists(UserFile(kIfcRepository)));
  EXPECT_EQ(ReadFile(UserFile(kDxfRepository)),
            "CATSettings 2\nCLDLimit\tint\t1\nCATSettings end 1\n");

  CATIIniSettingManagment* ifc_management = Get<CATIIniSettingManagment>(&GetAXOTrsIfcSettingCtrl);
  ASSERT_NE(ifc_management, nullptr);
  EXPECT_FALSE(CATIsSameObject(dxf_management, ifc_management));
  EXPECT_EQ(ifc_management->SaveRepository(), S_OK);
  EXPECT_EQ(ReadFile(UserFile(kIfcRepository)),
            "CATSettings 2\nJoinLimit\tint\t2\nCATSettings end 1\n");

  dxf->Release();
  ifc->Release();
  dxf_management->Release();
  ifc_management->Release();
}

}  // namespace
