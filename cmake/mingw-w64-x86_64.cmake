# Cross build for 64-bit Windows with Debian's mingw-w64 (g++-mingw-w64-x86-64).
# Programs are linked statically (libgcc, libstdc++, winpthread) so they need no DLL beside
# them, and CTest runs them under Wine through cmake/wine-run.sh with a private prefix in the
# build folder.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZW_MINGW_TRIPLE x86_64-w64-mingw32)
# The posix thread model gives the full <thread>/<mutex> of the C++ library.
set(CMAKE_C_COMPILER ${ZW_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZW_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ZW_MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ZW_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")

# Wine runs the test programs; the prefix lives in the build folder and is set up on first use.
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/wine-run.sh;${CMAKE_BINARY_DIR}/wineprefix")
