// The synthetic building as SAP2000 v24 table text: the same joints, frames,
// shells, properties and loads as its version-6 text, labelled 1, 2, 3 ... in
// the same order, rows of Key=Value items three blanks apart.
#include "BuildingGenerator.h"
#include "BuildingGrid.h"

namespace mirelo::bench {

namespace {

constexpr std::string_view kRow = "   ";

void Heading(TextWriter& out, std::string_view table)
{
    out << "TABLE:  \"" << table << "\"\n";
}

void WriteJointTables(TextWriter& out, const BuildingSize& size, const Grid& g)
{
    Heading(out, "JOINT COORDINATES");
    const auto joint = [&](long long label, double x, double y, double z) {
        out << kRow << "Joint=" << label << "   CoordSys=GLOBAL   CoordType=Cartesian   XorR=" << x << "   Y=" << y
            << "   Z=" << z << "   SpecialJt=No   GlobalX=" << x << "   GlobalY=" << y << "   GlobalZ=" << z << "\n";
    };
    for (int level = 0; level <= g.storeys; ++level)
        for (int j = 0; j <= g.ny; ++j)
            for (int i = 0; i <= g.nx; ++i)
                joint(g.GridJoint(level, i, j), i * size.bayX, j * size.bayY, level * size.storeyHeight);
    if (size.diaphragms)
        for (int floor = 1; floor <= g.storeys; ++floor)
            joint(g.Master(floor), g.nx * size.bayX / 2, g.ny * size.bayY / 2, floor * size.storeyHeight);

    out << "\n";
    Heading(out, "JOINT RESTRAINT ASSIGNMENTS");
    for (int j = 0; j <= g.ny; ++j)
        for (int i = 0; i <= g.nx; ++i)
            out << kRow << "Joint=" << g.GridJoint(0, i, j)
                << "   U1=Yes   U2=Yes   U3=Yes   R1=Yes   R2=Yes   R3=Yes\n";

    if (size.diaphragms) {
        out << "\n";
        Heading(out, "CONSTRAINT DEFINITIONS - DIAPHRAGM");
        for (int floor = 1; floor <= g.storeys; ++floor)
            out << kRow << "Name=DIAPH" << floor << "   CoordSys=GLOBAL   Axis=Z   MultiLevel=No\n";
        out << "\n";
        Heading(out, "JOINT CONSTRAINT ASSIGNMENTS");
        for (int floor = 1; floor <= g.storeys; ++floor) {
            for (int j = 0; j <= g.ny; ++j)
                for (int i = 0; i <= g.nx; ++i)
                    out << kRow << "Joint=" << g.GridJoint(floor, i, j) << "   Constraint=DIAPH" << floor
                        << "   Type=Diaphragm\n";
            out << kRow << "Joint=" << g.Master(floor) << "   Constraint=DIAPH" << floor << "   Type=Diaphragm\n";
        }
    }

    out << "\n";
    Heading(out, "JOINT ADDED MASS ASSIGNMENTS");
    const auto mass = [&](long long label, double m) {
        out << kRow << "Joint=" << label << "   CoordSys=GLOBAL   Mass1=" << m << "   Mass2=" << m
            << "   Mass3=0   MMI1=0   MMI2=0   MMI3=0\n";
    };
    for (int floor = 1; floor <= g.storeys; ++floor) {
        if (size.diaphragms) {
            mass(g.Master(floor), FloorMass(size));
            continue;
        }
        for (int j = 0; j <= g.ny; ++j)
            for (int i = 0; i <= g.nx; ++i)
                mass(g.GridJoint(floor, i, j), FloorMass(size) / static_cast<double>(g.PerLevel()));
    }
    out << "\n";
}

void WritePropertyTables(TextWriter& out, bool shells)
{
    out << "TABLE:  \"MATERIAL PROPERTIES 01 - GENERAL\"\n"
           "   Material=CONC   Type=Concrete   SymType=Isotropic   TempDepend=No   Color=Green\n"
           "   Material=STEEL   Type=Steel   SymType=Isotropic   TempDepend=No   Color=Yellow\n"
           "\n"
           "TABLE:  \"MATERIAL PROPERTIES 02 - BASIC MECHANICAL PROPERTIES\"\n"
           "   Material=CONC   UnitWeight=24   UnitMass=2.4   E1=25000000   G12=10416666.6666667   U12=0.2   A1=1E-05\n"
           "   Material=STEEL   UnitWeight=77   UnitMass=7.85   E1=200000000   G12=76923076.9230769   U12=0.3   A1=1.2E-05\n"
           "\n"
           "TABLE:  \"MATERIAL PROPERTIES 03A - STEEL DATA\"\n"
           "   Material=STEEL   Fy=400000   Fu=500000   SSCurveOpt=Simple   SSHysType=Kinematic\n"
           "\n"
           "TABLE:  \"FRAME SECTION PROPERTIES 01 - GENERAL\"\n"
           "   SectionName=NCOL500   Material=CONC   Shape=Rectangular   t3=0.5   t2=0.5   Color=Blue\n"
           "   SectionName=EBEAM300X600   Material=CONC   Shape=Rectangular   t3=0.6   t2=0.3   Color=Cyan\n"
           "\n";
    if (shells)
        out << "TABLE:  \"AREA SECTION PROPERTIES\"\n"
               "   Section=SLAB200   Material=CONC   MatAngle=0   AreaType=Shell   Type=Shell-Thin   DrillDOF=Yes"
               "   Thickness=0.2   BendThick=0.2   Color=Red\n"
               "\n";
}

void WriteFrameTables(TextWriter& out, const Grid& g)
{
    Heading(out, "CONNECTIVITY - FRAME");
    long long frame = 0;
    const auto connect = [&](long long i, long long j) {
        out << kRow << "Frame=" << ++frame << "   JointI=" << i << "   JointJ=" << j << "   IsCurved=No\n";
    };
    for (int storey = 1; storey <= g.storeys; ++storey)
        for (int j = 0; j <= g.ny; ++j)
            for (int i = 0; i <= g.nx; ++i)
                connect(g.GridJoint(storey - 1, i, j), g.GridJoint(storey, i, j));
    for (int floor = 1; floor <= g.storeys; ++floor) {
        for (int j = 0; j <= g.ny; ++j)
            for (int i = 0; i < g.nx; ++i)
                connect(g.GridJoint(floor, i, j), g.GridJoint(floor, i + 1, j));
        for (int i = 0; i <= g.nx; ++i)
            for (int j = 0; j < g.ny; ++j)
                connect(g.GridJoint(floor, i, j), g.GridJoint(floor, i, j + 1));
    }
    out << "\n";
    Heading(out, "FRAME SECTION ASSIGNMENTS");
    for (long long f = 1; f <= frame; ++f) {
        const std::string_view section = f < g.FirstBeam() ? "NCOL500" : "EBEAM300X600";
        out << kRow << "Frame=" << f << "   SectionType=Rectangular   AutoSelect=N.A.   AnalSect=" << section
            << "   DesignSect=" << section << "   MatProp=Default\n";
    }
    out << "\n";
}

void WriteAreaTables(TextWriter& out, const Grid& g)
{
    Heading(out, "CONNECTIVITY - AREA");
    long long area = 0;
    for (int floor = 1; floor <= g.storeys; ++floor)
        for (int j = 0; j < g.ny; ++j)
            for (int i = 0; i < g.nx; ++i) // corners round the perimeter
                out << kRow << "Area=" << ++area << "   NumJoints=4   Joint1=" << g.GridJoint(floor, i, j)
                    << "   Joint2=" << g.GridJoint(floor, i + 1, j) << "   Joint3=" << g.GridJoint(floor, i + 1, j + 1)
                    << "   Joint4=" << g.GridJoint(floor, i, j + 1) << "\n";
    out << "\n";
    Heading(out, "AREA SECTION ASSIGNMENTS");
    for (long long a = 1; a <= area; ++a)
        out << kRow << "Area=" << a << "   Section=SLAB200   MatProp=Default\n";
    out << "\n";
}

// Gravity loads are positive downwards.
void WriteLoadTables(TextWriter& out, const Grid& g)
{
    out << "TABLE:  \"LOAD PATTERN DEFINITIONS\"\n"
           "   LoadPat=DEAD   DesignType=Dead   SelfWtMult=0\n"
           "   LoadPat=LIVE   DesignType=Live   SelfWtMult=0\n"
           "\n";
    Heading(out, "JOINT LOADS - FORCE");
    for (int floor = 1; floor <= g.storeys; ++floor)
        for (int j = 0; j <= g.ny; ++j)
            for (int i = 0; i <= g.nx; ++i)
                out << kRow << "Joint=" << g.GridJoint(floor, i, j) << "   LoadPat=DEAD   CoordSys=GLOBAL   F1=0   F2=0"
                    << "   F3=" << kFacadeForce << "   M1=0   M2=0   M3=0\n";
    out << "\n";
    Heading(out, "FRAME LOADS - DISTRIBUTED");
    for (const auto& [pattern, lineLoad] : {std::pair{"DEAD", kDeadLineLoad}, std::pair{"LIVE", kLiveLineLoad}})
        for (long long f = g.FirstBeam(); f <= g.LastBeam(); ++f)
            out << kRow << "Frame=" << f << "   LoadPat=" << pattern
                << "   CoordSys=GLOBAL   Type=Force   Dir=Gravity   DistType=RelDist   RelDistA=0   RelDistB=1"
                << "   FOverLA=" << -lineLoad << "   FOverLB=" << -lineLoad << "\n";
    out << "\n";
}

} // namespace

long long TableRowCount(const BuildingSize& size)
{
    const Grid g{size.baysX, size.baysY, size.storeys};
    const long long floors = size.storeys;
    const long long joints = g.GridJointCount() + (size.diaphragms ? floors : 0);
    const long long frames = floors * (g.PerLevel() + g.BeamsPerFloor());
    long long rows = joints + g.PerLevel() + (size.diaphragms ? floors + floors * (g.PerLevel() + 1) : 0);
    rows += size.diaphragms ? floors : floors * g.PerLevel(); // masses
    rows += 2 * frames + (size.shells ? 2 * floors * g.BaysPerFloor() : 0);
    rows += size.loads ? floors * (g.PerLevel() + 2 * g.BeamsPerFloor()) : 0;
    return rows;
}

std::string GenerateBuildingTables(const BuildingSize& size)
{
    CheckSize(size);
    const Grid g{size.baysX, size.baysY, size.storeys};
    TextWriter out(static_cast<std::size_t>(TableRowCount(size)) * 110);
    out << "File synthetic-building.s2k was saved by mirelo-generate\n"
           "\n"
           "TABLE:  \"PROGRAM CONTROL\"\n"
           "   ProgramName=SAP2000   Version=24.0.0   CurrUnits=\"KN, m, C\"\n"
           "\n";
    WriteJointTables(out, size, g);
    WritePropertyTables(out, size.shells);
    WriteFrameTables(out, g);
    if (size.shells)
        WriteAreaTables(out, g);
    if (size.loads)
        WriteLoadTables(out, g);
    out << "END TABLE DATA\n";
    return out.Take();
}

BuildingSize BuildingWithAtLeastTableRows(long long rows)
{
    return BuildingWithAtLeast(rows, TableRowCount);
}

} // namespace mirelo::bench
