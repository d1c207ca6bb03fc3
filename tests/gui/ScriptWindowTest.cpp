// "OpenSEES Tcl File": Generate, Save, the warnings, and what the other
// windows change in the next script.
#include "GuiTestSupport.h"

#include "gui/script/ScriptWindow.h"

#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>

using namespace mirelo;
using namespace mirelo::test;

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll();
}

// What "mirelo-cli tcl FILE ARGS -o OUT" writes.
QByteArray CliScript(const QString& s2k, const QStringList& args, const QString& out)
{
    QProcess cli;
    cli.start(MIRELO_CLI, QStringList{"tcl", s2k} + args + QStringList{"-o", out});
    if (!cli.waitForFinished(60000) || cli.exitCode() != 0)
        qFatal("mirelo-cli failed: %s", cli.readAllStandardError().constData());
    return ReadAll(out);
}

struct ScriptUi {
    QDialog* window;
    QPlainTextEdit* pane;
    QListWidget* warnings;
    QPushButton* generate;
    QPushButton* save;
};

ScriptUi OpenScript(TestWindow& w)
{
    QDialog* d = w.Open("ToolButton8", "TForm6");
    return {d, Child<QPlainTextEdit>(d, "Memo1"), Child<QListWidget>(d, "WarningList"),
            Child<QPushButton>(d, "Button3"), Child<QPushButton>(d, "Button2")};
}

} // namespace

class ScriptWindowTest : public QObject {
    Q_OBJECT

private slots:
    void windowLooksAsBeforeTheFirstGenerate()
    {
        TestWindow w;
        ScriptUi ui = OpenScript(w);
        QCOMPARE(ui.window->windowTitle(), QString("OpenSEES Tcl File"));
        QCOMPARE(Child<QLabel>(ui.window, "Label1")->text(), QString("OpenSEES tcl File"));
        QCOMPARE(ui.pane->toPlainText(), QString("OpenSEES Tcl File"));
        QVERIFY(!ui.warnings->isVisibleTo(ui.window));
        QVERIFY(!ui.pane->isReadOnly());
        // Every character takes the same width, whichever face fontconfig gives.
        const QFontMetrics metrics(ui.pane->font());
        for (const QChar c : QString("iW.0 m_"))
            QCOMPARE(metrics.horizontalAdvance(c), metrics.horizontalAdvance('W'));
        if (QFontDatabase::families().contains("DejaVu Sans Mono")) // the setup's face, where it is
            QCOMPARE(QFontInfo(ui.pane->font()).family(), QString("DejaVu Sans Mono"));
        QCOMPARE(ui.pane->palette().color(QPalette::Text), QColor(0, 128, 0));
        QCOMPARE(ui.generate->text(), QString("Generate"));
        QCOMPARE(ui.save->text(), QString("Save"));
        QCOMPARE(Child<QPushButton>(ui.window, "Button1")->text(), QString("Close"));
    }

    // The saved file holds exactly the bytes the command line writes, and the
    // pane the same lines; a second Generate shows the same script once.
    void generateAndSaveWriteWhatTheCommandLineWrites()
    {
        TestWindow w;
        const QString s2k = ExamplePath("rc-frame-building.s2k");
        w.OpenThroughMenu(s2k);
        ScriptUi ui = OpenScript(w);
        ui.generate->click();
        ui.generate->click();
        QVERIFY(w.messenger->messages.isEmpty());

        QTemporaryDir dir;
        const QByteArray expected = CliScript(s2k, {}, dir.filePath("cli.tcl"));
        QVERIFY(expected.size() > 1000);
        QVERIFY(!expected.startsWith("\xEF\xBB\xBF"));
        QCOMPARE(ui.pane->toPlainText().toUtf8() + "\n", QByteArray(expected).replace("\r\n", "\n"));

        const QString path = dir.filePath("building"); // no extension is added
        w.chooser->saveAnswers << path;
        ui.save->click();
        QVERIFY(w.messenger->messages.isEmpty());
        QCOMPARE(w.chooser->saveFilters.last(), QString("OpenSEES tcl(*.tcl)|*.tcl"));
        QCOMPARE(ReadAll(path), expected);
        QVERIFY(!QFile::exists(path + ".tcl"));

        // Cancelling the save dialog writes nothing.
        ui.save->click();
        QCOMPARE(ReadAll(path), expected);
    }

    // What the user typed into the pane is saved; the next Generate replaces it.
    void editsInThePaneAreSaved()
    {
        TestWindow w;
        TempS2k model(kPortalS2k);
        w.OpenThroughMenu(model.path());
        ScriptUi ui = OpenScript(w);
        ui.generate->click();
        const QString generated = ui.pane->toPlainText();
        QTextCursor cursor(ui.pane->document());
        cursor.insertText("# checked by hand\n");
        QTemporaryDir dir;
        w.chooser->saveAnswers << dir.filePath("edited.tcl");
        ui.save->click();
        const QByteArray saved = ReadAll(dir.filePath("edited.tcl"));
        QVERIFY(saved.startsWith("# checked by hand\r\nwipe\r\nputs \"System\"\r\n"));
        QVERIFY(saved.endsWith("analyze 100\r\n"));
        ui.generate->click();
        QCOMPARE(ui.pane->toPlainText(), generated);
    }

    // A failed save leaves the file that was there whole and says why.
    void aFailedSaveKeepsTheOldFile()
    {
        TestWindow w;
        ScriptUi ui = OpenScript(w);
        QTemporaryDir dir;
        const QString path = dir.filePath("old.tcl");
        {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("puts old\r\n");
        }
        // Names came as one-byte text: a typed character beyond it cannot be saved.
        TempS2k latin1(kPortalS2k);
        QFile raw(latin1.path());
        QVERIFY(raw.open(QIODevice::WriteOnly));
        raw.write(QByteArray(kPortalS2k).replace("NCOL", "N\xC4" "COL"));
        raw.close();
        w.OpenThroughMenu(latin1.path());
        ui.generate->click();
        QVERIFY(ui.pane->toPlainText().contains(QString::fromLatin1("##N\xC4" "COL")));
        QTextCursor(ui.pane->document()).insertText(QString::fromUtf8("# 梁\n"));
        w.chooser->saveAnswers << path;
        ui.save->click();
        QCOMPARE(w.messenger->messages.size(), 1);
        QVERIFY2(w.messenger->messages.last().startsWith("Line 1 holds the character"), qPrintable(w.messenger->messages.last()));
        QCOMPARE(ReadAll(path), QByteArray("puts old\r\n"));

        // Without the typed line the one-byte names are saved byte for byte.
        ui.generate->click();
        w.chooser->saveAnswers << path;
        ui.save->click();
        QCOMPARE(w.messenger->messages.size(), 1);
        QVERIFY(ReadAll(path).contains("##N\xC4" "COL \r\n"));

        w.chooser->saveAnswers << dir.filePath("no/such/folder/x.tcl");
        ui.save->click();
        QCOMPARE(w.messenger->messages.size(), 2);
        QVERIFY2(w.messenger->messages.last().startsWith("Cannot open file \"" + dir.filePath("no/such/folder/x.tcl")),
                 qPrintable(w.messenger->messages.last()));
    }

    // A long script reaches the pane in parts; the window stays usable and
    // Save writes the whole of it.
    void aLongScriptFillsThePaneInParts()
    {
        TestWindow w;
        QString text = "SYSTEM\n\nJOINT\n";
        for (int k = 1; k <= 30000; ++k)
            text += QString("  %1  X=%2  Y=0  Z=0\n").arg(k).arg(k % 97);
        TempS2k model(text + "\n");
        w.OpenThroughMenu(model.path());
        auto* window = static_cast<ScriptWindow*>(w.Open("ToolButton8", "TForm6"));
        ScriptUi ui = OpenScript(w);
        ui.generate->click();
        QVERIFY2(w.messenger->messages.isEmpty(), qPrintable(w.messenger->messages.join(";")));
        const int total = static_cast<int>(window->Script().lines.size());
        QVERIFY(total > 30000);
        QVERIFY(window->Filling());
        QVERIFY(ui.pane->document()->blockCount() < total);
        QTRY_VERIFY(!window->Filling());
        QCOMPARE(ui.pane->document()->blockCount(), total);
        QTemporaryDir dir;
        const QByteArray expected = CliScript(model.path(), {}, dir.filePath("cli.tcl"));
        QCOMPARE(ui.pane->toPlainText().toUtf8() + "\n", QByteArray(expected).replace("\r\n", "\n"));

        // Saved in the middle of the fill: the whole script.
        ui.generate->click();
        QVERIFY(window->Filling());
        w.chooser->saveAnswers << dir.filePath("gui.tcl");
        ui.save->click();
        QVERIFY(!window->Filling());
        QCOMPARE(ReadAll(dir.filePath("gui.tcl")), expected);
    }

    // A failed generation shows its error and leaves the pane as it was.
    void aFailedGenerateKeepsThePane()
    {
        TestWindow w;
        TempS2k model(QString(kPortalS2k).replace("SH=R  T=600,300", "SH=R  T=0,0"));
        w.OpenThroughMenu(model.path());
        ScriptUi ui = OpenScript(w);
        ui.generate->click();
        QCOMPARE(w.messenger->messages.size(), 1);
        QVERIFY2(w.messenger->messages[0].contains("floating point", Qt::CaseInsensitive),
                 qPrintable(w.messenger->messages[0]));
        QCOMPARE(ui.pane->toPlainText(), QString("OpenSEES Tcl File"));
    }

    // The warnings stand under the pane; a click on one shows its line.
    void warningsAreListedAndFindTheirLines()
    {
        TestWindow w;
        TempS2k model(QString(kPortalS2k).replace("EBEAM", "HBEAM"));
        w.OpenThroughMenu(model.path());
        w->session().analysis.LoadCase = 4;
        ScriptUi ui = OpenScript(w);
        ui.generate->click();
        QCOMPARE(ui.warnings->count(), 2);
        QVERIFY(ui.warnings->isVisibleTo(ui.window));
        const QStringList expectedLines = {"element elasticBeamColumn 2 2 3 ", "## Load Case = "};
        for (int row = 0; row < 2; ++row) {
            QListWidgetItem* item = ui.warnings->item(row);
            QVERIFY2(item->text().startsWith("Line "), qPrintable(item->text()));
            const QRect where = ui.warnings->visualItemRect(item);
            QTest::mouseClick(ui.warnings->viewport(), Qt::LeftButton, {}, where.center());
            const QString line = ui.pane->textCursor().block().text();
            QVERIFY2(line.startsWith(expectedLines[row]), qPrintable(line));
            QCOMPARE(item->text().section(':', 0, 0),
                     QString("Line %1").arg(ui.pane->textCursor().block().blockNumber() + 1));
        }
        QVERIFY(ui.warnings->item(0)->text().endsWith("Frame section HBEAM is a beam with hinges: its frames are written "
                                                      "as elasticBeamColumn elements"));
        // A clean script hides the list.
        w->session().analysis.LoadCase = 1;
        w->session().model.FrameSections[2].elementKind = kElasticBeamColumn;
        ui.generate->click();
        QCOMPARE(ui.warnings->count(), 0);
        QVERIFY(!ui.warnings->isVisibleTo(ui.window));
    }

    // Settings and section edits made in their windows reach the next script,
    // as the same settings given to the command line do.
    void dialogEditsChangeTheNextScript()
    {
        TestWindow w;
        const QString s2k = ExamplePath("rc-frame-building.s2k");
        w.OpenThroughMenu(s2k);

        QDialog* sections = w.Open("ToolButton5", "TForm2");
        auto* list = Child<QListWidget>(sections, "ListBox1");
        list->setCurrentRow(1); // NCOL400
        Type(Child<QLineEdit>(sections, "Edit1"), "3");
        Type(Child<QLineEdit>(sections, "Edit7"), "4");
        Type(Child<QLineEdit>(sections, "Edit10"), "0.05");
        Child<QComboBox>(sections, "ComboBox3")->setCurrentIndex(0); // Beam Section
        Child<QPushButton>(sections, "Button2")->click();

        QDialog* analysis = w.Open("ToolButton19", "TForm7");
        Child<QComboBox>(analysis, "ComboBox1")->setCurrentIndex(3); // modal
        Type(Child<QLineEdit>(analysis, "Edit9"), "3");
        Child<QPushButton>(analysis, "Button1")->click();
        QVERIFY(w.messenger->messages.isEmpty());

        ScriptUi ui = OpenScript(w);
        ui.generate->click();
        const QString text = ui.pane->toPlainText();
        const qsizetype from = text.indexOf("##NCOL400 \n");
        QVERIFY(from > 0);
        const QStringList block = text.mid(from).section("}", 0, 0).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(block.size(), 2 + 3 * 4 + 5 + 5); // name, section line, 12 core fibres, 10 beam bars
        QCOMPARE(block[2], QString("fiber -1.3333333333333333E-001 -1.5000000000000002E-001 1.3333333333333334E-002 1"));
        QCOMPARE(block.last(), QString("fiber 1.5000000000000002E-001 -1.5000000000000002E-001 2.000E-004 1"));

        QTemporaryDir dir;
        w.chooser->saveAnswers << dir.filePath("gui.tcl");
        ui.save->click();
        const QByteArray cli = CliScript(s2k,
                                         {"--set", "AnalysisType=4", "--set", "ModeCount=3", "--section",
                                          "NCOL400:divideX=3", "--section", "NCOL400:divideY=4", "--section",
                                          "NCOL400:cover=0.05", "--section", "NCOL400:sectionUse=1"},
                                         dir.filePath("cli.tcl"));
        QCOMPARE(ReadAll(dir.filePath("gui.tcl")), cli);
    }
};

QTEST_MAIN(ScriptWindowTest)
#include "ScriptWindowTest.moc"
