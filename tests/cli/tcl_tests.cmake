# Runs "mirelo-cli tcl" as a user would and checks exit status, the script and
# the messages. Arguments: CLI (the program), SOURCE_DIR, WORK_DIR.
include(${CMAKE_CURRENT_LIST_DIR}/expect_run.cmake)

set(data ${SOURCE_DIR}/tests/script/data)
set(cantilever ${data}/cantilever.s2k)

# The cantilever's expected script, line for line, LF line ends on standard output.
file(READ ${data}/cantilever.tcl expected)
execute_process(COMMAND ${CLI} tcl ${cantilever} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(rc EQUAL 0 AND out STREQUAL expected AND err STREQUAL "")
  message(STATUS "ok: cantilever script on standard output")
else()
  message(SEND_ERROR "FAILED: cantilever script on standard output\n  status ${rc}\n  stdout: ${out}\n  stderr: ${err}")
endif()

# With -o the file is written as "Save" writes it: CR LF after every line.
expect_run("cantilever script to a file" 0 "^$" "^$" tcl ${cantilever} -o ${WORK_DIR}/cantilever.tcl)
expect_crlf_file("saved script has CR LF line ends" ${WORK_DIR}/cantilever.tcl "${expected}")

expect_run("modal analysis without mass computes no modes" 0
  "uniaxialMaterial Elastic 201 [^\n]*\n.*\nrecorder Node -file node0.out -time -nodeRange 1 2 -dof 1 2 3 disp\n$"
  "^mirelo-cli: warning: Analysis type 4 needs the model's modes, but no free degree of freedom has mass: the script computes no modes\n$"
  tcl ${cantilever} --set AnalysisType=4 --set RecordModeShapes=1 --set UseAggregator=1)
expect_run("modal analysis with mode shapes and 3 modes" 0
  "eigen3_node0.out -time -nodeRange 1 4 -dof 1 2 3 \"eigen 3\"\nset numModes 3\nset lambda" "^$"
  tcl ${SOURCE_DIR}/examples/rc-portal-pushover.s2k --set AnalysisType=4 --set ModeCount=3 --set RecordModeShapes=1)
set(finer --section ECOL:elementKind=2 --section ECOL:divideX=6 --section ECOL:divideY=6
  --section ECOL:barNumX=3 --section ECOL:barNumY=7 --section ECOL:cover=0.04)
expect_run("section made nonlinear with a finer mesh" 0
  "##ECOL \nsection Fiber 1 -GJ 2.9347612499999996E\\+004 {\nfiber -1.250E-001 -2.0833333333333334E-001 4.166666666666667E-003 1\n.*element nonlinearBeamColumn 1 1 2 3 1 1\n"
  "^$" tcl ${cantilever} ${finer})
execute_process(COMMAND ${CLI} tcl ${cantilever} ${finer} OUTPUT_VARIABLE out)
string(REGEX MATCHALL "\nfiber " fibers "${out}")
list(LENGTH fibers fiber_count)
if(fiber_count EQUAL 56) # 6 x 6 core fibres and 2 x (3 + 7) bars
  message(STATUS "ok: the finer mesh has 56 fibres")
else()
  message(SEND_ERROR "FAILED: the finer mesh has ${fiber_count} fibres, not 56")
endif()
expect_run("beam with hinges is written elastic with a warning" 0 "element elasticBeamColumn 1 1 2 "
  "^mirelo-cli: warning: Frame section ECOL is a beam with hinges: its frames are written as elasticBeamColumn elements\n$"
  tcl ${cantilever} --section ECOL:elementKind=4)
expect_run("load case outside the model warns" 0 "## Load Case = \npattern Plain 2 Linear {\n}\n"
  "warning: LoadCase 2 is not a load case of the model" tcl ${cantilever} --set LoadCase=2)

expect_run("the start-up control joint of the example building is a support" 0
  "\nintegrator DisplacementControl 1 1 1.000E-001\n"
  "^mirelo-cli: warning: ControlNode 1 is restrained in ControlDof 1: the displacement control cannot push it and the solver stops at the first step\n$"
  tcl ${SOURCE_DIR}/examples/rc-frame-building.s2k --set AnalysisType=2)
expect_run("the example block of bricks is built on nodes of three" 0
  "^wipe\nputs \"System\"\nmodel basic -ndm 3 -ndf 3\n.*\nfix 1 1 1 1;\n.*\nload 19 0.000E\\+000 0.000E\\+000 -6.250E\\+000\n"
  "^$" tcl ${SOURCE_DIR}/examples/solid-block.s2k)

# Nonlinear materials: the type and parameters by name; fibres take the law,
# the elastic beam keeps its modulus and says so.
expect_run("concrete law for the fibres" 0
  "\nuniaxialMaterial Concrete02 1 -3.000E\\+004 -2.000E-003 -6.000E\\+003 -3.500E-003 1.000E-001 3.000E\\+003 1.500E\\+006\n##ECOL "
  "^$" tcl ${cantilever} --section ECOL:elementKind=2 --section ECOL:barNumX=0 --section ECOL:barNumY=0
  --material CONC:type=Concrete02 --material CONC:fpc=-3e4 --material CONC:epsc0=-0.002 --material CONC:fpcu=-6000
  --material CONC:epsU=-0.0035 --material CONC:lambda=0.1 --material CONC:ft=3000 --material CONC:Ets=1.5e6)
expect_run("steel law by number" 0 "\nuniaxialMaterial Steel01 1 5.000E\\+004 2.500E\\+007 1.000E-002\n"
  "^mirelo-cli: warning: Frame section ECOL is elastic: its frames keep the elastic modulus of material CONC \\(Steel01\\)\n$"
  tcl ${cantilever} --material CONC:type=2 --material CONC:Fy=5e4)
expect_run("bars of the section's own concrete" 0 "uniaxialMaterial Concrete01 1 "
  "warning: Frame section ECOL: its bars take its concrete, material CONC \\(Concrete01\\) \\(RebarMaterialNo 1\\)"
  tcl ${cantilever} --section ECOL:elementKind=2 --section ECOL:cover=0.04 --material CONC:type=Concrete01)
expect_run("concrete strength given positive" 1 "^$" "^mirelo-cli: Material CONC \\(Concrete01\\): fpc must be negative, not 30000\n$"
  tcl ${cantilever} --material CONC:type=Concrete01 --material CONC:fpc=30000)
# E and U: the elastic material, the beam's E and G = E / (2 (1 + U)), all
# checked once the material's options are in.
expect_run("E and U of a material" 0
  "\nuniaxialMaterial Elastic 1 3.000E\\+007\n.*\nelement elasticBeamColumn 1 1 2 1.500E-001 3.000E\\+007 1.200E\\+007 "
  "^$" tcl ${cantilever} --material CONC:E=3e7 --material CONC:U=0.25)
foreach(bad "E=0;E must be positive, not 0" "E=-2.5e7;E must be positive, not -25000000"
            "U=0.5;U must be greater than -1 and less than 0.5, not 0.5" "U=-1;U must be greater than -1 and less than 0.5, not -1")
  list(GET bad 0 edit)
  list(GET bad 1 reason)
  expect_run("material ${edit} refused" 1 "^$" "^mirelo-cli: Material CONC: ${reason}\n$"
    tcl ${cantilever} --material CONC:${edit} --material CONC:type=Steel01)
endforeach()
expect_run("a later option mends an earlier one" 0 "element elasticBeamColumn 1 1 2 1.500E-001 2.500E\\+007 1.0416666666666666E\\+007 "
  "^$" tcl ${cantilever} --material CONC:U=0.5 --material CONC:U=0.2)
expect_run("unknown material type" 1 "^$" "Material type 'Concrete03' is none of Elastic, Steel01, Concrete01, Steel02, Concrete02"
  tcl ${cantilever} --material CONC:type=Concrete03)
expect_run("unknown material" 1 "^$" "No material is named 'STEEL'" tcl ${cantilever} --material STEEL:type=Steel01)
expect_run("unknown material field" 1 "^$" "Unknown material field 'fy'" tcl ${cantilever} --material CONC:fy=1)
foreach(option "--set;LoadFactor=abc" "--section;ECOL:cover=abc" "--material;CONC:fpc=abc" "--material;CONC:E=abc")
  list(GET option 0 name)
  list(GET option 1 text)
  expect_run("${name} value that is no number" 1 "^$"
    "^mirelo-cli: ${name} ${text}: 'abc' is not a valid floating point value\n$" tcl ${cantilever} ${name} ${text})
endforeach()
expect_run("material edit without field" 1 "^$" "--material takes NAME:field=value, not 'CONC'" tcl ${cantilever} --material CONC)
expect_run("curves recorded" 0
  "\nrecorder Node -file curve_disp.out -time -node 2 -dof 3 disp\nset curveRun [[]open curve_run.txt w[]]\nputs [$]curveRun \"pushover 0\"\nclose [$]curveRun\nrecorder Node -file curve_reactions.out -time -node 1 -dof 3 reaction\n"
  "^$" tcl ${cantilever} --set AnalysisType=2 --set ControlNode=2 --set ControlDof=3 --set RecordCurves=1)

# Errors: exit status 1, the message on standard error, nothing on standard output.
expect_run("unknown setting" 1 "^$" "Unknown setting 'Foo'" tcl ${cantilever} --set Foo=1)
expect_run("flag other than 0 or 1" 1 "^$" "Setting UseAggregator takes 0 or 1, not '2'" tcl ${cantilever} --set UseAggregator=2)
expect_run("degree of freedom outside 1 to 6" 1 "^$" "Setting ControlDof takes 1 to 6, not '7'" tcl ${cantilever} --set ControlDof=7)
expect_run("setting that is not a number" 1 "^$" "'many' is not a valid integer value" tcl ${cantilever} --set LoadSteps=many)
expect_run("setting without value" 1 "^$" "--set takes Name=Value, not 'LoadSteps'" tcl ${cantilever} --set LoadSteps)
expect_run("zero load steps" 1 "^$" "Floating point division by zero" tcl ${cantilever} --set LoadSteps=0)
expect_run("unknown section" 1 "^$" "No frame section is named 'BEAM'" tcl ${cantilever} --section BEAM:cover=1)
expect_run("element kind outside the list" 1 "^$" "Section field elementKind takes 1 to 6, not '9'"
  tcl ${cantilever} --section ECOL:elementKind=9)
expect_run("unknown section field" 1 "^$" "Unknown section field 'colour'" tcl ${cantilever} --section ECOL:colour=1)
# A section is checked as a whole once all its options are in (ECOL: 0.3 wide,
# 0.5 deep): the first unsound field is named with its value.
set(nonlinear --section ECOL:elementKind=2 --section ECOL:cover=0.04)
foreach(refusal
    "divideY=-2;Divide FY \\(divideY\\) must be at least 1, not -2"
    "divideX=0;Divide FX \\(divideX\\) must be at least 1, not 0"
    "barNumX=1;Bar Num NX \\(barNumX\\) must be at least 2 to give the corner bars of the 5 Y bars, not 1"
    "barAreaY=-10;Y-Bar\\(Bot\\) \\(barAreaY\\) must be 0 or more, not -10"
    "cover=0.15;Cover \\(cover\\) must be at least 0 and less than 0.15 \\(half the smaller of width 0.3 and depth 0.5\\), not 0.15")
  list(GET refusal 0 edit)
  list(GET refusal 1 message)
  expect_run("section refused: ${edit}" 1 "^$" "^mirelo-cli: Section ECOL: ${message}\n$"
    tcl ${cantilever} ${nonlinear} --section ECOL:${edit})
endforeach()
expect_run("a beam's row of one bar refused" 1 "^$"
  "Section ECOL: Bar Num NY \\(barNumY\\) must be 0 or at least 2 \\(the row's end bars stand at the corners\\), not 1"
  tcl ${cantilever} ${nonlinear} --section ECOL:sectionUse=1 --section ECOL:barNumY=1)
expect_run("the mended value later in the line is taken" 0 "\nsection Fiber 1 " "^$"
  tcl ${cantilever} --section ECOL:divideY=-2 ${nonlinear} --section ECOL:divideY=3)
expect_run("an elastic section's mesh plays no part" 0 "element elasticBeamColumn 1 " "^$"
  tcl ${cantilever} --section ECOL:divideY=-2 --section ECOL:cover=1)
expect_run("option without value" 1 "^$" "-o needs a value" tcl ${cantilever} -o)
expect_run("unknown option" 1 "^$" "unknown option '--fast'" tcl ${cantilever} --fast)
expect_run("no file" 1 "^$" "tcl needs an s2k file" tcl)
expect_run("missing file" 1 "^$" "Cannot open file \"${WORK_DIR}/none.s2k\"" tcl ${WORK_DIR}/none.s2k)
expect_run("unwritable output" 1 "^$" "Cannot open file \"${WORK_DIR}/no/such/dir.tcl\"" tcl ${cantilever} -o ${WORK_DIR}/no/such/dir.tcl)
file(WRITE ${WORK_DIR}/zero-wall.s2k
  "SYSTEM\n\nJOINT\n  1  X=0  Y=0  Z=0\n  2  X=0  Y=0  Z=3\n\n"
  "MATERIAL\n  NAME=S  IDES=S  M=0  W=0\n    T=0  E=2E8  U=.3\n\n"
  "FRAME SECTION\n  NAME=NBOX  MAT=S  SH=B  T=.4,.3,0,.02\n\n"
  "FRAME\n  1  J=1,2  SEC=NBOX  NSEG=4  ANG=0\n\n")
expect_run("box with a zero wall" 1 "^$" "Floating point division by zero" tcl ${WORK_DIR}/zero-wall.s2k)
