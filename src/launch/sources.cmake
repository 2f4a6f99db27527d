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
  # The program's own objects, linked twice below.
  add_library(kiveran_program OBJECT
    ${CMAKE_CURRENT_LIST_DIR}/launch_main.cpp
    ${CMAKE_CURRENT_LIST_DIR}/process_entry.cpp)
  target_link_libraries(kiveran_program PRIVATE kiveran_flags kiveran_program_flags)
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(entry _KiveranEntry@0)
  else()
    set(entry KiveranEntry)
  endif()
  set(program_link_options -static -nostartfiles -Wl,--entry=${entry}
    -Wl,--gc-sections -Wl,--dynamicbase -Wl,--nxcompat
    -Wl,--disable-auto-import -Wl,--disable-runtime-pseudo-reloc)

  # The same program linked without link-time optimisation, never shipped:
  # its map names what the code takes from the C runtime and the compiler's
  # support library, and cmake/runtime-symbols.sh turns that into the -u
  # options without which binutils 2.40 crashes on the optimised link (the
  # script says why). Derived at every build, so that a new runtime call
  # cannot bring the crash back.
  set(runtime_map ${CMAKE_CURRENT_BINARY_DIR}/kiveran_without_lto.map)
  set(runtime_symbols ${CMAKE_CURRENT_BINARY_DIR}/runtime-symbols.rsp)
  add_executable(kiveran_without_lto WIN32 $<TARGET_OBJECTS:kiveran_program>)
  target_link_libraries(kiveran_without_lto PRIVATE kiveran_core)
  target_link_options(kiveran_without_lto PRIVATE ${program_link_options}
    -Wl,-Map=${runtime_map} -Wl,--no-demangle)
  set_target_properties(kiveran_without_lto PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  add_custom_command(OUTPUT ${runtime_symbols}
    COMMAND sh ${PROJECT_SOURCE_DIR}/cmake/runtime-symbols.sh ${runtime_map} ${runtime_symbols}
    DEPENDS kiveran_without_lto ${PROJECT_SOURCE_DIR}/cmake/runtime-symbols.sh
    VERBATIM)
  add_custom_target(kiveran_runtime_symbols DEPENDS ${runtime_symbols})

  # The program: link-time optimisation with the code's own size options,
  # the runtime's symbols named first.
  add_executable(kiveran WIN32
    $<TARGET_OBJECTS:kiveran_program>
    $<TARGET_OBJECTS:kiveran_resources>)
  target_link_libraries(kiveran PRIVATE kiveran_core)
  target_link_options(kiveran PRIVATE ${program_link_options} -s
    -flto ${KIVERAN_PROGRAM_OPTIMISATION} @${runtime_symbols})
  add_dependencies(kiveran kiveran_runtime_symbols)
  set_property(TARGET kiveran APPEND PROPERTY LINK_DEPENDS ${runtime_symbols})
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
