target_sources(kiveran_portable PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/sjis_path.cpp
  ${CMAKE_CURRENT_LIST_DIR}/refused_extension.cpp)
if(KIVERAN_WINDOWS)
  target_sources(kiveran_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/module_file.cpp
    ${CMAKE_CURRENT_LIST_DIR}/file_icon.cpp)
endif()
