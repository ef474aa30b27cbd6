# The manual page and the Debian binary package (cpack -G DEB, or scripts/package.sh for a
# hardened release build). The package's version is the project's version.

configure_file(hobwatch.1.in hobwatch.1 @ONLY)
configure_file(changelog changelog COPYONLY)
# Debian wants these compressed at the highest level, without a name or time stamp.
foreach(file IN ITEMS hobwatch.1 changelog)
    add_custom_command(OUTPUT ${file}.gz
        COMMAND gzip -9 -n -c ${file} > ${file}.gz
        DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/${file}
        VERBATIM)
endforeach()
add_custom_target(compressed_documents ALL DEPENDS hobwatch.1.gz changelog.gz)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/hobwatch.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME hobwatch)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Stripped as Debian's own tools strip, which CPack's plain strip does not.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/debian_strip.cmake)
set(CPACK_HOBWATCH_STRIP ${CMAKE_STRIP})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "kitchen countdown timer that stays on top")
set(CPACK_PACKAGE_DESCRIPTION [[
Hobwatch counts down a cooking time in one small window that stays above all
other windows. Pick a number of minutes or hours, or type any value, and press
start: the window title shows the time left and the time gone, once a second.
When the time is up, it sounds the desktop's alert sound or a tone every
second, shows how long the time has been over, and can close itself ten
seconds later.

Highlight a cooking time in the notes box, such as 1 hour 20 minutes, and it is
read into the minutes or hours entry. The notes and settings are kept in a
plain text file in the user's configuration folder.]])
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Hobwatch developers <maintainers@hobwatch.invalid>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Not linked, but needed: ALSA and libcanberra, which are loaded when the first sound is made,
# the bell sound's file, and a font as narrow as the window's layout expects.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libasound2 (>= 1.0.16), libcanberra0 (>= 0.30), sound-theme-freedesktop, fonts-liberation")
# Qt's Wayland plugin, for a Wayland session without an X server.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
