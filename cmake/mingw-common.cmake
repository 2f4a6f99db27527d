# Shared part of the MinGW-w64 toolchain files: KIVERAN_MINGW_TRIPLE and
# CMAKE_SYSTEM_PROCESSOR are set by the file that includes this one. The
# posix thread model is needed by GoogleTest (std::mutex); -static keeps
# libstdc++, libgcc and libwinpthread out of the imports.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${KIVERAN_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KIVERAN_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${KIVERAN_MINGW_TRIPLE}-windres)
# The compiler's own archiver, which indexes the intermediate code that the
# program's link-time optimisation reads from the libraries.
set(CMAKE_AR ${KIVERAN_MINGW_TRIPLE}-gcc-ar-posix)
set(CMAKE_RANLIB ${KIVERAN_MINGW_TRIPLE}-gcc-ranlib-posix)

set(CMAKE_FIND_ROOT_PATH /usr/${KIVERAN_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")

# The Windows test programs run under Wine, inside the session that
# tests/rig/wine-session.sh prepares.
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/../tests/rig/wine-emulator.sh")
