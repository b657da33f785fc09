# Fails unless GetController is the only symbol that LIBRARY defines for dynamic linking.
# Usage: cmake -DNM=<nm> -DLIBRARY=<file> -P check_exports.cmake
execute_process(COMMAND ${NM} -D --defined-only ${LIBRARY}
                OUTPUT_VARIABLE listing RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${NM} failed on ${LIBRARY}")
endif()
string(REGEX MATCHALL "[^\n]+" lines "${listing}")
set(names)
foreach(line IN LISTS lines)
  string(REGEX REPLACE "^.* " "" name "${line}")
  list(APPEND names "${name}")
endforeach()
if(NOT names STREQUAL "GetController")
  message(FATAL_ERROR "${LIBRARY} exports: ${names}")
endif()
message(STATUS "${LIBRARY} exports only GetController")
