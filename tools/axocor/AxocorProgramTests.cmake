# The tool run as a user runs it: a process started with arguments, its
# output and exit status checked. Defined once and registered twice: on the
# program of the build tree (tools/axocor/CMakeLists.txt) and on the
# installed program, with the installed samples (tests/consumer), so that
# what ships is what is tested.
#
#   axocor_add_program_tests(PREFIX <test name prefix> PROGRAM <target or file>
#                            VERSION <the version it prints>
#                            MODELS <sample models> INSTALLATION <sample installation>
#                            [NAMED_MODELS <path> NAMED_INSTALLATION <path>]
#                            DOCS <README files, folders of README files>
#                            WORK <a folder of the build tree>)
#
# NAMED_*: where the program's help says the samples are, when they are not
# there (the build tree's program names the folders it is to be installed in).
set(AXOCOR_DOCTOR_CHECK ${CMAKE_CURRENT_LIST_DIR}/doctor/DoctorToolCheck.cmake)
set(AXOCOR_EXAMPLES_RUNNER
    ${CMAKE_CURRENT_LIST_DIR}/../../testing/axocor/run_documented_examples.py)
set(AXOCOR_COMPLETION_CHECK ${CMAKE_CURRENT_LIST_DIR}/../../testing/axocor/completion-check.sh)

function(axocor_add_program_tests)
  cmake_parse_arguments(ARG ""
    "PREFIX;PROGRAM;VERSION;MODELS;INSTALLATION;NAMED_MODELS;NAMED_INSTALLATION;WORK" "DOCS"
    ${ARGN})
  set(p ${ARG_PREFIX})
  set(tool ${ARG_PROGRAM})
  # A target runs under the emulator of a cross build by itself; scripts
  # that start it are given its file and the emulator.
  if(TARGET ${tool})
    set(tool_file $<TARGET_FILE:${tool}>)
  else()
    set(tool_file ${tool})
  endif()
  set(models ${ARG_MODELS})
  set(sample ${ARG_INSTALLATION})

  add_test(NAME ${p}.guid.compress COMMAND ${tool} guid compress
           "{01234567-89AB-CDEF-0123-456789ABCDEF}")
  set_tests_properties(${p}.guid.compress PROPERTIES
                       PASS_REGULAR_EXPRESSION "^018qLdYQlDxm4ZHMU9gytl\r?\n$")
  add_test(NAME ${p}.guid.expand COMMAND ${tool} guid expand "3$$$$$$$$$$$$$$$$$$$$$")
  set_tests_properties(${p}.guid.expand PROPERTIES
                       PASS_REGULAR_EXPRESSION "^{FFFFFFFF-FFFF-FFFF-FFFF-FFFFFFFFFFFF}\r?\n$")
  # Malformed texts: a clear error and a non-zero exit.
  set(rejects
      "compress|{01234567-89AB-CDEF-0123-456789ABCDEG}|character 37 is 'G'"
      "compress|01234567-89AB-CDEF-0123-456789ABCDEF|has 36 characters"
      "expand|018qLdYQlDxm4ZHMU9gyt|has 21 characters"
      "expand|018qLdYQlDxm-ZHMU9gytl|character 13 is '-'"
      "expand|418qLdYQlDxm4ZHMU9gytl|too large")
  set(index 0)
  foreach(reject IN LISTS rejects)
    string(REPLACE "|" ";" fields "${reject}")
    list(GET fields 0 command)
    list(GET fields 1 text)
    list(GET fields 2 message)
    math(EXPR index "${index} + 1")
    add_test(NAME ${p}.guid.${command}.rejects.${index} COMMAND ${tool} guid ${command} ${text})
    # The message must name the fault. With a pass expression CTest ignores
    # the exit status, so a second test checks that it is not zero.
    set_tests_properties(${p}.guid.${command}.rejects.${index} PROPERTIES
                         PASS_REGULAR_EXPRESSION "axocor: error: .*${message}")
    add_test(NAME ${p}.guid.${command}.exits.${index} COMMAND ${tool} guid ${command} ${text})
    set_tests_properties(${p}.guid.${command}.exits.${index} PROPERTIES WILL_FAIL TRUE)
  endforeach()

  # The conventions as a user meets them: the version, and the completion
  # scripts, each run in its shell on a folder of a document, a drawing
  # and a folder: a command line (its last word the one completed), and
  # what the script offers, sorted.
  add_test(NAME ${p}.version COMMAND ${tool} --version)
  set_tests_properties(${p}.version PROPERTIES
                       PASS_REGULAR_EXPRESSION "^axocor ${ARG_VERSION}\r?\n$")
  set(completion_root ${ARG_WORK}/completion-test)
  file(MAKE_DIRECTORY ${completion_root}/parts)
  file(TOUCH ${completion_root}/Building.CATProduct ${completion_root}/plan.svg)
  set(completions
      "axocor catalogs sh|show"
      "axocor model show B|Building.CATProduct"
      "axocor model show |Building.CATProduct parts plan.svg"
      "axocor model plan Building.CATProduct -o pl|plan.svg"
      "axocor model dump Building.CATProduct Room.1 --output |Building.CATProduct parts plan.svg"
      "axocor model save-part Building.CATProduct |parts"
      "axocor model show Building.CATProduct --tree |--help --help-all --json --tree -h"
      "axocor guid new -n |"
      "axocor guid new --j|--json"
      "axocor help mo|model"
      "axocor help model s|save-part show"
      "axocor settings show |dxf ifc"
      "axocor completion |bash fish powershell zsh"
      "axocor --env |Building.CATProduct parts plan.svg"
      "axocor --env x model p|plan publish"
      "axocor doctor --root |parts")
  foreach(shell bash zsh fish)
    find_program(AXO_SHELL_${shell} ${shell})
    if(NOT AXO_SHELL_bash OR NOT AXO_SHELL_${shell} OR CMAKE_CROSSCOMPILING)
      continue()
    endif()
    set(index 0)
    foreach(completion IN LISTS completions)
      string(REPLACE "|" ";" fields "${completion}")
      list(GET fields 0 line)
      list(LENGTH fields count)
      set(offers "")
      if(count GREATER 1)
        list(GET fields 1 offers)
      endif()
      math(EXPR index "${index} + 1")
      add_test(NAME ${p}.completion.${shell}.${index}
               COMMAND ${AXO_SHELL_bash} ${AXOCOR_COMPLETION_CHECK} ${shell} ${tool_file} "${line}"
               WORKING_DIRECTORY ${completion_root})
      set_tests_properties(${p}.completion.${shell}.${index} PROPERTIES
                           PASS_REGULAR_EXPRESSION "^${offers}\n$")
    endforeach()
  endforeach()

  # A path-list variable over two folders, one holding the file; the other
  # is listed as missing.
  set(env_root ${ARG_WORK}/env-test)
  file(MAKE_DIRECTORY ${env_root}/holder)
  file(TOUCH ${env_root}/holder/walls.xml)
  set(env_variable "AXOCOR_TEST_PATH=${env_root}/absent\\;${env_root}/holder")
  add_test(NAME ${p}.env.find COMMAND ${tool} env find AXOCOR_TEST_PATH walls.xml)
  set_tests_properties(${p}.env.find PROPERTIES ENVIRONMENT "${env_variable}"
                       PASS_REGULAR_EXPRESSION "holder.walls\\.xml")
  add_test(NAME ${p}.env.find.missing COMMAND ${tool} env find AXOCOR_TEST_PATH none.xml)
  set_tests_properties(${p}.env.find.missing PROPERTIES ENVIRONMENT "${env_variable}"
                       WILL_FAIL TRUE)
  add_test(NAME ${p}.env.list COMMAND ${tool} env list AXOCOR_TEST_PATH)
  set_tests_properties(${p}.env.list PROPERTIES ENVIRONMENT "${env_variable}"
                       PASS_REGULAR_EXPRESSION "absent\t\\(missing\\)\r?\n.*holder\r?\n$")

  # The doctor on the sample: exactly the one fault left in on purpose, in
  # text and in JSON, with a non-zero exit status.
  foreach(format text json)
    add_test(NAME ${p}.doctor.sample.${format}
      COMMAND ${CMAKE_COMMAND} -DFORMAT=${format} "-DEMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}"
              -DTOOL=${tool_file} -DSAMPLE=${sample} -P ${AXOCOR_DOCTOR_CHECK})
  endforeach()
  # Without an option: the process's own installation when it sets a host
  # variable, else a word on how to check the sample, and exit status 2.
  set(host_variables CATStartupPath CATCollectionStandard CATDefaultCollectionStandard
      CATGraphicPath CATUserSettingPath CATReferenceSettingPath)
  list(TRANSFORM host_variables APPEND "=unset:" OUTPUT_VARIABLE unset_host_variables)
  add_test(NAME ${p}.doctor.unset COMMAND ${tool} doctor)
  set_tests_properties(${p}.doctor.unset PROPERTIES
    ENVIRONMENT_MODIFICATION "${unset_host_variables}"
    PASS_REGULAR_EXPRESSION "axocor: error: none of the host's variables is set.*--root")
  add_test(NAME ${p}.doctor.unset.exits COMMAND ${tool} doctor)
  set_tests_properties(${p}.doctor.unset.exits PROPERTIES
    ENVIRONMENT_MODIFICATION "${unset_host_variables}" WILL_FAIL TRUE)
  add_test(NAME ${p}.doctor.current COMMAND ${tool} doctor)
  set_tests_properties(${p}.doctor.current PROPERTIES
    ENVIRONMENT_MODIFICATION "${unset_host_variables};CATStartupPath=set:${sample}/startup/main"
    PASS_REGULAR_EXPRESSION "the installation of the current environment.*CATGraphicPath: not set")
  add_test(NAME ${p}.doctor.help COMMAND ${tool} doctor --help)
  set_tests_properties(${p}.doctor.help PROPERTIES
    PASS_REGULAR_EXPRESSION "Examples:.*axocor doctor --env")
  # A file that is not an environment file: the error names file and line
  # (its first line, "# ...", reads as a comment), and the exit status is 2.
  add_test(NAME ${p}.doctor.bad-env COMMAND ${tool} doctor --env ${sample}/README.md)
  set_tests_properties(${p}.doctor.bad-env PROPERTIES
    PASS_REGULAR_EXPRESSION "axocor: error: .*README.md:3: expected VAR=value")
  add_test(NAME ${p}.doctor.bad-env.exits COMMAND ${tool} doctor --root ${sample}/no-such-folder)
  set_tests_properties(${p}.doctor.bad-env.exits PROPERTIES WILL_FAIL TRUE)

  # The sample building's tree, and a damaged copy (cut short) whose fault
  # is named, with a non-zero exit status.
  add_test(NAME ${p}.model.show COMMAND ${tool} model show ${models}/Building.CATProduct)
  set_tests_properties(${p}.model.show PROPERTIES PASS_REGULAR_EXPRESSION
    "instance \"Room.2\"  of \"Room\" in .*feature \"Wall.1\"  type Wall  time stamp 2023-11-14 22:16:40.*publication \"Entrance\" -> \"Door.1\"")
  add_test(NAME ${p}.model.box COMMAND ${tool} model box ${models}/Building.CATProduct)
  set_tests_properties(${p}.model.box PROPERTIES PASS_REGULAR_EXPRESSION
    "^\"Building\": x 0 \\.\\. 10000  y 0 \\.\\. 4000  z 0 \\.\\. 2700\n$")
  # An instance's box is its placed occurrence's; the plan draws both rooms.
  add_test(NAME ${p}.model.box.instance
           COMMAND ${tool} model box ${models}/Building.CATProduct Room.2)
  set_tests_properties(${p}.model.box.instance PROPERTIES PASS_REGULAR_EXPRESSION
    "^\"Room.2\": x 5000 \\.\\. 10000  y 0 \\.\\. 4000  z 0 \\.\\. 2700\r?\n$")
  add_test(NAME ${p}.model.plan COMMAND ${tool} model plan ${models}/Building.CATProduct)
  # Room.2 turned half a turn: its door at the top, and an arrow.
  set_tests_properties(${p}.model.plan PROPERTIES PASS_REGULAR_EXPRESSION
    "<polygon class=\"room\" points=\"0,0 5000,0 5000,4000 0,4000\".*<polygon class=\"door\" points=\"7100,3800 8000,3800 8000,4000 7100,4000\".*<g class=\"orientation\">")
  add_test(NAME ${p}.model.plan.section
           COMMAND ${tool} model plan ${models}/Building.CATProduct --section 99999)
  set_tests_properties(${p}.model.plan.section PROPERTIES PASS_REGULAR_EXPRESSION
    "axocor: error: --section 99999: outside the model's heights 0 \\.\\. 2700 mm")
  add_test(NAME ${p}.model.plan.section.exits
           COMMAND ${tool} model plan ${models}/Building.CATProduct --section nan)
  set_tests_properties(${p}.model.plan.section.exits PROPERTIES WILL_FAIL TRUE)
  add_test(NAME ${p}.model.dump
           COMMAND ${tool} model dump ${models}/Building.CATProduct "Room.1/Level 1/Wall.1")
  set_tests_properties(${p}.model.dump PROPERTIES PASS_REGULAR_EXPRESSION
    "name: Wall.1 type: Wall Supertype: MechanicalFeature.*parent  -+\r?\nName: Door.1  Type: Door")
  if(NOT WIN32)
    # A device is written into, never replaced: the dump reaches the output.
    add_test(NAME ${p}.model.dump.stdout
             COMMAND ${tool} model dump ${models}/Building.CATProduct "Room.1/Level 1/Wall.1"
                     -o /dev/stdout)
    set_tests_properties(${p}.model.dump.stdout PROPERTIES PASS_REGULAR_EXPRESSION
      "name: Wall.1 type: Wall Supertype: MechanicalFeature")
  endif()
  set(damaged ${ARG_WORK}/model-test/Damaged.CATProduct)
  file(READ ${models}/Building.CATProduct building)
  string(SUBSTRING "${building}" 0 200 building)
  file(WRITE ${damaged} "${building}")
  add_test(NAME ${p}.model.check.damaged COMMAND ${tool} model check ${damaged})
  set_tests_properties(${p}.model.check.damaged PROPERTIES PASS_REGULAR_EXPRESSION
    "Damaged.CATProduct: cannot be opened: line [0-9]+, column [0-9]+: syntax error")
  add_test(NAME ${p}.model.check.damaged.exits COMMAND ${tool} model check ${damaged})
  set_tests_properties(${p}.model.check.damaged.exits PROPERTIES WILL_FAIL TRUE)

  # The sample catalog's entries and the units of a magnitude, as a user asks.
  add_test(NAME ${p}.catalogs.entry
           COMMAND ${tool} catalogs entry ${models}/Sections.catalog "SHS 100x100x5")
  set_tests_properties(${p}.catalogs.entry PROPERTIES PASS_REGULAR_EXPRESSION
    "entry \"SHS 100x100x5\" in chapter Sections\\\\Hollow sections\\\\Square\r?\n  Name: SHS 100x100x5")
  add_test(NAME ${p}.units COMMAND ${tool} units LENGTH)
  set_tests_properties(${p}.units PROPERTIES PASS_REGULAR_EXPRESSION
    "^mm  Millimeter  \\(current\\)\r?\n.*ft  Foot\r?\n$")

  # What the texts promise: every example of every help text and README,
  # run through the shell as a user types it (each alone, in fresh copies
  # of the samples), and a --help-all that holds every command's help.
  # The examples are lines of a POSIX shell, run where the program runs.
  if(NOT CMAKE_CROSSCOMPILING)
    find_package(Python3 REQUIRED COMPONENTS Interpreter)
    set(runner ${Python3_EXECUTABLE} ${AXOCOR_EXAMPLES_RUNNER})
    set(samples --tool ${tool_file} --models ${models} --installation ${sample})
    if(ARG_NAMED_MODELS)
      list(APPEND samples --named-models ${ARG_NAMED_MODELS})
    endif()
    if(ARG_NAMED_INSTALLATION)
      list(APPEND samples --named-installation ${ARG_NAMED_INSTALLATION})
    endif()
    add_test(NAME ${p}.examples.help
             COMMAND ${runner} help ${samples} --work ${ARG_WORK}/examples-help)
    add_test(NAME ${p}.examples.docs
             COMMAND ${runner} docs ${ARG_DOCS} ${samples} --work ${ARG_WORK}/examples-docs)
    add_test(NAME ${p}.help-all
             COMMAND ${runner} help-all ${samples} --work ${ARG_WORK}/examples-help-all)
    # Texts that are false: each fault is named with its file, line, status
    # and output, and the run fails.
    get_filename_component(refused ${AXOCOR_EXAMPLES_RUNNER} DIRECTORY)
    set(refused ${runner} docs ${refused}/examples-refused ${samples}
                --work ${ARG_WORK}/examples-refused)
    add_test(NAME ${p}.examples.refused COMMAND ${refused})
    set_tests_properties(${p}.examples.refused PROPERTIES PASS_REGULAR_EXPRESSION
      "without-examples/README.md: no example.*README.md:8: axocor guid expand 018qLdYQlDxm4ZHMU9gytl .*exit status 0, expected 1.*README.md:10: axocor guid compress not-a-guid\n  ran: .*exit status 1, expected 0\n  output:\n    \\| axocor: error: 'not-a-guid' .*3 examples run, 2 failed; texts without examples: 1")
    add_test(NAME ${p}.examples.refused.exits COMMAND ${refused})
    set_tests_properties(${p}.examples.refused.exits PROPERTIES WILL_FAIL TRUE)
  endif()
endfunction()
