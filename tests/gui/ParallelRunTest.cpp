// One analysis on several processes from the desktop: the Solver setting's
// process count, scripts generated for the parallel solver, a sequential
// script refused, and a pushover on the real OpenSeesSP under mpiexec that
// gives the sequential run's numbers.
#include "GuiTestSupport.h"

#include "gui/common/SolverProcesses.h"
#include "gui/solver/SolverLocator.h"
#include "gui/solver/SolverSettingDialog.h"
#include "gui/solver/SolverWindow.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace mirelo;
using namespace mirelo::test;

namespace {

const QString kMpiTools = MIRELO_SOURCE_DIR "/../shared/tools/opensees-mpi";

// A program that runs and does nothing, standing in for mpiexec or OpenSeesSP.
QString StandIn(const QTemporaryDir& dir, const QString& name)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write("#!/bin/sh\nexit 0\n") < 0)
        qFatal("cannot write %s", qPrintable(path));
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return path;
}

QDialog* OpenScriptWindow(TestWindow& w)
{
    return w.Open("ToolButton8", "TForm6");
}

// Generates the open model's script in the script window and saves it.
QString GenerateAndSave(TestWindow& w, const QString& path)
{
    QDialog* window = OpenScriptWindow(w);
    Child<QPushButton>(window, "Button3")->click();
    w.chooser->saveAnswers << path;
    Child<QPushButton>(window, "Button2")->click();
    return Child<QPlainTextEdit>(window, "Memo1")->toPlainText();
}

std::vector<double> Numbers(const QString& path)
{
    std::vector<double> numbers;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return numbers;
    for (const QString& field : QString::fromLatin1(file.readAll()).split(QRegularExpression("\\s+"), Qt::SkipEmptyParts))
        numbers.push_back(field.toDouble());
    return numbers;
}

class ParallelRunTest : public QObject {
    Q_OBJECT

    QTemporaryDir standIns_;

private slots:
    void initTestCase() { UseTemporarySettings(); }

    void init()
    {
        SetSolverProcesses(1);
        qputenv("MIRELO_MPIEXEC", StandIn(standIns_, "mpiexec").toUtf8());
        qputenv("MIRELO_OPENSEES_SP", StandIn(standIns_, "OpenSeesSP").toUtf8());
    }

    // The count is kept only when mpiexec and OpenSeesSP are found; the
    // dialog says what a run would start.
    void settingKeepsTheProcessesOnlyWhenTheParallelSolverIsFound()
    {
        TestWindow w;
        w->findChild<QAction*>("SolverSetting1")->trigger();
        auto* dialog = w->findChild<SolverSettingDialog*>("SolverSettingDialog");
        QVERIFY(dialog);
        auto* processes = Child<QSpinBox>(dialog, "ProcessesSpin");
        QCOMPARE(processes->value(), 1);
        processes->setValue(3);
        const QString found = Child<QLabel>(dialog, "SolverFoundLabel")->text();
        QVERIFY2(found.startsWith("Runs " + standIns_.filePath("OpenSeesSP") + " on 3 processes under "
                                  + standIns_.filePath("mpiexec")),
                 qPrintable(found));
        Child<QPushButton>(dialog, "OkButton")->click();
        QCOMPARE(SolverProcesses(), 3);

        qputenv("MIRELO_OPENSEES_SP", standIns_.filePath("missing").toUtf8());
        w->findChild<QAction*>("SolverSetting1")->trigger();
        QCOMPARE(processes->value(), 3);
        processes->setValue(2);
        Child<QPushButton>(dialog, "OkButton")->click();
        QCOMPARE(SolverProcesses(), 3);
        QVERIFY(dialog->isVisible());
        QVERIFY2(w.messenger->messages.join('\n').contains("missing"), qPrintable(w.messenger->messages.join('\n')));
    }

    // On several processes the script sets the parallel solver, and an
    // analysis OpenSeesSP cannot take is refused with the reason.
    void scriptsForSeveralProcessesUseTheParallelSolver()
    {
        TestWindow w;
        TempS2k model(kPortalS2k);
        w.OpenThroughMenu(model.path());
        QTemporaryDir dir;
        QVERIFY(!GenerateAndSave(w, dir.filePath("one.tcl")).contains("system Mumps"));
        SetSolverProcesses(2);
        QVERIFY(GenerateAndSave(w, dir.filePath("two.tcl")).contains("\nsystem Mumps\n"));

        w->session().analysis.AnalysisType = 5;
        w.messenger->messages.clear();
        Child<QPushButton>(OpenScriptWindow(w), "Button3")->click();
        QVERIFY2(w.messenger->messages.join('\n').contains("OpenSeesSP runs the static analyses of one load pattern"),
                 qPrintable(w.messenger->messages.join('\n')));
    }

    // A script written for one process would leave OpenSeesSP's other
    // processes idle: the run is refused before anything starts.
    void aSequentialScriptIsRefusedOnSeveralProcesses()
    {
        TestWindow w;
        TempS2k model(kPortalS2k);
        w.OpenThroughMenu(model.path());
        QTemporaryDir dir;
        const QString script = dir.filePath("one.tcl");
        GenerateAndSave(w, script);
        SetSolverProcesses(2);
        w.messenger->messages.clear();
        w.chooser->answers << script;
        w->findChild<QAction*>("RunOpenSEES1")->trigger();
        QVERIFY(w->findChildren<SolverWindow*>().isEmpty());
        QVERIFY2(w.messenger->messages.join('\n').contains("\"one.tcl\" is not written for the parallel solver"),
                 qPrintable(w.messenger->messages.join('\n')));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"one.tcl"});
    }

    // The example building pushed over on two OpenSeesSP processes from the
    // desktop gives the sequential run's displacements to 1e-9.
    void pushoverOnTwoProcessesGivesTheSequentialResults()
    {
        const QString sp = kMpiTools + "/bin/OpenSeesSP";
        if (!QFileInfo(sp).isExecutable() || !QFileInfo(RealSolverPath()).isExecutable())
            QSKIP(qPrintable("no OpenSeesSP in " + kMpiTools + " or no OpenSees at " + RealSolverPath()));
        QProcess::execute(kMpiTools + "/install-runtime", {}); // Open MPI's run time, once per machine
        if (QStandardPaths::findExecutable("mpiexec").isEmpty())
            QSKIP("no Open MPI run time (mpiexec): install-runtime installs it as root");
        qunsetenv("MIRELO_MPIEXEC");
        qputenv("MIRELO_OPENSEES_SP", sp.toUtf8());
        qputenv("MIRELO_OPENSEES", RealSolverPath().toUtf8());

        TestWindow w;
        w.OpenThroughMenu(ExamplePath("rc-frame-building.s2k"));
        AnalysisSettings& analysis = w->session().analysis;
        analysis.AnalysisType = 2;
        analysis.PushoverCase = 3;
        analysis.ControlNode = 51;
        analysis.ControlDisp = 0.002;
        analysis.AnalysisSteps = 20;
        QTemporaryDir one, two;
        GenerateAndSave(w, one.filePath("model.tcl"));
        SetSolverProcesses(2);
        GenerateAndSave(w, two.filePath("model.tcl"));

        for (const QString& folder : {one.path(), two.path()}) {
            SetSolverProcesses(folder == one.path() ? 1 : 2);
            w.chooser->answers << QDir(folder).filePath("model.tcl");
            w->findChild<QAction*>("RunOpenSEES1")->trigger();
            const auto windows = w->findChildren<SolverWindow*>("SolverWindow");
            QVERIFY2(!windows.isEmpty(), qPrintable(w.messenger->messages.join('\n')));
            SolverWindow* window = windows.back();
            QVERIFY(QTest::qWaitFor(
                [&] { return !Child<QPushButton>(window, "StopButton")->isEnabled(); }, 300000));
            const QString verdict = Child<QLabel>(window, "VerdictLabel")->text();
            QVERIFY2(verdict.startsWith("Finished cleanly"),
                     qPrintable(verdict + "\n" + Child<QPlainTextEdit>(window, "SolverOutput")->toPlainText()));
            if (folder == two.path())
                QVERIFY(Child<QLabel>(window, "SolverLabel")->text().contains(" on 2 processes under "));
            window->close();
        }
        const std::vector<double> sequential = Numbers(one.filePath("node0.out"));
        const std::vector<double> parallel = Numbers(two.filePath("node0.out"));
        QCOMPARE(parallel.size(), sequential.size());
        QVERIFY(sequential.size() > 20);
        for (std::size_t i = 0; i < sequential.size(); ++i)
            QVERIFY2(std::abs(parallel[i] - sequential[i]) <= 1e-9 * std::max(1.0, std::abs(sequential[i])),
                     qPrintable(QString("value %1: %2 against %3").arg(i).arg(parallel[i]).arg(sequential[i])));
    }
};

} // namespace

QTEST_MAIN(ParallelRunTest)
#include "ParallelRunTest.moc"
