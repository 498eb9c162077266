# Run by cpack on the files it is about to pack (CPACK_PRE_BUILD_SCRIPTS): the manual
# pages and the changelog compressed as Debian has them, with gzip -9n (no name, no time).
find_program(GZIP gzip REQUIRED)
file(GLOB_RECURSE documents "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
list(FILTER documents INCLUDE REGEX "/man/man1/[^/]+\\.1$|/doc/[^/]+/changelog$")
foreach(document ${documents})
  execute_process(COMMAND ${GZIP} -9nf ${document} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
