# Runs PROGRAM with ARGS (words separated by "|") and checks its exit status
# (EXIT), that its output matches OUTPUT and, when LINES is given, that it
# has that many lines. A crash reads as a status that is not a number.
string(REPLACE "|" ";" words "${ARGS}")
execute_process(COMMAND "${PROGRAM}" ${words} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err
                TIMEOUT 30)
set(all "${out}${err}")
if(NOT "${status}" STREQUAL "${EXIT}")
  message(FATAL_ERROR "exit status ${status}, expected ${EXIT}; output:\n${all}")
endif()
if(NOT all MATCHES "${OUTPUT}")
  message(FATAL_ERROR "output does not match '${OUTPUT}':\n${all}")
endif()
if(DEFINED LINES)
  string(REGEX MATCHALL "\n" ends "${all}")
  list(LENGTH ends count)
  if(NOT count EQUAL LINES)
    message(FATAL_ERROR "${count} lines, expected ${LINES}:\n${all}")
  endif()
endif()
