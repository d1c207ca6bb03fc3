# The two-storey building as a user meets it: its version-6 text, its SAP2000
# v24 and v11 table files and the version-6 text that "convert" writes from the
# v24 file give the same counts and the same scripts. Arguments: CLI,
# SOURCE_DIR, WORK_DIR.
include(${CMAKE_CURRENT_LIST_DIR}/expect_run.cmake)

set(v6 ${SOURCE_DIR}/tests/convert/data/two-storey-building-v6.s2k)
set(v24 ${SOURCE_DIR}/examples/two-storey-building-tables.s2k)
set(v11 ${SOURCE_DIR}/tests/convert/data/two-storey-building-v11.s2k)
set(converted ${WORK_DIR}/converted.s2k)

expect_run("v24 converts" 0 "^$" "" convert ${v24} -o ${converted})
set(counts "^joints 20\nframes 26\nshells 5\nsolids 0\nmaterials 2\nframe_sections 4\nshell_sections 2\nloads 24\nload_cases 2\nconstraints 2\n$")
foreach(file ${v6} ${v24} ${v11} ${converted})
  expect_run("counts of ${file}" 0 "${counts}" "" info ${file})
endforeach()

# Load control of DEAD, modal analysis, and a pushover of LATERAL at the roof master.
foreach(settings "AnalysisType=1" "AnalysisType=4" "AnalysisType=3;PushoverCase=2;ControlNode=20")
  set(args tcl)
  foreach(setting IN LISTS settings)
    list(APPEND args --set ${setting})
  endforeach()
  execute_process(COMMAND ${CLI} ${args} ${v6} RESULT_VARIABLE rc OUTPUT_VARIABLE expected)
  foreach(file ${v24} ${v11} ${converted})
    execute_process(COMMAND ${CLI} ${args} ${file} RESULT_VARIABLE rc OUTPUT_VARIABLE script)
    if(rc EQUAL 0 AND script STREQUAL expected)
      message(STATUS "ok: ${settings}: the script of ${file} is that of the version-6 text")
    else()
      message(SEND_ERROR "FAILED: ${settings}: the script of ${file} (status ${rc}) differs from that of the version-6 text")
    endif()
  endforeach()
endforeach()
