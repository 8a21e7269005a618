# `velmora --help` and `velmora --version` answer and exit with no display at all.
#   cmake -DGAME=path/to/velmora -DVERSION=x.y -P command_line_test.cmake
set(no_display ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
               --unset=QT_QPA_PLATFORM)

execute_process(COMMAND ${no_display} ${GAME} --version
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "velmora ${VERSION}\n")
  message(FATAL_ERROR "--version: exit ${rc}, printed [${out}], errors [${err}]")
endif()

# Qt's options may stand before it.
execute_process(COMMAND ${no_display} ${GAME} -style Fusion --help
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT out MATCHES "^Usage: velmora" OR NOT out MATCHES "--version"
   OR NOT out MATCHES "-platform")
  message(FATAL_ERROR "--help: exit ${rc}, printed [${out}], errors [${err}]")
endif()

# An answer that cannot be written is a failure.
if(EXISTS /dev/full)
  execute_process(COMMAND ${no_display} ${GAME} --version OUTPUT_FILE /dev/full
                  RESULT_VARIABLE rc ERROR_QUIET)
  if(rc EQUAL 0)
    message(FATAL_ERROR "--version into a full disk reported success")
  endif()
endif()

# A mistyped option or a stray word is refused by name, with a usage error's status, before
# any display is asked for; Qt's options with their values still pass (here before --version).
foreach(bad "--verison" "-sytle" "save.dt" "-style")
  execute_process(COMMAND ${no_display} ${GAME} ${bad}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 2 OR NOT err MATCHES "^velmora: .*'${bad}'" OR NOT err MATCHES "--help")
    message(FATAL_ERROR "${bad}: exit ${rc}, printed [${out}], errors [${err}]")
  endif()
endforeach()
execute_process(COMMAND ${no_display} ${GAME} --style=Fusion -reverse -platform offscreen --version
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "velmora ${VERSION}\n")
  message(FATAL_ERROR "Qt options, then --version: exit ${rc}, printed [${out}], errors [${err}]")
endif()
