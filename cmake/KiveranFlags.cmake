# Compile options of the product's code, in both builds.
# Sources are UTF-8; every literal becomes Shift-JIS (code page 932), the
# program's ANSI code page.
add_library(kiveran_flags INTERFACE)
target_compile_options(kiveran_flags INTERFACE
  $<$<COMPILE_LANGUAGE:CXX>:-Wall -Wextra -fno-exceptions -fno-rtti
    -finput-charset=UTF-8 -fexec-charset=CP932>)
if(KIVERAN_WERROR)
  target_compile_options(kiveran_flags INTERFACE $<$<COMPILE_LANGUAGE:CXX>:-Werror>)
endif()
# 32-bit Windows unwinds through the SEH frame chain, never through tables,
# and the product code throws nothing: its DWARF unwind tables would only be
# dead weight, and so is a frame pointer in every function (64-bit code has
# none either). 64-bit Windows walks every stack with .pdata/.xdata; they stay.
if(WIN32 AND CMAKE_SIZEOF_VOID_P EQUAL 4)
  target_compile_options(kiveran_flags INTERFACE
    $<$<COMPILE_LANGUAGE:CXX>:-fno-asynchronous-unwind-tables -fno-unwind-tables -fomit-frame-pointer>)
endif()
# A section a function, so that a link's --gc-sections drops what it does
# not call (such as the forms of the command-line splitter that only the
# tests use); on the 64-bit edition, whose default linker script keeps every
# function that a .pdata entry points at, only the program's link-time
# optimisation below leaves them out.
if(WIN32)
  target_compile_options(kiveran_flags INTERFACE
    $<$<COMPILE_LANGUAGE:CXX>:-ffunction-sections>)
endif()
target_include_directories(kiveran_flags INTERFACE ${PROJECT_SOURCE_DIR}/src)
if(KIVERAN_WINDOWS)
  # ANSI entry points and no MinGW replacement printf. 0x0501 is Windows XP:
  # the headers then declare nothing newer, where MinGW-w64's default
  # (Windows 10) would let a call that older systems lack pass unnoticed. The
  # program's own calls are all older than XP: it compiles to the same code
  # with 0x0400, and the value only keeps the newer declarations out.
  target_compile_definitions(kiveran_flags INTERFACE
    _WIN32_WINNT=0x0501 WINVER=0x0501 _WIN32_IE=0x0501 __USE_MINGW_ANSI_STDIO=0)
endif()

# The program's own code (kiveran_portable, kiveran_core and the program's
# objects) is optimised for size, without the padding that aligns data beyond
# what the ABI asks, and carries its intermediate code beside the machine
# code: the program is linked with link-time optimisation, which drops every
# function it does not call (also on the 64-bit edition, where the default
# linker script keeps each function that a .pdata entry points at), while
# every other link uses the machine code. GCC 12 stops with an internal error
# (binds_to_current_def_p) when it optimises the GoogleTest programs at link
# time, and it does so whenever a link is given intermediate code without
# -fno-lto: hence -fno-lto on every link but the program's.
add_library(kiveran_program_flags INTERFACE)
if(KIVERAN_WINDOWS)
  include(CheckCXXCompilerFlag)
  check_cxx_compiler_flag(-Oz KIVERAN_HAS_OZ)
  if(KIVERAN_HAS_OZ)
    set(KIVERAN_PROGRAM_OPTIMISATION -Oz -malign-data=abi)
  else()
    set(KIVERAN_PROGRAM_OPTIMISATION -Os -malign-data=abi)
  endif()
  # 32-bit Windows keeps its stack 4-byte aligned: GCC's default of 16
  # makes functions with locals realign it, for no instruction that needs it
  # (the code has no SSE; a function with a local that does is realigned).
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    list(APPEND KIVERAN_PROGRAM_OPTIMISATION -mpreferred-stack-boundary=2)
  endif()
  target_compile_options(kiveran_program_flags INTERFACE
    $<$<COMPILE_LANGUAGE:CXX>:${KIVERAN_PROGRAM_OPTIMISATION} -flto -ffat-lto-objects>)
  add_link_options(-fno-lto)
endif()

# Test code: the same charset and warnings, with exceptions (GoogleTest).
add_library(kiveran_test_flags INTERFACE)
target_compile_options(kiveran_test_flags INTERFACE
  $<$<COMPILE_LANGUAGE:CXX>:-Wall -Wextra -finput-charset=UTF-8 -fexec-charset=CP932>)
target_include_directories(kiveran_test_flags INTERFACE ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/tests)
if(KIVERAN_WINDOWS)
  target_compile_definitions(kiveran_test_flags INTERFACE
    _WIN32_WINNT=0x0501 WINVER=0x0501 _WIN32_IE=0x0501)
endif()
