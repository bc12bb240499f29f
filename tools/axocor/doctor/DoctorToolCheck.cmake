# Runs "axocor doctor SAMPLE" on the sample installation and checks what it
# says:
#   cmake -DTOOL=<axocor> -DSAMPLE=<folder> -DFORMAT=text|json [-DEMULATOR=<runner>]
#         -P DoctorToolCheck.cmake
# The sample holds one fault on purpose, the missing include
# "door_hardware.xml": exactly that problem, and exit status 1.

set(arguments doctor ${SAMPLE})
if(FORMAT STREQUAL "json")
  list(APPEND arguments --json)
endif()
execute_process(COMMAND ${EMULATOR} ${TOOL} ${arguments}
  OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 1)
  message(FATAL_ERROR "exit status ${status}, expected 1\n${output}${errors}")
endif()

if(FORMAT STREQUAL "json")
  # CMake's own JSON parser: fails on anything that is not valid JSON.
  string(JSON count ERROR_VARIABLE json_error GET "${output}" problemCount)
  if(json_error)
    message(FATAL_ERROR "not valid JSON: ${json_error}\n${output}")
  endif()
  string(JSON subject GET "${output}" problems 0 subject)
  string(JSON section GET "${output}" problems 0 section)
  if(NOT count EQUAL 1 OR NOT subject STREQUAL "door_hardware.xml" OR NOT section STREQUAL "styleSheets")
    message(FATAL_ERROR "expected the one missing include, got ${count} problems, "
                        "the first '${subject}' in '${section}'\n${output}")
  endif()
else()
  string(REGEX MATCHALL "PROBLEM: [^\n]*" problems "${output}")
  list(LENGTH problems count)
  if(NOT count EQUAL 1 OR NOT problems MATCHES "door_hardware.xml: included by style sheet 'Doors'"
     OR NOT output MATCHES "\n1 problem found")
    message(FATAL_ERROR "expected the one missing include, got ${count}:\n${output}")
  endif()
endif()
