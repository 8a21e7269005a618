# Run by CPack after it packed (CPACK_POST_BUILD_SCRIPTS). What the DEB generator writes follows
# the builder's umask in two places, mended here so that any umask gives the same bytes:
# - the debug package's folders and files, which it makes itself: that package is unpacked,
#   given Debian's modes and its md5sums, and packed again with dpkg-deb (which takes
#   SOURCE_DATE_EPOCH);
# - the modes of the ar members of the .deb: each member's mode field (8 bytes at offset 40 of
#   its 60-byte header) is set to 100644, the mode dpkg-deb writes.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(package MATCHES "\\.ddeb$")
    set(tree "${package}.tree")
    file(REMOVE_RECURSE "${tree}")
    execute_process(COMMAND dpkg-deb --raw-extract "${package}" "${tree}" COMMAND_ERROR_IS_FATAL ANY)
    # Its documents are those of the package it belongs to, as debhelper's dbgsym packages
    # have them: a link to that package's folder.
    file(MAKE_DIRECTORY "${tree}/usr/share/doc")
    file(CREATE_LINK "${CPACK_PACKAGE_NAME}" "${tree}/usr/share/doc/${CPACK_PACKAGE_NAME}-dbgsym"
         SYMBOLIC)
    execute_process(COMMAND find "${tree}" -type d -exec chmod 0755 {} +
                    COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND find "${tree}" -type f -exec chmod 0644 {} +
                    COMMAND_ERROR_IS_FATAL ANY)
    # CPack writes the debug package's md5sums with the build folder's staging paths; dpkg
    # wants the paths inside the package, which are also the same from any build folder.
    execute_process(COMMAND find usr -type f -exec md5sum {} +
                    COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C sort -k 2
                    WORKING_DIRECTORY "${tree}" OUTPUT_FILE "${tree}/DEBIAN/md5sums"
                    COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND dpkg-deb --root-owner-group -Zgzip --build "${tree}" "${package}"
                    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE "${tree}")
    continue()
  endif()
  if(NOT package MATCHES "\\.deb$")
    continue()
  endif()
  file(SIZE "${package}" size)
  set(at 8)  # after "!<arch>\n"
  while(at LESS size)
    file(READ "${package}" header OFFSET ${at} LIMIT 60)
    string(SUBSTRING "${header}" 40 8 mode)
    string(SUBSTRING "${header}" 48 10 length)
    string(STRIP "${length}" length)
    if(NOT mode STREQUAL "100644  ")
      math(EXPR field "${at} + 40")
      execute_process(COMMAND printf "100644  "
                      COMMAND dd "of=${package}" bs=1 "seek=${field}" conv=notrunc status=none
                      RESULT_VARIABLE failed)
      if(failed)
        message(FATAL_ERROR "cannot set the mode of a member of ${package}")
      endif()
    endif()
    # Members are padded to an even length.
    math(EXPR at "${at} + 60 + ${length} + (${length} % 2)")
  endwhile()
endforeach()
