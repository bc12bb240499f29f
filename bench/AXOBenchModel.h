#ifndef AXOBenchModel_h
#define AXOBenchModel_h

// The model of the host that a benchmark runs on. There is one session in
// the process, so one model at a time: the model is kept for the next run
// of a benchmark that asks for the same one (`key`) and built anew, by
// `build`, when another was made in between.

#include <functional>
#include <memory>
#include <string>

#include "CATTestModel.h"

inline CATTestModel& AXOBenchModel(const std::string& key,
                                   const std::function<void(CATTestModel&)>& build) {
  static std::unique_ptr<CATTestModel> model;
  static std::string built;
  if (model == nullptr || built != key) {
    model.reset();
    built.clear();
    // Counted only: a list of every object would slow each one made.
    model = std::make_unique<CATTestModel>(CATTestModel::Objects::kCountedOnly);
    build(*model);
    built = key;
  }
  return *model;
}

// Drops the kept model, for a benchmark that opens documents in the
// session itself.
inline void AXOBenchDropModel() {
  AXOBenchModel("", [](CATTestModel&) {});
}

#endif  // AXOBenchModel_h
