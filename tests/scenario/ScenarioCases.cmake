# twindir_scenario_cases(RUNNER <target> DIRECTORY <dir> PREFIX <name>)
#
# One test per <dir>/*.scn: the runner plays it in a fresh folder of its
# own (so that `drive C hdd` lands there) and its standard output must equal
# the .out file next to it. A .err file next to it holds the `error: LINE:
# reason` line that the run must end with (exit code 2); without one the run
# must exit 0.
#
# Where the runner has the Qt backend, every case runs a second time with
# --qt (test name <prefix>-qt.<case>), against <case>.qt.out when that
# exists and <case>.out otherwise. A first line `# backends: headless` or
# `# backends: qt` keeps a case to one of them.
function(twindir_scenario_cases)
  cmake_parse_arguments(ARG "" "RUNNER;DIRECTORY;PREFIX" "" ${ARGN})
  file(GLOB cases CONFIGURE_DEPENDS ${ARG_DIRECTORY}/*.scn)
  foreach(case ${cases})
    get_filename_component(name ${case} NAME_WE)
    file(STRINGS ${case} first_line LIMIT_COUNT 1)
    set(backends headless qt)
    if(first_line MATCHES "^# backends: (headless|qt)$")
      set(backends ${CMAKE_MATCH_1})
    endif()
    foreach(backend ${backends})
      set(test_name ${ARG_PREFIX}.${name})
      set(qt_flag "")
      set(expected ${ARG_DIRECTORY}/${name}.out)
      if(backend STREQUAL "qt")
        if(NOT TARGET twindir_scenario_qt)
          continue()
        endif()
        set(test_name ${ARG_PREFIX}-qt.${name})
        set(qt_flag --qt)
        if(EXISTS ${ARG_DIRECTORY}/${name}.qt.out)
          set(expected ${ARG_DIRECTORY}/${name}.qt.out)
        endif()
      endif()
      add_test(NAME ${test_name}
               COMMAND ${CMAKE_COMMAND}
                       -DRUNNER=$<TARGET_FILE:${ARG_RUNNER}>
                       -DQT_FLAG=${qt_flag}
                       -DSCENARIO=${case}
                       -DEXPECTED=${expected}
                       -DEXPECTED_ERROR=${ARG_DIRECTORY}/${name}.err
                       -DWORK=${CMAKE_CURRENT_BINARY_DIR}/work/${test_name}
                       -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/RunScenarioCase.cmake)
      # Name order and times must not depend on the machine's settings.
      set_tests_properties(${test_name} PROPERTIES ENVIRONMENT "LC_ALL=C.UTF-8;TZ=UTC")
    endforeach()
  endforeach()
endfunction()
