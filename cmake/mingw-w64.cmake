# Cross-compiling for Windows with Debian's mingw-w64, posix thread model: the
# C++ library then has std::mutex and std::thread (winpthreads is linked in
# statically). The toolchain file of each machine type sets mingw_machine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${mingw_machine})
set(CMAKE_C_COMPILER ${mingw_machine}-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_machine}-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_machine}-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${mingw_machine}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
