# The same seed plays the same games whatever the compiler and its flags: the summary of 300
# games of seed 7 (without its last line, a timing) and the whole log of three games, each
# compared with the output committed beside this script.
#   cmake -DSIM=path/to/velmora-sim -DEXPECTED=dir -DWORK=dir -P this
file(MAKE_DIRECTORY ${WORK})

function(check name)
  execute_process(COMMAND ${SIM} ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out
                  ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "velmora-sim ${ARGN} failed (${rc}): ${err}")
  endif()
  if(name STREQUAL "games300-seed7.txt")
    string(REGEX REPLACE "province turns per second: [0-9]+\n$" "" out "${out}")
  endif()
  file(WRITE ${WORK}/${name} "${out}")
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${EXPECTED}/${name} ${WORK}/${name}
                  RESULT_VARIABLE differ)
  if(NOT differ EQUAL 0)
    message(FATAL_ERROR "velmora-sim ${ARGN} no longer prints ${EXPECTED}/${name}; "
                        "see ${WORK}/${name}")
  endif()
  message(STATUS "same as ${name}")
endfunction()

check(games300-seed7.txt --games 300 --seed 7)
foreach(seed 1 12 20)
  check(log-seed${seed}.txt --games 1 --seed ${seed} --log)
endforeach()
