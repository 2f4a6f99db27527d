# The About box.
target_sources(kiveran_portable PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/about_texts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/placement.cpp)
if(KIVERAN_WINDOWS)
  target_sources(kiveran_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/about_contents.cpp
    ${CMAKE_CURRENT_LIST_DIR}/about_window.cpp
    ${CMAKE_CURRENT_LIST_DIR}/version_library.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window_geometry.cpp)
endif()
