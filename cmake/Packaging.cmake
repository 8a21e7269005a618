# Installing the desktop game. One set of rules serves every prefix and the package:
# - `cmake --install build --prefix DIR`: the layout distributions expect (GNUInstallDirs,
#   cmake/Distribution.cmake): the program in DIR/games, its page, launcher, AppStream data,
#   icons, manual page and documents under DIR/share;
# - `make package` (CPack, DEB): the same rules with the prefix /usr;
# - with -DVELMORA_PORTABLE_INSTALL=ON, `cmake --install` makes instead a folder that runs on
#   its own and keeps its saved game beside the program (no package is made from it).
if(NOT VELMORA_UI)
  return()
endif()

find_package(Qt6 6.4 REQUIRED COMPONENTS Gui Svg)

option(VELMORA_PORTABLE_INSTALL "cmake --install makes a folder that runs on its own" OFF)

set(VELMORA_APP_ID org.velmora.velmora)
set(VELMORA_PACKAGE_CONTACT "Velmora developers <maintainers@users.noreply.c-seed-c2130d3b.example>"
    CACHE STRING "Maintainer of the Debian package, \"Name <address>\"")
set(pkg_src ${PROJECT_SOURCE_DIR}/packaging)
set(pkg_out ${PROJECT_BINARY_DIR}/packaging)

# The build folder is a place the game runs from: the marker keeps its save beside it
# (ui/app/save_location.h), and the game's page stands beside the program there.
file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/velmora.portable
     CONTENT "This folder's Velmora keeps its saved game, Game.dt, beside the program.\n")
configure_file(${PROJECT_SOURCE_DIR}/assets/velmora.html ${PROJECT_BINARY_DIR}/velmora.html
               COPYONLY)

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

# The manual page and the changelog, compressed the way Debian installs them (-n: no file name
# or time in the gzip header).
configure_file(${pkg_src}/velmora.6 ${pkg_out}/velmora.6 @ONLY)
configure_file(${pkg_src}/changelog ${pkg_out}/changelog @ONLY)
add_custom_command(
  OUTPUT ${pkg_out}/velmora.6.gz ${pkg_out}/changelog.gz
  COMMAND gzip -9nf -k ${pkg_out}/velmora.6 ${pkg_out}/changelog
  DEPENDS ${pkg_out}/velmora.6 ${pkg_out}/changelog
  VERBATIM)
add_custom_target(velmora_package_files ALL
                  DEPENDS ${icon_pngs} ${pkg_out}/velmora.6.gz ${pkg_out}/changelog.gz)

configure_file(${pkg_src}/${VELMORA_APP_ID}.metainfo.xml.in
               ${pkg_out}/${VELMORA_APP_ID}.metainfo.xml @ONLY)
string(REGEX REPLACE "^.*<(.*)>$" "\\1" VELMORA_CONTACT "${VELMORA_PACKAGE_CONTACT}")
configure_file(${pkg_src}/copyright ${pkg_out}/copyright @ONLY)

# The launcher is written at install time, when the prefix is known: Exec names the program
# alone where it is on the usual PATH, its full path elsewhere.
function(velmora_install_launcher destination file_name program_dir icon)
  install(CODE "
    set(program_dir \"${program_dir}\")
    if(NOT IS_ABSOLUTE \"\${program_dir}\")
      set(program_dir \"\${CMAKE_INSTALL_PREFIX}/\${program_dir}\")
    endif()
    cmake_path(NORMAL_PATH program_dir)
    string(REGEX REPLACE \"(.)/$\" \"\\\\1\" program_dir \"\${program_dir}\")
    if(program_dir MATCHES \"^/usr(/local)?/(games|bin)/?$\")
      set(VELMORA_EXEC velmora)
    elseif(program_dir MATCHES \" \")
      set(VELMORA_EXEC \"\\\"\${program_dir}/velmora\\\"\")
    else()
      set(VELMORA_EXEC \"\${program_dir}/velmora\")
    endif()
    set(VELMORA_ICON \"${icon}\")
    string(REPLACE \"@PREFIX@\" \"\${CMAKE_INSTALL_PREFIX}\" VELMORA_ICON \"\${VELMORA_ICON}\")
    set(dir \"${destination}\")
    if(NOT IS_ABSOLUTE \"\${dir}\")
      set(dir \"\${CMAKE_INSTALL_PREFIX}/\${dir}\")
    endif()
    # Written beside the build, then installed as every other file is: its folders get the
    # install's directory permissions (the package's 0755), not the builder's umask.
    set(written \"${PROJECT_BINARY_DIR}/packaging/launcher/${file_name}\")
    configure_file(\"${pkg_src}/${VELMORA_APP_ID}.desktop.in\" \"\${written}\" @ONLY)
    file(INSTALL DESTINATION \"\${dir}\" TYPE FILE FILES \"\${written}\")
  ")
endfunction()

if(VELMORA_PORTABLE_INSTALL)
  # Everything in one folder, with the marker that keeps the save beside the program.
  install(TARGETS velmora RUNTIME DESTINATION .)
  install(FILES ${PROJECT_BINARY_DIR}/velmora.portable ${PROJECT_SOURCE_DIR}/README.md
                ${PROJECT_SOURCE_DIR}/assets/velmora.html ${PROJECT_SOURCE_DIR}/assets/velmora.svg
                ${pkg_out}/copyright
          DESTINATION .)
  velmora_install_launcher(. velmora.desktop . @PREFIX@/velmora.svg)
  message(STATUS "cmake --install makes a portable folder; `make package` is left out")
  return()
endif()

set(share ${CMAKE_INSTALL_DATADIR})
install(TARGETS velmora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A stripped program (`cmake --install --strip`) sheds the compilers' notes too, as dh_strip
# does. The package's program is stripped by the DEB generator instead, which keeps its debug
# information for velmora-dbgsym (cmake/PackageStrip.cmake removes the notes there).
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    set(program \"${CMAKE_INSTALL_BINDIR}/velmora\")
    if(NOT IS_ABSOLUTE \"\${program}\")
      set(program \"\${CMAKE_INSTALL_PREFIX}/\${program}\")
    endif()
    execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                            \"\$ENV{DESTDIR}\${program}\" COMMAND_ERROR_IS_FATAL ANY)
  endif()
")
# ui/app/home_page.h finds the page in share/games/velmora beside the program's folder.
install(FILES ${PROJECT_SOURCE_DIR}/assets/velmora.html DESTINATION ${share}/games/velmora)
velmora_install_launcher(${share}/applications ${VELMORA_APP_ID}.desktop
                         ${CMAKE_INSTALL_BINDIR} ${VELMORA_APP_ID})
install(FILES ${pkg_out}/${VELMORA_APP_ID}.metainfo.xml DESTINATION ${share}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/assets/velmora.svg
        DESTINATION ${share}/icons/hicolor/scalable/apps RENAME ${VELMORA_APP_ID}.svg)
foreach(size ${icon_sizes})
  install(FILES ${pkg_out}/icons/${size}.png DESTINATION ${share}/icons/hicolor/${size}x${size}/apps
          RENAME ${VELMORA_APP_ID}.png)
endforeach()
install(FILES ${pkg_out}/velmora.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${PROJECT_SOURCE_DIR}/README.md ${pkg_out}/copyright ${pkg_out}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${VELMORA_PACKAGE_CONTACT}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The install rules run with the prefix /usr itself (and DESTDIR), so the launcher's Exec is
# worked out for /usr/games.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
# The debug information goes into velmora-dbgsym_<version>_amd64.ddeb beside the .deb, whose
# program the DEB generator strips (CPACK_STRIP_FILES would strip it before the split).
set(CPACK_STRIP_FILES OFF)
set(CPACK_DEBIAN_DEBUGINFO_PACKAGE ON)
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
# Every library the program links (the Qt libraries, libqt6svg6 for the map) comes into
# Depends from dpkg-shlibdeps. Named here is what the program loads by itself at run time and
# no library call reveals: the Japanese font it asks for by name and Qt's Japanese translation
# of the standard buttons. The X11 platform plugin is part of libqt6gui6; Wayland's is a
# package of its own.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
# At packing time, not at configure time: make run and make test need no packaging tools. A
# package without dpkg-shlibdeps would declare none of its libraries; one packed under a
# group-writable umask would carry that mode in its ar members.
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/PackageChecks.cmake)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/PackageStrip.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/PackageModes.cmake)
include(CPack)
