# Cross toolchain for lorvex.exe: MinGW-w64, x86_64 (the only Wine here is 64-bit),
# posix thread model. Tests of this build run through cmake/wine-run.sh.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLET}-windres)

# Headers and libraries come from the MinGW sysroot only; programs (windres, python)
# from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Fully static: with only -static-libgcc -static-libstdc++ the exe still imports
# libwinpthread-1.dll, which Wine cannot find and which a Windows machine lacks.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# .rc files are UTF-8 with #pragma code_page(65001); the flag covers a file without it.
set(CMAKE_RC_FLAGS_INIT "-c 65001")

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh)
