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

# The autoplayer's game saved after K steps is the game it played, not one stood still in.
run_game(--headless --seed 11 --autoplay --steps 3000)
set(unbroken "${run_out}")
run_game(--headless --seed 11 --autoplay --steps 3000 --save autoplayed.rqsave)
if(NOT run_status EQUAL 0 OR NOT run_out STREQUAL unbroken OR NOT EXISTS ${WORK_DIR}/autoplayed.rqsave)
  fail("the autoplayed run with --save says '${run_out}', without '${unbroken}' (status ${run_status})")
endif()

# A replay that leaves its recording is exit 3 with its message however it started, and nothing is saved
# from it: checks that no longer match, a save played on by such a recording, a recording of another seed.
file(READ ${WORK_DIR}/checked.rqr checks)
string(REGEX REPLACE " check [0-9a-f]+\n" " check 00000000\n" drifting "${checks}")
file(WRITE ${WORK_DIR}/drifting.rqr "${drifting}")
set(differs ": the game differs from the recording at step [0-9]+ \\(line [0-9]+\\)\n$")
foreach(row "drifting.rqr${differs}|--replay;drifting.rqr;--save;drifted.rqsave"
        "drifting.rqr${differs}|--open;checked.rqsave;--replay;drifting.rqr;--save;drifted.rqsave"
        "checked.rqr: the game differs from the recording: it is of seed 9, the saved game restless.rqsave of seed 5\n$|--open;restless.rqsave;--replay;checked.rqr")
  string(REGEX REPLACE "\\|.*$" "" says "${row}")
  string(REGEX REPLACE "^.*\\|" "" args "${row}")
  run_game(--headless ${args})
  if(NOT run_status EQUAL 3 OR NOT run_err MATCHES "railquest: ${says}" OR EXISTS ${WORK_DIR}/drifted.rqsave)
    fail("'${args}': a drift gave status ${run_status}, '${run_err}'")
  endif()
endforeach()

# A run in which no step ran says why: the saved game is paused, or the recording has no step after it.
file(WRITE ${WORK_DIR}/pause.rqr "railquest-replay 1\nseed 7\n5 menu pause\n")
file(WRITE ${WORK_DIR}/short.rqr "railquest-replay 1\nseed 9\n3 keys 4\n")
run_game(--headless --replay pause.rqr --save paused.rqsave)
foreach(row "paused.rqsave;--steps;20000|the game is paused, and nobody here unpauses it"
        "checked.rqsave;--replay;short.rqr|the recording short.rqr has no step after step 700")
  string(REGEX REPLACE "\\|.*$" "" args "${row}")
  string(REGEX REPLACE "^.*\\|" "" why "${row}")
  run_game(--headless --open ${args})
  if(NOT run_status EQUAL 0 OR NOT run_out MATCHES "^steps 0, [^\n]*, no step ran: ${why}\n$")
    fail("'${args}': status ${run_status}, '${run_out}' (expected '... no step ran: ${why}')")
  endif()
endforeach()

# A recording with no step: its game before the first tick, the clock a second before midnight as the
# window's reads it.
file(WRITE ${WORK_DIR}/header.rqr "railquest-replay 1\nseed 9\n")
run_game(--headless --replay header.rqr)
if(NOT run_status EQUAL 0 OR NOT run_out MATCHES
   "^steps 0, time -1 \\(11:59:59 PM\\), day 1, [^\n]*, no step ran: the recording header.rqr has no step after step 0\n$")
  fail("a recording with no step: status ${run_status}, '${run_out}'")
endif()

# Saving onto the game opened replaces it once the run has ended well; a name that is not UTF-8 is kept
# byte for byte; --save - writes the game to standard output, the summary to standard error.
string(ASCII 255 not_utf8)
file(COPY_FILE ${WORK_DIR}/restless.rqsave "${WORK_DIR}/onto${not_utf8}.rqsave")
run_game(--headless --open "onto${not_utf8}.rqsave" --steps 10 --save "onto${not_utf8}.rqsave")
file(READ "${WORK_DIR}/onto${not_utf8}.rqsave" onto)
if(NOT run_status EQUAL 0 OR NOT onto MATCHES "\"steps\": 2510,")
  fail("saving onto the opened game: status ${run_status}, '${run_err}'")
endif()
run_game(--headless --seed 3 --steps 10 --save -)
if(NOT run_status EQUAL 0 OR NOT run_out MATCHES "^{\n \"format\": \"railquest-save\"" OR NOT run_err MATCHES "^steps 10, ")
  fail("--save -: status ${run_status}, '${run_err}'")
endif()

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
