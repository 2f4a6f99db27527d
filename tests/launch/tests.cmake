target_sources(portable_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/command_args_test.cpp)
