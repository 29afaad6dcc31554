# Installing: the program keeps settings.ini and Notes beside its executable,
# so the executable goes into a folder of its own that the user can write
# (lib/paperlet, from src/CMakeLists.txt), and the default is a per-user
# install under ~/.local. On freedesktop systems an application entry and the
# icon in the hicolor sizes make desktops list it like any other program.
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT AND NOT WIN32 AND DEFINED ENV{HOME})
  set(CMAKE_INSTALL_PREFIX "$ENV{HOME}/.local" CACHE PATH "Install prefix (per user)" FORCE)
endif()

if(UNIX AND NOT APPLE)
  set(_paperlet_desktop ${PROJECT_SOURCE_DIR}/resources/desktop)
  foreach(size 16 22 24 32 48 64 128 256)
    install(FILES ${_paperlet_desktop}/icons/${size}.png
            DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME paperlet.png)
  endforeach()
  # The entry names the installed executable by its full path, which is only
  # known at install time (cmake --install --prefix may change it).
  install(CODE "set(PAPERLET_DESKTOP_TEMPLATE \"${_paperlet_desktop}/paperlet.desktop.in\")")
  install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/PaperletInstallDesktop.cmake)

  # Regenerates the icon PNGs from the painted tray note (not part of "all").
  add_executable(paperlet_render_icons EXCLUDE_FROM_ALL ${_paperlet_desktop}/render_icons.cpp)
  target_link_libraries(paperlet_render_icons PRIVATE paperlet_app)
  add_custom_target(paperlet_icons
    COMMAND paperlet_render_icons ${_paperlet_desktop}/icons
    COMMENT "Rendering the program icon into resources/desktop/icons")
endif()
