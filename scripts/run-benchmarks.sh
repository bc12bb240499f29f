#!/usr/bin/env bash
# Builds the benchmarks (default preset, optimised with debug information)
# and runs them pinned to one processor core, each benchmark repeated in a
# random order among the others; ends with the table of every hot path
# against its floor: now, floor, ratio and target (medians of the
# repetitions). Prints the machine and date first, for the README's table.
#
#   scripts/run-benchmarks.sh [BENCHMARK OPTIONS...]
#     AXO_BENCH_CORE         the core to run on (default: the last one)
#     AXO_BENCH_REPETITIONS  repetitions of each benchmark (default: 9)
#   e.g. scripts/run-benchmarks.sh --benchmark_filter=Guid
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "${root}"
export CCACHE_BASEDIR="${root}" CCACHE_NOHASHDIR=true

scripts/install-packages.sh tests
cmake --preset default -DAXO_BUILD_TOOLS=ON -DAXO_BUILD_BENCHMARKS=ON >/dev/null
cmake --build --preset default -j "${AXO_JOBS:-2}" --target axo_benchmarks

core="${AXO_BENCH_CORE:-$(($(nproc) - 1))}"
echo
echo "machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//'), $(nproc) cores; core ${core}"
echo "date:    $(date -u '+%Y-%m-%d %H:%M UTC'); load average $(cut -d' ' -f1-3 /proc/loadavg)"
exec taskset -c "${core}" build/default/bin/axo_benchmarks \
  --benchmark_repetitions="${AXO_BENCH_REPETITIONS:-9}" \
  --benchmark_enable_random_interleaving=true \
  --benchmark_report_aggregates_only=true "$@"
