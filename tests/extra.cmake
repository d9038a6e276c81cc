# End-to-end tests of the demo host run it from an installed tree, as a person would:
# one install per ctest run (a fixture), into the build directory.
if(TARGET test_demo AND TARGET observacao-host)
  set(OBS_DEMO_TREE ${CMAKE_BINARY_DIR}/demo-tree)
  add_dependencies(test_demo observacao-host observacao)
  target_compile_definitions(test_demo PRIVATE
    OBS_DEMO_TREE="${OBS_DEMO_TREE}" OBS_CMAKE_COMMAND="${CMAKE_COMMAND}")

  add_test(NAME demo_tree_install
    COMMAND ${CMAKE_COMMAND} --install ${CMAKE_BINARY_DIR} --prefix ${OBS_DEMO_TREE})
  set_tests_properties(demo_tree_install PROPERTIES FIXTURES_SETUP demo_tree)

  # test_demo's cases are only known once discovered at test time; this runs after
  # the discovery script, which leaves their names in test_demo_TESTS.
  set(fixture_file ${CMAKE_CURRENT_BINARY_DIR}/test_demo_fixture.cmake)
  file(WRITE ${fixture_file}
    "if(DEFINED test_demo_TESTS)\n"
    "  set_tests_properties(\${test_demo_TESTS} PROPERTIES FIXTURES_REQUIRED demo_tree)\n"
    "endif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${fixture_file})
endif()
