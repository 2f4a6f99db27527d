target_sources(kiveran_portable PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/association_keys.cpp
  ${CMAKE_CURRENT_LIST_DIR}/command_line.cpp
  ${CMAKE_CURRENT_LIST_DIR}/refused_extension.cpp)
if(KIVERAN_WINDOWS)
  target_sources(kiveran_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/class_registry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/association_reader.cpp
    ${CMAKE_CURRENT_LIST_DIR}/save_plan.cpp
    ${CMAKE_CURRENT_LIST_DIR}/default_verb.cpp
    ${CMAKE_CURRENT_LIST_DIR}/association_writer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/user_view.cpp
    ${CMAKE_CURRENT_LIST_DIR}/default_app.cpp
    ${CMAKE_CURRENT_LIST_DIR}/association_dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/open_file_dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ok_checks.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ok_record.cpp
    ${CMAKE_CURRENT_LIST_DIR}/drop_handler.cpp
    ${CMAKE_CURRENT_LIST_DIR}/picked_program.cpp
    ${CMAKE_CURRENT_LIST_DIR}/save_overrides.cpp)
endif()
