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

# Saved games, made here (a good one by the game): every way in (--open, a plain name, --continue, the
# window's start) refuses a bad one with status 2 before any step or window; a --save target is checked
# before a billion steps would run; no output may name an input.
execute_process(COMMAND ${GAME} --headless --seed 1 --steps 5 --save good.rqsave WORKING_DIRECTORY ${w} OUTPUT_QUIET)
string(REPEAT "[" 100000 open_lists)
string(REPEAT "]" 100000 close_lists)
string(ASCII 10 newline)
file(WRITE ${w}/deep.rqsave "{\"format\":\"railquest-save\",\"version\":${open_lists}${close_lists}}")
file(WRITE ${w}/twice.rqsave "{\"version\":2,\"version\":1}")
file(WRITE "${w}/two${newline}lines.rqsave" "x")
file(CREATE_LINK loop.rqsave ${w}/loop.rqsave SYMBOLIC)
execute_process(COMMAND mkfifo ${w}/fifo.rqsave)
file(MAKE_DIRECTORY ${w}/xdg-deep/railquest ${w}/xdg-fifo/railquest)
execute_process(COMMAND mkfifo ${w}/xdg-fifo/railquest/autosave.rqsave)
file(MAKE_DIRECTORY ${w}/xdg-loop/railquest)
file(CREATE_LINK autosave.rqsave ${w}/xdg-loop/railquest/autosave.rqsave SYMBOLIC)
file(COPY_FILE ${w}/deep.rqsave ${w}/xdg-deep/railquest/autosave.rqsave)
file(CREATE_LINK ${w}/xdg-deep/railquest/autosave.rqsave ${w}/kept-link.jsonl SYMBOLIC)
set(no_save " is not a Railquest saved game: ")
set(deep "${no_save}it is nested more than 16 levels deep")
set(fifo "${no_save}it cannot be read \\(it is a pipe, not a regular file\\)")
file(MAKE_DIRECTORY ${w}/runtime)
file(CHMOD ${w}/runtime PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
set(win QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy XDG_RUNTIME_DIR=${w}/runtime)
expect(2 "deep.rqsave${deep}" ARGS --headless --open deep.rqsave --steps 1)
expect(2 "deep.rqsave${deep}" ENV ${win} ARGS deep.rqsave)
expect(2 "[^\n]*/xdg-deep/railquest/autosave.rqsave${deep}" ENV XDG_DATA_HOME=${w}/xdg-deep ${win} ARGS --continue)
expect(2 "twice.rqsave${no_save}it has the member \"version\" twice in one object"
       ARGS --headless --open twice.rqsave --steps 1)
expect(2 "fifo.rqsave${fifo}" ARGS --headless --open fifo.rqsave --steps 1)
expect(2 "fifo.rqsave${fifo}" ENV ${win} ARGS fifo.rqsave)
expect(2 "[^\n]*/xdg-fifo/railquest/autosave.rqsave${fifo}" ENV XDG_DATA_HOME=${w}/xdg-fifo ${win} ARGS --continue)
expect(2 "loop.rqsave${no_save}it cannot be read \\(it is a loop of symbolic links\\)"
       ARGS --headless --open loop.rqsave --steps 1)
expect(2 "[^\n]*/xdg-loop/railquest/autosave.rqsave${no_save}it cannot be read \\(it is a loop of symbolic links\\)"
       ENV XDG_DATA_HOME=${w}/xdg-loop ARGS --continue --headless --steps 1)
expect(2 "two\\\\x0Alines.rqsave${no_save}it is not JSON, or it is cut short"
       ARGS --headless --open "two${newline}lines.rqsave" --steps 1)
expect(2 "--open and --trace name the same file '\\./good.rqsave'" ARGS --headless --open good.rqsave --steps 1
       --trace ./good.rqsave)
expect(2 "--continue and --trace name the same file 'kept-link.jsonl'" ENV XDG_DATA_HOME=${w}/xdg-deep
       ARGS --continue --headless --steps 1 --trace kept-link.jsonl)
set(billion --headless --seed 1 --steps 1000000000)
expect(2 "cannot save the game to /dev/null: it is a device, not a regular file" ARGS ${billion} --save /dev/null)
expect(2 "cannot save the game to folder.rqr: it is a folder" ARGS ${billion} --save folder.rqr)
expect(2 "cannot save the game to no/such.rqsave: the folder no does not exist" ARGS ${billion} --save no/such.rqsave)
expect(2 "cannot save the game to good.rqr: it holds a recording, which a saved game does not replace"
       ARGS ${billion} --save good.rqr)
expect(2 "--trace - and --save - both name standard output" ARGS ${billion} --trace - --save -)

# What the runs were given is as it was.
file(READ ${w}/good.rqr good)
if(NOT good STREQUAL "${head}1 keys 4\n40 end\n")
  fail("the recording was overwritten: '${good}'")
endif()
if(NOT IS_DIRECTORY ${w}/folder.rqr OR NOT IS_SYMLINK ${w}/kept-link.jsonl)
  fail("a folder or a link given as a target was replaced")
endif()
file(READ ${w}/xdg-deep/railquest/autosave.rqsave kept)
if(NOT kept MATCHES "^{\"format\":\"railquest-save\",\"version\":\\[\\[")
  fail("the kept game was overwritten")
endif()
foreach(never out.rqr trace.jsonl)
  if(EXISTS ${w}/${never})
    fail("${never} was written by a run that was refused")
  endif()
endforeach()

if(failures GREATER 0)
  message(FATAL_ERROR "${failures} bad-input cases failed")
endif()
