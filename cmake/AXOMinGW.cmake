# Windows builds with mingw-w64.
#
# DLLs carry their Windows names (AXOCorServices.dll, not libAXOCorServices.dll);
# import libraries keep the "lib" prefix that the GNU linker looks for.
set(CMAKE_SHARED_LIBRARY_PREFIX "")

# The C++ runtime as DLLs beside the project's executables.
#
# Our three DLLs hand C++ objects to each other (std::string members, objects
# made with new in one DLL and deleted in another, exceptions), so they must
# share ONE C++ runtime. Linking it statically would put a copy into each DLL,
# each with its own operator new and delete, type information for exceptions
# and globals (streams, locales). Instead every module links the runtime DLLs,
# which are copied into the binary folder (Windows looks for DLLs beside the
# .exe) and installed beside our own DLLs.
set(AXO_MINGW_RUNTIME_DLLS libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)

set(AXO_MINGW_RUNTIME_FILES)
foreach(dll IN LISTS AXO_MINGW_RUNTIME_DLLS)
  execute_process(
    COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
    OUTPUT_VARIABLE dll_path
    OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${dll_path}" OR NOT EXISTS "${dll_path}")
    message(FATAL_ERROR "The compiler does not know where ${dll} is (got '${dll_path}')")
  endif()
  file(REAL_PATH "${dll_path}" dll_path)
  list(APPEND AXO_MINGW_RUNTIME_FILES ${dll_path})
endforeach()

file(COPY ${AXO_MINGW_RUNTIME_FILES} DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
install(FILES ${AXO_MINGW_RUNTIME_FILES} DESTINATION ${CMAKE_INSTALL_BINDIR})
