# The bundled sample element-set server tree, compiled into a target as the resource prefix
# ":/sample-server/NORAD/elements/".
function(skelvor_add_samples target)
  set(base ${PROJECT_SOURCE_DIR}/resources)
  file(GLOB_RECURSE files CONFIGURE_DEPENDS ${base}/sample-server/NORAD/*)
  qt_add_resources(${target} skelvor_samples PREFIX "/" BASE ${base} FILES ${files})
endfunction()
