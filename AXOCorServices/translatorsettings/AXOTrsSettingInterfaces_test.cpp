// Every operation of the controllers' interfaces, called as a translator or
// the host's settings framework calls it: on the interface that the factory
// hands out. Each row names one operation and what its caller sees on a
// repository that holds a value of its own in every attribute, so that an
// operation that reached another one's implementation would show.
#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <sstream>
#include <string>

#include "AXOCorServices.h"
#include "AXOITrsDxfSettingAtt.h"
#include "AXOITrsIfcSettingAtt.h"
#include "CATCkeGlobalFunctions.h"
#include "CATICkeParmFactory.h"
#include "CATIIniSettingManagment.h"
#include "CATSettingInfo.h"
#include "CATSettingRepository.h"
#include "CATSettingRepositoryTesting.h"
#include "CATSettingTestFolder.h"

namespace {

// The out arguments a row's operation is given, each with a value that
// shows whether it was written.
struct Outs {
  ~Outs() { delete[] infos; }
  int integer = -1;
  double scale = -1.0;
  CATString word = "?";
  CATUnicodeString text = "?";
  CATICkeParm_var parm;
  CATSettingInfo info;
  CATSettingInfo* infos = nullptr;
  int count = -1;
};

// What the caller sees of the out arguments: those written, in a short form.
std::string Written(const Outs& o) {
  std::ostringstream s;
  if (o.integer != -1) s << ' ' << o.integer;
  if (o.scale != -1.0) s << ' ' << o.scale;
  if (!(o.word == "?")) s << ' ' << o.word.CastToCharPtr();
  if (!(o.text == "?")) s << ' ' << o.text.ConvertToChar();
  if (!!o.parm) {
    s << ' ' << o.parm->Name().ConvertToChar() << '='
      << o.parm->Value()->AsString().ConvertToChar();
  }
  if (o.info.GetKey().GetLengthInChar() > 0) s << " info " << o.info.GetKey().CastToCharPtr();
  if (o.infos != nullptr) s << " infos " << o.count << ' ' << o.infos[0].GetKey().CastToCharPtr();
  return s.str();
}

// An attribute and the value it holds before each row: a number, or a text
// when there is one. (Either form of a number reads the other, and so do
// both kinds of text.)
struct Attribute {
  const char* key;
  int number;
  const char* text;
};

void Store(CATSettingRepository* repository, const Attribute& a) {
  const CATString text(a.text);
  if (a.text == nullptr) {
    repository->WriteSetting(a.key, &a.number);
  } else {
    repository->WriteSetting(a.key, &text);
  }
}

// " key=value" for an attribute that no longer holds its value (-1 or "?"
// when it holds none).
std::string Changed(CATSettingRepository* repository, const Attribute& a) {
  std::ostringstream s;
  if (a.text == nullptr) {
    int number = -1;
    repository->ReadSetting(a.key, &number);
    if (number != a.number) s << ' ' << a.key << '=' << number;
  } else {
    CATString text("?");
    repository->ReadSetting(a.key, &text);
    if (!(text == a.text)) s << ' ' << a.key << '=' << text.CastToCharPtr();
  }
  return s.str();
}

// True when every attribute is as at the repository's last commit.
bool Unmodified(CATSettingRepository* repository, const Attribute* begin, const Attribute* end) {
  for (const Attribute* a = begin; a != end; ++a) {
    CATSettingInfo info;
    if (repository->GetInfo(a->key, &info) != 0 || info.IsModified() != 0) return false;
  }
  return true;
}

template <class Interface>
struct Call {
  const char* operation;
  HRESULT (*call)(Interface&, Outs&);
  // The result, the out arguments written, the attributes changed.
  const char* seen;
};

// A row's operation with its arguments; `o` holds the out arguments.
// clang-format off
#define AXO_CALL(operation, ...) \
  #operation, [](Interface& s, [[maybe_unused]] Outs& o) { return s.operation(__VA_ARGS__); }
// clang-format on

class AXOTrsSettingInterfaces : public CATSettingTestFolder {
 protected:
  // Runs each row on a repository that holds `attributes` (written since
  // its last commit, nothing saved) and compares what the caller sees:
  // the result, the out arguments written, the attributes changed, then
  // "unmodified" when they are all as at the last commit and "saved" when
  // the repository's file was written.
  template <class Interface, std::size_t kRows, std::size_t kAttributes>
  void Check(HRESULT (*factory)(const GUID&, void**), const char* repositoryName,
             const Call<Interface> (&calls)[kRows], const Attribute (&attributes)[kAttributes]) {
    void* out = nullptr;
    ASSERT_EQ(factory(Interface::ClassId(), &out), S_OK);
    Interface* settings = static_cast<Interface*>(out);
    CATSettingRepository* repository = CATSettingRepository::GetRepository(repositoryName);
    for (const Call<Interface>& c : calls) {
      SCOPED_TRACE(c.operation);
      std::filesystem::remove(UserFile(repositoryName));
      CATSettingRepositoryTesting::ResetAll();
      for (const Attribute& a : attributes) Store(repository, a);
      Outs o;
      std::string seen = c.call(*settings, o) == S_OK ? "S_OK" : "E_FAIL";
      seen += Written(o);
      for (const Attribute& a : attributes) seen += Changed(repository, a);
      if (Unmodified(repository, std::begin(attributes), std::end(attributes))) {
        seen += " unmodified";
      }
      if (std::filesystem::exists(UserFile(repositoryName))) seen += " saved";
      EXPECT_EQ(seen, c.seen);
    }
    settings->Release();
  }

  static CATICkeParm_var Parm(CATICkeParm_var parm, const char* value) {
    parm->Valuate(value);
    return parm;
  }
  static CATICkeParmFactory_var Factory() { return CATCkeGlobalFunctions::GetVolatileFactory(); }
};

TEST_F(AXOTrsSettingInterfaces, EveryDxfOperationReachesItsOwn) {
  using Interface = AXOITrsDxfSettingAtt;
  const Attribute attributes[] = {
      {"UnitOfDxfFile", 3, nullptr},    {"ImportLayerToComp", 11, nullptr},
      {"FilePerSolid", 12, nullptr},    {"FilePerSurfaceMesh", 13, nullptr},
      {"ImportAsPartCGR", 14, nullptr}, {"CLDLimit", 15, nullptr},
  };
  const Call<Interface> calls[] = {
      {AXO_CALL(Initialize), "S_OK"},
      {AXO_CALL(GetUnitOfDxfFile, o.integer), "S_OK 3"},
      {AXO_CALL(IsUnitOfDxfFileEditable), "S_OK"},
      {AXO_CALL(GetUnitOfDxfFileInfo, &o.infos, &o.count), "S_OK infos 1 UnitOfDxfFile"},
      {AXO_CALL(SetUnitOfDxfFile, 4), "S_OK UnitOfDxfFile=4"},
      {AXO_CALL(SetUnitOfDxfFileLock), "E_FAIL"},
      {AXO_CALL(GetUnitOfDxfFileScale, o.scale), "S_OK 25.4"},
      {AXO_CALL(GetImportLayerToComp, o.integer), "S_OK 11"},
      {AXO_CALL(SetImportLayerToComp, 7), "S_OK ImportLayerToComp=7"},
      {AXO_CALL(GetFilePerSolid, o.integer), "S_OK 12"},
      {AXO_CALL(SetFilePerSolid, 7), "S_OK FilePerSolid=7"},
      {AXO_CALL(GetFilePerSurfaceMesh, o.integer), "S_OK 13"},
      {AXO_CALL(SetFilePerSurfaceMesh, 7), "S_OK FilePerSurfaceMesh=7"},
      {AXO_CALL(GetImportAsPartCGR, o.integer), "S_OK 14"},
      {AXO_CALL(SetImportAsPartCGR, 7), "S_OK ImportAsPartCGR=7"},
      {AXO_CALL(GetCLDLimit, o.integer), "S_OK 15"},
      {AXO_CALL(SetCLDLimit, 7), "S_OK CLDLimit=7"},
  };
  Check(&GetAXOTrsDxfSettingCtrl, "AXODxfUnitTypeElt", calls, attributes);

  // Of the operations without arguments, Initialize alone reads.
  AXOITrsDxfSettingAtt* settings = nullptr;
  ASSERT_EQ(GetAXOTrsDxfSettingCtrl(Interface::ClassId(), reinterpret_cast<void**>(&settings)),
            S_OK);
  CATSettingRepositoryTesting::RefuseReads("AXODxfUnitTypeElt", "CLDLimit", true);
  EXPECT_EQ(settings->Initialize(), E_FAIL);
  EXPECT_EQ(settings->IsUnitOfDxfFileEditable(), S_OK);
  settings->Release();
}

TEST_F(AXOTrsSettingInterfaces, EveryIfcOperationReachesItsOwn) {
  using Interface = AXOITrsIfcSettingAtt;
  const Attribute attributes[] = {
      {"CGRLimit", 11, nullptr},
      {"ExportAllBodiesSets", 12, nullptr},
      {"ExportStdPropSets", 13, nullptr},
      {"ExportAllPackages", 14, nullptr},
      {"ExportMapFileName", 0, "out.csv"},
      {"JoinLimit", 15, nullptr},
      {"DisjoinLimit", 16, nullptr},
      {"ImportPSet", 17, nullptr},
      {"SagFactor", 0, "2mm"},
      {"Angle", 0, "30deg"},
      {"Representation", 0, "Triangulated"},
      {"ExportOption", 0, "Surfacic"},
      {"BEPerPart", 0, "Single"},
      {"MaxBEPerPart", 18, nullptr},
      {"SectionCatalogName", 0, "IPE"},
      {"ImportMapFileName", 0, "in.csv"},
      {"ExportSpaceBoundaries", 19, nullptr},
      {"ExportGeoSetsAndBodies", 20, nullptr},
      {"ExportXRefs", 21, nullptr},
      {"ExportSATFiles", 22, nullptr},
      {"BrepOptNormalsOrientation", 23, nullptr},
      {"BrepOptMergeVertices", 24, nullptr},
      {"BrepOptDecimateTriangles", 25, nullptr},
  };
  const Call<Interface> calls[] = {
      {AXO_CALL(Initialize), "S_OK"},
      {AXO_CALL(GetCGRLimit, o.integer), "S_OK 11"},
      {AXO_CALL(GetCGRLimitParm, o.parm), "S_OK CGRLimit=11"},
      {AXO_CALL(SetCGRLimit, 7), "S_OK CGRLimit=7"},
      {AXO_CALL(SetCGRLimitParm, Factory()->CreateInteger("i", 8)), "S_OK CGRLimit=8"},
      {AXO_CALL(GetCGRLimitInfo, &o.info, 0), "S_OK info CGRLimit"},
      {AXO_CALL(GetExportAllBodiesSets, o.integer), "S_OK 12"},
      {AXO_CALL(SetExportAllBodiesSets, 7), "S_OK ExportAllBodiesSets=7"},
      {AXO_CALL(GetExportAllBodiesSetsInfo, &o.info, 0), "S_OK info ExportAllBodiesSets"},
      {AXO_CALL(GetExportStdPropSets, o.integer), "S_OK 13"},
      {AXO_CALL(SetExportStdPropSets, 7), "S_OK ExportStdPropSets=7"},
      {AXO_CALL(GetExportStdPropSetsInfo, &o.info, 0), "S_OK info ExportStdPropSets"},
      {AXO_CALL(GetExportAllPackages, o.integer), "S_OK 14"},
      {AXO_CALL(SetExportAllPackages, 7), "S_OK ExportAllPackages=7"},
      {AXO_CALL(GetExportAllPackagesInfo, &o.info, 0), "S_OK info ExportAllPackages"},
      {AXO_CALL(GetExportMapFileName, o.text), "S_OK out.csv"},
      {AXO_CALL(SetExportMapFileName, "new.csv"), "S_OK ExportMapFileName=new.csv"},
      {AXO_CALL(GetExportMapFileNameInfo, &o.info, 0), "S_OK info ExportMapFileName"},
      {AXO_CALL(GetJoinLimit, o.integer), "S_OK 15"},
      {AXO_CALL(GetJoinLimitParm, o.parm), "S_OK JoinLimit=15"},
      {AXO_CALL(SetJoinLimit, 7), "S_OK JoinLimit=7"},
      {AXO_CALL(SetJoinLimitParm, Factory()->CreateInteger("i", 8)), "S_OK JoinLimit=8"},
      {AXO_CALL(GetJoinLimitInfo, &o.info, 0), "S_OK info JoinLimit"},
      {AXO_CALL(GetDisjoinLimit, o.integer), "S_OK 16"},
      {AXO_CALL(GetDisjoinLimitParm, o.parm), "S_OK DisjoinLimit=16"},
      {AXO_CALL(SetDisjoinLimitParm, Factory()->CreateInteger("i", 88)), "S_OK DisjoinLimit=88"},
      {AXO_CALL(SetDisjoinLimit, 77), "S_OK DisjoinLimit=77"},
      {AXO_CALL(GetDisjoinLimitInfo, &o.info, 0), "S_OK info DisjoinLimit"},
      {AXO_CALL(GetImportPSet, o.integer), "S_OK 17"},
      {AXO_CALL(SetImportPSet, 7), "S_OK ImportPSet=7"},
      {AXO_CALL(GetSagFactorParm, o.parm), "S_OK Sag=2mm"},
      {AXO_CALL(SetSagFactorParm, Parm(Factory()->CreateLength("l", 0.0), "4mm")),
       "S_OK SagFactor=4mm"},
      {AXO_CALL(GetSagFactorInfo, &o.info, 0), "S_OK info SagFactor"},
      {AXO_CALL(GetAngleParm, o.parm), "S_OK Angle=30deg"},
      {AXO_CALL(SetAngleParm, Parm(Factory()->CreateAngle("a", 0.0), "90deg")), "S_OK Angle=90deg"},
      {AXO_CALL(GetAngleInfo, &o.info, 0), "S_OK info Angle"},
      {AXO_CALL(GetRepresentation, o.word), "S_OK BRep"},
      {AXO_CALL(SetRepresentation, "BRep"), "S_OK Representation=BRep"},
      {AXO_CALL(GetRepresentationInfo, &o.info, 0), "S_OK info Representation"},
      {AXO_CALL(GetExportOption, o.word), "S_OK Surfacic"},
      {AXO_CALL(SetExportOption, "Detailed"), "S_OK ExportOption=Detailed"},
      {AXO_CALL(GetExportOptionInfo, &o.info, 0), "S_OK info ExportOption"},
      {AXO_CALL(GetBEPerPart, o.word), "S_OK Single"},
      {AXO_CALL(SetBEPerPart, "Multiple"), "S_OK BEPerPart=Multiple"},
      {AXO_CALL(GetBEPerPartInfo, &o.info, 0), "S_OK info BEPerPart"},
      {AXO_CALL(GetMaxBEPerPart, o.integer), "S_OK 18"},
      {AXO_CALL(SetMaxBEPerPart, 7), "S_OK MaxBEPerPart=7"},
      {AXO_CALL(GetMaxBEPerPartInfo, &o.info, 0), "S_OK info MaxBEPerPart"},
      {AXO_CALL(GetSectionCatalogName, o.text), "S_OK IPE"},
      {AXO_CALL(SetSectionCatalogName, "HEA"), "S_OK SectionCatalogName=HEA"},
      {AXO_CALL(GetSectionCatalogNameInfo, &o.info, 0), "S_OK info SectionCatalogName"},
      {AXO_CALL(GetImportMapFileName, o.text), "S_OK in.csv"},
      {AXO_CALL(SetImportMapFileName, "new.csv"), "S_OK ImportMapFileName=new.csv"},
      {AXO_CALL(GetImportMapFileNameInfo, &o.info, 0), "S_OK info ImportMapFileName"},
      {AXO_CALL(GetExportSpaceBoundaries, o.integer), "S_OK 19"},
      {AXO_CALL(SetExportSpaceBoundaries, 7), "S_OK ExportSpaceBoundaries=7"},
      {AXO_CALL(GetExportSpaceBoundariesInfo, &o.info, 0), "S_OK info ExportSpaceBoundaries"},
      {AXO_CALL(GetExportGeoSetsAndBodies, o.integer), "S_OK 20"},
      {AXO_CALL(SetExportGeoSetsAndBodies, 7), "S_OK ExportGeoSetsAndBodies=7"},
      {AXO_CALL(GetExportGeoSetsAndBodiesInfo, &o.info, 0), "S_OK info ExportGeoSetsAndBodies"},
      {AXO_CALL(GetExportXRefs, o.integer), "S_OK 21"},
      {AXO_CALL(SetExportXRefs, 7), "S_OK ExportXRefs=7"},
      {AXO_CALL(GetExportXRefsInfo, &o.info, 0), "S_OK info ExportXRefs"},
      {AXO_CALL(GetExportSATFiles, o.integer), "S_OK 22"},
      {AXO_CALL(SetExportSATFiles, 7), "S_OK ExportSATFiles=7"},
      {AXO_CALL(GetExportSATFilesInfo, &o.info, 0), "S_OK info ExportSATFiles"},
      {AXO_CALL(GetBrepOptNormalsOrientation, o.integer), "S_OK 23"},
      {AXO_CALL(SetBrepOptNormalsOrientation, 7), "S_OK BrepOptNormalsOrientation=7"},
      {AXO_CALL(GetBrepOptNormalsOrientationInfo, &o.info, 0),
       "S_OK info BrepOptNormalsOrientation"},
      {AXO_CALL(GetBrepOptMergeVertices, o.integer), "S_OK 24"},
      {AXO_CALL(SetBrepOptMergeVertices, 7), "S_OK BrepOptMergeVertices=7"},
      {AXO_CALL(GetBrepOptMergeVerticesInfo, &o.info, 0), "S_OK info BrepOptMergeVertices"},
      {AXO_CALL(GetBrepOptDecimateTriangles, o.integer), "S_OK 25"},
      {AXO_CALL(SetBrepOptDecimateTriangles, 7), "S_OK BrepOptDecimateTriangles=7"},
      {AXO_CALL(GetBrepOptDecimateTrianglesInfo, &o.info, 0), "S_OK info BrepOptDecimateTriangles"},
  };
  Check(&GetAXOTrsIfcSettingCtrl, "AXOIfcExport", calls, attributes);
}

// The management operations change the current values, the reference
// state that a rollback returns to, or the saved file: each in its own way.
TEST_F(AXOTrsSettingInterfaces, EveryManagementOperationReachesItsOwn) {
  using Interface = CATIIniSettingManagment;
  WriteFile(UseAdminFolder("admin") / "AXODxfUnitTypeElt.axosettings",
            "CATSettings 1\nCLDLimit\tint\t3\n");
  const Attribute attributes[] = {{"CLDLimit", 2, nullptr}};
  const Call<Interface> calls[] = {
      {AXO_CALL(Commit), "S_OK unmodified"},
      {AXO_CALL(ResetToAdminValues), "S_OK CLDLimit=3"},
      {AXO_CALL(Rollback), "S_OK CLDLimit=-1 unmodified"},
      {AXO_CALL(SaveRepository), "S_OK saved"},
  };
  Check(&GetAXOTrsDxfSettingCtrl, "AXODxfUnitTypeElt", calls, attributes);
}

}  // namespace
