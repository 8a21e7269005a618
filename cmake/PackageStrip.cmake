# Run by CPack on the staged files, before the DEB generator splits off the debug information
# and strips the program (CPACK_PRE_BUILD_SCRIPTS): the compilers' notes in .comment go too, as
# dh_strip removes them.
file(GLOB_RECURSE programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/games/velmora")
foreach(program IN LISTS programs)
  execute_process(COMMAND objcopy --remove-section=.comment "${program}"
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()
