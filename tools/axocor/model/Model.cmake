# "axocor model": where its tests find the sample models, and the tests that
# run the tool on them. Included from the tool's CMakeLists.txt; the
# command's sources are globbed there.

set(AXO_SAMPLE_MODELS ${PROJECT_SOURCE_DIR}/examples/models)

if(AXO_BUILD_TESTS)
  target_compile_definitions(axocor_tests PRIVATE AXOCOR_SAMPLE_MODELS="${AXO_SAMPLE_MODELS}")

  # The tool as a user runs it: the sample building's tree, and a damaged
  # copy (cut short) whose fault is named, with a non-zero exit status.
  add_test(NAME axocor.model.show COMMAND axocor model show ${AXO_SAMPLE_MODELS}/Building.CATProduct)
  set_tests_properties(axocor.model.show PROPERTIES PASS_REGULAR_EXPRESSION
    "instance \"Room.2\"  of \"Room\" in .*feature \"Wall.1\"  type Wall  time stamp 2023-11-14 22:16:40.*publication \"Entrance\" -> \"Door.1\"")
  add_test(NAME axocor.model.box COMMAND axocor model box ${AXO_SAMPLE_MODELS}/Building.CATProduct)
  set_tests_properties(axocor.model.box PROPERTIES PASS_REGULAR_EXPRESSION
    "^\"Building\": x 0 \\.\\. 10000  y 0 \\.\\. 4000  z 0 \\.\\. 2700\n$")
  # An instance's box is its placed occurrence's; the plan draws both rooms.
  add_test(NAME axocor.model.box.instance
           COMMAND axocor model box ${AXO_SAMPLE_MODELS}/Building.CATProduct Room.2)
  set_tests_properties(axocor.model.box.instance PROPERTIES PASS_REGULAR_EXPRESSION
    "^\"Room.2\": x 5000 \\.\\. 10000  y 0 \\.\\. 4000  z 0 \\.\\. 2700\r?\n$")
  add_test(NAME axocor.model.plan COMMAND axocor model plan ${AXO_SAMPLE_MODELS}/Building.CATProduct)
  set_tests_properties(axocor.model.plan PROPERTIES PASS_REGULAR_EXPRESSION
    "<rect class=\"box\" x=\"0\" y=\"0\" width=\"5000\".*<rect class=\"box\" x=\"5000\" y=\"0\" width=\"5000\"")
  add_test(NAME axocor.model.dump
           COMMAND axocor model dump ${AXO_SAMPLE_MODELS}/Building.CATProduct "Room.1/Level 1/Wall.1")
  set_tests_properties(axocor.model.dump PROPERTIES PASS_REGULAR_EXPRESSION
    "name: Wall.1 type: Wall Supertype: MechanicalFeature.*parent  -+\r?\nName: Door.1  Type: Door")
  if(NOT WIN32)
    # A device is written into, never replaced: the dump reaches the output.
    add_test(NAME axocor.model.dump.stdout
             COMMAND axocor model dump ${AXO_SAMPLE_MODELS}/Building.CATProduct "Room.1/Level 1/Wall.1"
                     -o /dev/stdout)
    set_tests_properties(axocor.model.dump.stdout PROPERTIES PASS_REGULAR_EXPRESSION
      "name: Wall.1 type: Wall Supertype: MechanicalFeature")
  endif()
  set(damaged ${CMAKE_CURRENT_BINARY_DIR}/model-test/Damaged.CATProduct)
  file(READ ${AXO_SAMPLE_MODELS}/Building.CATProduct building)
  string(SUBSTRING "${building}" 0 200 building)
  file(WRITE ${damaged} "${building}")
  add_test(NAME axocor.model.check.damaged COMMAND axocor model check ${damaged})
  set_tests_properties(axocor.model.check.damaged PROPERTIES PASS_REGULAR_EXPRESSION
    "Damaged.CATProduct: cannot be opened: line [0-9]+, column [0-9]+: syntax error")
  add_test(NAME axocor.model.check.damaged.exits COMMAND axocor model check ${damaged})
  set_tests_properties(axocor.model.check.damaged.exits PROPERTIES WILL_FAIL TRUE)
endif()

# The sample catalog's entries and the units of a magnitude, as a user asks.
if(AXO_BUILD_TESTS)
  add_test(NAME axocor.catalogs.entry
           COMMAND axocor catalogs entry ${AXO_SAMPLE_MODELS}/Sections.catalog "SHS 100x100x5")
  set_tests_properties(axocor.catalogs.entry PROPERTIES PASS_REGULAR_EXPRESSION
    "entry \"SHS 100x100x5\" in chapter Sections\\\\Hollow sections\\\\Square\r?\n  Name: SHS 100x100x5")
  add_test(NAME axocor.units COMMAND axocor units LENGTH)
  set_tests_properties(axocor.units PROPERTIES PASS_REGULAR_EXPRESSION
    "^mm  Millimeter  \\(current\\)\r?\n.*ft  Foot\r?\n$")
endif()
