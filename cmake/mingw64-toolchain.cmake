# Cross build for 64-bit Windows with MinGW-w64: the edition for machines
# that cannot run 32-bit programs.
set(KIVERAN_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
