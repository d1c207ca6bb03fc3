// "Run OpenSEES" from the main window: the solver found, the script chosen, the
// solver window with live output, marks, Stop, the verdict and the offer to
// load; driven by the stand-in solver, and once by the real OpenSees.
#include "GuiTestSupport.h"

#include "gui/common/ProgramSettings.h"
#include "gui/main/AppSetup.h"
#include "gui/main/DrawingArea.h"
#include "gui/solver/SolverLocator.h"
#include "gui/solver/SolverRun.h"
#include "gui/solver/SolverSettingDialog.h"
#include "gui/solver/SolverWindow.h"
#include "common/TextLines.h"
#include "model/ImportS2k.h"
#include "script/ScriptGenerator.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QToolButton>

#include <cmath>
#include <csignal>

using namespace mirelo;
using namespace mirelo::test;

namespace {

const QString kStandIn = QString(MIRELO_SOURCE_DIR) + "/tests/solver/standin-opensees";
constexpr int kRunTimeoutMs = 30000;

QString WriteScript(const QString& folder, const QString& name, const QByteArray& text)
{
    QDir().mkpath(folder);
    const QString path = QDir(folder).filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

QStringList OutputLines(SolverWindow* window)
{
    QStringList lines;
    const QTextDocument* document = window->findChild<QPlainTextEdit*>("SolverOutput")->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        lines << block.text();
    return lines;
}

QColor MarkOf(SolverWindow* window, const QString& line)
{
    const QTextDocument* document = window->findChild<QPlainTextEdit*>("SolverOutput")->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        if (block.text() == line)
            return block.blockFormat().background().style() == Qt::NoBrush ? QColor()
                                                                            : block.blockFormat().background().color();
    return QColor(Qt::magenta); // not found
}

QString Verdict(SolverWindow* window)
{
    return window->findChild<QLabel*>("VerdictLabel")->text();
}

QPushButton* ButtonOf(QWidget* window, const char* name)
{
    return window->findChild<QPushButton*>(name);
}

QStringList FilesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

int LineCount(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    return static_cast<int>(file.readAll().count('\n'));
}

} // namespace

class SolverWindowTest : public QObject {
    Q_OBJECT

    QTemporaryDir settingsFolder_;

    // Chooses the script through "Run OpenSEES" and returns the run's window.
    SolverWindow* Run(TestWindow& w, const QString& script)
    {
        w.chooser->answers << script;
        w->findChild<QAction*>("RunOpenSEES1")->trigger();
        const auto windows = w->findChildren<SolverWindow*>("SolverWindow");
        return windows.isEmpty() ? nullptr : windows.back();
    }

    static bool WaitForEnd(SolverWindow* window)
    {
        return QTest::qWaitFor([&] { return !ButtonOf(window, "StopButton")->isEnabled(); }, kRunTimeoutMs);
    }

private slots:
    void initTestCase()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder_.path());
        SetUpApplication(*qApp);
    }

    void init()
    {
        SetSolverSettingPath({});
        qputenv("MIRELO_OPENSEES", kStandIn.toUtf8());
    }

    // Output comes while the solver runs; the WARNING line and the error line are
    // marked; the recorder file lands beside the script and the run's copy of
    // the script is gone at the end.
    void runStreamsOutputAndEndsWithAVerdict()
    {
        TestWindow w;
        QTemporaryDir dir;
        const QString script = WriteScript(dir.path(), "model.tcl",
                                           "puts \"first\"\r\n"
                                           "recorder Node -file node0.out -time -nodeRange 1 4 -dof 1 2 3 disp\r\n"
                                           "puts \"WARNING check the mass\"\r\n"
                                           "puts \"the solver failed once\"\r\n"
                                           "after 1500\r\n"
                                           "analyze 5\r\n"
                                           "puts \"last\"\r\n");
        SolverWindow* window = Run(w, script);
        QVERIFY(window);
        QVERIFY(window->isVisible());
        QCOMPARE(w.chooser->filters, QStringList({"tcl file|*.tcl"}));
        QVERIFY(QTest::qWaitFor([&] { return OutputLines(window).contains("first"); }, kRunTimeoutMs));
        QVERIFY2(window->Run().IsRunning(), "the first line came only at the end");
        QVERIFY(!OutputLines(window).contains("last"));
        QCOMPARE(Verdict(window), QString("OpenSees is running."));

        QVERIFY(WaitForEnd(window));
        const QStringList lines = OutputLines(window);
        QVERIFY(lines.contains("last"));
        QVERIFY2(!lines.join('\n').contains(kEndOfScriptMarker), "the end marker is shown");
        QCOMPARE(MarkOf(window, "first"), QColor());
        QCOMPARE(MarkOf(window, "WARNING check the mass"), SolverWindow::MarkColour(SolverLineKind::Warning));
        QCOMPARE(MarkOf(window, "the solver failed once"), SolverWindow::MarkColour(SolverLineKind::Error));
        QVERIFY2(Verdict(window).startsWith("The script ran to its end after "), qPrintable(Verdict(window)));
        QVERIFY(Verdict(window).contains("but not cleanly. OpenSees reported 1 warning and 1 error line"));
        QVERIFY(window->Run().Outcome().seconds >= 1.4);
        QCOMPARE(window->findChild<QLabel*>("ElapsedLabel")->text(),
                 "Elapsed: " + ElapsedText(window->Run().Outcome().seconds));
        QCOMPARE(FilesIn(dir.path()), QStringList({"model.tcl", "node0.out"}));
        QCOMPARE(LineCount(dir.filePath("node0.out")), 5);
        QVERIFY(w.messenger->messages.isEmpty());
    }

    // The script's folder has blanks in its name and so has the script: the
    // solver gets the path whole and works in that folder.
    void scriptPathWithBlanksReachesTheSolverWhole()
    {
        TestWindow w;
        QTemporaryDir dir;
        const QString folder = dir.filePath("my models/run 1");
        const QString script = WriteScript(folder, "gravity run.tcl",
                                           "recorder Node -file node0.out -time -nodeRange 1 2 -dof 1 2 3 disp\n"
                                           "analyze 3\n");
        SolverWindow* window = Run(w, script);
        QVERIFY(window);
        QVERIFY(WaitForEnd(window));
        QVERIFY2(Verdict(window).startsWith("Finished cleanly after "), qPrintable(Verdict(window)));
        QVERIFY(Verdict(window).contains(": the script ran to its end."));
        QCOMPARE(FilesIn(folder), QStringList({"gravity run.tcl", "node0.out"}));
        QCOMPARE(LineCount(QDir(folder).filePath("node0.out")), 3);
        QCOMPARE(window->windowTitle(), QString("OpenSees: gravity run.tcl"));
        QCOMPARE(window->findChild<QLabel*>("ScriptLabel")->text(), "Script: " + QDir::toNativeSeparators(script));
    }

    void stopEndsALongRun()
    {
        TestWindow w;
        QTemporaryDir dir;
        const QString script = WriteScript(dir.path(), "slow.tcl", "puts \"started\"\nafter 60000\nputs \"never\"\n");
        SolverWindow* window = Run(w, script);
        QVERIFY(window);
        QVERIFY(QTest::qWaitFor([&] { return OutputLines(window).contains("started"); }, kRunTimeoutMs));
        QTest::mouseClick(ButtonOf(window, "StopButton"), Qt::LeftButton);
        QVERIFY(WaitForEnd(window));
        QVERIFY2(Verdict(window).startsWith("Stopped after "), qPrintable(Verdict(window)));
        QVERIFY(Verdict(window).contains(": the script did not reach its end."));
        QVERIFY(!OutputLines(window).contains("never"));
        QVERIFY(window->Run().Outcome().seconds < 30);
        QCOMPARE(FilesIn(dir.path()), QStringList({"slow.tcl"}));
    }

    // An error ends the script early; its message names the user's script, not
    // the copy the solver ran. A script that ends itself early says so too.
    void runsThatStopBeforeTheEnd_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<QString>("shownLine");
        QTest::newRow("an error") << QByteArray("puts \"a\"\nerror \"no such section\"\nputs \"b\"\n")
                                  << "before the end of the script. OpenSees reported 2 error lines"
                                  << "    (file \"%1\" line 2)";
        QTest::newRow("an early exit") << QByteArray("puts \"a\"\nexit\nputs \"b\"\n")
                                       << "before the end of the script, without a message." << "a";
    }

    void runsThatStopBeforeTheEnd()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, verdict);
        QFETCH(QString, shownLine);
        TestWindow w;
        QTemporaryDir dir;
        const QString script = WriteScript(dir.path(), "stops.tcl", text);
        SolverWindow* window = Run(w, script);
        QVERIFY(window);
        QVERIFY(WaitForEnd(window));
        QVERIFY2(Verdict(window).startsWith("OpenSees stopped after "), qPrintable(Verdict(window)));
        QVERIFY2(Verdict(window).contains(verdict), qPrintable(Verdict(window)));
        shownLine.replace("%1", script);
        QVERIFY2(OutputLines(window).contains(shownLine), qPrintable(OutputLines(window).join('\n')));
        QVERIFY(!OutputLines(window).contains("b"));
    }

    void noSolverSaysHowToSetOne()
    {
        TestWindow w;
        QTemporaryDir emptyPath;
        const QByteArray path = qgetenv("PATH");
        qunsetenv("MIRELO_OPENSEES");
        qputenv("PATH", emptyPath.path().toUtf8());
        w->findChild<QAction*>("RunOpenSEES1")->trigger();
        qputenv("PATH", path);
        QCOMPARE(w.messenger->messages.size(), 1);
        QVERIFY(w.messenger->messages[0].startsWith("OpenSees was not found"));
        QVERIFY(w.messenger->messages[0].contains("Gen_tcl > Solver Setting"));
        QVERIFY(w.messenger->messages[0].contains("MIRELO_OPENSEES"));
        QVERIFY2(w.chooser->filters.isEmpty(), "the script was asked for although no solver can run it");
        QVERIFY(w->findChildren<SolverWindow*>().isEmpty());
    }

    void cancellingTheScriptStartsNothing()
    {
        TestWindow w;
        w.Button("ToolButton26")->click();
        QCOMPARE(w.chooser->filters.size(), 1);
        QVERIFY(w->findChildren<SolverWindow*>().isEmpty());
        QVERIFY(w.messenger->messages.isEmpty());
    }

    void aScriptThatCannotBeReadIsReported()
    {
        TestWindow w;
        QTemporaryDir dir;
        SolverWindow* window = Run(w, dir.filePath("missing.tcl"));
        QVERIFY(window == nullptr);
        QCOMPARE(w.messenger->messages.size(), 1);
        QVERIFY2(w.messenger->messages[0].startsWith("Cannot open file"), qPrintable(w.messenger->messages[0]));
    }

    void aSolverThatCannotStartIsReported()
    {
        TestWindow w;
        QTemporaryDir dir;
        const QString broken = WriteScript(dir.path(), "OpenSees", "\x7f" "ELF not really");
        QFile(broken).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        qputenv("MIRELO_OPENSEES", broken.toUtf8());
        SolverWindow* window = Run(w, WriteScript(dir.path(), "model.tcl", "puts \"a\"\n"));
        QVERIFY(window);
        QVERIFY(WaitForEnd(window));
        QVERIFY2(Verdict(window).startsWith("OpenSees could not be started: "), qPrintable(Verdict(window)));
        QVERIFY(!ButtonOf(window, "LoadButton")->isEnabled());
        QCOMPARE(FilesIn(dir.path()), QStringList({"OpenSees", "model.tcl"}));
    }

    // "Load Last Step" hands the script's folder to the results once the run
    // has ended; without a loader there is no button.
    void loadLastStepOffersTheScriptsFolder()
    {
        TestWindow w;
        QStringList loaded;
        w->SetLoadLastStepHook([&](const QString& folder) { loaded << folder; });
        QTemporaryDir dir;
        SolverWindow* window = Run(w, WriteScript(dir.path(), "model.tcl", "after 300\n"));
        QVERIFY(window);
        QPushButton* load = ButtonOf(window, "LoadButton");
        QVERIFY(!load->isHidden());
        QVERIFY(!load->isEnabled());
        QVERIFY(WaitForEnd(window));
        QVERIFY(load->isEnabled());
        QVERIFY(Verdict(window).endsWith("Load Last Step draws the last recorded step."));
        QTest::mouseClick(load, Qt::LeftButton);
        QCOMPARE(loaded, QStringList({QFileInfo(dir.path()).absoluteFilePath()}));

        w->SetLoadLastStepHook({});
        SolverWindow* plain = Run(w, WriteScript(dir.path(), "other.tcl", "puts \"x\"\n"));
        QVERIFY(plain && plain != window);
        QVERIFY(ButtonOf(plain, "LoadButton")->isHidden());
    }

    // The program's own load: the last step the stand-in recorded lands in the
    // joints of the open model; a second load after a failed run keeps them.
    void loadLastStepFillsTheJoints()
    {
        TestWindow w;
        TempS2k model(kPortalS2k);
        w.OpenThroughMenu(model.path());
        QCOMPARE(w->session().model.Joints.count, 4);
        QTemporaryDir dir;
        SolverWindow* window = Run(w, WriteScript(dir.path(), "model.tcl",
                                                  "recorder Node -file node0.out -time -nodeRange 1 4 -dof 1 2 3 disp\n"
                                                  "analyze 4\nanalyze 3\n"));
        QVERIFY(window);
        QVERIFY(WaitForEnd(window));
        w->ShowStandardView(StandardView::XZ);
        const QImage undeformed = w->drawingArea().Canvas().copy();
        const std::int32_t x3 = w->projection().joints[3].x;
        QTest::mouseClick(ButtonOf(window, "LoadButton"), Qt::LeftButton);
        QVERIFY2(w.messenger->messages.isEmpty(), qPrintable(w.messenger->messages.join('\n')));
        const ResultSet& results = w->session().results;
        const std::int32_t x3Moved = w->projection().joints[3].x;
        // The deformed shape is drawn at once: in the XZ view joint 3 moves
        // right by its X displacement times the deformation scale, in pixels.
        const ViewState& view = w->session().view;
        QVERIFY(std::abs(x3Moved - x3 - JointDisplacement(results, 3).x * view.DeformScale / view.Scale) <= 1);
        QVERIFY(x3Moved - x3 >= 3);
        QVERIFY(w->drawingArea().Canvas() != undeformed);
        for (std::int32_t j = 1; j <= 4; ++j) {
            QCOMPARE(JointDisplacement(results, j).x, 7 * 1 / 1000.0 + j / 1e6);
            QCOMPARE(JointDisplacement(results, j).y, 7 * 2 / 1000.0 + j / 1e6);
            QCOMPARE(JointDisplacement(results, j).z, 7 * 3 / 1000.0 + j / 1e6);
        }
        QCOMPARE(w->session().results.loaded.step, 7);
        QVERIFY(w->session().view.DeformScale > 0);

        QFile::remove(dir.filePath("node0.out"));
        QTest::mouseClick(ButtonOf(window, "LoadButton"), Qt::LeftButton);
        QCOMPARE(w.messenger->messages.size(), 1);
        QVERIFY2(w.messenger->messages[0].contains("node0.out"), qPrintable(w.messenger->messages[0]));
        QCOMPARE(JointDisplacement(results, 4).z, 7 * 3 / 1000.0 + 4 / 1e6);
    }

    void closingTheWindowStopsTheSolver()
    {
        TestWindow w;
        QTemporaryDir dir;
        SolverWindow* window = Run(w, WriteScript(dir.path(), "slow.tcl", "puts \"started\"\nafter 60000\n"));
        QVERIFY(window);
        QVERIFY(QTest::qWaitFor([&] { return OutputLines(window).contains("started"); }, kRunTimeoutMs));
        const auto pid = static_cast<pid_t>(window->Run().ProcessId());
        QVERIFY(pid > 0);
        QPointer<SolverWindow> guard(window);
        window->close();
        QTRY_VERIFY(guard.isNull());
        QVERIFY2(::kill(pid, 0) != 0, "the solver still runs after its window closed");
        QCOMPARE(FilesIn(dir.path()), QStringList({"slow.tcl"}));

        // Closing the program ends its runs too.
        SolverWindow* another = Run(w, dir.filePath("slow.tcl"));
        QVERIFY(another);
        QVERIFY(QTest::qWaitFor([&] { return OutputLines(another).contains("started"); }, kRunTimeoutMs));
        const auto second = static_cast<pid_t>(another->Run().ProcessId());
        w.window.reset();
        QVERIFY2(::kill(second, 0) != 0, "the solver still runs after the program closed");
        QCOMPARE(FilesIn(dir.path()), QStringList({"slow.tcl"}));
    }

    // The setting is remembered, wins over the environment, and a path that
    // names no program is refused and not stored.
    void solverSettingIsRememberedAndChecked()
    {
        TestWindow w;
        qputenv("MIRELO_OPENSEES", "/nonexistent/opensees");
        w->findChild<QAction*>("SolverSetting1")->trigger();
        auto* dialog = w->findChild<SolverSettingDialog*>("SolverSettingDialog");
        QVERIFY(dialog && dialog->isVisible());
        auto* edit = dialog->findChild<QLineEdit*>("SolverPathEdit");
        auto* found = dialog->findChild<QLabel*>("SolverFoundLabel");
        QCOMPARE(edit->text(), QString());
        QVERIFY2(found->text().contains("MIRELO_OPENSEES"), qPrintable(found->text()));

        edit->setText("/nonexistent/OpenSees");
        QTest::mouseClick(dialog->findChild<QPushButton*>("OkButton"), Qt::LeftButton);
        QCOMPARE(w.messenger->messages.size(), 1);
        QVERIFY(w.messenger->messages[0].contains("\"/nonexistent/OpenSees\", is not a program that can be run"));
        QVERIFY(dialog->isVisible());
        QCOMPARE(SolverSettingPath(), QString());

        w.chooser->answers << kStandIn;
        QTest::mouseClick(dialog->findChild<QPushButton*>("BrowseButton"), Qt::LeftButton);
        QCOMPARE(edit->text(), kStandIn);
        QCOMPARE(found->text(), "Runs " + kStandIn + " (from the Solver setting).");
        QTest::mouseClick(dialog->findChild<QPushButton*>("OkButton"), Qt::LeftButton);
        QVERIFY(!dialog->isVisible());
        QCOMPARE(SolverSettingPath(), kStandIn);
        QCOMPARE(ProgramSettings().value("solver/path").toString(), kStandIn);

        TestWindow later(true); // a later run of the program
        later->findChild<QAction*>("SolverSetting1")->trigger();
        QCOMPARE(later->findChild<QLineEdit*>("SolverPathEdit")->text(), kStandIn);
        QTemporaryDir dir;
        SolverWindow* window = Run(later, WriteScript(dir.path(), "model.tcl", "puts \"a\"\n"));
        QVERIFY(window);
        QVERIFY(WaitForEnd(window));
        QVERIFY2(Verdict(window).startsWith("Finished cleanly"), qPrintable(Verdict(window)));
        QCOMPARE(window->findChild<QLabel*>("SolverLabel")->text(), "Solver: " + kStandIn + " (from the Solver setting)");
    }

    // The real OpenSees on the example building's script (run in a folder with
    // blanks) and on a script with a mistake.
    void realSolver()
    {
        if (!QFileInfo(RealSolverPath()).isExecutable())
            QSKIP(qPrintable("the real OpenSees is not at " + RealSolverPath() + " (set MIRELO_TEST_OPENSEES)"));
        qputenv("MIRELO_OPENSEES", RealSolverPath().toUtf8());
        TestWindow w;
        QTemporaryDir dir;
        const QString folder = dir.filePath("rc building");
        QDir().mkpath(folder);
        S2kImport imported = ImportS2kFile(ExamplePath("rc-frame-building.s2k").toStdString());
        AnalysisSettings analysis;
        const ScriptResult generated = GenerateScript(imported.model, analysis, RecorderSettings());
        const QString script = QDir(folder).filePath("model.tcl");
        SaveTextLines(script.toStdString(), generated.lines);

        SolverWindow* window = Run(w, script);
        QVERIFY(window);
        QVERIFY(WaitForEnd(window));
        QVERIFY2(Verdict(window).startsWith("Finished cleanly"),
                 qPrintable(Verdict(window) + "\n" + OutputLines(window).join('\n')));
        QVERIFY(OutputLines(window).contains("recorder"));
        QCOMPARE(LineCount(QDir(folder).filePath("node0.out")), analysis.LoadSteps);
        QCOMPARE(FilesIn(folder), QStringList({"model.tcl", "node0.out"}));

        const QString broken = WriteScript(folder, "broken.tcl", "model basic -ndm 2 -ndf 3\nnode 1 0 0\nbogus 1 2\n");
        SolverWindow* failed = Run(w, broken);
        QVERIFY(failed);
        QVERIFY(WaitForEnd(failed));
        QVERIFY2(Verdict(failed).contains("before the end of the script. OpenSees reported"), qPrintable(Verdict(failed)));
        QCOMPARE(MarkOf(failed, "    while executing"), SolverWindow::MarkColour(SolverLineKind::Error));
        QVERIFY2(OutputLines(failed).contains("    (file \"" + broken + "\" line 3)"),
                 qPrintable(OutputLines(failed).join('\n')));
    }
};

QTEST_MAIN(SolverWindowTest)
#include "SolverWindowTest.moc"
