#include "convert/ModelFile.h"
#include "convert/TableConverter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mirelo {
namespace {

using L = std::vector<std::string>;

// Joints 1 to 4: a portal of 6 by 3.5 in the XZ plane.
const char* const kJoints = "TABLE:  \"JOINT COORDINATES\"\n"
                            "   Joint=1   CoordSys=GLOBAL   CoordType=Cartesian   XorR=0   Y=0   Z=0\n"
                            "   Joint=2   CoordSys=GLOBAL   CoordType=Cartesian   XorR=6   Y=0   Z=0\n"
                            "   Joint=3   CoordSys=GLOBAL   CoordType=Cartesian   XorR=0   Y=0   Z=3.5\n"
                            "   Joint=4   CoordSys=GLOBAL   CoordType=Cartesian   XorR=6   Y=0   Z=3.5\n";
const char* const kMaterial = "TABLE:  \"MATERIAL PROPERTIES 02 - BASIC MECHANICAL PROPERTIES\"\n"
                              "   Material=CONC   UnitWeight=24   UnitMass=2.4   E1=3E7   G12=1.25E7   U12=0.2   A1=1E-5\n";
const char* const kSections = "TABLE:  \"FRAME SECTION PROPERTIES 01 - GENERAL\"\n"
                              "   SectionName=C40X40   Material=CONC   Shape=Rectangular   t3=0.4   t2=0.4\n";
const char* const kFrames = "TABLE:  \"CONNECTIVITY - FRAME\"\n"
                            "   Frame=1   JointI=1   JointJ=3\n   Frame=2   JointI=3   JointJ=4\n";

TableConversion Convert(const std::string& tables)
{
    return ConvertTableText(TextLines::FromText(std::string(kJoints) + tables + "END TABLE DATA\n"));
}

// The data lines of one section of the converted text.
L SectionOf(const TableConversion& conversion, std::string_view keyword)
{
    L out;
    const TextLines& lines = conversion.lines;
    std::size_t i = 0;
    while (i < lines.size() && lines[i] != keyword)
        ++i;
    for (++i; i < lines.size() && !lines[i].empty(); ++i)
        out.emplace_back(lines[i]);
    return out;
}

bool HasNoteWith(const TableConversion& conversion, std::string_view text)
{
    for (const std::string& note : conversion.notes)
        if (note.find(text) != std::string::npos)
            return true;
    return false;
}

TEST(ConvertTableText, EachTableGivesItsVersion6Lines)
{
    struct Case {
        const char* name;
        std::string tables;
        const char* section;
        L lines;
    };
    const std::vector<Case> cases = {
        {"units from CurrUnits, upper case", "TABLE:  \"PROGRAM CONTROL\"\n   ProgramName=SAP2000   CurrUnits=\"KN, m, C\"\n",
         "SYSTEM", {"  DOF=UX,UY,UZ,RX,RY,RZ  LENGTH=M  FORCE=KN"}},
        {"joints: every digit kept", "", "JOINT",
         {"  1  X=0.000E+000  Y=0.000E+000  Z=0.000E+000", "  2  X=6.000E+000  Y=0.000E+000  Z=0.000E+000",
          "  3  X=0.000E+000  Y=0.000E+000  Z=3.500E+000", "  4  X=6.000E+000  Y=0.000E+000  Z=3.500E+000"}},
        {"restraints gathered per joint",
         "TABLE:  \"JOINT RESTRAINT ASSIGNMENTS\"\n   Joint=2   U1=Yes   U2=No   U3=Yes   R1=No   R2=No   R3=Yes\n"
         "   Joint=1   U1=Yes   U2=Yes   U3=Yes   R1=Yes   R2=Yes   R3=Yes\n",
         "RESTRAINT", {"  ADD=1  DOF=U1,U2,U3,R1,R2,R3", "  ADD=2  DOF=U1,U3,R3"}},
        {"diaphragm of joints that frames connect: joints in the order assigned, then a master joint of its own",
         std::string(kFrames) + "TABLE:  \"CONSTRAINT DEFINITIONS - DIAPHRAGM\"\n   Name=D1   CoordSys=GLOBAL   Axis=Z\n"
         "TABLE:  \"JOINT CONSTRAINT ASSIGNMENTS\"\n   Joint=4   Constraint=D1   Type=Diaphragm\n"
         "   Joint=3   Constraint=D1   Type=Diaphragm\n   Joint=1   Constraint=D1   Type=Body\n",
         "CONSTRAINT", {"  NAME=1  TYPE=DIAPH  AXIS=Z", "    ADD=4", "    ADD=3", "    ADD=5"}},
        {"diaphragm: the last joint that no element connects is its master, listed last",
         std::string(kFrames) + "TABLE:  \"JOINT CONSTRAINT ASSIGNMENTS\"\n   Joint=2   Constraint=D1   Type=Diaphragm\n"
         "   Joint=4   Constraint=D1   Type=Diaphragm\n   Joint=3   Constraint=D1   Type=Diaphragm\n",
         "CONSTRAINT", {"  NAME=1  TYPE=DIAPH  AXIS=Z", "    ADD=4", "    ADD=3", "    ADD=2"}},
        {"the master at the centre of the diaphragm's joints",
         std::string(kFrames) + "TABLE:  \"JOINT CONSTRAINT ASSIGNMENTS\"\n   Joint=4   Constraint=D1   Type=Diaphragm\n"
         "   Joint=3   Constraint=D1   Type=Diaphragm\n",
         "JOINT",
         {"  1  X=0.000E+000  Y=0.000E+000  Z=0.000E+000", "  2  X=6.000E+000  Y=0.000E+000  Z=0.000E+000",
          "  3  X=0.000E+000  Y=0.000E+000  Z=3.500E+000", "  4  X=6.000E+000  Y=0.000E+000  Z=3.500E+000",
          "  D1-master  X=3.000E+000  Y=0.000E+000  Z=3.500E+000"}},
        {"masses: rows of a joint add up",
         "TABLE:  \"JOINT ADDED MASS ASSIGNMENTS\"\n   Joint=3   CoordSys=GLOBAL   Mass1=20.437   Mass2=20.437   Mass3=0\n"
         "   Joint=3   CoordSys=GLOBAL   Mass1=1   Mass2=0   Mass3=0.5\n",
         "MASS", {"  ADD=3  U1=2.1437E+001  U2=2.0437E+001  U3=5.000E-001"}},
        {"materials with steel and concrete strengths",
         "TABLE:  \"MATERIAL PROPERTIES 01 - GENERAL\"\n   Material=S355   Type=Steel\n   Material=C30   Type=Concrete\n"
         "TABLE:  \"MATERIAL PROPERTIES 02 - BASIC MECHANICAL PROPERTIES\"\n"
         "   Material=S355   UnitWeight=76.97   UnitMass=7.849   E1=2.1E8   G12=8.1E7   U12=0.3   A1=1.2E-5\n"
         "   Material=C30   UnitWeight=24   UnitMass=2.4   E1=31234567   G12=1.3E7   U12=0.2   A1=1E-5\n"
         "TABLE:  \"MATERIAL PROPERTIES 03A - STEEL DATA\"\n   Material=S355   Fy=355000   Fu=510000\n"
         "TABLE:  \"MATERIAL PROPERTIES 03B - CONCRETE DATA\"\n   Material=C30   Fc=30000\n",
         "MATERIAL",
         {"  NAME=S355  IDES=S  M=7.849E+000  W=7.697E+001", "    T=0  E=2.100E+008  U=3.000E-001  A=1.200E-005  FY=3.550E+005",
          "  NAME=C30  IDES=C  M=2.400E+000  W=2.400E+001", "    T=0  E=3.1234567E+007  U=2.000E-001  A=1.000E-005  FC=3.000E+004"}},
        {"frame sections of every shape, all elastic",
         std::string(kMaterial) + "TABLE:  \"FRAME SECTION PROPERTIES 01 - GENERAL\"\n"
         "   SectionName=R1   Material=CONC   Shape=Rectangular   t3=0.5125   t2=0.4125\n"
         "   SectionName=W14X90   Material=CONC   Shape=\"I/Wide Flange\"   t3=0.356   t2=0.369   tf=0.018   tw=0.0112   t2b=0.369   tfb=0.018\n"
         "   SectionName=BOX   Material=CONC   Shape=Box/Tube   t3=0.3   t2=0.2   tf=0.01   tw=0.012\n"
         "   SectionName=CHS   Material=CONC   Shape=Pipe   t3=0.3   tw=0.01\n"
         "   SectionName=CIRC   Material=CONC   Shape=Circle   t3=0.5\n"
         "   SectionName=L50   Material=CONC   Shape=Angle   t3=0.05   t2=0.05   tf=0.005   tw=0.005\n",
         "FRAME SECTION",
         {"  NAME=R1  MAT=CONC  SH=R  T=5.125E-001,4.125E-001  KIND=E",
          "  NAME=W14X90  MAT=CONC  SH=I  T=3.560E-001,3.690E-001,1.800E-002,1.120E-002,3.690E-001,1.800E-002  KIND=E",
          "  NAME=BOX  MAT=CONC  SH=B  T=3.000E-001,2.000E-001,1.000E-002,1.200E-002  KIND=E",
          "  NAME=CHS  MAT=CONC  SH=P  T=3.000E-001,1.000E-002  KIND=E",
          "  NAME=CIRC  MAT=CONC  SH=P  T=5.000E-001,2.500E-001  KIND=E",
          "  NAME=L50  MAT=CONC  KIND=E"}},
        {"frames with sections, angles and releases",
         std::string(kMaterial) + kSections + kFrames
             + "TABLE:  \"FRAME SECTION ASSIGNMENTS\"\n   Frame=1   AnalSect=C40X40   DesignSect=C40X40\n"
               "TABLE:  \"FRAME LOCAL AXES ASSIGNMENTS 1 - TYPICAL\"\n   Frame=1   Angle=90\n"
               "TABLE:  \"FRAME RELEASE ASSIGNMENTS 1 - GENERAL\"\n"
               "   Frame=2   PI=No   V2I=No   V3I=No   TI=No   M2I=Yes   M3I=Yes   PJ=No   V2J=No   V3J=No   TJ=No   M2J=No   M3J=Yes\n",
         "FRAME",
         {"  1  J=1,3  SEC=C40X40  NSEG=4  ANG=9.000E+001", "  2  J=3,4  SEC=NONE  NSEG=4  ANG=0.000E+000  IREL=R2,R3  JREL=R3"}},
        {"areas: the perimeter order becomes j1, j2, j4, j3",
         std::string(kMaterial)
             + "TABLE:  \"AREA SECTION PROPERTIES\"\n   Section=SLAB   Material=CONC   AreaType=Shell   Type=Shell-Thin   Thickness=0.125\n"
               "TABLE:  \"CONNECTIVITY - AREA\"\n   Area=1   NumJoints=4   Joint1=1   Joint2=2   Joint3=4   Joint4=3\n"
               "   Area=2   NumJoints=3   Joint1=1   Joint2=2   Joint3=4\n"
               "TABLE:  \"AREA SECTION ASSIGNMENTS\"\n   Area=1   Section=SLAB\n",
         "SHELL", {"  1  J=1,2,3,4  SEC=SLAB"}},
        {"area sections", std::string(kMaterial) + "TABLE:  \"AREA SECTION PROPERTIES\"\n"
                          "   Section=SLAB   Material=CONC   AreaType=Shell   Type=Shell-Thin   Thickness=0.125\n",
         "SHELL SECTION", {"  NAME=SLAB  MAT=CONC  TYPE=\"Shell\"  TH=1.250E-001"}},
        {"solids carry the number of their material",
         std::string(kMaterial)
             + "TABLE:  \"SOLID PROPERTY DEFINITIONS\"\n   SolidProp=SOLID1   Material=CONC\n"
               "TABLE:  \"CONNECTIVITY - SOLID\"\n   Solid=7   Joint1=1   Joint2=2   Joint3=3   Joint4=4   Joint5=1   Joint6=2   Joint7=3   Joint8=4\n"
               "TABLE:  \"SOLID PROPERTY ASSIGNMENTS\"\n   Solid=7   SolidProp=SOLID1\n",
         "SOLID", {"  1  J=1,2,3,4,1,2,3,4  SEC=1"}},
        {"solids without a solid property take normal concrete in the file's units",
         "TABLE:  \"PROGRAM CONTROL\"\n   CurrUnits=\"KN, m, C\"\n" + std::string(kMaterial)
             + "TABLE:  \"CONNECTIVITY - SOLID\"\n   Solid=1   Joint1=1   Joint2=2   Joint3=3   Joint4=4   Joint5=1   Joint6=2   Joint7=3   Joint8=4\n",
         "MATERIAL",
         {"  NAME=CONC  IDES=O  M=2.400E+000  W=2.400E+001", "    T=0  E=3.000E+007  U=2.000E-001  A=1.000E-005",
          "  NAME=SOLID  IDES=C  M=2.400E+000  W=2.400E+001", "    T=0  E=3.000E+007  U=2.000E-001  A=0.000E+000"}},
        {"loads: joint forces, and frame loads along the frame's local axes",
         kFrames + std::string("TABLE:  \"LOAD PATTERN DEFINITIONS\"\n   LoadPat=DEAD   DesignType=Dead   SelfWtMult=0\n"
                               "   LoadPat=WIND   DesignType=Wind   SelfWtMult=0\n   LoadPat=EMPTY   SelfWtMult=0\n"
                               "TABLE:  \"JOINT LOADS - FORCE\"\n   Joint=3   LoadPat=WIND   CoordSys=GLOBAL   F1=10   F2=0   F3=-212.37   M1=0   M2=0   M3=1.5\n"
                               "TABLE:  \"FRAME LOADS - DISTRIBUTED\"\n"
                               "   Frame=2   LoadPat=DEAD   CoordSys=GLOBAL   Type=Force   Dir=Gravity   DistType=RelDist   RelDistA=0   RelDistB=1   FOverLA=12.5   FOverLB=12.5\n"
                               "   Frame=1   LoadPat=WIND   CoordSys=GLOBAL   Type=Force   Dir=X   DistType=RelDist   RelDistA=0   RelDistB=1   FOverLA=2   FOverLB=2\n"
                               "   Frame=2   LoadPat=DEAD   CoordSys=Local   Type=Force   Dir=3   DistType=RelDist   RelDistA=0   RelDistB=1   FOverLA=-1   FOverLB=-1\n"
                               "   Frame=2   LoadPat=DEAD   CoordSys=GLOBAL   Type=Force   Dir=Gravity   DistType=RelDist   RelDistA=0   RelDistB=0.5   FOverLA=1   FOverLB=1\n"),
         "LOAD",
         {"  NAME=DEAD", "    TYPE=DISTRIBUTED", "      ADD=2  RD=0,1  U2=-1.250E+001,-1.250E+001",
          "      ADD=2  RD=0,1  U3=-1.000E+000,-1.000E+000", "  NAME=WIND", "    TYPE=FORCE",
          "      ADD=3  UX=1.000E+001  UZ=-2.1237E+002  RZ=1.500E+000", "    TYPE=DISTRIBUTED",
          "      ADD=1  RD=0,1  U2=2.000E+000,2.000E+000", "  NAME=EMPTY"}},
        {"older files: LOAD CASE DEFINITIONS with LoadCase",
         "TABLE:  \"LOAD CASE DEFINITIONS\"\n   LoadCase=DL   DesignType=DEAD   SelfWtMult=1\n"
         "TABLE:  \"JOINT LOADS - FORCE\"\n   Joint=4   LoadCase=DL   CoordSys=GLOBAL   F1=0   F2=0   F3=-5\n",
         "LOAD", {"  NAME=DL", "    TYPE=FORCE", "      ADD=4  UZ=-5.000E+000"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SectionOf(Convert(c.tables), c.section), c.lines);
    }
}

TEST(ConvertTableText, NotesSayWhatIsLeftOut)
{
    const TableConversion conversion = Convert(
        std::string(kMaterial) + kFrames
        + "TABLE:  \"FRAME SECTION PROPERTIES 01 - GENERAL\"\n   SectionName=L50   Material=CONC   Shape=Angle\n"
          "TABLE:  \"CONNECTIVITY - AREA\"\n   Area=A9   NumJoints=3   Joint1=1   Joint2=2   Joint3=4\n"
          "TABLE:  \"LOAD PATTERN DEFINITIONS\"\n   LoadPat=DEAD   SelfWtMult=1\n"
          "TABLE:  \"FRAME LOADS - DISTRIBUTED\"\n   Frame=2   LoadPat=DEAD   Type=Force   Dir=Gravity   RelDistA=0   RelDistB=1   FOverLA=1   FOverLB=2\n"
          "TABLE:  \"GRID LINES\"\n   CoordSys=GLOBAL   AxisDir=X   GridID=A   XRYZCoord=0\n"
          "TABLE:  \"ANALYSIS OPTIONS\"\n   ActiveDOF=\"UX,UY,UZ\"\n");
    EXPECT_TRUE(HasNoteWith(conversion, "Elastic BeamColumn (KIND=E)"));
    EXPECT_TRUE(HasNoteWith(conversion, "Tables not read: GRID LINES, ANALYSIS OPTIONS"));
    EXPECT_TRUE(HasNoteWith(conversion, "written without shape, so their frames have no section properties: L50 (Angle)"));
    EXPECT_TRUE(HasNoteWith(conversion, "1 area does not have four joints and is not taken: A9"));
    EXPECT_TRUE(HasNoteWith(conversion, "Self weight is not carried over: load patterns with a self-weight multiplier: DEAD"));
    EXPECT_TRUE(HasNoteWith(conversion, "1 frame loads are not uniform forces over the whole frame"));
    EXPECT_TRUE(HasNoteWith(conversion, "2 frames have no section: 1, 2"));
    EXPECT_FALSE(HasNoteWith(conversion, "may be cut off"));
}

TEST(ConvertTableText, NamesAsLabelsAreNumberedInTableOrderAndKept)
{
    const std::string text =
        "TABLE:  \"JOINT COORDINATES\"\n"
        "   Joint=B7   CoordSys=GLOBAL   CoordType=Cartesian   XorR=0   Y=0   Z=0\n"
        "   Joint=A1   CoordSys=LOCAL1   CoordType=Cylindrical   XorR=9   Y=9   Z=9   GlobalX=0   GlobalY=0   GlobalZ=3\n"
        "   Joint=\"top left\"   CoordSys=GLOBAL   CoordType=Cartesian   XorR=5   Y=0   Z=3\n"
        + std::string(kMaterial) + kSections
        + "TABLE:  \"CONNECTIVITY - FRAME\"\n   Frame=COL-A   JointI=B7   JointJ=A1\n   Frame=BEAM   JointI=A1   JointJ=\"top left\"\n"
          "TABLE:  \"FRAME SECTION ASSIGNMENTS\"\n   Frame=BEAM   AnalSect=C40X40\n   Frame=COL-A   AnalSect=C40X40\n"
          "END TABLE DATA\n";
    const ModelImport imported = ImportModelText(TextLines::FromText(text));
    const Model& m = imported.model;
    ASSERT_EQ(m.Joints.count, 3);
    EXPECT_EQ(m.JointNames, (L{"", "B7", "A1", "3"})); // a label with a blank is written as its number
    EXPECT_EQ(m.FrameNames, (L{"", "COL-A", "BEAM"}));
    EXPECT_EQ(m.Joints[2].z, 3.0); // GlobalZ, not the cylindrical Z
    EXPECT_EQ(m.Frames[2].jointI, 2);
    EXPECT_EQ(m.Frames[2].jointJ, 3);
    EXPECT_EQ(m.Frames[1].section, 1);
    EXPECT_EQ(JointCaption(m, 1), "1 (B7)");
    EXPECT_EQ(JointCaption(m, 3), "3");
    EXPECT_EQ(FrameCaption(m, 2), "2 (BEAM)");
    EXPECT_EQ(m.FrameSections[1].elementKind, kElasticBeamColumn); // C would be a corotTruss by its letter
    bool noted = false;
    for (const std::string& note : imported.notes)
        noted = noted || note.find("'top left' is joint 3") != std::string::npos;
    EXPECT_TRUE(noted);
}

TEST(ConvertTableText, RefusesRowsNamingWhatIsNotThereWithTableLineAndKey)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"TABLE:  \"JOINT RESTRAINT ASSIGNMENTS\"\n   Joint=9   U1=Yes\n",
         "joint 9 is not in the JOINT COORDINATES table (JOINT RESTRAINT ASSIGNMENTS table, line 7, key Joint)"},
        {kFrames + std::string("TABLE:  \"FRAME SECTION ASSIGNMENTS\"\n   Frame=1   AnalSect=W99\n"),
         "frame section W99 is not in the FRAME SECTION PROPERTIES 01 - GENERAL table (FRAME SECTION ASSIGNMENTS table, "
         "line 10, key AnalSect)"},
        {std::string(kMaterial) + "TABLE:  \"FRAME SECTION PROPERTIES 01 - GENERAL\"\n   SectionName=X   Material=STEEL   Shape=Rectangular   t3=1   t2=1\n",
         "material STEEL is not in the MATERIAL PROPERTIES 01 - GENERAL table (FRAME SECTION PROPERTIES 01 - GENERAL "
         "table, line 9, key Material)"},
        {"TABLE:  \"JOINT ADDED MASS ASSIGNMENTS\"\n   Joint=1   Mass1=ten\n",
         "'ten' is not a valid floating point value (JOINT ADDED MASS ASSIGNMENTS table, line 7, key Mass1)"},
        {"TABLE:  \"LOAD PATTERN DEFINITIONS\"\n   LoadPat=DEAD\nTABLE:  \"JOINT LOADS - FORCE\"\n   Joint=1   LoadPat=LIVE   F3=1\n",
         "load pattern LIVE is not in the LOAD PATTERN DEFINITIONS table (JOINT LOADS - FORCE table, line 9, key LoadPat)"},
        {std::string(kFrames) + "   Frame=1   JointI=1   JointJ=2\n",
         "frame 1 is given twice (CONNECTIVITY - FRAME table, line 9, key Frame)"},
        {std::string(kFrames) + kFrames, "the table is given twice (first on line 6) (CONNECTIVITY - FRAME table, line 9)"},
        {"TABLE:  \"CONNECTIVITY - FRAME\"\n   Frame=1   JointI=1\n",
         "the row has no JointJ (CONNECTIVITY - FRAME table, line 7)"},
    };
    for (const auto& [tables, message] : cases) {
        SCOPED_TRACE(message);
        try {
            Convert(tables);
            ADD_FAILURE() << "not refused";
        } catch (const TableError& e) {
            EXPECT_EQ(e.what(), message);
        }
    }
    EXPECT_THROW(ConvertTableText(TextLines::FromText("TABLE:  \"PROGRAM CONTROL\"\n   CurrUnits=\"N, mm, C\"\n")),
                 TableError); // no joint table
    const std::string cylindrical = "TABLE:  \"JOINT COORDINATES\"\n   Joint=1   CoordSys=GLOBAL   CoordType=Cylindrical   XorR=1   Y=0   Z=0\n";
    EXPECT_THROW(ConvertTableText(TextLines::FromText(cylindrical)), TableError);
}

} // namespace
} // namespace mirelo
