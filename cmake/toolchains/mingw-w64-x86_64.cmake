# Cross-compiles for 64-bit Windows with Debian's mingw-w64 toolchain
# (packages g++-mingw-w64-x86-64, binutils-mingw-w64-x86-64).
# The "posix" compilers provide std::thread and std::mutex; the library
# links their runtime statically, so the DLL needs nothing beside it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(VXCL_MINGW_PREFIX x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${VXCL_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VXCL_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${VXCL_MINGW_PREFIX}-windres)
set(CMAKE_DLLTOOL ${VXCL_MINGW_PREFIX}-dlltool)

set(CMAKE_FIND_ROOT_PATH /usr/${VXCL_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

