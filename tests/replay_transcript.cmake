# Replays SCRIPT through REPLAY (with the actions in ACTIONS, if any; started by EMULATOR, if
# any, such as wine for the Windows build) and compares the events with TRANSCRIPT byte for
# byte, and the exit status with SCRIPT.status (0 when there is none).
separate_arguments(action_list UNIX_COMMAND "${ACTIONS}")
execute_process(COMMAND ${EMULATOR} ${REPLAY} ${action_list}
  INPUT_FILE ${SCRIPT}
  OUTPUT_VARIABLE events
  RESULT_VARIABLE status)
file(READ ${TRANSCRIPT} expected)
if(NOT events STREQUAL expected)
  get_filename_component(name ${SCRIPT} NAME)
  set(actual ${CMAKE_CURRENT_BINARY_DIR}/${name}.actual)
  file(WRITE ${actual} "${events}")
  message(FATAL_ERROR "events differ from ${TRANSCRIPT}; see ${actual} (exit ${status})")
endif()
set(expected_status 0)
if(EXISTS ${SCRIPT}.status)
  file(READ ${SCRIPT}.status expected_status)
  string(STRIP "${expected_status}" expected_status)
endif()
if(NOT status EQUAL expected_status)
  message(FATAL_ERROR "exit status ${status}, expected ${expected_status}")
endif()
