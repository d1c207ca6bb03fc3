#include "BuildingGenerator.h"
#include "BuildingGrid.h"

#include <stdexcept>

namespace mirelo::bench {

namespace {

void WriteJoints(TextWriter& out, const BuildingSize& size, const Grid& g)
{
    out << "JOINT\n";
    for (int level = 0; level <= g.storeys; ++level)
        for (int j = 0; j <= g.ny; ++j)
            for (int i = 0; i <= g.nx; ++i)
                out << "  " << g.GridJoint(level, i, j) << "  X=" << i * size.bayX << "  Y=" << j * size.bayY
                    << "  Z=" << level * size.storeyHeight << "\n";
    if (size.diaphragms)
        for (int floor = 1; floor <= g.storeys; ++floor)
            out << "  " << g.Master(floor) << "  X=" << g.nx * size.bayX / 2 << "  Y=" << g.ny * size.bayY / 2
                << "  Z=" << floor * size.storeyHeight << "\n";
    out << "\n";
}

void WriteConstraints(TextWriter& out, const Grid& g)
{
    out << "CONSTRAINT\n";
    for (int floor = 1; floor <= g.storeys; ++floor) {
        out << "  NAME=" << floor << "  TYPE=DIAPH  AXIS=Z\n";
        for (int j = 0; j <= g.ny; ++j)
            for (int i = 0; i <= g.nx; ++i)
                out << "    ADD=" << g.GridJoint(floor, i, j) << "\n";
        out << "    ADD=" << g.Master(floor) << "\n"; // the master is listed last
    }
    out << "\n";
}

void WriteRestraints(TextWriter& out, const Grid& g)
{
    out << "RESTRAINT\n";
    for (int j = 0; j <= g.ny; ++j)
        for (int i = 0; i <= g.nx; ++i)
            out << "  ADD=" << g.GridJoint(0, i, j) << "  DOF=U1,U2,U3,R1,R2,R3\n";
    out << "\n";
}

void WriteMasses(TextWriter& out, const BuildingSize& size, const Grid& g)
{
    const double floorMass = FloorMass(size);
    out << "MASS\n";
    for (int floor = 1; floor <= g.storeys; ++floor) {
        if (size.diaphragms) {
            out << "  ADD=" << g.Master(floor) << "  U1=" << floorMass << "  U2=" << floorMass << "  U3=0\n";
            continue;
        }
        // Without a diaphragm the floor mass is shared by the floor's joints.
        const double share = floorMass / static_cast<double>(g.PerLevel());
        for (int j = 0; j <= g.ny; ++j)
            for (int i = 0; i <= g.nx; ++i)
                out << "  ADD=" << g.GridJoint(floor, i, j) << "  U1=" << share << "  U2=" << share << "  U3=0\n";
    }
    out << "\n";
}

void WriteProperties(TextWriter& out, bool shells)
{
    out << "MATERIAL\n"
           "  NAME=CONC  IDES=C  M=2.4  W=24\n"
           "    T=0  E=2.5E+07  U=.2  A=1E-05\n"
           "  NAME=STEEL  IDES=S  M=7.85  W=77\n"
           "    T=0  E=2E+08  U=.3  A=1.2E-05  FY=400000\n"
           "\n"
           "FRAME SECTION\n"
           "  NAME=NCOL500  MAT=CONC  SH=R  T=.5,.5\n"
           "  NAME=EBEAM300X600  MAT=CONC  SH=R  T=.6,.3\n"
           "\n";
    // The quotes around Shell are separators of their own, which puts Shell
    // in field 6 and the thickness in field 9.
    if (shells)
        out << "SHELL SECTION\n"
               "  NAME=SLAB200  MAT=CONC  TYPE=\"Shell\"  TH=.2\n"
               "\n";
}

void WriteFrames(TextWriter& out, const Grid& g)
{
    out << "FRAME\n";
    long long frame = 0;
    for (int storey = 1; storey <= g.storeys; ++storey)
        for (int j = 0; j <= g.ny; ++j)
            for (int i = 0; i <= g.nx; ++i)
                out << "  " << ++frame << "  J=" << g.GridJoint(storey - 1, i, j) << "," << g.GridJoint(storey, i, j)
                    << "  SEC=NCOL500  NSEG=4  ANG=0\n";
    for (int floor = 1; floor <= g.storeys; ++floor) {
        for (int j = 0; j <= g.ny; ++j)
            for (int i = 0; i < g.nx; ++i)
                out << "  " << ++frame << "  J=" << g.GridJoint(floor, i, j) << "," << g.GridJoint(floor, i + 1, j)
                    << "  SEC=EBEAM300X600  NSEG=4  ANG=0\n";
        for (int i = 0; i <= g.nx; ++i)
            for (int j = 0; j < g.ny; ++j)
                out << "  " << ++frame << "  J=" << g.GridJoint(floor, i, j) << "," << g.GridJoint(floor, i, j + 1)
                    << "  SEC=EBEAM300X600  NSEG=4  ANG=0\n";
    }
    out << "\n";
}

void WriteShells(TextWriter& out, const Grid& g)
{
    out << "SHELL\n";
    long long shell = 0;
    for (int floor = 1; floor <= g.storeys; ++floor)
        for (int j = 0; j < g.ny; ++j)
            for (int i = 0; i < g.nx; ++i) // corners crosswise: j1 j2 on one edge, j3 j4 on the next
                out << "  " << ++shell << "  J=" << g.GridJoint(floor, i, j) << "," << g.GridJoint(floor, i + 1, j)
                    << "," << g.GridJoint(floor, i, j + 1) << "," << g.GridJoint(floor, i + 1, j + 1)
                    << "  SEC=SLAB200\n";
    out << "\n";
}

void WriteBeamLoads(TextWriter& out, const Grid& g, double lineLoad)
{
    out << "    TYPE=DISTRIBUTED\n";
    for (long long f = g.FirstBeam(); f <= g.LastBeam(); ++f)
        out << "      ADD=" << f << "  RD=0,1  UZ=" << lineLoad << "," << lineLoad << "\n";
}

void WriteLoads(TextWriter& out, const Grid& g)
{
    out << "LOAD\n"
           "  NAME=DEAD\n"
           "    TYPE=FORCE\n";
    for (int floor = 1; floor <= g.storeys; ++floor)
        for (int j = 0; j <= g.ny; ++j)
            for (int i = 0; i <= g.nx; ++i)
                out << "      ADD=" << g.GridJoint(floor, i, j) << "  UZ=" << kFacadeForce << "\n";
    WriteBeamLoads(out, g, kDeadLineLoad);
    out << "  NAME=LIVE\n";
    WriteBeamLoads(out, g, kLiveLineLoad);
    out << "\n";
}

long long LineCount(const BuildingSize& size)
{
    const Grid g{size.baysX, size.baysY, size.storeys};
    const long long floors = size.storeys;
    long long lines = 3;                                                           // SYSTEM
    lines += 2 + g.GridJointCount() + (size.diaphragms ? floors : 0);             // JOINT
    lines += size.diaphragms ? 2 + floors * (g.PerLevel() + 2) : 0;               // CONSTRAINT
    lines += 2 + g.PerLevel();                                                     // RESTRAINT
    lines += 2 + (size.diaphragms ? floors : floors * g.PerLevel());              // MASS
    lines += 6 + 4;                                                                // MATERIAL, FRAME SECTION
    lines += size.shells ? 3 : 0;                                                  // SHELL SECTION
    lines += 2 + floors * (g.PerLevel() + g.BeamsPerFloor());                      // FRAME
    lines += size.shells ? 2 + floors * g.BaysPerFloor() : 0;                      // SHELL
    lines += size.loads ? 2 + 5 + floors * (g.PerLevel() + 2 * g.BeamsPerFloor()) : 0; // LOAD
    return lines + 1;                                                              // END
}

} // namespace

double FloorMass(const BuildingSize& size)
{
    return kFloorMassPerArea * size.baysX * size.bayX * size.baysY * size.bayY;
}

void CheckSize(const BuildingSize& size)
{
    if (size.storeys < 1 || size.baysX < 1 || size.baysY < 1)
        throw std::invalid_argument("a building needs at least one storey and one bay each way");
    if (!(size.bayX > 0 && size.bayY > 0 && size.storeyHeight > 0))
        throw std::invalid_argument("bay widths and storey height must be positive");
}

std::string GenerateBuildingS2k(const BuildingSize& size)
{
    CheckSize(size);
    const Grid g{size.baysX, size.baysY, size.storeys};
    TextWriter out(static_cast<std::size_t>(LineCount(size)) * 36);
    out << "SYSTEM\n"
           "  DOF=UX,UY,UZ,RX,RY,RZ  LENGTH=M  FORCE=KN  PAGE=SECTIONS\n"
           "\n";
    WriteJoints(out, size, g);
    if (size.diaphragms)
        WriteConstraints(out, g);
    WriteRestraints(out, g);
    WriteMasses(out, size, g);
    WriteProperties(out, size.shells);
    WriteFrames(out, g);
    if (size.shells)
        WriteShells(out, g);
    if (size.loads)
        WriteLoads(out, g);
    out << "END\n";
    return out.Take();
}

BuildingSize BuildingWithAtLeast(long long atLeast, long long (*count)(const BuildingSize&))
{
    BuildingSize size;
    size.storeys = 10;
    size.baysX = size.baysY = 1;
    while (count(size) < atLeast) {
        ++size.baysX;
        ++size.baysY;
    }
    return size;
}

BuildingSize BuildingWithAtLeastLines(long long lines)
{
    return BuildingWithAtLeast(lines, LineCount);
}

} // namespace mirelo::bench
