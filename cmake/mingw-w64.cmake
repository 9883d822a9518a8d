# Cross build for 64-bit Windows with the POSIX-threads flavour of mingw-w64.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TALLYVANE_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TALLYVANE_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TALLYVANE_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${TALLYVANE_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TALLYVANE_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Every executable stands alone: no libstdc++, libgcc or winpthread DLL beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
