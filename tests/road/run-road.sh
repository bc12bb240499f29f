#!/usr/bin/env bash
# Installs a built preset of the project into build/<preset>-install and
# builds and runs the road test of tests/road against that installation:
#
#   tests/road/run-road.sh [default|asan|windows]      (default: "default")
#
# "asan" builds the road test with the sanitizer flags of that preset;
# "windows" cross-builds it with the mingw-w64 toolchain and runs it under
# Wine with the installation's DLLs on the search path. The preset must have
# been built first (cmake --build --preset <preset>).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
preset="${1:-default}"
build="${root}/build/${preset}"
prefix="${root}/build/${preset}-install"
road_build="${root}/build/${preset}-road"

rm -rf "${prefix}" "${road_build}"
cmake --install "${build}" --prefix "${prefix}" >/dev/null

configure_args=(-S "${root}/tests/road" -B "${road_build}" -G Ninja)
case "${preset}" in
  windows)
    configure_args+=(-DCMAKE_BUILD_TYPE=RelWithDebInfo
      -DCMAKE_TOOLCHAIN_FILE="${root}/cmake/mingw-w64-x86_64.cmake"
      -DAXOCorServices_DIR="${prefix}/lib/cmake/AXOCorServices"
      -DGTest_DIR="${root}/build/deps/googletest-windows/lib/cmake/GTest")
    export WINEPATH="Z:${prefix//\//\\}\\bin"
    ;;
  asan)
    sanitize="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
    configure_args+=(-DCMAKE_BUILD_TYPE=Debug -DCMAKE_PREFIX_PATH="${prefix}"
      -DCMAKE_CXX_FLAGS="${sanitize}" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined")
    ;;
  *)
    configure_args+=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_PREFIX_PATH="${prefix}")
    ;;
esac

cmake "${configure_args[@]}" >/dev/null
cmake --build "${road_build}"
ctest --test-dir "${road_build}" --output-on-failure
