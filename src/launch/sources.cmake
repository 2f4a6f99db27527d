target_sources(kiveran_portable PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/command_args.cpp)
if(KIVERAN_WINDOWS)
  target_sources(kiveran_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/code_page_guard.cpp
    ${CMAKE_CURRENT_LIST_DIR}/resolve_long_path.cpp)
endif()

# The program itself: a static GUI exe importing Windows system DLLs only,
# stripped, with unused code left out, entered at KiveranEntry without the C
# runtime's start-up code (process_entry.cpp says why). ASLR and DEP stay on.
# That start-up code is also what applies MinGW's runtime pseudo-relocations
# (data auto-imported from a DLL, as some of its printf family needs): the
# link refuses them, so such a dependency fails the build instead of
# crashing the program.
if(KIVERAN_WINDOWS)
  add_executable(kiveran WIN32
    ${CMAKE_CURRENT_LIST_DIR}/launch_main.cpp
    ${CMAKE_CURRENT_LIST_DIR}/process_entry.cpp
    $<TARGET_OBJECTS:kiveran_resources>)
  target_link_libraries(kiveran PRIVATE kiveran_flags kiveran_core)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(entry _KiveranEntry@0)
  else()
    set(entry KiveranEntry)
  endif()
  target_link_options(kiveran PRIVATE -static -s -nostartfiles -Wl,--entry=${entry}
    -Wl,--gc-sections -Wl,--dynamicbase -Wl,--nxcompat
    -Wl,--disable-auto-import -Wl,--disable-runtime-pseudo-reloc)
  # The program imports exactly these, all KnownDLLs, which Windows takes
  # from its own folder, never from beside the program: any other import
  # fails the build, and the program file is removed so that the next build
  # cannot take it as up to date.
  add_custom_command(TARGET kiveran POST_BUILD
    COMMAND sh -c "\"$1\" --exactly \"$2\" \"$3\" \"$4\" || { rm -f \"$4\"; exit 1; }" check
            ${PROJECT_SOURCE_DIR}/cmake/check-imports.sh
            "advapi32 comdlg32 gdi32 kernel32 msvcrt ole32 shell32 user32"
            ${KIVERAN_MINGW_TRIPLE}-objdump $<TARGET_FILE:kiveran>
    VERBATIM)
endif()
