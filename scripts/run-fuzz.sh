#!/usr/bin/env bash
# Builds the fuzz targets ("fuzz" preset: clang, libFuzzer, AddressSanitizer
# and UBSan) and runs each for a bounded time, starting from its seed corpus
# (fuzz/corpus/<name>/, which holds the inputs of fixed findings too) with
# its dictionary (fuzz/<name>.dict). Fails when a target breaks a property,
# crashes, leaks, hangs (10 s for one input) or cannot be built; the input
# is kept in build/fuzz-findings/<name>/. Inputs that reached new code are
# kept between runs in build/fuzz-corpus/<name>/.
#
#   scripts/run-fuzz.sh                  every target, 20 s each
#   scripts/run-fuzz.sh 600 paths        one target for ten minutes
#   AXO_FUZZ_SECONDS=60 scripts/run-fuzz.sh
set -uo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "${root}"
seconds="${AXO_FUZZ_SECONDS:-20}"
if [[ $# -gt 0 && "$1" =~ ^[0-9]+$ ]]; then
  seconds="$1"
  shift
fi
export CCACHE_BASEDIR="${root}" CCACHE_NOHASHDIR=true
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# The targets that write files sync each one; a memory file system keeps
# that cheap.
if [[ -d /dev/shm && -w /dev/shm ]]; then
  export TMPDIR=/dev/shm
fi

cmake --preset fuzz >/dev/null || exit 1
cmake --build --preset fuzz -j "${AXO_JOBS:-2}" || exit 1

targets=("$@")
if ((${#targets[@]} == 0)); then
  for source in fuzz/*_fuzz.cpp; do
    name="$(basename "${source}" _fuzz.cpp)"
    targets+=("${name}")
  done
fi

failed=()
summary=()
for name in "${targets[@]}"; do
  program="build/fuzz/bin/${name}_fuzz"
  if [[ ! -x "${program}" ]]; then
    echo "run-fuzz: no target ${name}" >&2
    failed+=("${name}")
    continue
  fi
  work="build/fuzz-corpus/${name}"
  findings="build/fuzz-findings/${name}"
  mkdir -p "${work}" "${findings}"
  options=(-max_total_time="${seconds}" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
           -artifact_prefix="${findings}/")
  [[ -f "fuzz/${name}.dict" ]] && options+=(-dict="fuzz/${name}.dict")
  seeds=()
  [[ -d "fuzz/corpus/${name}" ]] && seeds=("fuzz/corpus/${name}")
  echo "=== ${name}: ${seconds} s ==="
  log="${findings}/last-run.log"
  "${program}" "${options[@]}" "${work}" "${seeds[@]}" >"${log}" 2>&1
  status=$?
  runs="$(awk '/stat::number_of_executed_units:/ { print $2 }' "${log}" | tail -n 1)"
  if [[ ${status} == 0 ]]; then
    summary+=("${name}: ${runs:-?} inputs, no finding")
  else
    tail -n 40 "${log}"
    summary+=("${name}: FINDING after ${runs:-?} inputs (see ${findings}/)")
    failed+=("${name}")
  fi
done

echo
printf '%s\n' "${summary[@]}"
if ((${#failed[@]} > 0)); then
  echo "run-fuzz: failed: ${failed[*]}"
  exit 1
fi
