# Cross-compiling for 64-bit Windows with MinGW-w64 (posix thread model).
# Third-party libraries (SQLite, libjpeg-turbo, GoogleTest, Benchmark) come
# from the bootstrap's cache, $YQ_CACHE/mingw.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_ASM_NASM_COMPILER nasm)

if(DEFINED ENV{YQ_CACHE})
  set(YQ_CACHE "$ENV{YQ_CACHE}")
else()
  set(YQ_CACHE /var/cache/yunqiao)
endif()
set(YQ_MINGW_PREFIX "${YQ_CACHE}/mingw")

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32 "${YQ_MINGW_PREFIX}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
