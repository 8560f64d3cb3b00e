# Windows x86_64 with mingw-w64.
set(mingw_machine x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
