# What the command-line checks share: a failed check counted without stopping the others
# (CheckFailures.cmake), and the game run in WORK_DIR with its status and both outputs kept.
include(${CMAKE_CURRENT_LIST_DIR}/../CheckFailures.cmake)

file(MAKE_DIRECTORY ${WORK_DIR})
function(run_game)
  execute_process(COMMAND ${GAME} ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err
                  WORKING_DIRECTORY ${WORK_DIR} TIMEOUT 120)
  set(run_status "${status}" PARENT_SCOPE)
  set(run_out "${out}" PARENT_SCOPE)
  set(run_err "${err}" PARENT_SCOPE)
endfunction()
