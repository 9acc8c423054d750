# Every screenshot the AppStream file names is one of the pictures in docs/screenshots, which
# the project's web site publishes under the same names.
#   cmake -DMETAINFO=... -DSCREENSHOTS=... -P check_screenshots.cmake
file(READ "${METAINFO}" metainfo)
string(REGEX MATCHALL "<image>[^<]*</image>" images "${metainfo}")
list(LENGTH images count)
if(count EQUAL 0)
  message(FATAL_ERROR "${METAINFO} names no screenshots")
endif()
foreach(image IN LISTS images)
  string(REGEX REPLACE "<image>.*/([^/<]+)</image>" "\\1" name "${image}")
  if(NOT EXISTS "${SCREENSHOTS}/${name}")
    message(FATAL_ERROR "${name} is not in ${SCREENSHOTS}")
  endif()
endforeach()
