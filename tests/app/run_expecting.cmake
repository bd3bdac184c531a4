# Runs PROGRAM with ARGS (words separated by "|") and checks its exit status
# (EXIT), that its output matches OUTPUT and, when LINES is given, that it
# has that many lines. A crash reads as a status that is not a number.
# STDOUT, when given, is a shell redirection of the standard output (such as
# ">/dev/full" or ">&-"), made by /bin/sh; then only standard error is checked.
string(REPLACE "|" ";" words "${ARGS}")
if(DEFINED STDOUT)
  string(REPLACE "|" " " line "${ARGS}")
  execute_process(COMMAND /bin/sh -c "exec \"$0\" ${line} ${STDOUT}" "${PROGRAM}"
                  RESULT_VARIABLE status ERROR_VARIABLE err TIMEOUT 30)
else()
  execute_process(COMMAND "${PROGRAM}" ${words} RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err
                  TIMEOUT 30)
endif()
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
