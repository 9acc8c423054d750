# The bundled sample element-set server tree, compiled into a target as the resource prefix
# ":/sample-server/NORAD/elements/", with the sample transmitter list at
# ":/sample-server/api/transmitters/transmitters.json".
function(skelvor_add_samples target)
  set(base ${PROJECT_SOURCE_DIR}/resources)
  file(GLOB_RECURSE files CONFIGURE_DEPENDS ${base}/sample-server/NORAD/*)
  list(APPEND files ${base}/sample-server/api/transmitters/transmitters.json)
  qt_add_resources(${target} skelvor_samples PREFIX "/" BASE ${base} FILES ${files})
endfunction()
