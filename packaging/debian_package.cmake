# The manual page.

configure_file(hobwatch.1.in hobwatch.1 @ONLY)
# Debian wants these compressed at the highest level, without a name or time stamp.
foreach(file IN ITEMS hobwatch.1)
    add_custom_command(OUTPUT ${file}.gz
        COMMAND gzip -9 -n -c ${file} > ${file}.gz
        DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/${file}
        VERBATIM)
endforeach()
add_custom_target(compressed_documents ALL DEPENDS hobwatch.1.gz)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/hobwatch.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
