# The association dialog: the Open dialog with the program's own controls,
# its hook, what it names and what it checks at OK.
if(KIVERAN_WINDOWS)
  target_sources(kiveran_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/association_dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/shown_texts.cpp
    ${CMAKE_CURRENT_LIST_DIR}/open_file_dialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/named_file.cpp
    ${CMAKE_CURRENT_LIST_DIR}/picked_program.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ok_record.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ok_checks.cpp)
endif()
