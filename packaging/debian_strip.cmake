# Run by CPack on the staged files: strips the program as Debian's own tools do, without the
# compiler's identification and the notes section, which nothing at run time reads.
file(GLOB programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/bin/*")
foreach(program IN LISTS programs)
    execute_process(
        COMMAND "${CPACK_HOBWATCH_STRIP}" --remove-section=.comment --remove-section=.note
            "${program}"
        COMMAND_ERROR_IS_FATAL ANY)
endforeach()
