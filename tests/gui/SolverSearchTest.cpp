// The solver run's logic without a window: where the solver is found, how its
// output lines are marked, the end marker added to the script, and the verdict.
#include "gui/solver/SolverLocator.h"
#include "gui/solver/SolverOutput.h"
#include "gui/solver/SolverRun.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <exception>

using namespace mirelo;

Q_DECLARE_METATYPE(mirelo::SolverLineKind)
Q_DECLARE_METATYPE(mirelo::SolverOutcome)

namespace {

// Folders with solvers: set/OpenSees, env/opensees, beside/OpenSees,
// onpath/opensees, empty/, plain/OpenSees (not executable).
class SolverFolders {
public:
    SolverFolders()
    {
        Make("set/OpenSees", true);
        Make("env/opensees", true);
        Make("beside/OpenSees", true);
        Make("onpath/opensees", true);
        Make("plain/OpenSees", false);
        QDir(dir_.path()).mkpath("empty");
    }
    QString operator()(const QString& relative) const { return relative.isEmpty() ? QString() : dir_.filePath(relative); }

private:
    void Make(const QString& relative, bool executable)
    {
        QDir(dir_.path()).mkpath(QFileInfo(relative).path());
        QFile file(dir_.filePath(relative));
        if (!file.open(QIODevice::WriteOnly) || file.write("#!/bin/sh\n") < 0)
            qFatal("cannot write %s", qPrintable(file.fileName()));
        file.close();
        QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner;
        if (executable)
            permissions |= QFile::ExeOwner;
        file.setPermissions(permissions);
    }
    QTemporaryDir dir_;
};

} // namespace

class SolverSearchTest : public QObject {
    Q_OBJECT

private slots:
    void findSolver_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("environment");
        QTest::addColumn<QString>("programFolder");
        QTest::addColumn<QStringList>("path");
        QTest::addColumn<QString>("found"); // relative, or empty when the search fails
        QTest::addColumn<QString>("origin"); // or a piece of the message
        const QStringList path = {"empty", "onpath"};
        QTest::newRow("the setting comes first") << "set/OpenSees" << "env/opensees" << "beside" << path
                                                 << "set/OpenSees" << "the Solver setting";
        QTest::newRow("a setting may name the folder") << "set" << "" << "" << QStringList() << "set/OpenSees"
                                                       << "the Solver setting";
        QTest::newRow("then the environment") << "" << "env/opensees" << "beside" << path << "env/opensees"
                                              << "the environment variable MIRELO_OPENSEES";
        QTest::newRow("then beside the program") << "" << "" << "beside" << path << "beside/OpenSees"
                                                 << "the program's folder";
        QTest::newRow("then PATH, in its order") << "" << "" << "empty" << QStringList({"empty", "onpath", "beside"})
                                                 << "onpath/opensees" << "PATH";
        QTest::newRow("a file that cannot run is passed over") << "" << "" << "plain" << path << "onpath/opensees"
                                                               << "PATH";
        QTest::newRow("nothing anywhere") << "" << "" << "empty" << QStringList({"empty", "plain"}) << ""
                                          << "OpenSees was not found (looked for OpenSees and opensees in the "
                                             "program's folder and on PATH). Install OpenSees";
        QTest::newRow("a setting that names nothing is not passed over")
            << "set/missing" << "env/opensees" << "beside" << path << ""
            << "The program named by the Solver setting, \"" + QString("set/missing");
        QTest::newRow("a setting that cannot run") << "plain/OpenSees" << "" << "beside" << path << ""
                                                   << "is not a program that can be run";
        QTest::newRow("an environment path that names nothing")
            << "" << "empty" << "beside" << path << "" << "The program named by the environment variable MIRELO_OPENSEES";
    }

    void findSolver()
    {
        QFETCH(QString, setting);
        QFETCH(QString, environment);
        QFETCH(QString, programFolder);
        QFETCH(QStringList, path);
        QFETCH(QString, found);
        QFETCH(QString, origin);
        const SolverFolders folders;
        SolverSearch search;
        search.settingPath = folders(setting);
        search.environmentPath = folders(environment);
        search.programFolder = folders(programFolder);
        for (const QString& folder : path)
            search.pathFolders << folders(folder);
        try {
            const SolverLocation location = FindSolver(search);
            QVERIFY2(!found.isEmpty(), qPrintable("found " + location.program));
            QCOMPARE(location.program, folders(found));
            QCOMPARE(location.origin, origin);
        } catch (const std::exception& error) {
            const QString message = QString::fromUtf8(error.what());
            QVERIFY2(found.isEmpty(), qPrintable(message));
            if (!setting.isEmpty())
                origin.replace(setting, folders(setting));
            QVERIFY2(message.contains(origin), qPrintable(message));
        }
    }

    void classifyLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<SolverLineKind>("kind");
        const auto row = [](const char* name, const char* line, SolverLineKind kind) {
            QTest::newRow(name) << QString(line) << kind;
        };
        using K = SolverLineKind;
        row("banner", "  (Copyright and Disclaimer @ http://www.berkeley.edu/OpenSees/copyright.html)", K::Plain);
        row("script's own output", "gravity", K::Plain);
        row("warning", "WARNING: CTestEnergyIncr::test() - failed to converge", K::Error);
        row("plain warning", "WARNING analysis Static - no Algorithm yet specified,", K::Warning);
        row("warning in lower case", "Warning - node 3 has no mass", K::Warning);
        row("tcl error trace", "    while executing", K::Error);
        row("analysis failed", "OpenSees > analyze failed, returned: -3 error flag", K::Error);
        row("failed alone", "StaticAnalysis::analyze() - the Algorithm failed at step: 51", K::Error);
        row("error word", "Error: unknown section 7", K::Error);
        row("error inside a name is no error", "CTestNormDispIncr: errorNorm 1.2e-7", K::Plain);
        row("warning inside a name is no warning", "forewarning", K::Plain);
        row("empty", "", K::Plain);
    }

    void classifyLines()
    {
        QFETCH(QString, line);
        QFETCH(SolverLineKind, kind);
        QCOMPARE(ClassifySolverLine(line), kind);
    }

    void endMarker_data()
    {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray m = QByteArray("puts \"") + kEndOfScriptMarker + "\"";
        QTest::newRow("appended") << QByteArray("a\nb\n") << "a\nb\n" + m + "\n";
        QTest::newRow("after a last line without an end") << QByteArray("a\nb") << "a\nb\n" + m + "\n";
        QTest::newRow("in the script's CR LF") << QByteArray("a\r\nb\r\n") << "a\r\nb\r\n" + m + "\r\n";
        QTest::newRow("before a closing exit") << QByteArray("a\nexit\n") << "a\n" + m + "\nexit\n";
        QTest::newRow("before exit with a status, comments and blank lines after")
            << QByteArray("a\r\n  exit 0;\r\n\r\n# done\r\n") << "a\r\n" + m + "\r\n  exit 0;\r\n\r\n# done\r\n";
        QTest::newRow("an exit on the first line") << QByteArray("exit") << m + "\nexit\n";
        QTest::newRow("an earlier exit is not the end") << QByteArray("exit\nb\n") << "exit\nb\n" + m + "\n";
        QTest::newRow("a command named like exit") << QByteArray("exited\n") << "exited\n" + m + "\n";
        QTest::newRow("only comments") << QByteArray("# x\n\n") << "# x\n\n" + m + "\n";
        QTest::newRow("empty") << QByteArray() << m + "\n";
    }

    void endMarker()
    {
        QFETCH(QByteArray, script);
        QFETCH(QByteArray, expected);
        QCOMPARE(WithEndMarker(script), expected);
    }

    void verdict_data()
    {
        QTest::addColumn<SolverOutcome>("outcome");
        QTest::addColumn<bool>("clean");
        QTest::addColumn<QString>("text");
        SolverOutcome ran;
        ran.started = true;
        ran.seconds = 2.04;
        SolverOutcome clean = ran;
        clean.reachedEnd = true;
        QTest::newRow("clean") << clean << true << "Finished cleanly after 2.0 s: the script ran to its end.";
        SolverOutcome warned = clean;
        warned.warnings = 1;
        warned.errors = 2;
        QTest::newRow("to its end with reports")
            << warned << false
            << "The script ran to its end after 2.0 s, but not cleanly. OpenSees reported 1 warning and 2 error lines "
               "(marked in the output).";
        SolverOutcome stoppedShort = ran;
        stoppedShort.errors = 1;
        QTest::newRow("an error stopped it") << stoppedShort << false
                                             << "OpenSees stopped after 2.0 s before the end of the script. OpenSees "
                                                "reported 1 error line (marked in the output).";
        QTest::newRow("a silent stop") << ran << false
                                       << "OpenSees stopped after 2.0 s before the end of the script, without a message.";
        SolverOutcome stopped = ran;
        stopped.stoppedByUser = true;
        stopped.warnings = 3;
        QTest::newRow("stopped by the user")
            << stopped << false
            << "Stopped after 2.0 s: the script did not reach its end. OpenSees reported 3 warnings (marked in the output).";
        SolverOutcome crashed = ran;
        crashed.crashed = true;
        QTest::newRow("crashed") << crashed << false << "OpenSees crashed after 2.0 s: the script did not reach its end.";
        SolverOutcome status = clean;
        status.exitCode = 3;
        QTest::newRow("a failing exit status")
            << status << false << "OpenSees ended with exit status 3 after 2.0 s: the script reached its end.";
        SolverOutcome notStarted;
        notStarted.startFailure = "execve: Exec format error";
        QTest::newRow("not started") << notStarted << false
                                     << "OpenSees could not be started: execve: Exec format error";
    }

    void verdict()
    {
        QFETCH(SolverOutcome, outcome);
        QFETCH(bool, clean);
        QFETCH(QString, text);
        QCOMPARE(FinishedCleanly(outcome), clean);
        QCOMPARE(SolverVerdict(outcome), text);
    }

    // Lines come whole from both channels, however the solver cuts its writes;
    // CR LF ends are dropped, a last line without an end still counts, and the
    // marker line says the end was reached without being shown.
    void solverRunDeliversWholeLines()
    {
        QTemporaryDir dir;
        const QString solver = dir.filePath("fake-solver");
        QFile program(solver);
        QVERIFY(program.open(QIODevice::WriteOnly));
        program.write("#!/bin/sh\n"
                      "printf 'par' >&2; sleep 0.2; printf 'tial\\r\\nWARNING two\\n' >&2\n"
                      "printf 'on stdout\\n'\n"
                      "printf '%s\\n' \"$(tail -n 1 \"$1\")\" | sed 's/^puts \"//; s/\"$//' >&2\n"
                      "printf 'no end' >&2\n");
        program.close();
        program.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile script(dir.filePath("s.tcl"));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("puts \"x\"\n");
        script.close();

        SolverRun run(solver, {}, script.fileName());
        QStringList lines;
        QList<SolverLineKind> kinds;
        connect(&run, &SolverRun::LineReceived, this, [&](const QString& line, SolverLineKind kind) {
            lines << line;
            kinds << kind;
        });
        bool finished = false;
        connect(&run, &SolverRun::Finished, this, [&] { finished = true; });
        run.Start();
        QVERIFY(QTest::qWaitFor([&] { return finished; }, 20000));
        lines.sort(); // the two channels interleave freely
        QCOMPARE(lines, QStringList({"WARNING two", "no end", "on stdout", "partial"}));
        QCOMPARE(kinds.count(SolverLineKind::Warning), 1);
        const SolverOutcome& outcome = run.Outcome();
        QVERIFY(outcome.started);
        QVERIFY(outcome.reachedEnd);
        QCOMPARE(outcome.warnings, 1);
        QCOMPARE(outcome.errors, 0);
        QVERIFY(outcome.seconds >= 0.2);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2); // the copy is gone
    }

    void elapsedText()
    {
        QCOMPARE(ElapsedText(0), QString("0.0 s"));
        QCOMPARE(ElapsedText(12.34), QString("12.3 s"));
        QCOMPARE(ElapsedText(59.96), QString("60.0 s"));
    }
};

QTEST_GUILESS_MAIN(SolverSearchTest)
#include "SolverSearchTest.moc"
