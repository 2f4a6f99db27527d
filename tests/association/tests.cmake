target_sources(portable_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/association_keys_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/command_line_test.cpp)
if(KIVERAN_WINDOWS)
  target_sources(platform_tests PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/association_store_test.cpp)
endif()
