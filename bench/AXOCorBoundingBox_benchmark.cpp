// Cost of the bounding boxes of product structures, and of saving the parts
// of a deep one.
// - Instances: a product with 10,000 placed instances of 100 parts, each
//   part a body of two solids.
// - Chain: products nested `depth` levels deep, each holding two placed
//   instances of the next; the last holds two of a room part: depth + 2
//   distinct products and 2^(depth+1) placed rooms.
// The floor is the same box arithmetic over boxes and placements held in
// arrays: the parts' boxes are known, and each placed corner is computed
// once per instance listed.
#include <benchmark/benchmark.h>

#include <string>
#include <unordered_map>
#include <vector>

#include "AXOBenchModel.h"
#include "AXOBenchmarkTargets.h"
#include "AXOCorGeomServices.h"
#include "AXOCorGlobalServices.h"
#include "AXOICorProductSearch.h"
#include "AXOTestTempFolder.h"
#include "CATDocumentServices.h"
#include "CATIMovable.h"
#include "CATIProduct.h"
#include "CATIPrtPart.h"
#include "CATISpecObject.h"
#include "CATMathBox.h"

namespace {

CATMathTransformation Translation(double x, double y, double z) {
  const double rotation[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};
  const double translation[3] = {x, y, z};
  return CATMathTransformation(rotation, translation);
}

CATMathTransformation QuarterTurn(double x, double y) {
  const double rotation[9] = {0, -1, 0, 1, 0, 0, 0, 0, 1};
  const double translation[3] = {x, y, 0};
  return CATMathTransformation(rotation, translation);
}

// A part document "Room<index>" whose body holds a wall and a slab.
CATTestDocument RoomPart(CATTestModel& model, const std::string& folder, int index) {
  const CATTestDocument room =
      model.PartDocument((folder + "\\Room" + std::to_string(index) + ".CATPart").c_str());
  const CATTestNode body = model.Body(room.Part(), "Level 1");
  const double size = 1000 + index;
  model.Feature(body, "Wall.1", "Wall").Box({0, 0, 0}, {size, 200, 2700});
  model.Feature(body, "Slab.1", "Slab").Box({0, 0, -200}, {size, size, 0});
  return room;
}

// The box of `box` placed by `position`: its two corners placed.
CATMathBox Placed(const CATMathTransformation& position, const CATMathBox& box) {
  CATMathPoint low;
  CATMathPoint high;
  box.GetLowLimit(low);
  box.GetHighLimit(high);
  return CATMathBox(position * low, position * high, 1);
}

// ---- 10,000 instances of 100 parts ------------------------------------------------

constexpr int kParts = 100;

struct Instances {
  CATTestNode root;
  std::vector<int> part;  // of each instance
  std::vector<CATMathTransformation> positions;
  std::vector<CATMathBox> part_boxes;
};

const Instances& InstancesOf(int count) {
  static Instances made;
  AXOBenchModel("instances " + std::to_string(count), [count](CATTestModel& model) {
    made = Instances();
    std::vector<CATTestDocument> rooms;
    for (int i = 0; i < kParts; ++i) rooms.push_back(RoomPart(model, "c:\\Rooms", i));
    made.root = model.ProductDocument("c:\\Rooms\\Block.CATProduct").Product();
    for (int i = 0; i < count; ++i) {
      const int part = i % kParts;
      const CATMathTransformation position =
          i % 2 == 0 ? Translation(3000.0 * (i % 100), 3000.0 * (i / 100), 0)
                     : QuarterTurn(3000.0 * (i % 100), 3000.0 * (i / 100));
      model.Instance(made.root, rooms[part].Product(), ("Room." + std::to_string(i)).c_str())
          .Position(position);
      made.part.push_back(part);
      made.positions.push_back(position);
    }
    for (const CATTestDocument& room : rooms) {
      CATMathBox box;
      AXOCorGeomServices::GetBoundingBox(room.Part().Object(), box);
      made.part_boxes.push_back(box);
    }
  });
  return made;
}

void BM_BoundingBoxInstances(benchmark::State& state) {
  const CATBaseUnknown_var root = InstancesOf(static_cast<int>(state.range(0))).root.Object();
  for (auto _ : state) {
    CATMathBox box;
    AXOCorGeomServices::GetBoundingBox(root, box);
    benchmark::DoNotOptimize(box);
  }
  AXOSetRatioTarget(state, 3);
  AXOSetGrowthTarget(state, 1.1);
}

void BM_BoundingBoxInstances_Floor(benchmark::State& state) {
  const Instances& instances = InstancesOf(static_cast<int>(state.range(0)));
  CATMathBox expected;
  AXOCorGeomServices::GetBoundingBox(instances.root.Object(), expected);
  CATMathBox box;
  for (auto _ : state) {
    box = CATMathBox();
    for (std::size_t i = 0; i < instances.part.size(); ++i) {
      box.AddInside(Placed(instances.positions[i], instances.part_boxes[instances.part[i]]));
    }
    benchmark::DoNotOptimize(box);
  }
  if (box != expected) state.SkipWithError("the floor makes another box");
}

// The host's answers that any walk to the instances' box needs, with the
// floor's arithmetic: the products the search finds, each one's reference
// (by its identity) and position. No floor of a target: it shows how much
// of BM_BoundingBoxInstances is the host's.
void BM_BoundingBoxInstances_HostAnswers(benchmark::State& state) {
  const Instances& instances = InstancesOf(static_cast<int>(state.range(0)));
  const CATBaseUnknown_var root = instances.root.Object();
  // The parts' boxes by their reference's identity, the search's products
  // being the instances in their order.
  std::unordered_map<CATBaseUnknown*, CATMathBox> part_boxes;
  CATListValCATISpecObject_var listed;
  AXOICorProductSearch_var(root)->FindProducts(listed, 0);
  for (int i = 1; i <= listed.Size(); ++i) {
    const CATBaseUnknown_var reference(CATIProduct_var(listed[i])->GetReferenceProduct());
    part_boxes[reference] = instances.part_boxes[instances.part[static_cast<std::size_t>(i - 1)]];
  }
  CATMathBox expected;
  AXOCorGeomServices::GetBoundingBox(root, expected);
  CATMathBox box;
  for (auto _ : state) {
    box = CATMathBox();
    CATListValCATISpecObject_var found;
    AXOICorProductSearch_var(root)->FindProducts(found, 0);
    for (int i = 1; i <= found.Size(); ++i) {
      const CATIProduct_var product = found[i];
      const CATBaseUnknown_var reference(product->GetReferenceProduct());
      box.AddInside(Placed(CATIMovable_var(product)->GetPosition(), part_boxes[reference]));
    }
    benchmark::DoNotOptimize(box);
  }
  if (box != expected) state.SkipWithError("the host's answers make another box");
}

// ---- A chain of nested products -----------------------------------------------------

struct Chain {
  CATTestNode root;
  CATTestDocument room;
  CATMathBox room_box;
  CATMathTransformation first = Translation(0, 0, 0);
  CATMathTransformation second = QuarterTurn(5000, 0);
};

const Chain& ChainOf(int depth) {
  static Chain made;
  AXOBenchModel("chain " + std::to_string(depth), [depth](CATTestModel& model) {
    made = Chain();
    made.room = RoomPart(model, "c:\\Chain", 0);
    CATTestNode next = made.room.Product();
    for (int level = depth; level >= 0; --level) {
      const CATTestNode product =
          model
              .ProductDocument(("c:\\Chain\\Level" + std::to_string(level) + ".CATProduct").c_str())
              .Product();
      model.Instance(product, next, "First").Position(made.first);
      model.Instance(product, next, "Second").Position(made.second);
      next = product;
    }
    made.root = next;
    AXOCorGeomServices::GetBoundingBox(made.room.Part().Object(), made.room_box);
  });
  return made;
}

void BM_BoundingBoxChain(benchmark::State& state) {
  const CATBaseUnknown_var root = ChainOf(static_cast<int>(state.range(0))).root.Object();
  for (auto _ : state) {
    CATMathBox box;
    AXOCorGeomServices::GetBoundingBox(root, box);
    benchmark::DoNotOptimize(box);
  }
  AXOSetRatioTarget(state, 3);
}

// Each level's box made once from the two placed boxes of the level below.
void BM_BoundingBoxChain_Floor(benchmark::State& state) {
  const int depth = static_cast<int>(state.range(0));
  const Chain& chain = ChainOf(depth);
  CATMathBox expected;
  AXOCorGeomServices::GetBoundingBox(chain.root.Object(), expected);
  CATMathBox box;
  for (auto _ : state) {
    box = chain.room_box;
    for (int level = depth; level >= 0; --level) {
      CATMathBox upper = Placed(chain.first, box);
      upper.AddInside(Placed(chain.second, box));
      box = upper;
    }
    benchmark::DoNotOptimize(box);
  }
  if (box != expected) state.SkipWithError("the floor makes another box");
}

// Updates and saves the room part of the chain below its root, as the
// tool's save-part does; the floor is the same update and save without the
// search for the room's instance.
void SaveRoomPart(benchmark::State& state, bool findInstance) {
  const Chain& chain = ChainOf(static_cast<int>(state.range(0)));
  const AXOTestTempFolder folder;
  CATUnicodeString host = (folder.Host() + "\\").c_str();
  CATIPrtPart_var part = chain.room.Part();
  CATIProduct_var root = chain.root;
  for (auto _ : state) {
    if (findInstance) {
      if (AXOCorGlobalServices::UpdateAndSavePart(host, part, root, false) != S_OK) {
        state.SkipWithError("the part was not saved");
        break;
      }
      continue;
    }
    CATISpecObject_var(part)->Update(CATIDomain_var());
    CATDocumentServices::SaveAs(chain.room.Document(), host + "Room0.CATPart", "", 1);
  }
}

void BM_UpdateAndSavePartChain(benchmark::State& state) {
  SaveRoomPart(state, true);
  AXOSetRatioTarget(state, 2);
}
void BM_UpdateAndSavePartChain_Floor(benchmark::State& state) {
  SaveRoomPart(state, false);
}

}  // namespace

BENCHMARK(BM_BoundingBoxInstances)->Arg(1000)->Arg(10000);
BENCHMARK(BM_BoundingBoxInstances_Floor)->Arg(1000)->Arg(10000);
BENCHMARK(BM_BoundingBoxInstances_HostAnswers)->Arg(10000);
BENCHMARK(BM_BoundingBoxChain)->Arg(10)->Arg(20)->Arg(40);
BENCHMARK(BM_BoundingBoxChain_Floor)->Arg(10)->Arg(20)->Arg(40);
BENCHMARK(BM_UpdateAndSavePartChain)->Arg(40);
BENCHMARK(BM_UpdateAndSavePartChain_Floor)->Arg(40);
