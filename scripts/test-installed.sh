#!/usr/bin/env bash
# Installs a built preset into build/<preset>-install and builds and runs an
# outside project against that installation, the way an outside project uses
# the package (find_package, imported targets):
#
#   scripts/test-installed.sh PROJECT [default|asan|windows]
#
# PROJECT is a folder with a CMake project, such as tests/consumer or
# tests/road. "asan" builds it with the sanitizer flags of that preset;
# "windows" cross-builds it with the mingw-w64 toolchain and runs it under
# Wine with the installation's DLLs on the search path. The preset must have
# been built first (cmake --build --preset <preset>).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
project="$(cd "${1:?usage: test-installed.sh PROJECT [preset]}" && pwd)"
preset="${2:-default}"
build="${root}/build/${preset}"
prefix="${root}/build/${preset}-install"
project_build="${root}/build/${preset}-$(basename "${project}")"

rm -rf "${prefix}" "${project_build}"
cmake --install "${build}" --prefix "${prefix}" >/dev/null

configure_args=(-S "${project}" -B "${project_build}" -G Ninja)
case "${preset}" in
  windows)
    # The toolchain searches only its own root, so the packages are named directly.
    configure_args+=(-DCMAKE_BUILD_TYPE=RelWithDebInfo
      -DCMAKE_TOOLCHAIN_FILE="${root}/cmake/mingw-w64-x86_64.cmake"
      -DAXOCorServices_DIR="${prefix}/lib/cmake/AXOCorServices"
      -DGTest_DIR="${root}/build/deps/googletest-windows/lib/cmake/GTest")
    # Wine's PATH for DLLs: the installed DLLs and the C++ runtime beside them.
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
cmake --build "${project_build}"
ctest --test-dir "${project_build}" --output-on-failure
