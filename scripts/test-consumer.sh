#!/usr/bin/env bash
# Installs a built preset into build/<preset>-install and builds and runs the
# consumer project of tests/consumer against that installation, the way an
# outside project uses the package (find_package, imported targets).
#
#   scripts/test-consumer.sh [preset]      (default: "default")
#
# For "windows" the consumer is cross-built with the same toolchain and run
# under Wine with the installation's bin folder on the DLL search path.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
preset="${1:-default}"
build="${root}/build/${preset}"
prefix="${root}/build/${preset}-install"
consumer_build="${root}/build/${preset}-consumer"

rm -rf "${prefix}" "${consumer_build}"
cmake --install "${build}" --prefix "${prefix}" >/dev/null

configure_args=(-S "${root}/tests/consumer" -B "${consumer_build}" -G Ninja
  -DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [[ "${preset}" == windows ]]; then
  # The toolchain searches only its own root, so the package is named directly.
  configure_args+=(-DCMAKE_TOOLCHAIN_FILE="${root}/cmake/mingw-w64-x86_64.cmake"
    -DAXOCorServices_DIR="${prefix}/lib/cmake/AXOCorServices")
  # Wine's PATH for DLLs: the installed DLLs and the C++ runtime beside them.
  export WINEPATH="Z:${prefix//\//\\}\\bin"
else
  configure_args+=(-DCMAKE_PREFIX_PATH="${prefix}")
fi

cmake "${configure_args[@]}" >/dev/null
cmake --build "${consumer_build}"
ctest --test-dir "${consumer_build}" --output-on-failure
