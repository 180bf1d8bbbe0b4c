# embed_resources(TARGET file...): compiles the files into TARGET; at run time each is found by
# its file name through FindResource(). The SDK installs this file for other programs, so the
# script is looked for beside it, not in the source tree.
set(SARUVI_EMBED_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/EmbedScript.cmake)
function(embed_resources target)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${target}_resources.cpp)
  set(abs_files)
  foreach(f IN LISTS ARGN)
    get_filename_component(a ${f} ABSOLUTE)
    list(APPEND abs_files ${a})
  endforeach()
  add_custom_command(
    OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -DOUT=${out} "-DFILES=${abs_files}" -P
            ${SARUVI_EMBED_SCRIPT}
    DEPENDS ${abs_files} ${SARUVI_EMBED_SCRIPT}
    COMMENT "Embedding resources of ${target}"
    VERBATIM)
  target_sources(${target} PRIVATE ${out})
endfunction()
