# Writes the manual page of axocor from its help texts: the tool's own help,
# then the help of each group and of each command of a group, found by
# following the "Subcommands:" lists of the help texts.
#
#   cmake -DTOOL=<axocor> -DVERSION=<version> -DOUT=<axocor.1> -P AxocorManual.cmake

# Sets `out` to the help text of "axocor <words> --help".
function(axocor_help out)
  execute_process(COMMAND ${TOOL} ${ARGN} --help OUTPUT_VARIABLE text RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "axocor ${ARGN} --help exited with ${status}")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Sets `out` to the names that the "Subcommands:" list of `text` holds.
function(axocor_subcommands out text)
  set(names)
  string(REGEX REPLACE ".*\nSubcommands:\n" "" list "${text}")
  if(NOT list STREQUAL text)
    string(REGEX REPLACE "\n\n.*" "" list "${list}")
    string(REPLACE "\n" ";" lines "${list}")
    foreach(line IN LISTS lines)
      if(line MATCHES "^  ([a-z][a-z-]*)")
        list(APPEND names ${CMAKE_MATCH_1})
      endif()
    endforeach()
  endif()
  set(${out} ${names} PARENT_SCOPE)
endfunction()

# Sets `out` to `text` as lines of a roff no-fill block: backslashes written
# as \e, and a line that begins with a control character made plain text.
function(axocor_roff out text)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  set(${out} ".nf\n${text}.fi\n" PARENT_SCOPE)
endfunction()

axocor_help(top)
axocor_roff(description "${top}")
string(CONCAT page ".TH AXOCOR 1 \"\" \"axocor ${VERSION}\" \"User Commands\"\n"
         ".SH NAME\naxocor \\- command-line access to the services of AXOCorServices\n"
         ".SH SYNOPSIS\n.B axocor\n[\\fB\\-\\-env\\fR \\fIFILE\\fR] \\fICOMMAND\\fR ...\n"
         ".SH DESCRIPTION\n${description}.SH COMMANDS\n")
axocor_subcommands(groups "${top}")
foreach(group IN LISTS groups)
  axocor_help(text ${group})
  axocor_roff(block "${text}")
  string(APPEND page ".SS axocor ${group}\n${block}")
  axocor_subcommands(commands "${text}")
  foreach(command IN LISTS commands)
    axocor_help(text ${group} ${command})
    axocor_roff(block "${text}")
    string(APPEND page ".SS axocor ${group} ${command}\n${block}")
  endforeach()
endforeach()
file(WRITE ${OUT} "${page}")
