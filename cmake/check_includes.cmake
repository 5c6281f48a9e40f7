cmake_minimum_required(VERSION 3.25)
# Fails when a source of a window-free library includes a header from outside the folders it
# may use. Run by the build (see vemko_pure_library): -DSOURCES=a;b -DALLOWED=folder;folder -DSTAMP=file
foreach(source IN LISTS SOURCES)
  file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" header "${line}")
    get_filename_component(folder "${header}" DIRECTORY)
    if(NOT folder IN_LIST ALLOWED)
      message(FATAL_ERROR "${source}: includes \"${header}\"; this library may include only "
                          "headers of: ${ALLOWED}")
    endif()
  endforeach()
endforeach()
file(TOUCH ${STAMP})
