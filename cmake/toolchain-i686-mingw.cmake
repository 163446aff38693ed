# Cross build for 32-bit Windows (the product build) with MinGW-w64 (posix thread model).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(ZUNT_MINGW_PREFIX i686-w64-mingw32)
set(CMAKE_C_COMPILER   ${ZUNT_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZUNT_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER  ${ZUNT_MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${ZUNT_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
# Doubles in SSE2 registers, as MSVC's 32-bit compiler computes them and as the 64-bit build
# does: x87's extended precision would round values and colours differently.
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
