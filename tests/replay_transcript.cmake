# Replays SCRIPT through REPLAY (with the actions in ACTIONS, if any; started by EMULATOR, if
# any, such as wine for the Windows build) and compares the events with TRANSCRIPT byte for
# byte, and the exit status with SCRIPT.status (0 when there is none). The events go to a file,
# not a variable: execute_process would drop the CR of a CR LF from a variable. With CRLF set,
# the answers are given with CR LF line ends, which must make no difference.
separate_arguments(action_list UNIX_COMMAND "${ACTIONS}")
get_filename_component(name ${SCRIPT} NAME)
set(answers ${SCRIPT})
if(CRLF)
  set(name ${name}.crlf)
  file(READ ${SCRIPT} lines)
  string(REPLACE "\n" "\r\n" lines "${lines}")
  set(answers ${CMAKE_CURRENT_BINARY_DIR}/${name})
  file(WRITE ${answers} "${lines}")
endif()
set(actual ${CMAKE_CURRENT_BINARY_DIR}/${name}.actual)
execute_process(COMMAND ${EMULATOR} ${REPLAY} ${action_list}
  INPUT_FILE ${answers}
  OUTPUT_FILE ${actual}
  RESULT_VARIABLE status)
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${actual} ${TRANSCRIPT}
  RESULT_VARIABLE differ)
if(differ)
  message(FATAL_ERROR "events differ from ${TRANSCRIPT}; see ${actual} (exit ${status})")
endif()
file(REMOVE ${actual})
set(expected_status 0)
if(EXISTS ${SCRIPT}.status)
  file(READ ${SCRIPT}.status expected_status)
  string(STRIP "${expected_status}" expected_status)
endif()
if(NOT status EQUAL expected_status)
  message(FATAL_ERROR "exit status ${status}, expected ${expected_status}")
endif()
