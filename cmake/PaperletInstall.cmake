# Installing. A portable copy keeps settings.ini and Notes beside its
# executable, so by default the executable goes into a folder of its own that
# the user can write (lib/paperlet) and the prefix is the user's ~/.local.
# The packaged build keeps them in the user's data folder instead and installs
# like any system program (bin/paperlet); PaperletPackage.cmake adds what a
# Debian package carries besides. On freedesktop systems an application entry
# and the icon in the hicolor sizes make desktops list it like any other
# program.
option(PAPERLET_PACKAGED
  "Build for a system-wide package: settings.ini and Notes in the user's data folder" OFF)

if(PAPERLET_PACKAGED)
  set(PAPERLET_INSTALL_BINDIR bin)
else()
  set(PAPERLET_INSTALL_BINDIR lib/paperlet)
  if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT AND NOT WIN32 AND DEFINED ENV{HOME})
    set(CMAKE_INSTALL_PREFIX "$ENV{HOME}/.local" CACHE PATH "Install prefix (per user)" FORCE)
  endif()
endif()

if(UNIX AND NOT APPLE)
  set(_paperlet_desktop ${PROJECT_SOURCE_DIR}/resources/desktop)
  foreach(size 16 22 24 32 48 64 128 256)
    install(FILES ${_paperlet_desktop}/icons/${size}.png
            DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME paperlet.png)
  endforeach()
  if(PAPERLET_PACKAGED)
    # The program is on the PATH, so the entry names it alone.
    set(PAPERLET_DESKTOP_EXEC paperlet)
    set(PAPERLET_DESKTOP_TRYEXEC paperlet)
    configure_file(${_paperlet_desktop}/paperlet.desktop.in paperlet.desktop @ONLY)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/paperlet.desktop DESTINATION share/applications)
    include(${CMAKE_CURRENT_LIST_DIR}/PaperletPackage.cmake)
  else()
    # The entry names the installed executable by its full path, which is
    # only known at install time (cmake --install --prefix may change it).
    install(CODE "set(PAPERLET_DESKTOP_TEMPLATE \"${_paperlet_desktop}/paperlet.desktop.in\")")
    install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/PaperletInstallDesktop.cmake)
  endif()

  # Regenerates the icon PNGs from the painted tray note (not part of "all").
  add_executable(paperlet_render_icons EXCLUDE_FROM_ALL ${_paperlet_desktop}/render_icons.cpp)
  target_link_libraries(paperlet_render_icons PRIVATE paperlet_app)
  add_custom_target(paperlet_icons
    COMMAND paperlet_render_icons ${_paperlet_desktop}/icons
    COMMENT "Rendering the program icon into resources/desktop/icons")
endif()
