# "axocor model": where its tests find the sample models. Included from the tool's CMakeLists.txt; the
# command's sources are globbed there.

set(AXO_SAMPLE_MODELS ${PROJECT_SOURCE_DIR}/examples/models)

if(AXO_BUILD_TESTS)
  target_compile_definitions(axocor_tests PRIVATE AXOCOR_SAMPLE_MODELS="${AXO_SAMPLE_MODELS}")
endif()
