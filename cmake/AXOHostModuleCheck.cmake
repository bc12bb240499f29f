# Checks the boundaries of the host stand-in's modules (HOST/AXOHostModules.cmake):
# each module is listed after those it depends on; a module's code includes no private header (src/) of another module, and
# no header of a module that it does not depend on, directly or through
# others. Tests (*_test.cpp) may include the headers of any module but not
# another's private ones. Headers are named by their bare names, which are
# unique across the stand-in.
#
#   include(AXOHostModuleCheck.cmake) then axo_check_host_modules(HOST)
#     at configure time, or
#   cmake -DHOST=<folder> -P AXOHostModuleCheck.cmake
#     as a test; either fails with one line per faulty include.
if(CMAKE_SCRIPT_MODE_FILE)
  cmake_minimum_required(VERSION 3.25)
endif()

# Sets `out` to `module` and every module it depends on, directly or not.
function(axo_host_module_closure module out)
  set(closure ${module})
  set(pending ${AXO_HOST_DEPENDS_${module}})
  while(pending)
    list(POP_FRONT pending next)
    if(NOT next IN_LIST closure)
      list(APPEND closure ${next})
      list(APPEND pending ${AXO_HOST_DEPENDS_${next}})
    endif()
  endwhile()
  set(${out} ${closure} PARENT_SCOPE)
endfunction()

function(axo_check_host_modules host)
  include(${host}/AXOHostModules.cmake)
  # Where each header lies: HEADER_<name> is "<module>;<folder>".
  foreach(module IN LISTS AXO_HOST_MODULES)
    foreach(folder include standin testing internal src)
      file(GLOB headers RELATIVE ${host}/${module}/${folder} ${host}/${module}/${folder}/*.h)
      foreach(header IN LISTS headers)
        set(HEADER_${header} ${module} ${folder})
      endforeach()
    endforeach()
  endforeach()
  set(faults)
  # Each module comes after the modules it depends on.
  set(listed)
  foreach(module IN LISTS AXO_HOST_MODULES)
    foreach(dependency IN LISTS AXO_HOST_DEPENDS_${module})
      if(NOT dependency IN_LIST listed)
        list(APPEND faults "module ${module} is listed before ${dependency}, which it depends on")
      endif()
    endforeach()
    list(APPEND listed ${module})
  endforeach()
  foreach(module IN LISTS AXO_HOST_MODULES)
    axo_host_module_closure(${module} reachable)
    file(GLOB_RECURSE files RELATIVE ${host} ${host}/${module}/*.h ${host}/${module}/*.cpp)
    foreach(file IN LISTS files)
      file(STRINGS ${host}/${file} includes REGEX "^#include \"[^\"]+\"")
      foreach(line IN LISTS includes)
        string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" header "${line}")
        if(NOT DEFINED HEADER_${header})
          continue()  # a header outside the stand-in (platform, generated)
        endif()
        list(GET HEADER_${header} 0 owner)
        list(GET HEADER_${header} 1 folder)
        if(owner STREQUAL module)
          continue()
        elseif(folder STREQUAL "src")
          list(APPEND faults "${file} includes ${header}, a private header of module ${owner}")
        elseif(NOT file MATCHES "_test\\.cpp$" AND NOT owner IN_LIST reachable)
          list(APPEND faults
               "${file} includes ${header} of module ${owner}, which ${module} does not depend on")
        endif()
      endforeach()
    endforeach()
  endforeach()
  if(faults)
    list(JOIN faults "\n  " text)
    message(FATAL_ERROR "Host modules cross their boundaries:\n  ${text}")
  endif()
endfunction()

if(CMAKE_SCRIPT_MODE_FILE AND HOST)
  axo_check_host_modules(${HOST})
endif()
