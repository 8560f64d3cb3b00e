# Windows i686 with mingw-w64.
set(mingw_machine i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
