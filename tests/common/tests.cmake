target_sources(portable_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/bounded_text_test.cpp)
if(KIVERAN_WINDOWS)
  target_sources(platform_tests PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/code_page_text_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/desktop_open_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/same_name_test.cpp)
endif()
