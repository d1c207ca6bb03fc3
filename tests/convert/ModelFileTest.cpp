#include "convert/ModelFile.h"
#include "convert/TableConverter.h"
#include "model/ImportS2k.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace mirelo {
namespace {

const char* const kVersion6 = "SYSTEM\n  DOF=UX,UY,UZ,RX,RY,RZ  LENGTH=M  FORCE=KN\n\n"
                              "JOINT\n  1  X=0  Y=0  Z=0\n  2  X=0  Y=0  Z=3\n\n"
                              "LOAD\n  NAME=DEAD\n    TYPE=FORCE\n      ADD=2  UZ=-10\n";

TEST(ImportModelText, AFileWithoutItsEndLineImportsWithAWarning)
{
    const std::string cut = "The file ends without its END line after the LOAD section: it may be cut off, and what "
                            "follows is missing";
    const struct {
        const char* name;
        std::string text;
        std::vector<std::string> notes;
        std::int32_t loadCases;
    } cases[] = {
        {"closed by END", std::string(kVersion6) + "\nEND\n", {}, 1},
        {"END with blanks and empty lines after it", std::string(kVersion6) + "\n END \r\n\n\n", {}, 1},
        {"no END", std::string(kVersion6) + "\n", {cut}, 1},
        // Cut off inside LOAD: its last line is only the indentation of the
        // next one, so the section ends there and a whole case is missing.
        {"cut inside LOAD", std::string(kVersion6) + "  NAME=LIVE\n    TYPE=FORCE\n      ", {cut}, 2},
        {"no section at all before the cut", "SYSTEM\nX\nJOINT\n\n", {"The file ends without its END line after the JOINT section: it may be cut off, and what follows is missing"}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ModelImport imported = ImportModelText(TextLines::FromText(c.text));
        EXPECT_EQ(imported.notes, c.notes);
        EXPECT_EQ(imported.model.LoadCaseCount, c.loadCases);
    }
}

TEST(ImportModelText, ATableFileWithoutEndTableDataImportsWithAWarning)
{
    const std::string joints = "TABLE:  \"JOINT COORDINATES\"\n   Joint=1   XorR=0   Y=0   Z=0\n"
                               "TABLE:  \"JOINT LOADS - FORCE\"\n   Joint=1   LoadPat=DEAD   F3=-1\n";
    const ModelImport closed = ImportModelText(TextLines::FromText(joints + "END TABLE DATA\n"));
    const ModelImport cut = ImportModelText(TextLines::FromText(joints));
    EXPECT_EQ(closed.notes.size() + 1, cut.notes.size());
    EXPECT_EQ(cut.notes.back(), "The file ends without END TABLE DATA after the JOINT LOADS - FORCE table: it may be "
                                "cut off, and what follows is missing");
    EXPECT_EQ(cut.model.Joints.count, 1);
    EXPECT_EQ(cut.model.Loads.count, 1); // a pattern named by the load rows alone
    EXPECT_EQ(cut.lines[0], "SYSTEM");   // the version-6 lines the model was read from
}

TEST(ImportModelFile, TakesBothKindsAndNamesTheFileInEveryFailure)
{
    test::TempDir dir;
    const std::string version6 = dir.File("v6.s2k"), tables = dir.File("tables.s2k"), bad = dir.File("bad.s2k"),
                      letter = dir.File("letter.s2k"), badV6 = dir.File("bad6.s2k");
    WriteWholeFile(version6, std::string(kVersion6) + "\nEND\n");
    WriteWholeFile(tables, "TABLE:  \"JOINT COORDINATES\"\r\n   Joint=1   XorR=0   Y=0   Z=0\r\n"
                           "   Joint=2   XorR=0   Y=0   Z=3\r\nEND TABLE DATA\r\n");
    WriteWholeFile(bad, "TABLE:  \"JOINT COORDINATES\"\n   Joint=1   XorR=0   Y=zero   Z=0\n");
    WriteWholeFile(letter, "Dear reader,\n");
    WriteWholeFile(badV6, "X\nJOINT\n  1  X=zero  Y=0  Z=0\n\nEND\n");
    EXPECT_EQ(ImportModelFile(version6).model.Joints.count, 2);
    EXPECT_EQ(ImportModelFile(tables).model.Joints.count, 2);
    const std::pair<std::string, std::string> failures[] = {
        {bad, bad + ": 'zero' is not a valid floating point value (JOINT COORDINATES table, line 2, key Y)"},
        {letter, letter + " is not a SAP2000 text file: no JOINT, CONSTRAINT, RESTRAINT, MASS, MATERIAL, FRAME SECTION, "
                          "SHELL SECTION, FRAME, SHELL, SOLID or LOAD section and no TABLE: heading"},
        {badV6, badV6 + ": 'zero' is not a valid floating point value (JOINT section, line 3, field X)"},
    };
    for (const auto& [path, message] : failures) {
        try {
            ImportModelFile(path);
            ADD_FAILURE() << path << " not refused";
        } catch (const Error& e) {
            EXPECT_EQ(e.what(), message);
        }
    }
    EXPECT_THROW(ImportModelFile(dir.File("missing.s2k")), FileError);

    // What only the import finds names the converted text, whose lines `convert` shows.
    const std::string together = dir.File("together.s2k");
    WriteWholeFile(together, "TABLE:  \"JOINT COORDINATES\"\n   Joint=1   XorR=0   Y=0   Z=0\n   Joint=2   XorR=0   Y=0   Z=0\n"
                             "TABLE:  \"CONNECTIVITY - FRAME\"\n   Frame=1   JointI=1   JointJ=2\nEND TABLE DATA\n");
    try {
        ImportModelFile(together);
        ADD_FAILURE() << "a frame of no length is not refused";
    } catch (const ImportError& e) {
        EXPECT_EQ(e.what(), together + ": Invalid floating point operation in the version-6 text converted from the "
                                       "tables (FRAME section, line 9)");
    }
}

} // namespace
} // namespace mirelo
