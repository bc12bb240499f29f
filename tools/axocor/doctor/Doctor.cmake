# "axocor doctor": where it finds the sample installation, and the sample's
# installation. Included from the
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
endif()
