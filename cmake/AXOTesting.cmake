# axo_add_test_executable(name SOURCES ... LIBS ...)
# One GoogleTest executable per folder; its tests are registered with CTest.
function(axo_add_test_executable name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  if(NOT ARG_SOURCES)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  # Helpers shared by the tests of every folder (temporary folders ...).
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/testing)
  axo_set_warnings(${name})
  if(CMAKE_CROSSCOMPILING)
    # Under an emulator one CTest entry per executable keeps the run short.
    add_test(NAME ${name} COMMAND ${name})
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 120)
  endif()
endfunction()
