# Runs mirelo-cli as a user would and checks exit status, output and messages.
# Arguments: CLI (the program), SOURCE_DIR, WORK_DIR.
include(${CMAKE_CURRENT_LIST_DIR}/expect_run.cmake)

expect_run("help" 0 "^Usage: mirelo-cli COMMAND" "^$" --help)
# The usage lists every setting and section field from its declaration.
expect_run("help lists the settings" 0
  "\n  ControlDof  +Control Dof, 1 to 6 \\(1\\)\n.*\n  RecordModeShapes  +Modal Shape, 0 or 1 \\(0\\)\n.*\n  geomTransf  +GeoTransf, one of \\(1\\)\n +1 Linear\n +2 P-Delta\n"
  "^$" --help)
expect_run("help lists the material fields" 0
  "\n  E  +E \\(elastic modulus\\), number\n  U  +U \\(Poisson's ratio\\), number\n  type  +material type, one of"
  "^$" --help)
expect_run("version" 0 "^mirelo-cli [0-9]+\\.[0-9]+\\.[0-9]+\n$" "^$" --version)
expect_run("no arguments" 1 "^$" "Usage: mirelo-cli" )
expect_run("unknown command" 1 "^$" "unknown command 'frobnicate'" frobnicate)
expect_run("info without file" 1 "^$" "info takes one s2k file" info)

file(WRITE ${WORK_DIR}/portal.s2k
  "SYSTEM\n  DOF=UX,UY,UZ,RX,RY,RZ  LENGTH=M  FORCE=KN\n\n"
  "JOINT\n  1  X=0  Y=0  Z=0\n  2  X=0  Y=0  Z=3\n  3  X=5  Y=0  Z=3\n  4  X=5  Y=0  Z=0\n\n"
  "RESTRAINT\n  ADD=1  DOF=U1,U2,U3,R1,R2,R3\n  ADD=4  DOF=U1,U2,U3,R1,R2,R3\n\n"
  "MATERIAL\n  NAME=CONC  IDES=C  M=2.4  W=24\n    T=0  E=2.5E7  U=.2  A=1E-5\n\n"
  "FRAME SECTION\n  NAME=NCOL  MAT=CONC  SH=R  T=.5,.5\n  NAME=EBEAM  MAT=CONC  SH=R  T=.6,.3\n\n"
  "FRAME\n  1  J=1,2  SEC=NCOL  NSEG=4  ANG=0\n  2  J=2,3  SEC=EBEAM  NSEG=4  ANG=0\n  3  J=4,3  SEC=NCOL  NSEG=4  ANG=0\n\n"
  "LOAD\n  NAME=DEAD\n    TYPE=FORCE\n      ADD=2  UZ=-10\n  NAME=LIVE\n    TYPE=DISTRIBUTED\n      ADD=2  RD=0,1  UZ=-5,-5\n\n"
  "END\n")
expect_run("info on a portal frame" 0
  "^joints 4\nframes 3\nshells 0\nsolids 0\nmaterials 1\nframe_sections 2\nshell_sections 0\nloads 2\nload_cases 2\nconstraints 0\n$"
  "^$" info ${WORK_DIR}/portal.s2k)

# Files without a single section keyword are refused: empty, unrelated text, binary.
set(not_s2k "is not a SAP2000 version-6 text file: no JOINT, CONSTRAINT, RESTRAINT, MASS, MATERIAL, FRAME SECTION, SHELL SECTION, FRAME, SHELL, SOLID or LOAD section\n$")
file(WRITE ${WORK_DIR}/empty.s2k "")
expect_run("empty file refused" 1 "^$" "^mirelo-cli: ${WORK_DIR}/empty.s2k ${not_s2k}" info ${WORK_DIR}/empty.s2k)
file(WRITE ${WORK_DIR}/letter.s2k "Dear reader,\nthis is no model.\n")
expect_run("text file refused" 1 "^$" "^mirelo-cli: ${WORK_DIR}/letter.s2k ${not_s2k}" info ${WORK_DIR}/letter.s2k)
expect_run("binary file refused" 1 "^$" "${not_s2k}" info ${CLI})
file(WRITE ${WORK_DIR}/load-only.s2k "SYSTEM\nLOAD\n\n")
expect_run("one keyword is enough" 0
  "^joints 0\nframes 0\nshells 0\nsolids 0\nmaterials 0\nframe_sections 0\nshell_sections 0\nloads 0\nload_cases 0\nconstraints 0\n$"
  "^$" info ${WORK_DIR}/load-only.s2k)

file(WRITE ${WORK_DIR}/bad-number.s2k "SYSTEM\nJOINT\n  1  X=0  Y=zero  Z=0\n\n")
expect_run("bad number" 1 "^$"
  "^mirelo-cli: [^\n]*bad-number.s2k: 'zero' is not a valid floating point value \\(JOINT section, line 3, field Y\\)\n$"
  info ${WORK_DIR}/bad-number.s2k)

file(WRITE ${WORK_DIR}/unended.s2k "SYSTEM\nJOINT\n  1  X=0  Y=0  Z=0")
expect_run("section without its blank line" 1 "^$" "Range check error \\(JOINT section, line 2" info ${WORK_DIR}/unended.s2k)

file(WRITE ${WORK_DIR}/twice.s2k "SYSTEM\nJOINT\n  1  X=0  Y=0  Z=0\n\nJOINT\n  2  X=0  Y=0  Z=0\n\n")
expect_run("keyword twice" 1 "^$" "Range check error \\(JOINT section, line 5" info ${WORK_DIR}/twice.s2k)

file(WRITE ${WORK_DIR}/coincident.s2k "SYSTEM\nJOINT\n  1  X=1  Y=1  Z=1\n  2  X=1  Y=1  Z=1\n\nFRAME\n  1  J=1,2  SEC=B  NSEG=1  ANG=0\n\n")
expect_run("coincident frame joints" 1 "^$" "Invalid floating point operation \\(FRAME section, line 7\\)" info ${WORK_DIR}/coincident.s2k)

file(WRITE ${WORK_DIR}/outside.s2k "SYSTEM\nJOINT\n  1  X=1  Y=1  Z=1\n\nRESTRAINT\n  ADD=5  DOF=U1\n\n")
expect_run("joint outside the table" 1 "^$" "joint 5 does not exist \\(the model has 1 joint\\) \\(RESTRAINT section, line 6\\)" info ${WORK_DIR}/outside.s2k)

expect_run("missing file" 1 "^$" "Cannot open file \"${WORK_DIR}/none.s2k\"\\. No such file or directory" info ${WORK_DIR}/none.s2k)
# A binary file whose bytes form a section keyword gets the number message.
string(ASCII 1 2 127 200 binary)
file(WRITE ${WORK_DIR}/binary.s2k "${binary}\nJOINT\n  ${binary}=${binary}\n\n")
expect_run("binary section" 1 "^$" "is not a valid floating point value \\(JOINT section, line 3, field X\\)" info ${WORK_DIR}/binary.s2k)

file(GLOB examples ${SOURCE_DIR}/examples/*.s2k)
foreach(example IN LISTS examples)
  get_filename_component(name ${example} NAME)
  expect_run("example ${name} imports" 0 "^joints [1-9][0-9]*\n" "^$" info ${example})
endforeach()
