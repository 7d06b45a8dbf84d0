# Saved games from the command line: a run saved after K steps and opened again plays steps K+1..K+M
# byte for byte as the run that never stopped (with a restless player and with a recording), and a
# file that is no saved game exits 2 with its fault.  Run with cmake -DGAME=... -DREPLAYS=... -DWORK_DIR=... -P
include(${CMAKE_CURRENT_LIST_DIR}/CommandChecks.cmake)

# The trace of steps after the first `skip`, as the lines of the unbroken run.
function(lines_after text skip result)
  string(REGEX MATCHALL "[^\n]+\n" lines "${text}")
  list(SUBLIST lines ${skip} -1 rest)
  string(JOIN "" joined ${rest})
  set(${result} "${joined}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
# A recording with the game's state checks: a replay opened from a save must pass those after it.
run_game(--headless --seed 9 --restless --steps 1500 --record checked.rqr)
# name | the player's options | K | M
foreach(row "restless|--seed;5;--restless|2500|1500" "recording|--replay;${REPLAYS}/new-game-mid-journey.rqr|1900|400"
        "checked|--replay;${WORK_DIR}/checked.rqr|700|700")
  string(REPLACE "|" ";" fields "${row}")
  list(GET fields 0 name)
  string(REGEX REPLACE "^[^|]*\\|([^|]*)\\|.*$" "\\1" player "${row}")
  string(REGEX REPLACE "^.*\\|([0-9]+)\\|([0-9]+)$" "\\1" k "${row}")
  string(REGEX REPLACE "^.*\\|([0-9]+)\\|([0-9]+)$" "\\2" m "${row}")
  math(EXPR km "${k} + ${m}")
  set(again ${player})
  list(REMOVE_ITEM again --seed 5)
  run_game(--headless ${player} --steps ${km} --trace -)
  lines_after("${run_out}" ${k} unbroken)
  run_game(--headless ${player} --steps ${k} --save ${name}.rqsave)
  if(NOT run_status EQUAL 0)
    fail("${name}: the save failed: ${run_err}")
  endif()
  run_game(--headless --open ${name}.rqsave ${again} --steps ${m} --trace -)
  if(NOT run_status EQUAL 0 OR NOT run_out STREQUAL unbroken OR run_out STREQUAL "")
    fail("${name}: the opened game's steps ${k}+1.. differ from the unbroken run's (status ${run_status}: ${run_err})")
  endif()
endforeach()

file(WRITE ${WORK_DIR}/other.rqsave "{\"format\": \"railquest-replay\"}")
run_game(--headless --open other.rqsave --steps 3)
if(NOT run_status EQUAL 2 OR NOT run_err STREQUAL
   "railquest: other.rqsave is not a Railquest saved game: it is not of the format \"railquest-save\"\n")
  fail("another format: status ${run_status}, '${run_err}'")
endif()

# The window's start with a saved game: the game kept at the last quit (--continue) or a file named
# alone, as a file manager opens it. A file that is no saved game, or no kept game, is refused with
# status 2 before any window opens; a good one starts the window (still running when stopped here).
set(ENV{XDG_DATA_HOME} ${WORK_DIR}/data)
set(ENV{QT_QPA_PLATFORM} offscreen)
set(ENV{SDL_AUDIODRIVER} dummy)
run_game(--continue)
if(NOT run_status EQUAL 2 OR NOT run_err MATCHES "there is no game to continue: .*/data/railquest/autosave.rqsave does not exist")
  fail("--continue without a kept game: status ${run_status}, '${run_err}'")
endif()
run_game(other.rqsave)
if(NOT run_status EQUAL 2 OR NOT run_err MATCHES "railquest: other.rqsave is not a Railquest saved game: it is not of the format")
  fail("a plain bad file: status ${run_status}, '${run_err}'")
endif()
file(MAKE_DIRECTORY ${WORK_DIR}/data/railquest)
file(COPY_FILE ${WORK_DIR}/restless.rqsave ${WORK_DIR}/data/railquest/autosave.rqsave)
run_game(--headless --open restless.rqsave --restless --steps 100 --trace -)
set(opened "${run_out}")
run_game(--continue --headless --restless --steps 100 --trace -)
if(NOT run_status EQUAL 0 OR NOT run_out STREQUAL opened)
  fail("--continue did not play on from the kept game (status ${run_status}: ${run_err})")
endif()
execute_process(COMMAND ${GAME} restless.rqsave RESULT_VARIABLE status ERROR_VARIABLE err WORKING_DIRECTORY ${WORK_DIR}
                TIMEOUT 4)
if(status MATCHES "^[0-9]+$")
  fail("the window with a good saved game ended by itself: status ${status}, '${err}'")
endif()
if(failures GREATER 0)
  message(FATAL_ERROR "${failures} saved-game checks failed")
endif()
