#include "gui/solver/SolverRun.h"

#include "common/Errors.h"
#include "parallel/ParallelScript.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QTimer>

namespace mirelo {

const char* const kEndOfScriptMarker = "MIRELO-END-OF-SCRIPT";

namespace {

// How long a solver asked to stop may take before it is ended for good.
constexpr int kStopGraceMs = 2000;

bool IsClosingExit(const QByteArray& line)
{
    static const QRegularExpression exitCommand(R"(^\s*exit(\s+\S+)?\s*;?\s*$)");
    return exitCommand.match(QString::fromLatin1(line)).hasMatch();
}

bool IsBlankOrComment(const QByteArray& line)
{
    const QByteArray trimmed = line.trimmed();
    return trimmed.isEmpty() || trimmed.startsWith('#');
}

} // namespace

QByteArray WithEndMarker(const QByteArray& script)
{
    const QByteArray end = script.contains("\r\n") ? "\r\n" : "\n";
    const QByteArray marker = QByteArray("puts \"") + kEndOfScriptMarker + "\"" + end;
    QByteArray text = script;
    if (!text.isEmpty() && !text.endsWith('\n') && !text.endsWith('\r'))
        text += end;
    // The last command: skip blank lines and comments from the end.
    qsizetype lineEnd = text.size();
    while (lineEnd > 0) {
        const qsizetype lineStart = lineEnd < 2 ? 0 : text.lastIndexOf('\n', lineEnd - 2) + 1;
        const QByteArray line = text.mid(lineStart, lineEnd - lineStart);
        if (!IsBlankOrComment(line)) {
            if (IsClosingExit(line))
                return text.left(lineStart) + marker + text.mid(lineStart);
            break;
        }
        lineEnd = lineStart;
    }
    return text + marker;
}

SolverRun::SolverRun(QString program, QStringList leading, QString script, QObject* parent)
    : QObject(parent), program_(std::move(program)), leading_(std::move(leading)), script_(QFileInfo(script).absoluteFilePath())
{
    connect(&process_, &QProcess::readyReadStandardOutput, this,
            [this] { Read(QProcess::StandardOutput, pendingOut_, false); });
    connect(&process_, &QProcess::readyReadStandardError, this,
            [this] { Read(QProcess::StandardError, pendingErr_, false); });
    connect(&process_, &QProcess::finished, this, [this](int exitCode, QProcess::ExitStatus status) {
        outcome_.exitCode = exitCode;
        outcome_.crashed = status == QProcess::CrashExit && !outcome_.stoppedByUser;
        End();
    });
    connect(&process_, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return;
        outcome_.startFailure = process_.errorString();
        End();
    });
}

SolverRun::~SolverRun()
{
    if (process_.state() != QProcess::NotRunning) {
        process_.disconnect(this);
        process_.kill();
        process_.waitForFinished(kStopGraceMs);
    }
}

void SolverRun::Start()
{
    QFile original(script_);
    if (!original.open(QIODevice::ReadOnly))
        throw FileError::CannotOpen(script_.toStdString(), original.errorString().toStdString());
    const QByteArray text = WithEndMarker(original.readAll());
    if (!leading_.isEmpty() && !UsesParallelSolver(std::string_view(text.constData(), text.size())))
        throw Error(tr("\"%1\" is not written for the parallel solver (it has no \"system Mumps\"): "
                       "generate it again while Gen_tcl > Solver Setting asks for several processes, "
                       "or set 1 process there.")
                        .arg(QFileInfo(script_).fileName())
                        .toStdString());
    const QString folder = QFileInfo(script_).absolutePath();
    copy_ = std::make_unique<QTemporaryFile>(QDir(folder).filePath(".mirelo-run-XXXXXX.tcl"));
    if (!copy_->open() || copy_->write(text) != text.size() || !copy_->flush())
        throw Error(tr("Cannot write in the script's folder \"%1\" (%2): OpenSees writes its results there.")
                        .arg(QDir::toNativeSeparators(folder), copy_->errorString())
                        .toStdString());
    copy_->close();

    outcome_ = SolverOutcome();
    outcome_.started = true;
    clock_.start();
    process_.setWorkingDirectory(folder);
    // A run reads nothing but its script; mpiexec would otherwise forward an
    // open input that never ends to the first process.
    process_.setStandardInputFile(QProcess::nullDevice());
    process_.start(program_, QStringList(leading_) << copy_->fileName());
}

void SolverRun::Stop()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    outcome_.stoppedByUser = true;
    process_.terminate();
    QTimer::singleShot(kStopGraceMs, &process_, [this] {
        if (process_.state() != QProcess::NotRunning)
            process_.kill();
    });
}

bool SolverRun::IsRunning() const
{
    return !ended_ && process_.state() != QProcess::NotRunning;
}

double SolverRun::ElapsedSeconds() const
{
    if (!clock_.isValid())
        return 0;
    return ended_ ? outcome_.seconds : static_cast<double>(clock_.elapsed()) / 1000.0;
}

// Hands over every complete line; at the end, what is left as well.
void SolverRun::Read(QProcess::ProcessChannel channel, QByteArray& pending, bool flush)
{
    process_.setReadChannel(channel);
    pending += process_.readAll();
    qsizetype start = 0;
    for (qsizetype newline = pending.indexOf('\n'); newline >= 0; newline = pending.indexOf('\n', start)) {
        Deliver(pending.mid(start, newline - start));
        start = newline + 1;
    }
    pending.remove(0, start);
    if (flush && !pending.isEmpty()) {
        Deliver(pending);
        pending.clear();
    }
}

// The marker line only notes that the end was reached. The copy's name in a
// message stands for the script the user chose.
void SolverRun::Deliver(QByteArray line)
{
    if (line.endsWith('\r'))
        line.chop(1);
    QString text = QString::fromLocal8Bit(line);
    if (text.trimmed() == kEndOfScriptMarker) {
        outcome_.reachedEnd = true;
        return;
    }
    if (copy_) {
        text.replace(copy_->fileName(), script_);
        text.replace(QFileInfo(copy_->fileName()).fileName(), QFileInfo(script_).fileName());
    }
    const SolverLineKind kind = ClassifySolverLine(text);
    if (kind == SolverLineKind::Warning)
        ++outcome_.warnings;
    else if (kind == SolverLineKind::Error)
        ++outcome_.errors;
    emit LineReceived(text, kind);
}

void SolverRun::End()
{
    if (ended_)
        return;
    Read(QProcess::StandardOutput, pendingOut_, true);
    Read(QProcess::StandardError, pendingErr_, true);
    outcome_.seconds = clock_.isValid() ? static_cast<double>(clock_.elapsed()) / 1000.0 : 0;
    if (!outcome_.startFailure.isEmpty())
        outcome_.started = false;
    ended_ = true;
    copy_.reset(); // removes the copy
    emit Finished();
}

} // namespace mirelo
