# "axocor model": where its tests find the sample models, and the SVG
# renderer that shows the plan's drawing as a user sees it. Included from
# the tool's CMakeLists.txt; the command's sources are globbed there.

set(AXO_SAMPLE_MODELS ${PROJECT_SOURCE_DIR}/examples/models)

if(AXO_BUILD_TESTS)
  target_compile_definitions(axocor_tests PRIVATE AXOCOR_SAMPLE_MODELS="${AXO_SAMPLE_MODELS}")
  # The renderer runs only where the build runs; its PNG is read with zlib.
  # Without either the rendering test says why it is skipped.
  set(renderer_missing "")
  if(CMAKE_CROSSCOMPILING)
    set(renderer_missing "a cross build, where no SVG renderer runs")
  else()
    find_program(AXO_SVG_RENDERER rsvg-convert)
    find_package(ZLIB)
    if(NOT AXO_SVG_RENDERER)
      set(renderer_missing
          "rsvg-convert (Debian package librsvg2-bin) was not found when the build was configured")
    elseif(NOT ZLIB_FOUND)
      set(renderer_missing
          "zlib (Debian package zlib1g-dev), which reads the rendered image, was not found")
    endif()
  endif()
  if(renderer_missing)
    target_compile_definitions(axocor_tests PRIVATE
                               AXOCOR_SVG_RENDERER_MISSING="${renderer_missing}")
  else()
    target_compile_definitions(axocor_tests PRIVATE AXOCOR_SVG_RENDERER="${AXO_SVG_RENDERER}")
    target_link_libraries(axocor_tests PRIVATE ZLIB::ZLIB)
  endif()
endif()
