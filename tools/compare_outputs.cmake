# Checks that a generator reproduces its committed files.
#   cmake -DOUT=<fresh output folder> -DREF=<committed folder> [-DGEN=<generator>] -P tools/compare_outputs.cmake
# With GEN, OUT is emptied and the generator is run first as "GEN OUT".
# Fails when a file made in OUT is missing from REF or differs from it byte for byte.
# Files in REF that OUT did not make are other generators' business and are not looked at.

if(NOT DEFINED OUT OR NOT DEFINED REF)
  message(FATAL_ERROR "usage: cmake -DOUT=<folder> -DREF=<folder> [-DGEN=<generator>] -P compare_outputs.cmake")
endif()
if(DEFINED GEN)
  file(REMOVE_RECURSE "${OUT}")
  file(MAKE_DIRECTORY "${OUT}")
  execute_process(COMMAND "${GEN}" "${OUT}" RESULT_VARIABLE genResult)
  if(NOT genResult EQUAL 0)
    message(FATAL_ERROR "${GEN} ${OUT} failed: ${genResult}")
  endif()
endif()
if(NOT IS_DIRECTORY "${OUT}")
  message(FATAL_ERROR "no output folder: ${OUT}")
endif()

file(GLOB_RECURSE made RELATIVE "${OUT}" "${OUT}/*")
list(SORT made)
list(LENGTH made count)
if(count EQUAL 0)
  message(FATAL_ERROR "the generator wrote nothing into ${OUT}")
endif()

set(problems "")
foreach(name IN LISTS made)
  if(NOT EXISTS "${REF}/${name}")
    string(APPEND problems "  missing from ${REF}: ${name}\n")
    continue()
  endif()
  file(SHA256 "${OUT}/${name}" madeHash)
  file(SHA256 "${REF}/${name}" refHash)
  if(NOT madeHash STREQUAL refHash)
    string(APPEND problems "  differs: ${name}\n")
  endif()
endforeach()

if(problems)
  message(FATAL_ERROR "regenerated files do not match the committed ones:\n${problems}"
                      "Run the generator into ${REF} and commit the result if the change is intended.")
endif()
message(STATUS "${count} files match ${REF}")
