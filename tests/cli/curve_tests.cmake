# Runs "mirelo-cli curve" on run folders written here, as a user would.
# Arguments: CLI (the program), SOURCE_DIR, WORK_DIR.
include(${CMAKE_CURRENT_LIST_DIR}/expect_run.cmake)
file(MAKE_DIRECTORY ${WORK_DIR}/run)

set(cantilever ${SOURCE_DIR}/tests/script/data/cantilever.s2k)
file(WRITE ${WORK_DIR}/run/curve_disp.out "1 0.001\n2 0.002\n")
file(WRITE ${WORK_DIR}/run/curve_reactions.out "1 -10\n2 -15\n")
set(push --set AnalysisType=2 --set ControlNode=2)
expect_run("pushover on standard output" 0 "^displacement,base_shear\n0.001,10\n0.002,15\n$" "^$"
  curve ${cantilever} ${WORK_DIR}/run ${push})
expect_run("pushover to a file" 0 "^$" "^$" curve ${cantilever} ${WORK_DIR}/run ${push} -o ${WORK_DIR}/curve.csv)
file(READ ${WORK_DIR}/curve.csv saved)
if(saved STREQUAL "displacement,base_shear\n0.001,10\n0.002,15\n")
  message(STATUS "ok: curve file")
else()
  message(SEND_ERROR "FAILED: curve file holds ${saved}")
endif()
expect_run("time history after gravity" 0 "^time,displacement\n2,0.002\n$" "^$"
  curve ${cantilever} ${WORK_DIR}/run --set AnalysisType=6 --set LoadSteps=1 --set ControlNode=2)

file(MAKE_DIRECTORY ${WORK_DIR}/described)
file(WRITE ${WORK_DIR}/described/curve_disp.out "1 0.001\n0.5 0.002\n")
file(WRITE ${WORK_DIR}/described/curve_reactions.out "1 -10\n0.5 -15\n")
file(WRITE ${WORK_DIR}/described/curve_run.txt "pushover 1\n")
expect_run("a run that describes its curve needs no settings" 0 "^displacement,base_shear\n0.002,15\n$" "^$"
  curve ${cantilever} ${WORK_DIR}/described)
expect_run("modal analysis has no curve" 1 "^$" "Analysis type 4 gives no curve" curve ${cantilever} ${WORK_DIR}/run --set AnalysisType=4 --set ControlNode=2)
expect_run("control joint outside the model" 1 "^$" "ControlNode 9 is no joint of " curve ${cantilever} ${WORK_DIR}/run --set AnalysisType=2 --set ControlNode=9)
expect_run("folder without the curve files" 1 "^$" "Cannot open file \"${WORK_DIR}/curve_disp.out\""
  curve ${cantilever} ${WORK_DIR} ${push})
file(WRITE ${WORK_DIR}/run/curve_reactions.out "1 -10\n2 none\n")
expect_run("reaction that is no number" 1 "^$" "curve_reactions.out, line 2: 'none' is not a valid floating point value"
  curve ${cantilever} ${WORK_DIR}/run ${push})
expect_run("no run folder" 1 "^$" "curve needs an s2k file or a project and a run folder" curve ${cantilever})
expect_run("three positionals" 1 "^$" "curve takes only an s2k file or a project and a run folder" curve ${cantilever} a b)
