#include "gui/solver/SolverOutput.h"

#include "common/NumberText.h"

#include <QRegularExpression>

namespace mirelo {

SolverLineKind ClassifySolverLine(const QString& line)
{
    static const QRegularExpression error(R"(\b(failed|errors?|while executing)\b)",
                                          QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression warning(R"(\bwarning\b)", QRegularExpression::CaseInsensitiveOption);
    if (error.match(line).hasMatch())
        return SolverLineKind::Error;
    if (warning.match(line).hasMatch())
        return SolverLineKind::Warning;
    return SolverLineKind::Plain;
}

bool FinishedCleanly(const SolverOutcome& outcome)
{
    return outcome.started && !outcome.stoppedByUser && !outcome.crashed && outcome.exitCode == 0
           && outcome.reachedEnd && outcome.warnings == 0 && outcome.errors == 0;
}

namespace {

QString Count(int n, const char* one, const char* many)
{
    return QString("%1 %2").arg(n).arg(n == 1 ? one : many);
}

// ", with 2 warnings and 1 error (marked in the output)" or nothing.
QString Reports(const SolverOutcome& outcome)
{
    QStringList parts;
    if (outcome.warnings > 0)
        parts << Count(outcome.warnings, "warning", "warnings");
    if (outcome.errors > 0)
        parts << Count(outcome.errors, "error line", "error lines");
    if (parts.isEmpty())
        return {};
    return " OpenSees reported " + parts.join(" and ") + " (marked in the output).";
}

} // namespace

QString SolverVerdict(const SolverOutcome& outcome)
{
    if (!outcome.started)
        return "OpenSees could not be started: " + outcome.startFailure;
    const QString after = " after " + ElapsedText(outcome.seconds);
    if (outcome.stoppedByUser)
        return "Stopped" + after + ": the script did not reach its end." + Reports(outcome);
    if (outcome.crashed)
        return "OpenSees crashed" + after + ": the script did not reach its end." + Reports(outcome);
    if (outcome.exitCode != 0)
        return QString("OpenSees ended with exit status %1%2: the script %3.")
                   .arg(outcome.exitCode)
                   .arg(after, outcome.reachedEnd ? "reached its end" : "did not reach its end")
            + Reports(outcome);
    if (FinishedCleanly(outcome))
        return "Finished cleanly" + after + ": the script ran to its end.";
    if (outcome.reachedEnd)
        return "The script ran to its end" + after + ", but not cleanly." + Reports(outcome);
    if (outcome.warnings + outcome.errors == 0)
        return "OpenSees stopped" + after + " before the end of the script, without a message.";
    return "OpenSees stopped" + after + " before the end of the script." + Reports(outcome);
}

QString ElapsedText(double seconds)
{
    return QString::fromStdString(FormatFixed(seconds, 1)) + " s";
}

} // namespace mirelo
