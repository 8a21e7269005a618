# Installing the desktop game. Two layouts come from the same build:
# - `cmake --install build --prefix DIR`: a folder that runs on its own (the rules in
#   ui/CMakeLists.txt, plus the game's page beside the program below);
# - `make package` (CPack, DEB): the Debian layout under /usr, from the rules of the component
#   "deb" below, which a plain `cmake --install` leaves out (EXCLUDE_FROM_ALL).
if(NOT VELMORA_UI)
  return()
endif()

find_package(Qt6 6.4 REQUIRED COMPONENTS Gui Svg)

set(VELMORA_APP_ID org.velmora.velmora)
set(VELMORA_PACKAGE_CONTACT "Velmora developers <maintainers@users.noreply.c-seed-c2130d3b.example>"
    CACHE STRING "Maintainer of the Debian package, \"Name <address>\"")
set(pkg_src ${PROJECT_SOURCE_DIR}/packaging)
set(pkg_out ${PROJECT_BINARY_DIR}/packaging)

# The game's page stands beside the program in the build folder and the installed folder;
# the package keeps it with the game's other data.
configure_file(${PROJECT_SOURCE_DIR}/assets/velmora.html ${PROJECT_BINARY_DIR}/velmora.html
               COPYONLY)
install(FILES ${PROJECT_SOURCE_DIR}/assets/velmora.html DESTINATION .)

# The icon theme's bitmaps, drawn from the SVG by Qt's own renderer.
set(icon_sizes 48 64 128 256)
qt_add_executable(velmora_render_icon ${pkg_src}/render_icon.cpp)
target_link_libraries(velmora_render_icon PRIVATE Qt6::Gui Qt6::Svg)
set(icon_pngs)
foreach(size ${icon_sizes})
  list(APPEND icon_pngs ${pkg_out}/icons/${size}.png)
endforeach()
add_custom_command(
  OUTPUT ${icon_pngs}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${pkg_out}/icons
  COMMAND velmora_render_icon ${PROJECT_SOURCE_DIR}/assets/velmora.svg ${pkg_out}/icons
          ${icon_sizes}
  DEPENDS velmora_render_icon ${PROJECT_SOURCE_DIR}/assets/velmora.svg
  COMMENT "Rendering the icon's bitmaps"
  VERBATIM)

# The manual page, compressed the way Debian installs them (-n: no file name or time in the
# gzip header).
configure_file(${pkg_src}/velmora.6 ${pkg_out}/velmora.6 @ONLY)
add_custom_command(
  OUTPUT ${pkg_out}/velmora.6.gz
  COMMAND gzip -9nf -k ${pkg_out}/velmora.6
  DEPENDS ${pkg_out}/velmora.6
  VERBATIM)
add_custom_target(velmora_package_files ALL DEPENDS ${icon_pngs} ${pkg_out}/velmora.6.gz)

configure_file(${pkg_src}/${VELMORA_APP_ID}.metainfo.xml.in
               ${pkg_out}/${VELMORA_APP_ID}.metainfo.xml @ONLY)
string(REGEX REPLACE "^.*<(.*)>$" "\\1" VELMORA_CONTACT "${VELMORA_PACKAGE_CONTACT}")
configure_file(${pkg_src}/copyright ${pkg_out}/copyright @ONLY)

# The Debian layout.
set(deb COMPONENT deb EXCLUDE_FROM_ALL)
install(TARGETS velmora RUNTIME DESTINATION games ${deb})
install(FILES ${pkg_src}/${VELMORA_APP_ID}.desktop DESTINATION share/applications ${deb})
install(FILES ${pkg_out}/${VELMORA_APP_ID}.metainfo.xml DESTINATION share/metainfo ${deb})
install(FILES ${PROJECT_SOURCE_DIR}/assets/velmora.svg
        DESTINATION share/icons/hicolor/scalable/apps RENAME ${VELMORA_APP_ID}.svg ${deb})
foreach(size ${icon_sizes})
  install(FILES ${pkg_out}/icons/${size}.png DESTINATION share/icons/hicolor/${size}x${size}/apps
          RENAME ${VELMORA_APP_ID}.png ${deb})
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/assets/velmora.html DESTINATION share/games/velmora ${deb})
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${pkg_out}/copyright DESTINATION share/doc/velmora
        ${deb})
install(FILES ${pkg_out}/velmora.6.gz DESTINATION share/man/man6 ${deb})
install(FILES ${pkg_src}/lintian-overrides DESTINATION share/lintian/overrides RENAME velmora
        ${deb})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${VELMORA_PACKAGE_CONTACT}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Only the Debian layout goes into the package.
set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};Velmora;deb;/")
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Synopsis, then the extended description in lines of less than 80 characters.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "turn-based strategy game of ten provinces of central Japan
A single-player, turn-based strategy game of provincial conquest in central
Japan, with a Japanese user interface. Ten provinces, ten ruling houses, one
map: you command one house, the computer the other nine, and the game ends when
one house holds all ten provinces.")
# The libraries the program links come from dpkg-shlibdeps, libqt6svg6 (the map's renderer)
# among them. Named here is what the program loads by itself at run time and no library call
# reveals: the Japanese font it asks for by name and Qt's Japanese translation of the standard
# buttons. The X11 platform plugin is part of libqt6gui6; Wayland's is a package of its own.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
include(CPack)
