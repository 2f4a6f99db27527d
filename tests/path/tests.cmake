target_sources(portable_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/sjis_path_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/refused_extension_test.cpp)
if(KIVERAN_WINDOWS)
  target_sources(platform_tests PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/platform_test.cpp)
endif()
