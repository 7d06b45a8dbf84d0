# The headless street from the command line: the same seed traces the same steps byte for byte, the
# summary line goes to standard error while the trace takes standard output, and a bad argument gets
# one line and status 2.  Run with cmake -DGAME=... -DWORK_DIR=... -P
include(${CMAKE_CURRENT_LIST_DIR}/CommandChecks.cmake)

set(summary "^steps 3000, time [0-9]+ \\([0-9]+:[0-9][0-9]:[0-9][0-9] [AP]M\\), day [0-9]+, city [0-9]+( \\([^)]+\\))?, crystals -?[0-9]+( \\(fuzzed\\))?, fuzzbomb (standing|destroyed)\n$")
run_game(--seed 11 --headless --steps 3000 --restless --trace -)
set(first_trace "${run_out}")
set(first_summary "${run_err}")
if(NOT run_status EQUAL 0 OR NOT run_err MATCHES "${summary}")
  fail("traced run: status ${run_status}, summary '${run_err}'")
endif()
string(REGEX MATCHALL "\n" lines "${run_out}")
list(LENGTH lines count)
if(NOT count EQUAL 3000 OR NOT run_out MATCHES "^{\"step\":1,\"phase\":\"city\",\"time\":0,")
  fail("the trace has ${count} lines, not one a step")
endif()

file(MAKE_DIRECTORY ${WORK_DIR})
run_game(--seed 11 --headless --steps 3000 --restless --trace ${WORK_DIR}/trace.jsonl)
file(READ ${WORK_DIR}/trace.jsonl second_trace)
if(NOT run_status EQUAL 0 OR NOT second_trace STREQUAL first_trace OR NOT run_out STREQUAL first_summary)
  fail("the second run differs: status ${run_status}, summary '${run_out}'")
endif()

foreach(bad "--headless" "--headless;--steps;0" "--steps;10" "--headless;--steps;5;--trace")
  run_game(${bad})
  string(REGEX MATCHALL "\n" lines "${run_err}")
  list(LENGTH lines count)
  if(NOT run_status EQUAL 2 OR NOT count EQUAL 1 OR NOT run_err MATCHES "^railquest: ")
    fail("'${bad}': status ${run_status}, '${run_err}'")
  endif()
endforeach()

if(failures GREATER 0)
  message(FATAL_ERROR "${failures} checks of the headless command failed")
endif()
