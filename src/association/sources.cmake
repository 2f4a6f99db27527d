target_sources(kiveran_portable PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/association_keys.cpp
  ${CMAKE_CURRENT_LIST_DIR}/command_line.cpp
  ${CMAKE_CURRENT_LIST_DIR}/refused_extension.cpp)
if(KIVERAN_WINDOWS)
  target_sources(kiveran_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/association_store.cpp
    ${CMAKE_CURRENT_LIST_DIR}/association_dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/drop_handler.cpp
    ${CMAKE_CURRENT_LIST_DIR}/picked_program.cpp
    ${CMAKE_CURRENT_LIST_DIR}/save_overrides.cpp)
endif()
