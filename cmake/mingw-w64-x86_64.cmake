# Cross-compiling for 64-bit Windows with Debian's mingw-w64 toolchain.
#
# The "posix" thread variant is used: its libstdc++ has std::thread and
# std::mutex, which GoogleTest needs. Executables run on Linux through
# scripts/wine-emulator.sh (set as CMAKE_CROSSCOMPILING_EMULATOR), so CTest
# runs the Windows tests under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(AXO_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${AXO_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${AXO_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${AXO_MINGW_TRIPLE}-windres)

# Libraries and headers come from the toolchain's own root only; programs
# (cmake, the emulator) from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${AXO_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-emulator.sh)
