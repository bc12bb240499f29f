# Compiles through ccache when it is installed and no launcher was chosen.
# Turn off with -DAXO_USE_CCACHE=OFF.
option(AXO_USE_CCACHE "Compile through ccache when it is found" ON)
if(AXO_USE_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
  find_program(AXO_CCACHE_PROGRAM ccache)
  if(AXO_CCACHE_PROGRAM)
    set(CMAKE_CXX_COMPILER_LAUNCHER ${AXO_CCACHE_PROGRAM})
  endif()
endif()
