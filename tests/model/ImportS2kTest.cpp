#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <random>

namespace mirelo {
namespace {

using test::ImportDotted;
using test::ImportFailure;

TEST(ImportS2k, AnEmptyTextGivesAnEmptyModel)
{
    const Model m = ImportS2k(TextLines());
    EXPECT_EQ(m.Joints.count, -1);
    EXPECT_EQ(m.Frames.count, -1);
    EXPECT_EQ(m.FrameSections.count, -1);
    EXPECT_EQ(m.ShellSections.count, -1);
    EXPECT_EQ(m.Shells.count, -1);
    EXPECT_EQ(m.Solids.count, -1);
    EXPECT_EQ(m.Materials.count, 0);
    EXPECT_EQ(m.Constraints.count, 0);
    EXPECT_EQ(m.Loads.count, 0);
    EXPECT_EQ(m.LoadCaseCount, 0);
    EXPECT_EQ(m.ActiveShellCount, 0);
}

TEST(ImportS2k, FrameSectionsAreLookedUpByTheirLastName)
{
    const Model m = ImportDotted({"X", "JOINT", "··1··X=0··Y=0··Z=0", "··2··X=0··Y=0··Z=3", "", "FRAME SECTION",
                                  "··NAME=COL··MAT=C··SH=R··T=1,1", "··NAME=COL··MAT=C··SH=R··T=2,2", "", "FRAME",
                                  "··1··J=1,2··SEC=COL··NSEG=4··ANG=0", "··2··J=1,2··SEC=col··NSEG=4··ANG=0", ""});
    EXPECT_EQ(m.Frames[1].section, 2);
    EXPECT_EQ(m.Frames[2].section, 0); // names are case-sensitive
}

TEST(LinkSpringJoints, TheUnreleasedEndFollowsTheReleasedOne)
{
    const Model m = ImportDotted({"X", "JOINT", "··1··X=0··Y=0··Z=0", "··2··X=0··Y=0··Z=0.2", "··3··X=5··Y=0··Z=0",
                                  "··4··X=5··Y=0··Z=0.2", "", "FRAME SECTION", "··NAME=RSPRING··MAT=C··SH=R··T=1,1",
                                  "··NAME=EBEAM··MAT=C··SH=R··T=1,1", "", "FRAME",
                                  "··1··J=1,2··SEC=RSPRING··NSEG=1··ANG=0··JREL=R3",
                                  "··2··J=3,4··SEC=RSPRING··NSEG=1··ANG=0··IREL=R3",
                                  "··3··J=2,4··SEC=EBEAM··NSEG=1··ANG=0··IREL=R3", "··4··J=1,3··SEC=RSPRING··NSEG=1··ANG=0",
                                  ""});
    EXPECT_EQ(m.Joints[1].linkedJoint, 2); // JREL: joint I gets joint J
    EXPECT_EQ(m.Joints[4].linkedJoint, 3); // IREL: joint J gets joint I
    EXPECT_EQ(m.Joints[2].linkedJoint, 0); // frame 3 is not a spring
    EXPECT_EQ(m.Joints[3].linkedJoint, 0); // frame 4 carries no release
}

TEST(ImportS2k, EveryUnendedSectionIsARangeError)
{
    for (const char* keyword : {"JOINT", "CONSTRAINT", "RESTRAINT", "MASS", "MATERIAL", "FRAME SECTION",
                                "SHELL SECTION", "FRAME", "SHELL", "SOLID", "LOAD"}) {
        const std::string failure = ImportFailure({"X", keyword, "··comment"});
        EXPECT_EQ(failure.rfind("Range check error (" + std::string(keyword) + " section, line 2", 0), 0u) << failure;
    }
}

TEST(ImportS2k, LinesOutsideSectionsAreIgnored)
{
    const Model m = ImportDotted({"SYSTEM", "··DOF=UX,UY,UZ··LENGTH=M", "", "JOINT", "··1··X=0··Y=0··Z=0", "",
                                  "GROUP", "··NAME=ALL", "", "END"});
    EXPECT_EQ(m.Joints.count, 1);
}

TEST(ImportS2k, ArbitraryBytesNeverCrash)
{
    // Random binary and random s2k-like text: the import either succeeds or
    // raises an Error, and nothing else happens.
    std::mt19937 random(12345);
    const std::string alphabet = "JOINTFRAMESECTIONLOAD ADD=,\"0123456789.-E\r\n\t";
    for (int round = 0; round < 300; ++round) {
        std::string text;
        const int length = static_cast<int>(random() % 400);
        for (int i = 0; i < length; ++i)
            text.push_back(round % 2 ? static_cast<char>(random() % 256) : alphabet[random() % alphabet.size()]);
        try {
            ImportS2k(TextLines::FromText("X\nJOINT\n  1  X=0  Y=0  Z=0\n\nFRAME\n" + text));
        } catch (const Error&) {
        }
    }
}

TEST(ImportS2kFile, ReadsAFileWithAnyLineEnds)
{
    test::TempDir dir;
    const std::string path = dir.File("m.s2k");
    WriteWholeFile(path, "SYSTEM\r\nJOINT\r\n  1  X=1  Y=2  Z=3\n  2  X=4  Y=5  Z=6\r\r\nFRAME\r\n");
    EXPECT_THROW(ImportS2kFile(path), ImportError); // FRAME never ends
    WriteWholeFile(path, "SYSTEM\r\nJOINT\r\n  1  X=1  Y=2  Z=3\n  2  X=4  Y=5  Z=6\r\r\n");
    const S2kImport imported = ImportS2kFile(path);
    EXPECT_EQ(imported.lines.size(), 5u);
    EXPECT_EQ(imported.model.Joints.count, 2);
    EXPECT_DOUBLE_EQ(imported.model.Joints[2].z, 6.0);
}

TEST(ImportS2kFile, ABinaryFileIsAClearError)
{
    test::TempDir dir;
    const std::string path = dir.File("image.s2k");
    std::string bytes("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    bytes += "\nJOINT\n\x01\x02=\xff,\n\n";
    WriteWholeFile(path, bytes);
    try {
        ImportS2kFile(path);
        ADD_FAILURE();
    } catch (const ImportError& e) {
        EXPECT_EQ(e.section(), "JOINT");
        EXPECT_EQ(e.lineNumber(), 6u);
        EXPECT_EQ(e.reason(), "'' is not a valid floating point value");
    }
}

TEST(ImportS2kFile, AMissingFileIsAClearError)
{
    EXPECT_THROW(ImportS2kFile("/nonexistent/model.s2k"), FileError);
}

} // namespace
} // namespace mirelo
