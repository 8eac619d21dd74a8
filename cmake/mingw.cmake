# Cross build for Windows with Debian's mingw-w64 toolchain.
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw.cmake ...               32-bit programs (the product)
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw.cmake -DMINGW_ARCH=x86_64 ...  64-bit test builds
set(CMAKE_SYSTEM_NAME Windows)
if(NOT MINGW_ARCH)
  set(MINGW_ARCH i686)
endif()
set(CMAKE_SYSTEM_PROCESSOR ${MINGW_ARCH})
set(MINGW_PREFIX ${MINGW_ARCH}-w64-mingw32)
# Debian's mingw-w64 g++ comes in a posix-threads and a win32-threads flavour;
# the posix one is used, and every program is linked fully static, so that it
# needs no DLL beyond Windows' own (no winpthread, no C++ library).
set(CMAKE_C_COMPILER ${MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
