# CLI11, header-only (Debian package libcli11-dev), as the target
# CLI11::CLI11: the tool's commands parse their arguments with it.
include_guard(GLOBAL)
find_package(CLI11 CONFIG QUIET)
if(NOT TARGET CLI11::CLI11)
  # A cross build takes the build machine's copy and searches it after the
  # toolchain's own headers, which it must not shadow.
  find_path(AXO_CLI11_INCLUDE_DIR CLI/CLI.hpp NO_CMAKE_FIND_ROOT_PATH)
  if(NOT AXO_CLI11_INCLUDE_DIR)
    message(FATAL_ERROR "CLI11 not found (Debian package libcli11-dev)")
  endif()
  add_library(CLI11::CLI11 INTERFACE IMPORTED GLOBAL)
  target_compile_options(CLI11::CLI11 INTERFACE -idirafter ${AXO_CLI11_INCLUDE_DIR})
endif()
