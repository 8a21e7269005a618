# The simulator's --load, --turns and --save, run as the command line runs them:
#   cmake -DSIM=path/to/velmora-sim -DSEED_FILE=a/file/the/game/saved -DWORK=dir -P this
# A game the engine saved comes back byte for byte through --load A --turns 0 --save B; the
# same seed plays the same turns from a loaded game; a file that cannot be loaded stops the
# run with a message and writes nothing.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

function(run expect_ok)
  execute_process(COMMAND ${SIM} ${ARGN} RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
  if(expect_ok AND NOT rc EQUAL 0)
    message(FATAL_ERROR "velmora-sim ${ARGN} failed (${rc}): ${err}")
  endif()
  if(NOT expect_ok AND rc EQUAL 0)
    message(FATAL_ERROR "velmora-sim ${ARGN} should have failed")
  endif()
  set(last_error "${err}" PARENT_SCOPE)
endfunction()

function(expect_same a b)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${a} ${b} RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${a} and ${b} differ")
  endif()
endfunction()

# A file written by the engine outside the simulator, and one the simulator wrote mid-game.
run(TRUE --load ${SEED_FILE} --turns 0 --save ${WORK}/copy.dt)
expect_same(${SEED_FILE} ${WORK}/copy.dt)
run(TRUE --seed 7 --turns 5 --save ${WORK}/a.dt)
run(TRUE --load ${WORK}/a.dt --turns 0 --save ${WORK}/b.dt)
expect_same(${WORK}/a.dt ${WORK}/b.dt)

# Playing on from a loaded game: the same seed gives the same file, and the game moved on.
run(TRUE --load ${WORK}/a.dt --turns 3 --seed 11 --save ${WORK}/c1.dt)
run(TRUE --load ${WORK}/a.dt --turns 3 --seed 11 --save ${WORK}/c2.dt --log)
expect_same(${WORK}/c1.dt ${WORK}/c2.dt)
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/a.dt ${WORK}/c1.dt
                RESULT_VARIABLE moved)
if(moved EQUAL 0)
  message(FATAL_ERROR "three turns from a.dt left the game unchanged")
endif()

# A file that cannot be loaded: a message, a failing exit, no file written.
file(READ ${WORK}/a.dt good)
string(REPLACE "#TRUE#" "#YES#" bad "${good}")
file(WRITE ${WORK}/bad.dt "${bad}")
run(FALSE --load ${WORK}/bad.dt --turns 1 --save ${WORK}/never.dt)
if(NOT last_error MATCHES "cannot load")
  message(FATAL_ERROR "no message for a bad file: ${last_error}")
endif()
run(FALSE --load ${WORK}/missing.dt --save ${WORK}/never.dt)
if(EXISTS ${WORK}/never.dt)
  message(FATAL_ERROR "a run that could not load its game wrote a file")
endif()
