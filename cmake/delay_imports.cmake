# DLLs the program needs only after its window shows (COM and the
# accessibility layer, the list view, opening links) are delay-loaded: each
# is loaded the first time one of its functions is called, not before WinMain.
# A function not listed here fails the link, so none slips back into the
# ordinary imports.
#   metrova_delay_import(<target> <dll> <function>@<argument bytes>...)
# The argument bytes name the 32-bit stdcall symbol; 64-bit builds drop them.
function(metrova_delay_import target dll)
  get_filename_component(base ${dll} NAME_WE)
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/delay)
  set(def ${dir}/${base}.def)
  set(lib ${dir}/lib${base}_delay.a)
  set(text "LIBRARY ${dll}\nEXPORTS\n")
  set(killAt "")
  foreach(function ${ARGN})
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
      string(REGEX REPLACE "@[0-9]+$" "" function ${function})
    else()
      set(killAt --kill-at)
    endif()
    string(APPEND text "${function}\n")
  endforeach()
  file(CONFIGURE OUTPUT ${def} CONTENT "${text}" @ONLY)
  add_custom_command(OUTPUT ${lib}
    COMMAND ${MINGW_TRIPLET}-dlltool --input-def ${def} --dllname ${dll} ${killAt} --output-delaylib ${lib}
    DEPENDS ${def}
    COMMENT "Delay-load library for ${dll}")
  add_custom_target(${target}_delay_${base} DEPENDS ${lib})
  add_dependencies(${target} ${target}_delay_${base})
  target_link_libraries(${target} PRIVATE ${lib})
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${lib})
endfunction()
