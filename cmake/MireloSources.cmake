# Collects the logic sources of the given subsystem folders. Window files
# (*Dialog.*, *Window.*) belong to the desktop program, not to the core.
function(mirelo_sources out)
  set(result)
  foreach(folder IN LISTS ARGN)
    file(GLOB files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${folder}/*.cpp)
    list(FILTER files EXCLUDE REGEX "(Dialog|Window)\\.cpp$")
    list(APPEND result ${files})
  endforeach()
  set(${out} ${result} PARENT_SCOPE)
endfunction()
