# The packaged build's extra files and its Debian package (cpack -G DEB,
# driven by scripts/package.sh). Debian wants the manual page and the
# changelog compressed with gzip -9n (no name or time stamp inside).
set(_paperlet_desktop ${PROJECT_SOURCE_DIR}/resources/desktop)
set(_paperlet_debian ${PROJECT_SOURCE_DIR}/resources/debian)
set(_paperlet_appstream_id example.paperlet.paperlet)

configure_file(${_paperlet_desktop}/${_paperlet_appstream_id}.metainfo.xml
               ${_paperlet_appstream_id}.metainfo.xml @ONLY)
configure_file(${_paperlet_debian}/copyright copyright @ONLY)
configure_file(${_paperlet_debian}/changelog changelog @ONLY)

set(_paperlet_gzipped)
foreach(pair "${_paperlet_desktop}/paperlet.1|paperlet.1.gz"
             "${CMAKE_CURRENT_BINARY_DIR}/changelog|changelog.gz")
  string(REPLACE "|" ";" pair "${pair}")
  list(GET pair 0 _from)
  list(GET pair 1 _to)
  add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/${_to}
    COMMAND sh -c "gzip -9nc \"$1\" > \"$2\"" sh ${_from} ${CMAKE_CURRENT_BINARY_DIR}/${_to}
    DEPENDS ${_from} VERBATIM)
  list(APPEND _paperlet_gzipped ${CMAKE_CURRENT_BINARY_DIR}/${_to})
endforeach()
add_custom_target(paperlet_package_files ALL DEPENDS ${_paperlet_gzipped})

install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${_paperlet_appstream_id}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/paperlet.1.gz DESTINATION share/man/man1)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
        DESTINATION share/doc/paperlet)
# The session bus interface, where bus tools look for interfaces.
install(FILES ${PROJECT_SOURCE_DIR}/docs/command-interface.xml
        DESTINATION share/dbus-1/interfaces RENAME example.paperlet.Commands.xml)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME paperlet)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "sticky notes on the desktop, kept in the tray")
# CPack puts the summary first and indents these lines.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Paperlet keeps sticky notes on the desktop. It lives in the system tray:
a double-click on its icon makes a new note, its menu shows or hides all
notes. Each note is a small borderless window with a coloured title bar and
a rich-text body, saved in a file of its own in the user's data folder.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Paperlet developers <${PAPERLET_MAIL}>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PAPERLET_WEB_SITE})
# Depends is what dpkg-shlibdeps reads off the executable, the free faces
# made to the metrics of the design's font (Tahoma), which the program loads
# itself, and Qt's own translations (message box buttons, print, font and
# colour dialogs), loaded for the language of the program's own texts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wine, qt6-translations-l10n")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/package)
include(CPack)
