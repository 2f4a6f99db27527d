target_sources(kiveran_portable PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/association_keys.cpp
  ${CMAKE_CURRENT_LIST_DIR}/command_line.cpp)
if(KIVERAN_WINDOWS)
  target_sources(kiveran_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/association_store.cpp)
endif()
