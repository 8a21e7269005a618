# Run by CPack before it packs (CPACK_PROJECT_CONFIG_FILE): the tools the DEB generator needs
# to declare the libraries and to split the debug information must be there, or no package is
# made.
if(CPACK_GENERATOR STREQUAL "DEB")
  foreach(tool dpkg-shlibdeps file objcopy)
    # On the PATH, as the builder's shell would find it, not in CMake's own system folders.
    find_program(found_${tool} ${tool} NO_CACHE NO_DEFAULT_PATH PATHS ENV PATH)
    if(NOT found_${tool})
      message(FATAL_ERROR
              "${tool} is missing, so the package would not declare its libraries or keep its "
              "debug symbols. Install the packaging tools (scripts/install-deps package, or "
              "apt-get install dpkg-dev file binutils) and pack again.")
    endif()
  endforeach()
endif()
