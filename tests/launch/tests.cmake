target_sources(portable_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/command_args_test.cpp)

if(KIVERAN_WINDOWS)
  # Argument resolution against the shell namespace of the Wine prefix.
  add_executable(launch_tests
    ${CMAKE_CURRENT_LIST_DIR}/resolve_long_path_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/long_paths.cpp)
  target_link_libraries(launch_tests PRIVATE kiveran_core kiveran_test_support GTest::gtest_main)
  gtest_discover_tests(launch_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120)
  list(APPEND KIVERAN_CHECKED_BINARIES launch_tests)

  # The whole program, started with raw command lines.
  add_executable(kiveran_program_tests
    ${CMAKE_CURRENT_LIST_DIR}/kiveran_program_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/long_paths.cpp
    ${PROJECT_SOURCE_DIR}/tests/common/desktop_ready.cpp)
  target_link_libraries(kiveran_program_tests PRIVATE kiveran_test_support GTest::gtest_main)
  add_dependencies(kiveran_program_tests kiveran probe fake_rsrc32 fake_version)
  # Every wait of these tests is bounded by kWaitMs (a minute,
  # tests/common/waits.h). One test chains at most two waits that can each
  # run out without ending it (a window, then the program's end); two more
  # minutes for its own work on a busy machine. The same for the code page
  # test below.
  gtest_discover_tests(kiveran_program_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
    TEST_FILTER -ForeignCodePage.*:DesktopGone.* PROPERTIES TIMEOUT 240 LABELS program)
  # Under another ANSI code page: Wine takes it from the locale a program is
  # started in (1252 for English), and the program it starts keeps it.
  add_test(NAME ForeignCodePage.OneMessageInJapaneseAndEnglishThenTheRunEnds
    COMMAND kiveran_program_tests --gtest_filter=ForeignCodePage.*)
  set_tests_properties(ForeignCodePage.OneMessageInJapaneseAndEnglishThenTheRunEnds PROPERTIES
    ENVIRONMENT "LANG=en_US.UTF-8;LC_ALL=en_US.UTF-8" TIMEOUT 240 LABELS program)
  list(APPEND KIVERAN_CHECKED_BINARIES kiveran kiveran_program_tests)
  # With the desktop ended: its shell-windows object stays unreachable until
  # the server ends, so in a Wine session of its own, of the build's edition.
  set(own_session ${PROJECT_SOURCE_DIR}/tests/rig/wine-session.sh)
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    list(APPEND own_session --win64)
  endif()
  add_test(NAME DesktopGone.ElevatedProgramOpensNothingAndSaysSo
    COMMAND ${own_session} ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:kiveran_program_tests>
            --gtest_filter=DesktopGone.*)
  # A session of its own to start, then at most one wait that runs out (the
  # last, the probe's end): the rest end the test when they fail.
  set_tests_properties(DesktopGone.ElevatedProgramOpensNothingAndSaysSo PROPERTIES TIMEOUT 300 LABELS program)
endif()
