# What a distribution expects of the build: hardened, reproducible flags unless the packager
# brings their own, no RUNPATH, and the install folders of GNUInstallDirs.

# The program goes among the games (/usr/games on Debian); -DCMAKE_INSTALL_BINDIR=... still
# wins. Set before anything includes GNUInstallDirs (Qt's project set-up does).
set(bindir_help "User executables (games: /usr/games, as Debian keeps games)")
if(NOT DEFINED CACHE{VELMORA_HARDENING} AND DEFINED CACHE{Qt6_DIR}
   AND "${CMAKE_INSTALL_BINDIR}" STREQUAL "bin")
  # A build folder configured before the games default: Qt's set-up had cached bin.
  set(CMAKE_INSTALL_BINDIR games CACHE PATH "${bindir_help}" FORCE)
endif()
set(CMAKE_INSTALL_BINDIR games CACHE PATH "${bindir_help}")
# The package's name, not the project's (Velmora).
if(NOT CMAKE_INSTALL_DOCDIR)
  set(CMAKE_INSTALL_DOCDIR share/doc/velmora CACHE PATH "Documentation (share/doc/velmora)" FORCE)
endif()
include(GNUInstallDirs)

# The program links only libraries from the system's own folders: an installed copy needs no
# RUNPATH (Qt's project set-up would add $ORIGIN:$ORIGIN/../lib).
set(CMAKE_SKIP_INSTALL_RPATH ON)

# Flags as Debian 12's dpkg-buildflags gives them with DEB_BUILD_MAINT_OPTIONS=hardening=+all
# (PIE is already the compiler's default), taken when the packager sets none at the first
# configure (CXXFLAGS, CPPFLAGS, LDFLAGS, -DCMAKE_CXX_FLAGS). The sanitizer and fuzz builds
# keep their own instrumentation.
if(NOT DEFINED CACHE{VELMORA_HARDENING})
  if("$ENV{CXXFLAGS}$ENV{CPPFLAGS}$ENV{LDFLAGS}${CMAKE_CXX_FLAGS}" STREQUAL "")
    set(hardening_default ON)
  else()
    set(hardening_default OFF)
  endif()
endif()
option(VELMORA_HARDENING "Build with Debian's hardening and reproducibility flags"
       ${hardening_default})
if(VELMORA_HARDENING AND NOT VELMORA_SANITIZE AND NOT VELMORA_FUZZ)
  add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security)
  # Fortified calls need the optimizer; a build without it would only warn.
  add_compile_definitions($<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:_FORTIFY_SOURCE=2>)
  add_link_options(LINKER:-z,relro LINKER:-z,now)
  # No folder names in the objects: two builds of one commit in different folders give the
  # same bytes. The build folder is named last, as it may lie inside the sources and GCC takes
  # the last matching map.
  add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
                      -ffile-prefix-map=${PROJECT_BINARY_DIR}=build)
endif()
