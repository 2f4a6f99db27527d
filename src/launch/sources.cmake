target_sources(kiveran_portable PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/command_args.cpp)
if(KIVERAN_WINDOWS)
  target_sources(kiveran_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/resolve_long_path.cpp)
endif()

# The program itself: a static GUI exe importing Windows system DLLs only,
# stripped, with unused code left out.
if(KIVERAN_WINDOWS)
  add_executable(kiveran WIN32
    ${CMAKE_CURRENT_LIST_DIR}/launch_main.cpp
    $<TARGET_OBJECTS:kiveran_resources>)
  target_link_libraries(kiveran PRIVATE kiveran_flags kiveran_core)
  target_link_options(kiveran PRIVATE -static -s -Wl,--gc-sections)
endif()
