# nlohmann/json, header-only (Debian package nlohmann-json3-dev), as the
# target nlohmann_json::nlohmann_json: the tool's JSON output is written
# with it.
include_guard(GLOBAL)
find_package(nlohmann_json CONFIG QUIET)
if(NOT TARGET nlohmann_json::nlohmann_json)
  # Taken as CLI11 is (AXOCli11.cmake).
  find_path(AXO_NLOHMANN_JSON_INCLUDE_DIR nlohmann/json.hpp NO_CMAKE_FIND_ROOT_PATH)
  if(NOT AXO_NLOHMANN_JSON_INCLUDE_DIR)
    message(FATAL_ERROR "nlohmann/json.hpp not found (Debian package nlohmann-json3-dev)")
  endif()
  add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED GLOBAL)
  target_compile_options(nlohmann_json::nlohmann_json INTERFACE
                         -idirafter ${AXO_NLOHMANN_JSON_INCLUDE_DIR})
endif()
