# Installation: libraries, public and host headers, and a CMake package.
#
# A consumer writes
#   find_package(AXOCorServices CONFIG REQUIRED)
#   target_link_libraries(app PRIVATE AXOCorServices::AXOCorServices)
# and gets the host stand-in and the platform layer along with it; its tests
# add AXOCorServices::HostTesting for the model builder and the testing
# hooks. Headers go into include/AXOCorServices (the library's, the host's
# API and the platform's), include/AXOCorServices/standin (the stand-in's
# machinery) and include/AXOCorServices/testing (the test helpers); the
# targets name the folders they need.
include(CMakePackageConfigHelpers)

set(AXO_INSTALL_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/AXOCorServices)
set(AXO_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/AXOCorServices)
set(AXO_LIBRARY_TARGETS AXOPlatform AXOHostStandIn AXOCorServices)

# Installed libraries find each other in their own folder, as they do in the
# build tree. Built with that run path, they need no build run path, which
# CMake would pad with empty entries (the current folder) for the rewrite
# at installation, so that every program start searched the current folder.
# The libraries carry their version in their names: a program links
# libAXOCorServices.so.1, and a later incompatible version (2) can be
# installed beside it. (A DLL's name carries none; its image holds the
# version.)
if(NOT WIN32)
  set_target_properties(${AXO_LIBRARY_TARGETS} PROPERTIES INSTALL_RPATH "$ORIGIN"
                                                          BUILD_WITH_INSTALL_RPATH ON)
endif()
set_target_properties(${AXO_LIBRARY_TARGETS} PROPERTIES VERSION ${PROJECT_VERSION}
                                                        SOVERSION ${PROJECT_VERSION_MAJOR})

install(TARGETS ${AXO_LIBRARY_TARGETS} AXOHostTesting
  EXPORT AXOCorServicesTargets
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})

# Each entry: a source folder and its folder below include/AXOCorServices.
foreach(entry AXOCorServices/public:. ${AXO_HOST_HEADER_DIRS} platform/include:.)
  string(REPLACE ":" ";" entry ${entry})
  list(GET entry 0 header_dir)
  list(GET entry 1 destination)
  if(EXISTS ${PROJECT_SOURCE_DIR}/${header_dir})
    install(DIRECTORY ${PROJECT_SOURCE_DIR}/${header_dir}/
      DESTINATION ${AXO_INSTALL_INCLUDEDIR}/${destination}
      FILES_MATCHING PATTERN "*.h")
  endif()
endforeach()
install(FILES
  ${PROJECT_BINARY_DIR}/generated/AXOPlatformExport.h
  ${PROJECT_BINARY_DIR}/generated/CATHostExport.h
  ${PROJECT_BINARY_DIR}/generated/AXOCorServicesExport.h
  DESTINATION ${AXO_INSTALL_INCLUDEDIR})

install(EXPORT AXOCorServicesTargets
  NAMESPACE AXOCorServices::
  DESTINATION ${AXO_INSTALL_CMAKEDIR})
configure_package_config_file(
  ${PROJECT_SOURCE_DIR}/cmake/AXOCorServicesConfig.cmake.in
  ${PROJECT_BINARY_DIR}/AXOCorServicesConfig.cmake
  INSTALL_DESTINATION ${AXO_INSTALL_CMAKEDIR})
write_basic_package_version_file(
  ${PROJECT_BINARY_DIR}/AXOCorServicesConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES
  ${PROJECT_BINARY_DIR}/AXOCorServicesConfig.cmake
  ${PROJECT_BINARY_DIR}/AXOCorServicesConfigVersion.cmake
  DESTINATION ${AXO_INSTALL_CMAKEDIR})
