#pragma once

#include "gui/solver/SolverOutput.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <memory>

class QTemporaryFile;

namespace mirelo {

// The line a run appends to its copy of the script: the solver prints it only
// when the script's last command has run.
extern const char* const kEndOfScriptMarker;

// The script with the marker as its last command (before a closing "exit", which
// would end the run first), in the script's own line ends.
QByteArray WithEndMarker(const QByteArray& script);

// One run of the solver on one script. The solver runs a copy of the script
// with the end marker, written beside it so that the file names in the script
// still point into the script's folder, which is the working directory.
// Output lines of both channels arrive as they are written; the copy is removed
// when the run ends. Destroying a running run stops the solver.
class SolverRun : public QObject {
    Q_OBJECT

public:
    // `leading` goes before the script on the command line (mpiexec's options
    // and the parallel interpreter).
    SolverRun(QString program, QStringList leading, QString script, QObject* parent = nullptr);
    ~SolverRun() override;

    // Starts the solver; a failure to start ends the run at once (Finished).
    // Raises an Error when the script cannot be read or its folder not written.
    void Start();
    // Asks the solver to end, and ends it for good when it does not.
    void Stop();

    bool IsRunning() const;
    double ElapsedSeconds() const;
    const SolverOutcome& Outcome() const { return outcome_; }
    const QString& ScriptPath() const { return script_; }
    const QString& Program() const { return program_; }
    qint64 ProcessId() const { return process_.processId(); }

signals:
    void LineReceived(const QString& line, mirelo::SolverLineKind kind);
    void Finished();

private:
    void Read(QProcess::ProcessChannel channel, QByteArray& pending, bool flush);
    void Deliver(QByteArray line);
    void End();

    QString program_;
    QStringList leading_;
    QString script_;
    std::unique_ptr<QTemporaryFile> copy_;
    QProcess process_;
    QElapsedTimer clock_;
    QByteArray pendingOut_;
    QByteArray pendingErr_;
    SolverOutcome outcome_;
    bool ended_ = false;
};

} // namespace mirelo
