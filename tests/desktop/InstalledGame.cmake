# Installs the game into a DESTDIR and runs the installed program: it finds its files through
# ../share/railquest, reports missing ones, honours --datadir and prints its version.
# Run with cmake -DSOURCE_DIR=... -DBUILD_DIR=... -DWORK_DIR=... -DBUILT_GAME=... -DVERSION=... -DAPPSTREAM_ID=... -P
include(${CMAKE_CURRENT_LIST_DIR}/../CheckFailures.cmake)

# Runs the program; result in run_status, run_out, run_err.
function(run_game program)
  execute_process(COMMAND ${program} ${ARGN} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err
                  TIMEOUT 120)
  set(run_status "${status}" PARENT_SCOPE)
  set(run_out "${out}" PARENT_SCOPE)
  set(run_err "${err}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${WORK_DIR})
set(root ${WORK_DIR}/root)
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${root} ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

set(usr ${root}/usr)
set(expected bin/railquest
    share/applications/railquest.desktop share/mime/packages/railquest.xml
    share/metainfo/${APPSTREAM_ID}.metainfo.xml share/man/man6/railquest.6.gz
    share/doc/railquest/copyright share/doc/railquest/changelog.gz)
file(GLOB assets RELATIVE ${SOURCE_DIR}/assets ${SOURCE_DIR}/assets/*)
foreach(asset ${assets})
  list(APPEND expected share/railquest/${asset})
endforeach()
foreach(size 16 24 32 48 64 128 256)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/railquest.png)
endforeach()
foreach(file ${expected})
  if(NOT EXISTS ${usr}/${file})
    fail("not installed: ${file}")
  endif()
endforeach()

# The installed game is the same game: the same seed gives the same world as the built one.
set(game ${usr}/bin/railquest)
run_game(${BUILT_GAME} --seed 7 --dump-world -)
set(built_world "${run_out}")
run_game(${game} --seed 7 --dump-world -)
if(NOT run_status EQUAL 0 OR NOT run_out STREQUAL built_world OR run_out STREQUAL "")
  fail("installed --dump-world: status ${run_status}, ${run_err}")
endif()

run_game(${game} --version)
if(NOT run_status EQUAL 0 OR NOT run_out STREQUAL "railquest ${VERSION}\n")
  fail("--version printed '${run_out}' (status ${run_status})")
endif()

# A named folder without the files is an error even where the program would find its own.
run_game(${game} --seed 7 --dump-world - --datadir ${WORK_DIR}/nowhere)
if(NOT run_status EQUAL 1 OR NOT run_err MATCHES "^railquest: cannot find the game's files \\(railquest.dat\\) in [^\n]*/nowhere\n$")
  fail("--datadir missing: status ${run_status}, '${run_err}'")
endif()

# The program alone in a folder: it names where it looked, and --datadir shows it the way.
file(COPY ${game} DESTINATION ${WORK_DIR}/alone/bin)
set(alone ${WORK_DIR}/alone/bin/railquest)
run_game(${alone} --seed 7 --dump-world -)
if(NOT run_status EQUAL 1 OR NOT run_err MATCHES "^railquest: [^\n]*/alone/bin or [^\n]*/alone/share/railquest; name their folder with --datadir DIR\n$")
  fail("no files: status ${run_status}, '${run_err}'")
endif()
run_game(${alone} --seed 7 --dump-world - --datadir ${usr}/share/railquest)
if(NOT run_status EQUAL 0 OR NOT run_out STREQUAL built_world)
  fail("--datadir good: status ${run_status}, '${run_err}'")
endif()

# The saved games' file type: shared-mime-info takes it, by its name and by its content.
find_program(UPDATE_MIME_DATABASE update-mime-database)
if(UPDATE_MIME_DATABASE)
  file(COPY ${usr}/share/mime/packages DESTINATION ${WORK_DIR}/mime)
  execute_process(COMMAND ${UPDATE_MIME_DATABASE} ${WORK_DIR}/mime RESULT_VARIABLE status ERROR_VARIABLE err)
  file(READ ${WORK_DIR}/mime/globs2 globs)
  file(STRINGS ${WORK_DIR}/mime/magic magic)  # the printable parts of a binary file
  if(NOT status EQUAL 0 OR NOT globs MATCHES "application/x-railquest-save:\\*\\.rqsave"
     OR NOT magic MATCHES "\"format\": \"railquest-save\"")
    fail("the saved games' file type: status ${status}, '${err}'")
  endif()
endif()

if(failures GREATER 0)
  message(FATAL_ERROR "${failures} checks of the installed game failed")
endif()
