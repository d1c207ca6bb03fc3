# Runs "mirelo-cli v14" as a user would and checks exit status, the converted
# text and the messages. Arguments: CLI (the program), SOURCE_DIR, WORK_DIR.
include(${CMAKE_CURRENT_LIST_DIR}/expect_run.cmake)

set(footing ${SOURCE_DIR}/examples/footing-v14.txt)
set(concrete "No material for 4 solids: material SOLID \\(SEC=1\\), normal concrete in N and mm: E=3.000E\\+004  U=2.000E-001  M=2.400E-009  W=2.400E-005")

# Standard output: the s2k text with LF line ends; the counts on standard error.
expect_run("footing to standard output" 0
  "^SYSTEM\n  DOF=UX,UY,UZ,RX,RY,RZ  LENGTH=mm  FORCE=N\n\nJOINT\n  1  X=0.000E\\+000  Y=0.000E\\+000  Z=0.000E\\+000\n.*\n  18  X=1.500E\\+003  Y=1.500E\\+003  Z=7.500E\\+002\n\nRESTRAINT\n  ADD=1  DOF=U1,U2,U3\n.*\nLOAD\n  NAME=PUSH\n    TYPE=FORCE\n      ADD=10  UX=1.23456E\\+004\n      ADD=10  RZ=1.2500E\\+006\n.*\nMATERIAL\n  NAME=SOLID  IDES=C  M=2.400E-009  W=2.400E-005\n    T=0  E=3.000E\\+004  U=2.000E-001\n\nSOLID\n  1  J=1,2,4,5,10,11,13,14  SEC=1\n.*  4  J=5,6,8,9,14,15,17,18  SEC=1\n\n\nEND\n$"
  "^NJOINT = 18\nNSOLID = 4\n${concrete}\n$" v14 ${footing})

# With -o the file is written as "Save S2k" writes it: CR LF after every line,
# and it imports.
execute_process(COMMAND ${CLI} v14 ${footing} OUTPUT_VARIABLE expected)
expect_run("footing to a file" 0 "^$" "^NJOINT = 18\nNSOLID = 4\n${concrete}\n$" v14 ${footing} -o ${WORK_DIR}/footing.s2k)
expect_crlf_file("saved text has CR LF line ends" ${WORK_DIR}/footing.s2k "${expected}")
expect_run("the converted footing imports" 0 "^joints 18\nframes 0\nshells 0\nsolids 4\nmaterials 1\n.*loads 9\nload_cases 1\n" "^$"
  info ${WORK_DIR}/footing.s2k)

file(WRITE ${WORK_DIR}/bad-material.txt
  "TABLE:  \"JOINT COORDINATES\"\n   Joint=1   CoordSys=GLOBAL   CoordType=Cartesian   XorR=0   Y=0   Z=0\n\n"
  "TABLE:  \"SOLID PROPERTY DEFINITIONS\"\n   SolidProp=P   Material=C35\n\n")
# The footing with its material tables: four materials in table order, the
# solids on the third and fourth.
expect_run("footing with material tables" 0
  "\nMATERIAL\n  NAME=4000Psi  IDES=N  [^\n]*\n[^\n]*\n  NAME=A992Fy50 [^\n]*\n[^\n]*\n  NAME=C30  IDES=N  M=2.5484E-009  W=2.500E-005\n    T=0  E=3.000E\\+004  U=2.000E-001\n  NAME=C40 [^\n]*\n    T=0  E=3.250E\\+004  U=2.000E-001\n\nSOLID\n  1  J=[0-9,]*  SEC=3\n  2  J=[0-9,]*  SEC=3\n  3  J=[0-9,]*  SEC=4\n  4  J=[0-9,]*  SEC=4\n"
  "^NJOINT = 18\nNSOLID = 4\n4 materials from the MATERIAL PROPERTIES 02 - BASIC MECHANICAL PROPERTIES table; a solid's SEC= is its material's place in MATERIAL\n$"
  v14 ${SOURCE_DIR}/examples/footing-v14-materials.txt)
execute_process(COMMAND ${CLI} v14 ${SOURCE_DIR}/examples/footing-v14-materials.txt -o ${WORK_DIR}/footing-materials.s2k
  ERROR_QUIET)
expect_run("footing with material tables imports" 0 "\nsolids 4\nmaterials 4\n" "^$" info ${WORK_DIR}/footing-materials.s2k)
expect_run("a material row naming no known material is refused" 1 "^$"
  "bad-material.txt: material C35 is not in the MATERIAL PROPERTIES 02 - BASIC MECHANICAL PROPERTIES table \\(SOLID PROPERTY DEFINITIONS table, line 5\\)\n$"
  v14 ${WORK_DIR}/bad-material.txt)

# Joints numbered otherwise are renumbered, and the user is told.
file(WRITE ${WORK_DIR}/gaps.txt
  "TABLE:  \"JOINT COORDINATES\"\n"
  "   Joint=5   CoordSys=GLOBAL   CoordType=Cartesian   XorR=0   Y=0   Z=0\n"
  "   Joint=9   CoordSys=GLOBAL   CoordType=Cartesian   XorR=12345.5   Y=0   Z=0\n\n"
  "TABLE:  \"JOINT RESTRAINT ASSIGNMENTS\"\n   Joint=9   U1=Yes   U2=No   U3=Yes   R1=No   R2=No   R3=No\n")
expect_run("joints renumbered" 0 "\n  2  X=1.23455E\\+004  Y=0.000E\\+000  Z=0.000E\\+000\n.*\n  ADD=2  DOF=U1,U3\n"
  "^NJOINT = 2\nNSOLID = 0\nJoints are renumbered 1 to 2 in table order: joint 5 \\(line 2\\) is joint 1\n$"
  v14 ${WORK_DIR}/gaps.txt)
# A restraint row naming a joint the joint table lacks is left out and named.
file(APPEND ${WORK_DIR}/gaps.txt "   Joint=7   U1=Yes   U2=Yes   U3=Yes   R1=No   R2=No   R3=No\n")
expect_run("restraint of a missing joint left out" 0 "\nRESTRAINT\n  ADD=2  DOF=U1,U3\n\n"
  "\njoint 7 is not in the JOINT COORDINATES table: the row is left out \\(JOINT RESTRAINT ASSIGNMENTS table, line 7\\)\n$"
  v14 ${WORK_DIR}/gaps.txt)

# Errors: exit status 1, the file, table and line on standard error, nothing
# on standard output, and an existing output file left as it was.
file(WRITE ${WORK_DIR}/bad.txt "TABLE:  \"JOINT COORDINATES\"\n   Joint=1   CoordSys=GLOBAL   CoordType=Cartesian   XorR=1.5m   Y=0   Z=0\n\n")
file(WRITE ${WORK_DIR}/kept.s2k "what the user had")
expect_run("bad number" 1 "^$"
  "^mirelo-cli: [^\n]*bad.txt: '1.5m' is not a valid floating point value \\(JOINT COORDINATES table, line 2\\)\n$"
  v14 ${WORK_DIR}/bad.txt -o ${WORK_DIR}/kept.s2k)
file(READ ${WORK_DIR}/kept.s2k kept)
if(kept STREQUAL "what the user had")
  message(STATUS "ok: a failed conversion leaves the output file alone")
else()
  message(SEND_ERROR "FAILED: a failed conversion changed the output file: ${kept}")
endif()
file(WRITE ${WORK_DIR}/unknown.txt
  "TABLE:  \"JOINT COORDINATES\"\n   Joint=1   CoordSys=GLOBAL   CoordType=Cartesian   XorR=0   Y=0   Z=0\n\n"
  "TABLE:  \"CONNECTIVITY - SOLID\"\n   Solid=1   Joint1=1   Joint2=1   Joint3=1   Joint4=1   Joint5=1   Joint6=1   Joint7=1   Joint8=2\n\n")
expect_run("solid naming an unknown joint" 1 "^$"
  "unknown.txt: joint 2 is not in the JOINT COORDINATES table \\(CONNECTIVITY - SOLID table, line 5\\)\n$"
  v14 ${WORK_DIR}/unknown.txt)
# A version-6 s2k file is not a V14 file.
expect_run("no joint table" 1 "^$" "solid-block.s2k: the file has no table TABLE:  \"JOINT COORDINATES\"\n$"
  v14 ${SOURCE_DIR}/examples/solid-block.s2k)
expect_run("binary file" 1 "^$" "the file has no table" v14 ${CLI})
expect_run("missing file" 1 "^$" "Cannot open file \"${WORK_DIR}/none.txt\"" v14 ${WORK_DIR}/none.txt)
expect_run("unwritable output" 1 "^$" "Cannot open file \"${WORK_DIR}/no/such/dir.s2k\"" v14 ${footing} -o ${WORK_DIR}/no/such/dir.s2k)
expect_run("no file" 1 "^$" "v14 needs a V14 file" v14)
expect_run("two files" 1 "^$" "v14 takes one V14 file" v14 ${footing} ${footing})
expect_run("option without value" 1 "^$" "-o needs a value" v14 ${footing} -o)
expect_run("unknown option" 1 "^$" "unknown option '--set'" v14 ${footing} --set A=1)
