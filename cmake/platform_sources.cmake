# Files named *_win32.* (tests: *_win32_test.*) belong to the Windows backend, *_posix.* to the POSIX one;
# every other source is portable. platform_sources() globs a folder and keeps the
# portable files and those of the platform being built.
function(platform_sources out)
  file(GLOB_RECURSE found CONFIGURE_DEPENDS ${ARGN})
  if(WIN32)
    list(FILTER found EXCLUDE REGEX "_posix(_test)?\\.[a-z]+$")
  else()
    list(FILTER found EXCLUDE REGEX "_win32(_test)?\\.[a-z]+$")
  endif()
  set(${out} ${found} PARENT_SCOPE)
endfunction()
