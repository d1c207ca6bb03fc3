# Collects the sources of the given folders of src/. Where a file lives says
# which library it belongs to: the core folders hold standard C++ only, the
# desktop side lives under src/gui.
function(mirelo_sources out)
  set(result)
  foreach(folder IN LISTS ARGN)
    file(GLOB files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${folder}/*.cpp)
    list(APPEND result ${files})
  endforeach()
  set(${out} ${result} PARENT_SCOPE)
endfunction()
