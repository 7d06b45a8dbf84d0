# Bad input from the command line, one case a row: the files it is given, the status it ends with and
# the one line it says, each within a time bound (TIMEOUT) and a memory bound (ulimit -v, or the
# sanitizer's RSS limit in the sanitizer build), and what it was given left as it was.
# Run with cmake -DGAME=... -DASSETS=... -DWORK_DIR=... [-DSANITIZED=ON] -P
include(${CMAKE_CURRENT_LIST_DIR}/../CheckFailures.cmake)

set(memory_kb 1500000)
set(seconds 30)
set(w ${WORK_DIR})
file(REMOVE_RECURSE ${w})
file(MAKE_DIRECTORY ${w}/folder.rqr)

# The recordings.
set(head "railquest-replay 1\nseed 7\n")
string(ASCII 27 esc)
string(REPEAT " 1" 30000 ones)
string(REPEAT " 1" 27 quoted_ones)
string(REPEAT "\\\\x00" 60 quoted_zeros)
file(WRITE ${w}/far.rqr "${head}9223372036854775807 end\n")
file(WRITE ${w}/trillion.rqr "${head}1000000000000 end\n")
file(WRITE ${w}/long.rqr "${head}1 map${ones}\n")
file(WRITE ${w}/escape.rqr "${head}1 ${esc}[2J\n")
file(WRITE ${w}/answer.rqr "${head}1 answer yes\n")
file(WRITE ${w}/good.rqr "${head}1 keys 4\n40 end\n")

# Data folders: one whose masks.bmp is a folder, one whose map is a 4 GiB file (sparse: no disk used).
file(GLOB assets RELATIVE ${ASSETS} ${ASSETS}/*)
foreach(data folder huge)
  file(MAKE_DIRECTORY ${w}/data-${data})
  foreach(asset IN LISTS assets)
    file(CREATE_LINK ${ASSETS}/${asset} ${w}/data-${data}/${asset} SYMBOLIC)
  endforeach()
endforeach()
file(REMOVE ${w}/data-folder/masks.bmp ${w}/data-huge/usa.bmp)
file(MAKE_DIRECTORY ${w}/data-folder/masks.bmp)
file(COPY_FILE ${ASSETS}/usa.bmp ${w}/data-huge/usa.bmp)
execute_process(COMMAND truncate -s 4G ${w}/data-huge/usa.bmp)

# expect(STATUS SAYS [SUMMARY] [IN file] [OUT file] [FILE_BLOCKS n] [ENV var=value...] ARGS args...)
# SUMMARY: the summary line comes first on standard error, as it does when the trace takes standard output.
function(expect status says)
  cmake_parse_arguments(PARSE_ARGV 2 run "SUMMARY" "IN;OUT;FILE_BLOCKS" "ENV;ARGS")
  set(first "")
  if(run_SUMMARY)
    set(first "steps [^\n]*\n")
  endif()
  set(in /dev/null)
  set(out ${w}/stdout.txt)
  set(limits "ulimit -v ${memory_kb}")
  if(SANITIZED)  # the sanitizer reserves terabytes of address space: bound what is resident instead
    set(limits "true")
    list(APPEND run_ENV "ASAN_OPTIONS=hard_rss_limit_mb=1500:detect_leaks=0")
  endif()
  if(run_IN)
    set(in ${run_IN})
  endif()
  if(run_OUT)
    set(out ${run_OUT})
  endif()
  if(run_FILE_BLOCKS)
    string(APPEND limits "; ulimit -f ${run_FILE_BLOCKS}")
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E env ${run_ENV} sh -c "${limits}; exec \"$@\"" bound ${GAME} ${run_ARGS}
                  WORKING_DIRECTORY ${w} INPUT_FILE ${in} OUTPUT_FILE ${out} ERROR_VARIABLE err
                  RESULT_VARIABLE got TIMEOUT ${seconds})
  string(REPLACE ";" " " line "${run_ARGS}")
  if(NOT got STREQUAL "${status}" OR NOT err MATCHES "^${first}railquest: ${says}\n$")
    fail("'${line}': status ${got} (expected ${status}), said '${err}' (expected '${says}')")
  endif()
endfunction()

set(rec "the recording [^\n]*")
expect(2 "${rec}far.rqr, line 3: step out of range: \"9223372036854775807\" [^\n]*" ARGS --replay far.rqr --headless)
expect(2 "${rec}trillion.rqr, line 3: step out of range[^\n]*"
       ARGS --replay trillion.rqr --headless --trace trace.jsonl)
expect(2 "${rec}zero, line 1: line too long \\(over 4096 bytes\\): \"${quoted_zeros}\\.\\.\\.\""
       ARGS --replay /dev/zero --headless)
expect(2 "${rec}stdin, line 1: line too long [^\n]*" IN /dev/zero ARGS --replay /dev/stdin --headless)
expect(2 "${rec}long.rqr, line 3: line too long \\(over 4096 bytes\\): \"1 map${quoted_ones} \\.\\.\\.\""
       ARGS --replay long.rqr --headless)
expect(2 "${rec}escape.rqr, line 3: unknown entry \"\\\\x1B\\[2J\"" ARGS --replay escape.rqr --headless)
expect(2 "${rec}answer.rqr, line 3: an answer with no question before it" ARGS --replay answer.rqr --headless)
expect(1 "${rec}folder.rqr is a folder, not a recording" ARGS --replay folder.rqr --headless)
expect(1 "${rec}missing.rqr cannot be read [^\n]*" ARGS --replay missing.rqr)
expect(1 "[^\n]*Not a file: [^\n]*data-folder/masks.bmp \\(a folder\\)"
       ARGS --seed 1 --datadir data-folder --headless --steps 5)
expect(1 "[^\n]*File too large: [^\n]*data-huge/usa.bmp \\(4294967296 bytes, [^\n]*"
       ARGS --seed 1 --datadir data-huge --headless --steps 5)
expect(2 "--replay and --trace name the same file '[^\n]*good.rqr'"
       ARGS --replay good.rqr --headless --trace ${w}/good.rqr)
expect(2 "--record and --trace name the same file '[^\n]*'"
       ARGS --seed 1 --headless --steps 5 --record out.rqr --trace ./sub/../out.rqr)
expect(1 "cannot write the recording /dev/full" ARGS --seed 1 --headless --steps 5 --record /dev/full)
expect(1 "cannot write the trace /dev/full[^\n]*" ARGS --seed 1 --headless --steps 5 --trace /dev/full)
expect(1 "cannot write the recording big.rqr[^\n]*" FILE_BLOCKS 1
       ARGS --seed 3 --headless --steps 200000 --restless --record big.rqr)
expect(1 "cannot write the trace big.jsonl[^\n]*" FILE_BLOCKS 1
       ARGS --seed 3 --headless --steps 200000 --trace big.jsonl)
foreach(args "--seed;1;--headless;--steps;5" "--seed;1;--dump-world;-" "--seed;1;--simulate;1" "--version")
  expect(1 "cannot write to standard output" OUT /dev/full ARGS ${args})
endforeach()
expect(1 "cannot write to standard output" SUMMARY OUT /dev/full ARGS --seed 1 --headless --steps 5 --trace -)
expect(2 "--simulate cannot be used with --record: it plays no game" ARGS --simulate 1 --record out.rqr)
expect(2 "--dump-world cannot be used with --replay: it plays no game" ARGS --dump-world - --replay missing.rqr)
expect(2 "--simulate cannot be used with --replay: it plays no game" ARGS --simulate 1 --replay missing.rqr)
set(no_display "no display could be opened for the game's window; --headless runs the game without one")
expect(1 "${no_display}" ENV --unset=DISPLAY --unset=WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb ARGS --seed 1)
expect(1 "${no_display}" ENV QT_QPA_PLATFORM= ARGS --seed 1 -platform bogus)

# What the runs were given is as it was.
file(READ ${w}/good.rqr good)
if(NOT good STREQUAL "${head}1 keys 4\n40 end\n")
  fail("the recording was overwritten: '${good}'")
endif()
foreach(never out.rqr trace.jsonl)
  if(EXISTS ${w}/${never})
    fail("${never} was written by a run that was refused")
  endif()
endforeach()

if(failures GREATER 0)
  message(FATAL_ERROR "${failures} bad-input cases failed")
endif()
