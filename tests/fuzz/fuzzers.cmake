# libFuzzer targets, built with clang beside the g++ build and run for a
# bounded time as tests. Each writes its new inputs into a corpus folder in
# the build tree.
find_program(KIVERAN_CLANGXX NAMES clang++-14 clang++)
if(NOT KIVERAN_CLANGXX)
  message(WARNING "clang++ not found: the fuzzers are not built")
  return()
endif()

function(kiveran_add_fuzzer name)
  set(binary ${CMAKE_CURRENT_BINARY_DIR}/${name})
  set(sources ${ARGN})
  add_custom_command(OUTPUT ${binary}
    COMMAND ${KIVERAN_CLANGXX} -std=c++17 -g -O1 -Wall -Wextra
            -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all
            -I${PROJECT_SOURCE_DIR}/src ${sources} -o ${binary}
    DEPENDS ${sources}
    COMMENT "Building fuzzer ${name}"
    VERBATIM)
  add_custom_target(${name} ALL DEPENDS ${binary})
  add_test(NAME fuzz.${name}
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/rig/run-fuzzer.sh ${binary}
            ${CMAKE_CURRENT_BINARY_DIR}/corpus/${name} ${KIVERAN_FUZZ_SECONDS})
endfunction()

set(src ${PROJECT_SOURCE_DIR}/src)
kiveran_add_fuzzer(fuzz_sjis_path
  ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/fuzz_sjis_path.cpp
  ${src}/path/sjis_path.cpp ${src}/common/bounded_text.cpp)
kiveran_add_fuzzer(fuzz_command_args
  ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/fuzz_command_args.cpp
  ${src}/launch/command_args.cpp ${src}/path/sjis_path.cpp)
