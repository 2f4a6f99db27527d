target_sources(portable_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/association_keys_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/command_line_test.cpp)
if(KIVERAN_WINDOWS)
  target_sources(platform_tests PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/association_store_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/custom_box_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ok_checks_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/picked_program_test.cpp)

  # The program a dropped file's association starts in the tests: it
  # records its command line.
  add_executable(probe WIN32 ${CMAKE_CURRENT_LIST_DIR}/probe.cpp)
  target_link_options(probe PRIVATE -s)

  add_executable(association_run_tests
    ${CMAKE_CURRENT_LIST_DIR}/association_run_test.cpp
    ${PROJECT_SOURCE_DIR}/tests/common/desktop_ready.cpp)
  target_link_libraries(association_run_tests PRIVATE kiveran_test_support GTest::gtest_main ole32 uuid)
  add_dependencies(association_run_tests probe kiveran)
  # Every wait of these tests is bounded by kWaitMs (a minute,
  # tests/common/waits.h), and a wait that fails in a row's loop ends the
  # test. One test chains at most four waits that can each run out without
  # ending it (DropToShellThroughTheNamedType: the program's end, the probe's
  # log, the probe's end, old.exe's end); two more minutes for its own work
  # on a busy machine.
  gtest_discover_tests(association_run_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
    PROPERTIES TIMEOUT 360 LABELS program)

  list(APPEND KIVERAN_CHECKED_BINARIES probe association_run_tests)
endif()
