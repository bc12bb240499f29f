# axo_add_test_executable(name SOURCES ... LIBS ...)
# One GoogleTest executable per folder; its tests are registered with CTest.
function(axo_add_test_executable name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  if(NOT ARG_SOURCES)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} AXOPlatformTesting GTest::gtest
    GTest::gtest_main)
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

# axo_add_time_zone_tests(executable filter)
# Runs the tests of `executable` that match the GoogleTest `filter` once
# more under zones with daylight saving on both sides of UTC, one whose 1970
# offset differs from today's and one that moves its clocks by half an hour
# (zone data: Debian package tzdata). Native builds only.
function(axo_add_time_zone_tests executable filter)
  if(CMAKE_CROSSCOMPILING)
    return()
  endif()
  foreach(zone America/New_York Europe/Berlin Europe/London Australia/Lord_Howe)
    string(REPLACE "/" "_" zone_test "${executable}.time.${zone}")
    add_test(NAME ${zone_test} COMMAND ${executable} --gtest_filter=${filter})
    set_tests_properties(${zone_test} PROPERTIES ENVIRONMENT TZ=${zone})
  endforeach()
endfunction()
