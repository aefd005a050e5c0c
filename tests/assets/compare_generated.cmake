# Runs the asset generator into a scratch folder and fails unless every file it
# writes is byte-identical to the committed one, and no committed file is left
# over. Catches art changes that were not regenerated and committed.
#   cmake -DGENERATOR=... -DSCRATCH=... -DCOMMITTED=... -P compare_generated.cmake
file(REMOVE_RECURSE "${SCRATCH}")
file(MAKE_DIRECTORY "${SCRATCH}")
execute_process(COMMAND "${GENERATOR}" "${SCRATCH}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "generator failed: ${status}")
endif()

file(GLOB_RECURSE generated RELATIVE "${SCRATCH}" "${SCRATCH}/*")
file(GLOB_RECURSE committed RELATIVE "${COMMITTED}" "${COMMITTED}/bitmaps/*" "${COMMITTED}/sounds/*" "${COMMITTED}/zot.ico"
     "${COMMITTED}/icons/*" "${COMMITTED}/art/*")
list(SORT generated)
list(SORT committed)
if(NOT generated STREQUAL committed)
  message(FATAL_ERROR "file lists differ\n generated: ${generated}\n committed: ${committed}")
endif()
list(LENGTH generated count)
if(count LESS 68)
  message(FATAL_ERROR "only ${count} files generated")
endif()

set(stale "")
foreach(name IN LISTS generated)
  file(SHA256 "${SCRATCH}/${name}" fresh)
  file(SHA256 "${COMMITTED}/${name}" kept)
  if(NOT fresh STREQUAL kept)
    list(APPEND stale "${name}")
  endif()
endforeach()
if(stale)
  message(FATAL_ERROR "committed assets differ from the generator's output: ${stale}")
endif()
message(STATUS "${count} assets reproduced byte for byte")
