# Runs "mirelo-cli" with projects as a user would: --save-project, a project
# wherever a model is taken, the same script after a move, a changed model,
# damaged and newer projects. Arguments: CLI, SOURCE_DIR, WORK_DIR.
include(${CMAKE_CURRENT_LIST_DIR}/expect_run.cmake)

set(first ${WORK_DIR}/first)
set(moved ${WORK_DIR}/moved)
file(MAKE_DIRECTORY ${first} ${moved})
file(COPY ${SOURCE_DIR}/examples/rc-portal-pushover.s2k DESTINATION ${first})
set(pushover --material CONC:type=Concrete02 --material CONC:E=3.1e7 --material STEEL:type=Steel02 --set RebarMaterialNo=2
  --set AnalysisType=3 --set PushoverCase=2 --set ControlNode=3 --set ControlDisp=0.0005 --set RecordCurves=1
  --section NCOL400:divideX=7)

function(expect_same_file name a b)
  file(SHA256 ${a} hash_a)
  file(SHA256 ${b} hash_b)
  if(hash_a STREQUAL hash_b)
    message(STATUS "ok: ${name}")
  else()
    message(SEND_ERROR "FAILED: ${name}: ${a} and ${b} differ")
  endif()
endfunction()

expect_run("script and project of the pushover" 0 "^$" "^$"
  tcl ${first}/rc-portal-pushover.s2k ${pushover} -o ${first}/a.tcl --save-project ${first}/p.mirelo)
file(READ ${first}/p.mirelo project)
if(project MATCHES "\"path\": \"rc-portal-pushover.s2k\"" AND project MATCHES "\"ControlDisp\": 0.0005"
   AND project MATCHES "\"name\": \"CONC\",\n      \"type\": 5,\n      \"E\": 31000000.0,")
  message(STATUS "ok: the project names the model beside it and holds the settings")
else()
  message(SEND_ERROR "FAILED: the project text\n${project}")
endif()

expect_run("script of the project" 0 "^$" "^$" tcl ${first}/p.mirelo -o ${first}/b.tcl)
expect_same_file("the project gives the same script" ${first}/a.tcl ${first}/b.tcl)

file(COPY ${first}/p.mirelo ${first}/rc-portal-pushover.s2k DESTINATION ${moved})
file(REMOVE ${first}/p.mirelo ${first}/rc-portal-pushover.s2k)
expect_run("script of the moved project" 0 "^$" "^$" tcl ${moved}/p.mirelo -o ${moved}/c.tcl)
expect_same_file("the moved project gives the same script" ${first}/a.tcl ${moved}/c.tcl)

file(COPY_FILE ${moved}/p.mirelo ${moved}/p.json)
expect_run("a project known by its text" 0 "integrator DisplacementControl 3 1 5.000E-004" "^$" tcl ${moved}/p.json)
expect_run("--set on top of the project" 0 "integrator DisplacementControl 3 1 1.000E-003" "^$"
  tcl ${moved}/p.mirelo --set ControlDisp=0.001)
expect_run("--section on top of the project" 0 "^$" "^$" tcl ${moved}/p.mirelo --section NCOL400:divideX=6 -o ${moved}/d.tcl
  --save-project ${moved}/q.mirelo)
file(READ ${moved}/q.mirelo again)
if(again MATCHES "\"divideX\": 6" AND again MATCHES "\"ControlDisp\": 0.0005")
  message(STATUS "ok: a project saved from a project keeps its settings with the options on top")
else()
  message(SEND_ERROR "FAILED: the project saved from a project\n${again}")
endif()
expect_run("info of a project" 0 "^joints 4\nframes 3\n" "^$" info ${moved}/p.mirelo)
expect_run("curve of a project" 1 "^$" "curve_disp.out\". No such file" curve ${moved}/p.mirelo ${WORK_DIR})

# The model changed: the beam section is renamed and the case PUSH is gone.
file(READ ${moved}/rc-portal-pushover.s2k model)
string(REPLACE "NBEAM300X500" "BEAM" model "${model}")
string(REPLACE "NAME=PUSH" "NAME=WIND" model "${model}")
file(WRITE ${moved}/rc-portal-pushover.s2k "${model}")
expect_run("a changed model" 0 "integrator DisplacementControl 3 1 5.000E-004"
  "^mirelo-cli: warning: [^\n]*/p.mirelo: [^\n]*rc-portal-pushover.s2k has changed since the project was saved\nmirelo-cli: warning: [^\n]*/p.mirelo: frame section NBEAM300X500 is not in [^\n]*: its settings are left out\nmirelo-cli: warning: [^\n]*/p.mirelo: load case PUSH \\(PushoverCase\\) is not in the model: PushoverCase is back to 1\n"
  tcl ${moved}/p.mirelo)

file(WRITE ${moved}/damaged.mirelo "{\"format\": \"mirelo-project\",\n \"version\": 1,\n \"model\": {\"path\" \"m\"}}\n")
expect_run("a damaged project" 1 "^$" "^mirelo-cli: [^\n]*/damaged.mirelo, line 3: not a project text: syntax error"
  tcl ${moved}/damaged.mirelo)
file(WRITE ${moved}/newer.mirelo "{\"format\": \"mirelo-project\", \"version\": 2}\n")
expect_run("a newer project" 1 "^$" "newer.mirelo, key version: a newer Mirelo saved this project \\(version 2\\)"
  info ${moved}/newer.mirelo)
expect_run("--save-project without its path" 1 "^$" "--save-project needs a value" tcl ${moved}/p.mirelo --save-project)
expect_run("--save-project into a missing folder" 1 "^$" "Cannot open file \"${WORK_DIR}/none/p.mirelo\""
  tcl ${moved}/p.mirelo --save-project ${WORK_DIR}/none/p.mirelo)
