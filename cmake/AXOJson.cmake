# nlohmann/json, header-only (Debian package nlohmann-json3-dev). A cross
# build takes the build machine's copy and searches it after the
# toolchain's own headers, which it must not shadow.
#
#   axo_use_json(target [PUBLIC])   lets the target's sources (and, with
#                                   PUBLIC, its users') include <nlohmann/json.hpp>
include_guard(GLOBAL)
find_path(AXO_NLOHMANN_JSON_INCLUDE_DIR nlohmann/json.hpp NO_CMAKE_FIND_ROOT_PATH)
if(NOT AXO_NLOHMANN_JSON_INCLUDE_DIR)
  message(FATAL_ERROR "nlohmann/json.hpp not found (Debian package nlohmann-json3-dev)")
endif()

function(axo_use_json target)
  set(scope PRIVATE)
  if(ARGC GREATER 1)
    set(scope ${ARGV1})
  endif()
  target_compile_options(${target} ${scope} -idirafter ${AXO_NLOHMANN_JSON_INCLUDE_DIR})
endfunction()
