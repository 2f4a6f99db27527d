# Helpers of the whole program: bounded text, the one crossing between
# UTF-16 and code page 932, messages, the system's own libraries and opening
# as the signed-in user.
target_sources(kiveran_portable PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/bounded_text.cpp)
if(KIVERAN_WINDOWS)
  target_sources(kiveran_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/code_page_text.cpp
    ${CMAKE_CURRENT_LIST_DIR}/desktop_open.cpp
    ${CMAKE_CURRENT_LIST_DIR}/message_box.cpp
    ${CMAKE_CURRENT_LIST_DIR}/same_name.cpp
    ${CMAKE_CURRENT_LIST_DIR}/system_library.cpp)
endif()
