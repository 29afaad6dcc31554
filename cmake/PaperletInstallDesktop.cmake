# Runs at install time: writes share/applications/paperlet.desktop with Exec
# naming the installed executable, quoted as desktop entries require.
set(_exe "${CMAKE_INSTALL_PREFIX}/lib/paperlet/paperlet")

set(_arg "${_exe}")
string(REGEX MATCH "[] \t\n\"'\\\\><~|&;$*?#()`[]" _reserved "${_arg}")
if(_reserved)
  string(REPLACE "\\" "\\\\" _arg "${_arg}")
  string(REPLACE "\"" "\\\"" _arg "${_arg}")
  string(REPLACE "`" "\\`" _arg "${_arg}")
  string(REPLACE "$" "\\$" _arg "${_arg}")
  set(_arg "\"${_arg}\"")
endif()
string(REPLACE "%" "%%" _arg "${_arg}")
# The string type escapes backslashes once more.
string(REPLACE "\\" "\\\\" PAPERLET_DESKTOP_EXEC "${_arg}")
string(REPLACE "\\" "\\\\" PAPERLET_DESKTOP_TRYEXEC "${_exe}")

set(_entry "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/share/applications/paperlet.desktop")
message(STATUS "Installing: ${_entry}")
configure_file("${PAPERLET_DESKTOP_TEMPLATE}" "${_entry}" @ONLY)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${_entry}")

# Let running desktops notice the new entry and icon now rather than later.
if(NOT DEFINED ENV{DESTDIR} OR "$ENV{DESTDIR}" STREQUAL "")
  find_program(_update_desktop update-desktop-database)
  if(_update_desktop)
    execute_process(COMMAND ${_update_desktop} -q "${CMAKE_INSTALL_PREFIX}/share/applications"
                    RESULT_VARIABLE _ignored ERROR_QUIET)
  endif()
  find_program(_update_icons gtk-update-icon-cache)
  if(_update_icons AND EXISTS "${CMAKE_INSTALL_PREFIX}/share/icons/hicolor/index.theme")
    execute_process(COMMAND ${_update_icons} -q -t "${CMAKE_INSTALL_PREFIX}/share/icons/hicolor"
                    RESULT_VARIABLE _ignored ERROR_QUIET)
  endif()
endif()
