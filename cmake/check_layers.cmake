# Fails when a source file includes a header from a folder above its own.
#   cmake -DROOT=<source tree> -P cmake/check_layers.cmake
# The order, bottom up: numtext and catalogue; core; lists; shell and widgets
# (shell may use widgets, not the other way round); res holds the resources'
# own headers, which the top two may use. Outside catalogue/, the tables'
# own headers (catalog.h, tables.h) are refused too: the catalogue is read
# through catalogue/units.h.
cmake_minimum_required(VERSION 3.25)
if(NOT ROOT)
  message(FATAL_ERROR "ROOT is not set")
endif()

set(ALLOWED_numtext  numtext)
set(ALLOWED_catalogue catalogue)
set(ALLOWED_core     core catalogue numtext)
set(ALLOWED_lists    lists core catalogue numtext)
set(ALLOWED_widgets  widgets res)
set(ALLOWED_shell    shell widgets lists core catalogue numtext res)
set(ALLOWED_res      res)
set(LAYERS numtext catalogue core lists widgets shell res)

set(violations "")
foreach(layer ${LAYERS})
  file(GLOB_RECURSE files ${ROOT}/${layer}/*.h ${ROOT}/${layer}/*.cpp ${ROOT}/${layer}/*.rc ${ROOT}/${layer}/*.in)
  foreach(file ${files})
    file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"/]+/")
    foreach(line ${includes})
      string(REGEX REPLACE "^[^\"]*\"([^\"/]+)/.*$" "\\1" folder "${line}")
      if(folder IN_LIST LAYERS AND NOT folder IN_LIST ALLOWED_${layer})
        file(RELATIVE_PATH shown ${ROOT} ${file})
        string(APPEND violations "  ${shown}: ${line}\n")
      endif()
      # Only catalogue/ reads its tables; every other folder asks catalogue/units.h.
      if(NOT layer STREQUAL "catalogue" AND line MATCHES "\"catalogue/(catalog|tables)\\.h\"")
        file(RELATIVE_PATH shown ${ROOT} ${file})
        string(APPEND violations "  ${shown}: ${line} (the tables: ask catalogue/units.h)\n")
      endif()
    endforeach()
  endforeach()
endforeach()

if(violations)
  message(FATAL_ERROR "Includes against the layer order:\n${violations}")
endif()
message(STATUS "Layers: every include runs downwards")
