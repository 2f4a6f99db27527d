# The association run: the drop handler and what travels from it through
# the dialog (dialog/) to the store (store/).
target_sources(kiveran_portable PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/command_line.cpp)
if(KIVERAN_WINDOWS)
  target_sources(kiveran_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/drop_handler.cpp)
endif()
include(${CMAKE_CURRENT_LIST_DIR}/dialog/sources.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/store/sources.cmake)
