# Tests of the About box.
target_sources(portable_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/placement_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/about_texts_test.cpp)

if(KIVERAN_WINDOWS)
  # Stand-ins for the system's rsrc32.dll and version.dll, each in a folder
  # of its own so that no test program finds one by accident.
  foreach(variant IN ITEMS rsrc32 rsrc32_undecorated version)
    string(REGEX MATCH "^[a-z0-9]+" library ${variant})
    add_library(fake_${variant} SHARED
      ${CMAKE_CURRENT_LIST_DIR}/fake_${library}.cpp
      ${CMAKE_CURRENT_LIST_DIR}/fake_${variant}.def)
    target_link_libraries(fake_${variant} PRIVATE kiveran_test_flags)
    set_target_properties(fake_${variant} PROPERTIES
      PREFIX "" OUTPUT_NAME ${library}
      RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin/about-fakes/${variant}
      ARCHIVE_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/about-fakes/${variant})
  endforeach()

  # The About box against the platform, in the test program's own process.
  target_sources(platform_tests PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/about_platform_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/version_block.cpp)
  add_dependencies(platform_tests fake_rsrc32 fake_rsrc32_undecorated)

  # The box in a process of its own, and the tests that drive its windows.
  add_executable(about_host WIN32
    ${CMAKE_CURRENT_LIST_DIR}/about_host.cpp
    $<TARGET_OBJECTS:kiveran_resources>)
  target_link_libraries(about_host PRIVATE kiveran_core kiveran_test_flags)

  add_executable(about_window_tests
    ${CMAKE_CURRENT_LIST_DIR}/about_window_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/box_driver.cpp
    ${CMAKE_CURRENT_LIST_DIR}/version_block.cpp)
  target_link_libraries(about_window_tests PRIVATE kiveran_test_support GTest::gtest_main gdi32 user32)
  add_dependencies(about_window_tests about_host fake_rsrc32 fake_rsrc32_undecorated)
  # Every wait of these tests is bounded by kWaitMs (a minute,
  # tests/common/waits.h). One test chains at most three waits that can each
  # run out without ending it (the home page's link: the host's end, the
  # browser's start, its line); two more minutes for its own work on a busy
  # machine.
  gtest_discover_tests(about_window_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 120
    PROPERTIES TIMEOUT 300)

  list(APPEND KIVERAN_CHECKED_BINARIES
    about_host about_window_tests fake_rsrc32 fake_rsrc32_undecorated fake_version)
endif()
