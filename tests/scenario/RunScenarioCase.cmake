# Runs one scenario case (see ScenarioCases.cmake) and compares its output.
# cmake -DRUNNER= -DQT_FLAG= -DSCENARIO= -DEXPECTED= -DEXPECTED_ERROR= -DWORK= -P RunScenarioCase.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

execute_process(
  COMMAND ${RUNNER} ${QT_FLAG} ${SCENARIO}
  WORKING_DIRECTORY ${WORK}
  OUTPUT_FILE ${WORK}/actual.out
  ERROR_VARIABLE stderr
  RESULT_VARIABLE exit_code)

set(failed FALSE)
if(EXISTS ${EXPECTED_ERROR})
  file(READ ${EXPECTED_ERROR} error_line)
  string(STRIP "${error_line}" error_line)
  string(FIND "${stderr}" "${error_line}\n" found)
  if(NOT exit_code EQUAL 2 OR found EQUAL -1)
    message("expected exit code 2 and the line\n  ${error_line}\ngot exit code ${exit_code}")
    set(failed TRUE)
  endif()
elseif(NOT exit_code EQUAL 0)
  message("expected exit code 0, got ${exit_code}")
  set(failed TRUE)
endif()

execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${EXPECTED} ${WORK}/actual.out RESULT_VARIABLE differ)
if(NOT differ EQUAL 0)
  set(failed TRUE)
  find_program(DIFF diff)
  if(DIFF)
    execute_process(COMMAND ${DIFF} -u ${EXPECTED} ${WORK}/actual.out OUTPUT_VARIABLE diff_text)
    message("standard output differs from ${EXPECTED}:\n${diff_text}")
  else()
    message("standard output differs from ${EXPECTED}; see ${WORK}/actual.out")
  endif()
endif()

if(failed)
  message("standard error:\n${stderr}")
  message(FATAL_ERROR "scenario ${SCENARIO} failed")
endif()
