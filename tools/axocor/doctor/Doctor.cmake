# "axocor doctor": where it finds the sample installation, the sample's
# installation, and the tests that run the tool on it. Included from the
# tool's CMakeLists.txt; the doctor's sources are globbed there.

set(AXO_SAMPLE_INSTALLATION ${PROJECT_SOURCE_DIR}/examples/install)
set(AXO_INSTALLED_SAMPLE_INSTALLATION ${CMAKE_INSTALL_FULL_DATADIR}/axocor/sample-install)
# The tool names the installed sample only: it carries no path of the sources.
target_compile_definitions(axocor_commands PRIVATE
  AXOCOR_INSTALLED_SAMPLE_INSTALLATION="${AXO_INSTALLED_SAMPLE_INSTALLATION}")
install(DIRECTORY ${AXO_SAMPLE_INSTALLATION}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/axocor/sample-install)

if(AXO_BUILD_TESTS)
  target_compile_definitions(axocor_tests PRIVATE
    AXOCOR_SAMPLE_INSTALLATION="${AXO_SAMPLE_INSTALLATION}")

  # The tool as a user runs it: on the sample, exactly the one fault left in
  # on purpose, in text and in JSON, with a non-zero exit status.
  set(doctor_check ${CMAKE_CURRENT_LIST_DIR}/DoctorToolCheck.cmake)
  foreach(format text json)
    add_test(NAME axocor.doctor.sample.${format}
      COMMAND ${CMAKE_COMMAND} -DFORMAT=${format} "-DEMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}"
              -DTOOL=$<TARGET_FILE:axocor> -DSAMPLE=${AXO_SAMPLE_INSTALLATION} -P ${doctor_check})
  endforeach()
  # Without an option: the process's own installation when it sets a host
  # variable, else a word on how to check the sample, and exit status 2.
  set(host_variables CATStartupPath CATCollectionStandard CATDefaultCollectionStandard
      CATGraphicPath CATUserSettingPath CATReferenceSettingPath)
  list(TRANSFORM host_variables APPEND "=unset:" OUTPUT_VARIABLE unset_host_variables)
  add_test(NAME axocor.doctor.unset COMMAND axocor doctor)
  set_tests_properties(axocor.doctor.unset PROPERTIES
    ENVIRONMENT_MODIFICATION "${unset_host_variables}"
    PASS_REGULAR_EXPRESSION "axocor: error: none of the host's variables is set.*--root")
  add_test(NAME axocor.doctor.unset.exits COMMAND axocor doctor)
  set_tests_properties(axocor.doctor.unset.exits PROPERTIES
    ENVIRONMENT_MODIFICATION "${unset_host_variables}" WILL_FAIL TRUE)
  add_test(NAME axocor.doctor.current COMMAND axocor doctor)
  set_tests_properties(axocor.doctor.current PROPERTIES
    ENVIRONMENT_MODIFICATION "${unset_host_variables};CATStartupPath=set:${AXO_SAMPLE_INSTALLATION}/startup/main"
    PASS_REGULAR_EXPRESSION "the installation of the current environment.*CATGraphicPath: not set")
  add_test(NAME axocor.doctor.help COMMAND axocor doctor --help)
  set_tests_properties(axocor.doctor.help PROPERTIES
    PASS_REGULAR_EXPRESSION "Examples:.*axocor doctor --env")
  # A file that is not an environment file: the error names file and line
  # (its first line, "# ...", reads as a comment), and the exit status is 2.
  add_test(NAME axocor.doctor.bad-env COMMAND axocor doctor --env ${AXO_SAMPLE_INSTALLATION}/README.md)
  set_tests_properties(axocor.doctor.bad-env PROPERTIES
    PASS_REGULAR_EXPRESSION "axocor: error: .*README.md:3: expected VAR=value")
  add_test(NAME axocor.doctor.bad-env.exits
    COMMAND axocor doctor --root ${AXO_SAMPLE_INSTALLATION}/no-such-folder)
  set_tests_properties(axocor.doctor.bad-env.exits PROPERTIES WILL_FAIL TRUE)
endif()
