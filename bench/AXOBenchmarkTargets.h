#ifndef AXOBenchmarkTargets_h
#define AXOBenchmarkTargets_h

// Conventions of the benchmark suite, read by its main program
// (AXOBenchmarkRatios.cpp):
// - A hot path BM_<Name> is measured together with its floor or baseline,
//   BM_<Name>_Floor: the least work that gives the same result, written in
//   the benchmark file itself. The report prints each path's time as a ratio
//   to its floor, so that runs on different machines compare.
// - BM_<Name> states the ratio it must stay within with AXOSetRatioTarget.
// - A benchmark that times something outside its own process (a program it
//   starts) says so with AXOTimeByWallClock, on the path and on its floor:
//   its ratio then compares wall-clock times instead of processor times.

#include <benchmark/benchmark.h>

inline void AXOSetRatioTarget(benchmark::State& state, double target) {
  state.counters["target"] = target;
}

inline void AXOTimeByWallClock(benchmark::State& state) {
  state.counters["wall_clock"] = 1;
}

#endif  // AXOBenchmarkTargets_h
