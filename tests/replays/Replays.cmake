# Recorded games played again without a window: each ends with the summary line it ended with when
# it was recorded, a replay traced twice is the same byte for byte, and a damaged recording is
# refused with its line named and status 2.  Run with cmake -DGAME=... -DDIR=... -DWORK_DIR=... -P
include(${CMAKE_CURRENT_LIST_DIR}/../CheckFailures.cmake)

file(STRINGS ${DIR}/summaries.txt expectations)
foreach(line IN LISTS expectations)
  string(FIND "${line}" "|" bar)
  string(SUBSTRING "${line}" 0 ${bar} name)
  math(EXPR start "${bar} + 1")
  string(SUBSTRING "${line}" ${start} -1 expected)
  execute_process(COMMAND ${GAME} --replay ${DIR}/${name} --headless RESULT_VARIABLE status OUTPUT_VARIABLE out
                  ERROR_VARIABLE err TIMEOUT 300)
  if(NOT status EQUAL 0 OR NOT out STREQUAL "${expected}\n")
    fail("${name}: status ${status}, '${out}${err}', expected '${expected}'")
  endif()
endforeach()

file(MAKE_DIRECTORY ${WORK_DIR})
foreach(run first second)
  execute_process(COMMAND ${GAME} --replay ${DIR}/new-game-mid-journey.rqr --headless --trace ${WORK_DIR}/${run}.jsonl
                  RESULT_VARIABLE status OUTPUT_QUIET TIMEOUT 300)
endforeach()
file(READ ${WORK_DIR}/first.jsonl first)
file(READ ${WORK_DIR}/second.jsonl second)
if(NOT first STREQUAL second OR first STREQUAL "")
  fail("two traces of the same recording differ")
endif()

# The autoplayed game replays to its win: the win is announced on its last step.
execute_process(COMMAND ${GAME} --replay ${DIR}/autoplay-win.rqr --headless --trace ${WORK_DIR}/win.jsonl
                RESULT_VARIABLE status OUTPUT_QUIET TIMEOUT 300)
file(STRINGS ${WORK_DIR}/win.jsonl won REGEX "saved the country")
if(NOT status EQUAL 0 OR NOT won MATCHES "^{\"step\":8823,")
  fail("the autoplayed game: status ${status}, the win announced in '${won}'")
endif()

# Three wins of the balance run (`scripts/balance --recordings DIR`), each replayed to its "Congratulations!".
foreach(win autoplay-seed-20.rqr autoplay-seed-37.rqr autoplay-seed-52.rqr)
  execute_process(COMMAND ${GAME} --replay ${DIR}/${win} --headless --trace ${WORK_DIR}/${win}.jsonl
                  RESULT_VARIABLE status OUTPUT_VARIABLE out TIMEOUT 300)
  file(STRINGS ${WORK_DIR}/${win}.jsonl won REGEX "Congratulations!")
  if(NOT status EQUAL 0 OR won STREQUAL "" OR NOT out MATCHES "fuzzbomb destroyed\n$")
    fail("${win}: status ${status}, '${out}', no \"Congratulations!\" in its trace")
  endif()
  file(REMOVE ${WORK_DIR}/${win}.jsonl)
endforeach()

file(WRITE ${WORK_DIR}/bad.rqr "railquest-replay 1\nseed 7\n10 keys 4\n9 keys 0\n")
execute_process(COMMAND ${GAME} --replay ${WORK_DIR}/bad.rqr --headless RESULT_VARIABLE status ERROR_VARIABLE err
                OUTPUT_QUIET TIMEOUT 60)
if(NOT status EQUAL 2 OR NOT err MATCHES "line 4: step 9 goes back before step 10\n$")
  fail("a step going backwards: status ${status}, '${err}'")
endif()

if(failures GREATER 0)
  message(FATAL_ERROR "${failures} checks of the recorded games failed")
endif()
