#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <random>

namespace mirelo {
namespace {

using test::ImportDotted;
using test::ImportFailure;

TEST(ImportS2k, TextWithoutAnySectionKeywordIsRefused)
{
    const std::string refusal = "the text is not a SAP2000 text file: no JOINT, CONSTRAINT, RESTRAINT, MASS, "
                                "MATERIAL, FRAME SECTION, SHELL SECTION, FRAME, SHELL, SOLID or LOAD section and "
                                "no TABLE: heading";
    const std::vector<std::string> refused = {
        "",                                   // empty
        std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), // binary
        "Dear reader,\nthis is a letter.\n",  // unrelated text
        "JOINT\n  1  X=0  Y=0  Z=0\n\n",       // a keyword on the first line is not found
        "X\n joint\n\nFrame\n\n",             // keywords are case-sensitive and stand alone
    };
    for (const std::string& text : refused) {
        try {
            ImportS2k(TextLines::FromText(text));
            ADD_FAILURE() << "imported: " << text;
        } catch (const NotS2kTextError& e) {
            EXPECT_EQ(e.what(), refusal);
        }
    }
    // One keyword is enough, even with an empty section: the rest stay absent.
    const Model m = ImportS2k(TextLines::FromText("X\nLOAD\n\n"));
    EXPECT_EQ(m.Joints.count, -1);
    EXPECT_EQ(m.Frames.count, -1);
    EXPECT_EQ(m.Materials.count, 0);
    EXPECT_EQ(m.Loads.count, 0);
    EXPECT_EQ(m.LoadCaseCount, 0);
}

TEST(ImportS2k, ConversionErrorsNameTheirKey)
{
    struct Case {
        std::vector<std::string_view> lines;
        const char* field;
        std::size_t line;
    };
    const std::vector<std::string_view> joints = {"X", "JOINT", "··1··X=0··Y=0··Z=0", "··2··X=0··Y=0··Z=3", ""};
    const auto with = [&joints](std::vector<std::string_view> more) {
        std::vector<std::string_view> all = joints;
        all.insert(all.end(), more.begin(), more.end());
        return all;
    };
    const Case cases[] = {
        {with({"FRAME", "··1··J=1,2··SEC=C··NSEG=four··ANG=0", ""}), "NSEG", 7},
        {with({"FRAME", "··1··J=1,2··SEC=C··NSEG=4··ANG=right", ""}), "ANG", 7},
        {with({"FRAME", "··1··J=1,b··SEC=C··NSEG=4··ANG=0", ""}), "J", 7},
        {with({"MATERIAL", "··NAME=C··IDES=C", "····T=0··E=high··U=.2", ""}), "E", 8},
        {with({"SHELL SECTION", "··NAME=S··MAT=C··TYPE=\"Shell\"··TH=thin", ""}), "TH", 7},
        {with({"LOAD", "··NAME=D", "····TYPE=FORCE", "······ADD=2··UZ=heavy", ""}), "UZ", 9},
        {with({"CONSTRAINT", "··NAME=one··TYPE=DIAPH", ""}), "NAME", 7},
    };
    for (const Case& c : cases) {
        try {
            ImportS2k(test::DottedLines(c.lines));
            ADD_FAILURE() << c.field;
        } catch (const ImportError& e) {
            EXPECT_EQ(e.field(), c.field);
            EXPECT_EQ(e.lineNumber(), c.line) << c.field;
            EXPECT_NE(std::string(e.what()).find(", line " + std::to_string(c.line) + ", field " + c.field + ")"),
                      std::string::npos)
                << e.what();
        }
    }
    // A reference outside its table is no conversion error: no field.
    try {
        ImportS2k(test::DottedLines(with({"RESTRAINT", "··ADD=9··DOF=U1", ""})));
        ADD_FAILURE();
    } catch (const ImportError& e) {
        EXPECT_EQ(e.field(), "");
    }
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

TEST(ImportS2kFile, EveryFailureNamesTheFile)
{
    test::TempDir dir;
    const std::string notes = dir.File("notes.s2k");
    WriteWholeFile(notes, "shopping list\n");
    EXPECT_THROW(
        try { ImportS2kFile(notes); } catch (const NotS2kTextError& e) {
            EXPECT_EQ(std::string(e.what()).rfind(notes + " is not a SAP2000 text file: no JOINT, ", 0), 0u);
            throw;
        },
        NotS2kTextError);
    const std::string bad = dir.File("bad.s2k");
    WriteWholeFile(bad, "X\nJOINT\n  1  X=zero  Y=0  Z=0\n\n");
    try {
        ImportS2kFile(bad);
        ADD_FAILURE();
    } catch (const ImportError& e) {
        EXPECT_EQ(std::string(e.what()),
                  bad + ": 'zero' is not a valid floating point value (JOINT section, line 3, field X)");
    }
}

TEST(ImportS2kFile, AMissingFileIsAClearError)
{
    EXPECT_THROW(ImportS2kFile("/nonexistent/model.s2k"), FileError);
}

} // namespace
} // namespace mirelo
