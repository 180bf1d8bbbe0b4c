# Run by CPack on its staging folder before it builds the packages.
file(GLOB_RECURSE libraries ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*.a)
foreach(library IN LISTS libraries)
  execute_process(COMMAND strip --strip-debug ${library} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
