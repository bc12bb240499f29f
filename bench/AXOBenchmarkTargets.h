#ifndef AXOBenchmarkTargets_h
#define AXOBenchmarkTargets_h

// Conventions of the benchmark suite, read by its main program
// (AXOBenchmarkRatios.cpp):
// - A hot path BM_<Name> is measured together with its floor or baseline,
//   BM_<Name>_Floor: the least work that gives the same result, written in
//   the benchmark file itself. The report prints each path's time as a ratio
//   to its floor, so that runs on different machines compare.
// - A hot path may have other floors beside it, each named by its own
//   suffix: BM_<Name>_HostAnswers asks the host for what the operation
//   needs (the same queries in the same order, and the writing of the same
//   bytes) with none of the library's decisions; BM_<Name>_HostText makes
//   and reads the same host texts as the operation, with one hash lookup.
//   The report prints the path against each of its floors.
// - BM_<Name> states the ratio it must stay within with AXOSetRatioTarget,
//   and the floor that the ratio is taken against. A path without a target
//   is informational (the stand-in's own rows, BM_StandIn<What>, against
//   plain arithmetic over arrays).
// - A benchmark that times something outside its own process (a program it
//   starts) says so with AXOTimeByWallClock, on the path and on its floor:
//   its ratio then compares wall-clock times instead of processor times.
// - A growth row is the same benchmark at ten times the size of another
//   (first argument N and 10N, the rest alike): the report prints the
//   exponent of that growth, log10(time(10N) / time(N)), 1 being linear.
//   AXOSetGrowthTarget states the exponent a path must stay within.
// - A benchmark that reports its peak memory (AXOReportPeakMemory) gets it
//   printed beside its ratio, with its size relative to the data it read
//   when the benchmark gives that size.

#include <benchmark/benchmark.h>

// The floors a hot path is measured against, by the suffix of their names.
enum class AXOFloor { kFloor, kHostAnswers, kHostText };

inline void AXOSetRatioTarget(benchmark::State& state, double target,
                              AXOFloor against = AXOFloor::kFloor) {
  state.counters["target"] = target;
  state.counters["target_floor"] = static_cast<double>(against);
}

inline void AXOTimeByWallClock(benchmark::State& state) {
  state.counters["wall_clock"] = 1;
}

inline void AXOSetGrowthTarget(benchmark::State& state, double exponent) {
  state.counters["growth_target"] = exponent;
}

// `peakBytes`: the most memory the operation held above what was held
// before it; `dataBytes`: the size of its input (0: none to compare with);
// `targetRatio`: the most peak memory it may take per byte of input (0:
// none stated).
inline void AXOReportPeakMemory(benchmark::State& state, double peakBytes, double dataBytes,
                                double targetRatio = 0) {
  state.counters["peak_bytes"] = peakBytes;
  state.counters["data_bytes"] = dataBytes;
  state.counters["memory_target"] = targetRatio;
}

#endif  // AXOBenchmarkTargets_h
