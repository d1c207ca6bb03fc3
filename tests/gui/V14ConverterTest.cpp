// The V14 converter window: open, convert, save; failures leave nothing to
// save and never touch a file the user had.
#include "GuiTestSupport.h"

#include "common/TextLines.h"
#include "convert/V14Converter.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

using namespace mirelo;
using namespace mirelo::test;

namespace {

// The converter window, shown through the File menu as a user opens it.
struct Converter {
    TestWindow w;
    QDialog* dialog;
    QTemporaryDir dir;

    Converter()
    {
        w->findChild<QAction*>("Sap2000V14toSap2000v6s2k1")->trigger();
        dialog = w->findChild<QDialog*>("TForm11");
        if (!dialog || !dialog->isVisible())
            qFatal("the converter window did not show");
    }
    QString Memo() { return dialog->findChild<QPlainTextEdit*>("Memo1")->toPlainText(); }
    void Open(const QString& path)
    {
        w.chooser->answers = QStringList({path});
        dialog->findChild<QPushButton*>("Button1")->click();
    }
    void Save(const QString& path)
    {
        w.chooser->saveAnswers = QStringList({path});
        dialog->findChild<QPushButton*>("Button2")->click();
    }
    QString File(const QString& name) { return dir.filePath(name); }
};

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(cannot read)");
}

QByteArray ExpectedS2k(const QString& v14Path)
{
    const TextLines lines = ConvertV14File(LoadTextLines(QFile::encodeName(v14Path).toStdString())).lines;
    return QByteArray::fromStdString(lines.Join("\r\n"));
}

const char* const kBadV14 = "TABLE:  \"JOINT COORDINATES\"\n"
                            "   Joint=1   CoordSys=GLOBAL   CoordType=Cartesian   XorR=0   Y=0   Z=0\n"
                            "   Joint=2   CoordSys=GLOBAL   CoordType=Cartesian   XorR=one   Y=0   Z=0\n\n";

} // namespace

class V14ConverterTest : public QObject {
    Q_OBJECT

private slots:
    void theWindowShowsItsTexts()
    {
        Converter c;
        QCOMPARE(c.dialog->windowTitle(), QString("Transfer Sap2000 V14 s2k file to Sap2000 V16"));
        QCOMPARE(c.dialog->findChild<QGroupBox*>("GroupBox1")->title(), QString("Use For"));
        QStringList lines;
        for (QLabel* label : c.dialog->findChild<QGroupBox*>("GroupBox1")->findChildren<QLabel*>())
            lines << label->text();
        QCOMPARE(lines, QStringList({"Transfer 3D Solid model buildt in Sap2000 V14",
                                     "to Be Sap2000 V6 S2K Format Which can Import to Mirelo"}));
        QCOMPARE(c.dialog->findChild<QPushButton*>("Button1")->text(), QString("Open S2k"));
        QCOMPARE(c.dialog->findChild<QPushButton*>("Button2")->text(), QString("Save S2k"));
        QCOMPARE(c.Memo(), QString());
    }

    void openConvertsAndSaveWritesWhatImports()
    {
        Converter c;
        const QString footing = ExamplePath("footing-v14.txt");
        c.Open(footing);
        QCOMPARE(c.w.chooser->filters, QStringList({QString()})); // no filter
        QVERIFY(c.w.messenger->messages.isEmpty());
        QCOMPARE(c.Memo(), QString("Mirelo import Sap2000 V14 S2k file\nNJOINT = 18\nNSOLID = 4\n"
                                   "No material for 4 solids: material SOLID (SEC=1), normal concrete in N and mm: "
                                   "E=3.000E+004  U=2.000E-001  M=2.400E-009  W=2.400E-005\nFinish!!"));

        // Saved twice: the text stays until the next "Open S2k".
        c.Save(c.File("a.s2k"));
        c.Save(c.File("b.s2k"));
        QCOMPARE(c.w.chooser->saveFilters, QStringList({QString(), QString()}));
        QCOMPARE(Contents(c.File("a.s2k")), ExpectedS2k(footing));
        QCOMPARE(Contents(c.File("b.s2k")), ExpectedS2k(footing));

        // The saved file imports through the File menu: the model never
        // changed before that.
        QCOMPARE(c.w->session().model.Joints.count, 0);
        c.w.OpenThroughMenu(c.File("a.s2k"));
        QVERIFY(c.w.messenger->messages.isEmpty());
        QCOMPARE(c.w.Panel(3), QString("18"));
        QCOMPARE(c.w.Panel(9), QString("4"));
        QCOMPARE(c.w->session().model.Loads.count, 9);
        QCOMPARE(c.w->session().model.Materials.count, 1);
        QCOMPARE(c.w->session().model.Solids[4].section, 1);
    }

    // The file's materials arrive, each solid on its own; a load row naming
    // a joint the file lacks is listed, not refused.
    void materialTablesCarryOverAndMissingJointsAreListed()
    {
        Converter c;
        const QString heading = "TABLE:  \"JOINT LOADS - FORCE\"\n";
        TempS2k v14(QString(Contents(ExamplePath("footing-v14-materials.txt")))
                        .replace(heading, heading + "   Joint=99   LoadPat=DEAD   CoordSys=GLOBAL   F1=0   F2=0   F3=-1"
                                                    "   M1=0   M2=0   M3=0\n"),
                    "materials.txt");
        c.Open(v14.path());
        QVERIFY(c.w.messenger->messages.isEmpty());
        const QStringList memo = c.Memo().split('\n');
        QCOMPARE(memo.size(), 6);
        QCOMPARE(memo[3], QString("joint 99 is not in the JOINT COORDINATES table: the row is left out (JOINT LOADS - "
                                  "FORCE table, line 60)"));
        QCOMPARE(memo[4], QString("4 materials from the MATERIAL PROPERTIES 02 - BASIC MECHANICAL PROPERTIES table; a "
                                  "solid's SEC= is its material's place in MATERIAL"));
        c.Save(c.File("materials.s2k"));
        c.w.OpenThroughMenu(c.File("materials.s2k"));
        const Model& model = c.w->session().model;
        QCOMPARE(model.Materials.count, 4);
        QCOMPARE(QString::fromStdString(model.Materials[4].name), QString("C40"));
        QCOMPARE(model.Materials[4].elasticModulus, 32500.0);
        QCOMPARE(model.Solids[1].section, 3);
        QCOMPARE(model.Solids[4].section, 4);
    }

    void saveBeforeAnyConversionSaysThereIsNothing()
    {
        Converter c;
        QFile::copy(ExamplePath("solid-block.s2k"), c.File("kept.s2k"));
        c.Save(c.File("kept.s2k"));
        QCOMPARE(c.w.messenger->messages, QStringList({"Nothing to save: open a SAP2000 V14 file first."}));
        QVERIFY(c.w.chooser->saveFilters.isEmpty()); // no file was asked for
        QCOMPARE(Contents(c.File("kept.s2k")), Contents(ExamplePath("solid-block.s2k")));
    }

    void aFailedConversionLeavesNothingToSave()
    {
        Converter c;
        c.Open(ExamplePath("footing-v14.txt"));
        TempS2k bad(kBadV14, "bad.txt");
        c.Open(bad.path());
        const QString message = bad.path() + ": 'one' is not a valid floating point value (JOINT COORDINATES table, line 3)";
        QCOMPARE(c.w.messenger->messages, QStringList({message}));
        QCOMPARE(c.Memo(), "Mirelo import Sap2000 V14 S2k file\n" + message
                               + "\nNothing was converted: there is nothing to save.");

        QFile::copy(ExamplePath("solid-block.s2k"), c.File("kept.s2k"));
        c.Save(c.File("kept.s2k"));
        QCOMPARE(c.w.messenger->messages.last(), "Nothing to save: the conversion of \"" + bad.path() + "\" failed.");
        QVERIFY(c.w.chooser->saveFilters.isEmpty());
        QCOMPARE(Contents(c.File("kept.s2k")), Contents(ExamplePath("solid-block.s2k")));

        // A good file afterwards converts on its own.
        c.Open(ExamplePath("footing-v14.txt"));
        c.Save(c.File("after.s2k"));
        QCOMPARE(Contents(c.File("after.s2k")), ExpectedS2k(ExamplePath("footing-v14.txt")));
    }

    void aFileThatCannotBeReadSaysSo()
    {
        Converter c;
        c.Open(c.File("none.txt"));
        QCOMPARE(c.w.messenger->messages.size(), 1);
        QVERIFY(c.w.messenger->messages[0].startsWith("Cannot open file \"" + c.File("none.txt") + "\""));
        QVERIFY(c.Memo().contains("Nothing was converted"));
    }

    void cancellingKeepsWhatWasConverted()
    {
        Converter c;
        c.Open(ExamplePath("footing-v14.txt"));
        const QString summary = c.Memo();
        c.Open(QString()); // the user cancels
        QCOMPARE(c.Memo(), summary);
        c.Save(QString()); // cancels the save as well: nothing is written
        c.Save(c.File("out.s2k"));
        QVERIFY(c.w.messenger->messages.isEmpty());
        QCOMPARE(Contents(c.File("out.s2k")), ExpectedS2k(ExamplePath("footing-v14.txt")));
    }

    void aSecondFileReplacesTheFirst()
    {
        Converter c;
        TempS2k small("TABLE:  \"JOINT COORDINATES\"\n   Joint=1   CoordSys=GLOBAL   CoordType=Cartesian   XorR=1   Y=2   Z=3\n",
                      "small.txt");
        c.Open(ExamplePath("footing-v14.txt"));
        c.Open(small.path());
        QCOMPARE(c.Memo(), QString("Mirelo import Sap2000 V14 S2k file\nNJOINT = 1\nNSOLID = 0\nFinish!!"));
        c.Save(c.File("small.s2k"));
        QCOMPARE(Contents(c.File("small.s2k")), ExpectedS2k(small.path()));
        QVERIFY(!Contents(c.File("small.s2k")).contains("SEC="));
    }

    void aFailedSaveLeavesTheOldFileWhole()
    {
        Converter c;
        c.Open(ExamplePath("footing-v14.txt"));
        QFile::copy(ExamplePath("solid-block.s2k"), c.File("kept.s2k"));
        const QByteArray old = Contents(c.File("kept.s2k"));

        // A file size limit below the text's size makes the write fail part way.
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit small{512, limit.rlim_max};
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        c.Save(c.File("kept.s2k"));
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, oldHandler);

        QCOMPARE(c.w.messenger->messages, QStringList({"Cannot save file \"" + c.File("kept.s2k") + "\". File too large"}));
        QCOMPARE(Contents(c.File("kept.s2k")), old);
        QCOMPARE(QDir(c.dir.path()).entryList(QDir::Files), QStringList({"kept.s2k"})); // no leftovers

        // A folder that does not exist says why, too.
        c.Save(c.File("no/such/folder.s2k"));
        QVERIFY(c.w.messenger->messages.last().startsWith("Cannot save file \"" + c.File("no/such/folder.s2k") + "\". "));
    }
};

QTEST_MAIN(V14ConverterTest)
#include "V14ConverterTest.moc"
