# "mirelo-cli suite" and "run" as a user starts them, where no solver runs:
# bad records, refusals, and the files --script-only writes.
# Arguments: CLI (the program), SOURCE_DIR, WORK_DIR.
include(${CMAKE_CURRENT_LIST_DIR}/expect_run.cmake)
set(portal ${SOURCE_DIR}/examples/portal-frame-spring-bases.s2k)
set(th --set AnalysisType=5 --set ControlNode=4)

file(MAKE_DIRECTORY ${WORK_DIR}/bad)
file(WRITE ${WORK_DIR}/bad/records.csv "file,dt,factor\nok.txt,0.02,1\nnone.txt,0.02,1\nbroken.txt,0.02,1\n")
file(WRITE ${WORK_DIR}/bad/ok.txt "0.1\n0.2\n")
file(WRITE ${WORK_DIR}/bad/broken.txt "0.1\n0.2\nx0.3\n")
expect_run("bad records are named with file and line before anything runs" 1 "^$"
  "records.csv:3: Cannot open file.*broken.txt:3: the acceleration 'x0.3' is not a number"
  suite ${portal} ${WORK_DIR}/out --motions ${WORK_DIR}/bad ${th})
if(EXISTS ${WORK_DIR}/out)
  message(SEND_ERROR "FAILED: a suite with bad records wrote ${WORK_DIR}/out")
endif()

file(MAKE_DIRECTORY ${WORK_DIR}/good)
file(WRITE ${WORK_DIR}/good/a.AT2 "PEER\nX\nACCELERATION TIME HISTORY IN UNITS OF G\nNPTS=    3, DT=   .0100 SEC\n  .1E-01  .2E-01\n -.5E-02\n")
expect_run("script only" 0 "^3 runs, 3 to do: .*suite.tcl\n$" "^$"
  suite ${portal} ${WORK_DIR}/script --motions ${WORK_DIR}/good --scales 0.5,1,1.5 --np 2 --script-only
  --set RecordCurves=1 --time-limit 60 ${th})
file(READ ${WORK_DIR}/script/suite.tcl driver)
if(driver MATCHES "a_s1 a 0.01 3 9.80665 1}" AND driver MATCHES "a_s1.5 a 0.01 3 14.709975 1}"
   AND driver MATCHES "set suiteTimeLimit 60" AND driver MATCHES "set suiteSupports {1 6}")
  message(STATUS "ok: the driver's runs")
else()
  message(SEND_ERROR "FAILED: the driver's runs:\n${driver}")
endif()
file(READ ${WORK_DIR}/script/records/a.txt record)
if(record STREQUAL ".1E-01\n.2E-01\n-.5E-02\n")
  message(STATUS "ok: the record as one value a line")
else()
  message(SEND_ERROR "FAILED: the record as one value a line: ${record}")
endif()
file(READ ${WORK_DIR}/script/suite_model.tcl model)
string(FIND "${model}" "set iGMfile \"$recordFile\";" file_at)
string(FIND "${model}" "\nSuiteAnalyze" analyze_at)
if(file_at GREATER 0 AND analyze_at GREATER file_at)
  message(STATUS "ok: the run script")
else()
  message(SEND_ERROR "FAILED: the run script")
endif()

expect_run("a suite needs a time history" 1 "^$" "runs time histories \\(AnalysisType 5 or 6\\), not AnalysisType 3"
  suite ${portal} ${WORK_DIR}/x --motions ${WORK_DIR}/good --set AnalysisType=3)
expect_run("a suite needs its motions" 1 "^$" "suite needs --motions FOLDER" suite ${portal} ${WORK_DIR}/x ${th})
expect_run("scales above zero" 1 "^$" "Scale 0 is not above zero"
  suite ${portal} ${WORK_DIR}/x --motions ${WORK_DIR}/good --scales 1,0 ${th})
expect_run("processes from one up" 1 "^$" "--np takes 1 to 4096 processes, not 0"
  suite ${portal} ${WORK_DIR}/x --motions ${WORK_DIR}/good --np 0 ${th})
expect_run("OpenSeesSP takes static analyses of one pattern" 1 "^$" "not AnalysisType 3"
  run ${portal} ${WORK_DIR}/sp --np 2 --set AnalysisType=3)
