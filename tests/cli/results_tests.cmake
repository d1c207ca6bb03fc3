# Runs "mirelo-cli results" and "mirelo-cli picture" as a user would.
# Arguments: CLI, SOURCE_DIR, WORK_DIR, PICTURE (whether the picture command is built).
include(${CMAKE_CURRENT_LIST_DIR}/expect_run.cmake)

# A nonlinear cantilever of two joints: node files of three steps, section files of 4 values per section.
set(model ${WORK_DIR}/cantilever.s2k)
file(WRITE ${model}
  "SYSTEM\n\nJOINT\n  1  X=0  Y=0  Z=0\n  2  X=6  Y=0  Z=0\n\n"
  "RESTRAINT\n  ADD=1  DOF=U1,U2,U3,R1,R2,R3\n\n"
  "MATERIAL\n  NAME=CONC  IDES=C  M=0  W=0\n    T=0  E=2.5E7  U=0.2\n\n"
  "FRAME SECTION\n  NAME=NCOL  MAT=CONC  SH=R  T=0.5,0.3\n\n"
  "FRAME\n  1  J=1,2  SEC=NCOL  NSEG=4  ANG=0\n\nEND\n")
set(out ${WORK_DIR}/out)
file(MAKE_DIRECTORY ${out})
file(WRITE ${out}/node0.out "1 0 0 0 0.1 0 -0.5\n2 0 0 0 0.2 0 -1\n3 0 0 0 0.30000000000000004 0 -1.5e-05\n")
file(WRITE ${out}/eigen1_node0.out "0 0 0 0 1 0 0\n")
file(WRITE ${out}/ele0_secs.out "1 1 2 3 4\n2 5 6 7 8\n3 9 10 11 12\n")
file(WRITE ${out}/ele0_secn.out "1 -1 -2 -3 -4\n2 -5 -6 -7 -8\n3 -9 -10 -11 -12\n")

expect_run("last step by default, 17 digits" 0
  "^joint 1 0 0 0\njoint 2 0.30000000000000004 0 -1.5e-05\n$" "^$" results ${model} ${out})
expect_run("a step" 0 "^joint 1 0 0 0\njoint 2 0.20000000000000001 0 -1\n$" "^$" results ${model} ${out} --step 2)
expect_run("a mode" 0 "^joint 1 0 0 0\njoint 2 1 0 0\n$" "^$" results ${model} ${out} --mode 1)
expect_run("curvature about z at both ends" 0 "^joint 1 0 0 0\njoint 2 0.10000000000000001 0 -0.5\nframe 1 2 -2\n$" "^$"
  results ${model} ${out} --step 1 --section kz)
expect_run("aggregated sections do not fit these files" 1 "^$"
  "ele0_secs.out, line 3 holds 4 values after the time, but frames 1 to 1 need 7 [(]7 for each aggregated section[^)]*[)]: the values run out at frame 1"
  results ${model} ${out} --section axial --set UseAggregator=1)
expect_run("step beyond the file" 1 "^$" "^mirelo-cli: Load step 4 is not in ${out}/node0.out, which holds 3 steps\n$"
  results ${model} ${out} --step 4)
expect_run("missing mode" 1 "^$" "Cannot open file \"${out}/eigen2_node0.out\"" results ${model} ${out} --mode 2)
expect_run("missing folder" 1 "^$" "Cannot open file \"${WORK_DIR}/none/node0.out\"" results ${model} ${WORK_DIR}/none)
expect_run("step zero" 1 "^$" "--step counts from 1, not 0" results ${model} ${out} --step 0)
expect_run("step not a number" 1 "^$" "--step takes a whole number, not 'last'" results ${model} ${out} --step last)
expect_run("mode with step" 1 "^$" "--mode reads a mode shape: it takes no --step" results ${model} ${out} --mode 1 --step 2)
expect_run("mode with section" 1 "^$" "a mode shape has no section deformations" results ${model} ${out} --mode 1 --section kz)
expect_run("unknown quantity" 1 "^$" "--section takes axial, kz or ky, not 'shear'" results ${model} ${out} --section shear)
expect_run("no folder" 1 "^$" "results needs an s2k file and the folder" results ${model})
file(WRITE ${out}/node0.out "1 0 0 0 0.1 0 -0.5\n2 0 0 0 0.2 zero -1\n")
expect_run("field that is not a number" 1 "^$"
  "'zero' is not a valid floating point value [(]${out}/node0.out, line 2, field 6: joint 2 UY[)]" results ${model} ${out})

# Element forces and reactions as the solver writes them, read back as the same numbers ("-0" kept).
file(WRITE ${out}/ele0.out "0.5 0 0 5.75 -0 -8.66667 0 0 0 -1.75 0 -6.33333 0\n1 0 0 11.5 -0 -17.3333 0 0 0 -3.5 0 -12.6667 0\n")
file(WRITE ${out}/reactions0.out "1 0 0 11.499999999999972 0 -17.333333333333275 0\n")
expect_run("element forces as the file holds them" 0
  "^frame 1 0 0 11.5 -0 -17.333300000000001 0 0 0 -3.5 0 -12.666700000000001 0\n$" "^$" results ${model} ${out} --forces)
expect_run("element forces of a step" 0 "^frame 1 0 0 5.75 -0 -8.6666699999999999 0 0 0 -1.75 0 -6.3333300000000001 0\n$" "^$"
  results ${model} ${out} --forces --step 1)
expect_run("reactions with the equilibrium check" 0
  "^joint 1 0 0 11.499999999999972 0 -17.333333333333275 0\nΣ FX = 0.000, applied 0.000\nΣ FY = 0.000, applied 0.000\nΣ FZ = 11.500, applied 0.000\n"
  "^$" results ${model} ${out} --reactions)
expect_run("forces beyond the file" 1 "^$" "^mirelo-cli: Load step 3 is not in ${out}/ele0.out, which holds 2 steps\n$"
  results ${model} ${out} --forces --step 3)
file(WRITE ${out}/ele0.out "1 0 0 11.5 -0 -17.3333 0 0 0 -3.5 0 -12.6667\n")
expect_run("a short force line" 1 "^$"
  "ele0.out, line 1 holds 11 values after the time, but frames 1 to 1 need 12 [(]12 for each beam-column[^)]*[)]: the values run out at frame 1"
  results ${model} ${out} --forces)
file(WRITE ${out}/ele0.out "1 0 0 11.5 -0 -17.3333 0 0 0 -3.5 0 -12.6667 O\n")
expect_run("a force that is not a number" 1 "^$"
  "'O' is not a valid floating point value [(]${out}/ele0.out, line 1, field 13: frame 1 Mz at end j[)]"
  results ${model} ${out} --forces)
expect_run("missing reactions" 1 "^$" "Cannot open file \"${WORK_DIR}/none/reactions0.out\"" results ${model} ${WORK_DIR}/none --reactions)
expect_run("forces of a mode" 1 "^$" "--forces and --reactions read a load step: they take no --mode"
  results ${model} ${out} --forces --mode 1)

if(PICTURE)
  file(WRITE ${out}/node0.out "1 0 0 0 0.1 0 -0.5\n")
  expect_run("picture of a deformed shape" 0 "^$" "^$"
    picture ${model} -o ${WORK_DIR}/deformed.png --view xz --size 320x200 --results ${out} --scale 2 --section ky)
  file(READ ${WORK_DIR}/deformed.png signature LIMIT 8 HEX)
  if(signature STREQUAL "89504e470d0a1a0a")
    message(STATUS "ok: the picture is a PNG file")
  else()
    message(SEND_ERROR "FAILED: deformed.png is no PNG file (${signature})")
  endif()
  file(WRITE ${out}/ele0.out "1 0 0 11.5 -0 -17.3333 0 0 0 -3.5 0 -12.6667 0\n")
  expect_run("picture of a moment diagram" 0 "^$" "^$"
    picture ${model} -o ${WORK_DIR}/moments.png --size 320x200 --results ${out} --forces my)
  expect_run("picture of displacement contours" 0 "^$" "^$"
    picture ${model} -o ${WORK_DIR}/contours.png --size 320x200 --results ${out} --contour uz)
  expect_run("unknown force" 1 "^$" "--forces takes n, vy, vz, t, my or mz, not 'm'" picture ${model} -o ${WORK_DIR}/p.png --results ${out} --forces m)
  expect_run("forces without results" 1 "^$" "--forces draws a load step of loaded results" picture ${model} -o ${WORK_DIR}/p.png --forces my)
  expect_run("contours with forces" 1 "^$" "--contour colours loaded displacements: give --results DIR, without --forces"
    picture ${model} -o ${WORK_DIR}/p.png --results ${out} --forces my --contour u)
  expect_run("unknown view" 1 "^$" "--view takes xy, xz, yz or 3d, not 'top'" picture ${model} -o ${WORK_DIR}/p.png --view top)
  expect_run("bad size" 1 "^$" "--size takes WIDTHxHEIGHT" picture ${model} -o ${WORK_DIR}/p.png --size 10x10)
  expect_run("scale without results" 1 "^$" "--scale scales loaded results" picture ${model} -o ${WORK_DIR}/p.png --scale 3)
  expect_run("picture without output" 1 "^$" "picture needs an s2k file and -o OUT.png" picture ${model})
  expect_run("unwritable picture" 1 "^$" "Cannot open file \"${WORK_DIR}/no/dir.png\"" picture ${model} -o ${WORK_DIR}/no/dir.png)
endif()
