# Run by `cmake --install`: writes the desktop entry for the prefix being installed to, which is
# known only now (--prefix, or a package's staging under DESTDIR). Its Exec values, the entry's
# and its actions', name the installed program by its absolute path, so the launcher starts it
# whether or not that folder is on the session's PATH. Set before: HOBWATCH_BINDIR,
# HOBWATCH_DATADIR (relative to the prefix or absolute), HOBWATCH_DESKTOP_TEMPLATE (with
# @PROGRAM@ for the program in each Exec value) and
# HOBWATCH_DESKTOP_STAGED (where to write it before it is installed).

function(hobwatch_under_prefix directory result)
    if(IS_ABSOLUTE "${directory}")
        set(${result} "${directory}" PARENT_SCOPE)
    else()
        set(${result} "${CMAKE_INSTALL_PREFIX}/${directory}" PARENT_SCOPE)
    endif()
endfunction()

hobwatch_under_prefix("${HOBWATCH_BINDIR}" bindir)
hobwatch_under_prefix("${HOBWATCH_DATADIR}" datadir)
set(program "${bindir}/hobwatch")

# The Exec key's rules: a path holding a reserved character is quoted, with ", `, $ and \ taking
# a backslash inside the quotes; then every backslash is escaped once more as the key file asks,
# and a % is doubled so that it is no field code.
set(exec "${program}")
if(program MATCHES "[] \t\"'\\\\<>~|&;$*?#()`[]")
    string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" exec "${program}")
    set(exec "\"${exec}\"")
endif()
string(REPLACE "\\" "\\\\" exec "${exec}")
string(REPLACE "%" "%%" exec "${exec}")

file(READ "${HOBWATCH_DESKTOP_TEMPLATE}" entry)
string(REPLACE "@PROGRAM@" "${exec}" entry "${entry}")
file(WRITE "${HOBWATCH_DESKTOP_STAGED}" "${entry}")
file(INSTALL "${HOBWATCH_DESKTOP_STAGED}" DESTINATION "${datadir}/applications")
