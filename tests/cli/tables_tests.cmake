# Runs mirelo-cli on SAP2000 table exports as a user would: "convert", and the
# commands that read a model taking a table file as they take a version-6 one.
# Arguments: CLI (the program), SOURCE_DIR, WORK_DIR.
include(${CMAKE_CURRENT_LIST_DIR}/expect_run.cmake)

file(WRITE ${WORK_DIR}/portal.s2k
  "File portal.sdb was saved on 12/8/26\n\n"
  "TABLE:  \"PROGRAM CONTROL\"\n   ProgramName=SAP2000   Version=24.0.0   CurrUnits=\"KN, m, C\"\n\n"
  "TABLE:  \"JOINT COORDINATES\"\n"
  "   Joint=A1   CoordSys=GLOBAL   CoordType=Cartesian   XorR=0   Y=0   Z=0   SpecialJt=No   GlobalX=0   GlobalY=0   GlobalZ=0\n"
  "   Joint=A2   CoordSys=GLOBAL   CoordType=Cartesian   XorR=6   Y=0   Z=0   SpecialJt=No   GlobalX=6   GlobalY=0   GlobalZ=0\n"
  "   Joint=B1   CoordSys=GLOBAL   CoordType=Cartesian   XorR=0   Y=0   Z=3.5   SpecialJt=No   GlobalX=0   GlobalY=0   GlobalZ=3.5\n"
  "   Joint=B2   CoordSys=GLOBAL   CoordType=Cartesian   XorR=6   Y=0   Z=3.5   SpecialJt=No   GlobalX=6   GlobalY=0   GlobalZ=3.5\n\n"
  "TABLE:  \"JOINT RESTRAINT ASSIGNMENTS\"\n"
  "   Joint=A1   U1=Yes   U2=Yes   U3=Yes   R1=Yes   R2=Yes   R3=Yes\n   Joint=A2   U1=Yes   U2=Yes   U3=Yes   R1=Yes   R2=Yes   R3=Yes\n\n"
  "TABLE:  \"MATERIAL PROPERTIES 02 - BASIC MECHANICAL PROPERTIES\"\n"
  "   Material=4000Psi   UnitWeight=23.5631   UnitMass=2.4028   E1=24855578   G12=10356491   U12=0.2   A1=9.9E-06\n\n"
  "TABLE:  \"FRAME SECTION PROPERTIES 01 - GENERAL\"\n"
  "   SectionName=C40X40   Material=4000Psi   Shape=Rectangular   t3=0.4   t2=0.4\n\n"
  "TABLE:  \"CONNECTIVITY - FRAME\"\n   Frame=C1   JointI=A1   JointJ=B1\n   Frame=C2   JointI=A2   JointJ=B2\n"
  "   Frame=G1   JointI=B1   JointJ=B2\n\n"
  "TABLE:  \"FRAME SECTION ASSIGNMENTS\"\n   Frame=C1   AnalSect=C40X40\n   Frame=C2   AnalSect=C40X40\n   Frame=G1   AnalSect=C40X40\n\n"
  "TABLE:  \"LOAD PATTERN DEFINITIONS\"\n   LoadPat=DEAD   DesignType=Dead   SelfWtMult=0\n\n"
  "TABLE:  \"FRAME LOADS - DISTRIBUTED\"\n"
  "   Frame=G1   LoadPat=DEAD   CoordSys=GLOBAL   Type=Force   Dir=Gravity   DistType=RelDist   RelDistA=0   RelDistB=1   FOverLA=12.5   FOverLB=12.5\n\n"
  "TABLE:  \"GRID LINES\"\n   CoordSys=GLOBAL   AxisDir=X   GridID=A   XRYZCoord=0\n\n"
  "END TABLE DATA\n")
set(notes "^Read from the table text: 4 joints, 3 frames, 0 areas, 1 material, 1 frame section, 1 load pattern\nFrame sections start as Elastic BeamColumn \\(KIND=E\\)[^\n]*\nTables not read: GRID LINES\n$")

# convert: the version-6 text on standard output (LF), the notes on standard error.
expect_run("convert to standard output" 0
  "^SYSTEM\n  DOF=UX,UY,UZ,RX,RY,RZ  LENGTH=M  FORCE=KN\n\nJOINT\n  A1  X=0.000E\\+000  Y=0.000E\\+000  Z=0.000E\\+000\n.*\nFRAME SECTION\n  NAME=C40X40  MAT=4000Psi  SH=R  T=4.000E-001,4.000E-001  KIND=E\n\nFRAME\n  C1  J=1,3  SEC=C40X40  NSEG=4  ANG=0.000E\\+000\n.*\nLOAD\n  NAME=DEAD\n    TYPE=DISTRIBUTED\n      ADD=3  RD=0,1  U2=-1.250E\\+001,-1.250E\\+001\n\nEND\n$"
  "${notes}" convert ${WORK_DIR}/portal.s2k)
execute_process(COMMAND ${CLI} convert ${WORK_DIR}/portal.s2k OUTPUT_VARIABLE expected ERROR_QUIET)
expect_run("convert to a file" 0 "^$" "${notes}" convert ${WORK_DIR}/portal.s2k -o ${WORK_DIR}/portal-v6.s2k)
expect_crlf_file("the converted file has CR LF line ends" ${WORK_DIR}/portal-v6.s2k "${expected}")

# Every command takes the table file, and the converted file gives the same.
set(counts "^joints 4\nframes 3\nshells 0\nsolids 0\nmaterials 1\nframe_sections 1\nshell_sections 0\nloads 1\nload_cases 1\nconstraints 0\n$")
expect_run("info on the table file" 0 "${counts}" "${notes}" info ${WORK_DIR}/portal.s2k)
expect_run("info on the converted file" 0 "${counts}" "^$" info ${WORK_DIR}/portal-v6.s2k)
expect_run("tcl on the table file" 0 "^wipe\n.*\nelement elasticBeamColumn 3 3 4 1.6000000000000003E-001 2.4855578E\\+007 " "${notes}"
  tcl ${WORK_DIR}/portal.s2k)
execute_process(COMMAND ${CLI} tcl ${WORK_DIR}/portal.s2k -o ${WORK_DIR}/tables.tcl ERROR_QUIET)
execute_process(COMMAND ${CLI} tcl ${WORK_DIR}/portal-v6.s2k -o ${WORK_DIR}/converted.tcl)
file(READ ${WORK_DIR}/tables.tcl from_tables)
file(READ ${WORK_DIR}/converted.tcl from_converted)
if(from_tables STREQUAL from_converted)
  message(STATUS "ok: the table file and its converted file give the same script")
else()
  message(SEND_ERROR "FAILED: the table file and its converted file give different scripts")
endif()
expect_run("curve on the table file" 1 "^$" "Analysis type 1 gives no curve" curve ${WORK_DIR}/portal.s2k ${WORK_DIR})
expect_run("results on the table file" 1 "^$" "node0.out" results ${WORK_DIR}/portal.s2k ${WORK_DIR})
if(PICTURE)
  expect_run("picture of the table file" 0 "^$" "${notes}" picture ${WORK_DIR}/portal.s2k -o ${WORK_DIR}/portal.png)
endif()

# A table file without END TABLE DATA, a version-6 file without END: imported
# with a warning, exit status 0.
file(READ ${WORK_DIR}/portal.s2k whole)
string(REPLACE "END TABLE DATA\n" "" cut "${whole}")
file(WRITE ${WORK_DIR}/cut.s2k "${cut}")
expect_run("table file without its end" 0 "${counts}"
  "\nThe file ends without END TABLE DATA after the GRID LINES table: it may be cut off, and what follows is missing\n$"
  info ${WORK_DIR}/cut.s2k)
file(READ ${WORK_DIR}/portal-v6.s2k converted)
string(REGEX REPLACE "\r?\n\r?\nEND\r?\n$" "\n  NAME=LIVE\n    TYPE=FORCE\n      " cut6 "${converted}")
file(WRITE ${WORK_DIR}/cut6.s2k "${cut6}")
expect_run("version-6 file cut off in its LOAD section" 0 "\nload_cases 2\n"
  "^The file ends without its END line after the LOAD section: it may be cut off, and what follows is missing\n$"
  info ${WORK_DIR}/cut6.s2k)

# Refusals: file, table, line and key; nothing on standard output.
file(WRITE ${WORK_DIR}/bad.s2k "TABLE:  \"JOINT COORDINATES\"\n   Joint=1   XorR=0   Y=0   Z=0\n"
  "TABLE:  \"CONNECTIVITY - FRAME\"\n   Frame=1   JointI=1   JointJ=B9\n")
foreach(command info convert)
  expect_run("${command}: a frame naming a joint that is not there" 1 "^$"
    "^mirelo-cli: [^\n]*bad.s2k: joint B9 is not in the JOINT COORDINATES table \\(CONNECTIVITY - FRAME table, line 4, key JointJ\\)\n$"
    ${command} ${WORK_DIR}/bad.s2k)
endforeach()
expect_run("convert refuses a version-6 file" 1 "^$" "portal-v6.s2k is not a SAP2000 table export: no TABLE: heading\n$"
  convert ${WORK_DIR}/portal-v6.s2k)
expect_run("convert without a file" 1 "^$" "convert needs a table file" convert)
