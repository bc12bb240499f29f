#!/usr/bin/env bash
# Builds and runs every test of the project:
#   0. the format check (clang-format finds nothing to change), the host
#      contract check (scripts/check-host-contract.sh) and the check that
#      files are reached through the platform only (scripts/check-file-access.sh),
#   1. the native build ("default" preset; benchmarks built, not run),
#   2. the sanitizer build ("asan" preset: AddressSanitizer and UBSan),
#   3. the Windows build ("windows" preset, mingw-w64) with its tests under Wine,
#   4. the consumer project against the installed native and Windows packages,
#   5. the road test of one IFC export (tests/road) against the installed
#      native, sanitizer and Windows packages,
#   6. the fuzz targets, 20 s each (scripts/run-fuzz.sh; AXO_FUZZ_SECONDS
#      sets another time).
# Installs missing Debian packages first. Every stage runs even when an
# earlier one fails; the exit status is non-zero when any stage failed.
#
#   scripts/run-tests.sh
set -uo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "${root}"
jobs="${AXO_JOBS:-2}"
export CCACHE_BASEDIR="${root}" CCACHE_NOHASHDIR=true
# UBSan reports name the failing line; ASan stops at the first error anyway.
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

scripts/install-packages.sh tests || exit 1

log_dir="${root}/build/test-logs"
mkdir -p "${log_dir}"
failed_stages=()
total_passed=0
total_failed=0
start_time=${SECONDS}

# Runs one stage, shows its output, keeps CTest's counts.
stage() {
  local name="$1"
  shift
  local log="${log_dir}/${name}.log"
  local stage_start=${SECONDS}
  echo
  echo "=== ${name} ==="
  "$@" 2>&1 | tee "${log}"
  local status=${PIPESTATUS[0]}
  # "100% tests passed, 0 tests failed out of 12": field 4 failed, last total.
  local counts
  counts="$(awk '/^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+$/ \
                 { failed += $4; total += $NF } END { print total - failed, failed + 0 }' "${log}")"
  total_passed=$((total_passed + ${counts% *}))
  total_failed=$((total_failed + ${counts#* }))
  echo "=== ${name}: $([[ ${status} == 0 ]] && echo ok || echo FAILED) in $((SECONDS - stage_start)) s ==="
  [[ ${status} == 0 ]] || failed_stages+=("${name}")
}

# Configures, builds and tests one preset. The build goes on past a failing
# file and the tests of everything that built still run, so one fault does
# not hide the state of the rest; the stage fails when either step fails.
preset() {
  local name="$1"
  shift
  cmake --preset "${name}" "$@" || return 1
  local build_status=0
  cmake --build --preset "${name}" -j "${jobs}" -- -k 0 || build_status=$?
  ctest --preset "${name}" -j "${jobs}" || return 1
  return "${build_status}"
}

windows() {
  scripts/build-gtest-windows.sh && preset windows
}

stage format scripts/check-format.sh
stage contract scripts/check-host-contract.sh
stage files scripts/check-file-access.sh
stage native preset default -DAXO_BUILD_TESTS=ON -DAXO_BUILD_TOOLS=ON -DAXO_BUILD_BENCHMARKS=ON
stage sanitizers preset asan
stage windows windows
stage consumer-native scripts/test-installed.sh tests/consumer default
stage consumer-windows scripts/test-installed.sh tests/consumer windows
stage road-native scripts/test-installed.sh tests/road default
stage road-sanitizers scripts/test-installed.sh tests/road asan
stage road-windows scripts/test-installed.sh tests/road windows
scripts/wine-emulator.sh --stop
stage fuzz scripts/run-fuzz.sh

echo
echo "=== summary: $((SECONDS - start_time)) s ==="
if ((${#failed_stages[@]} > 0)); then
  echo "failed stages: ${failed_stages[*]}"
fi
echo "tests: ${total_passed} passed, ${total_failed} failed"
((${#failed_stages[@]} == 0))
