#!/usr/bin/env bash
# Builds GoogleTest and GoogleMock for Windows from Debian's source package
# (libgtest-dev ships it in /usr/src/googletest) with the project's mingw-w64
# toolchain, and installs them into build/deps/googletest-windows, where the
# "windows" preset's GTest_DIR points. Does nothing when already installed.
#
# The toolchain searches only the mingw root for packages, so a system-wide
# GoogleTest (built for Linux) is never picked up by mistake.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source_dir=/usr/src/googletest
work="${root}/build/deps/googletest-windows-build"
prefix="${root}/build/deps/googletest-windows"

if [[ -f "${prefix}/lib/cmake/GTest/GTestConfig.cmake" ]]; then
  exit 0
fi
if [[ ! -f "${source_dir}/CMakeLists.txt" ]]; then
  echo "build-gtest-windows: ${source_dir} is missing (install libgtest-dev)" >&2
  exit 1
fi

cmake -S "${source_dir}" -B "${work}" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="${root}/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="${prefix}" \
  -DBUILD_GMOCK=ON -DINSTALL_GTEST=ON -Dgtest_force_shared_crt=ON \
  -DCMAKE_CXX_FLAGS="-w" >/dev/null
cmake --build "${work}" -j "${AXO_JOBS:-2}"
cmake --install "${work}" >/dev/null
rm -rf "${work}"
echo "build-gtest-windows: installed GoogleTest for Windows in ${prefix}"
