#include "gui/solver/SolverOutput.h"

#include "common/NumberText.h"

#include <QCoreApplication>
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

// ", with 2 warnings and 1 error (marked in the output)" or nothing.
QString Reports(const SolverOutcome& outcome)
{
    QStringList parts;
    if (outcome.warnings > 0)
        parts << (outcome.warnings == 1 ? QCoreApplication::translate("mirelo::SolverOutput", "%1 warning")
                                        : QCoreApplication::translate("mirelo::SolverOutput", "%1 warnings"))
                     .arg(outcome.warnings);
    if (outcome.errors > 0)
        parts << (outcome.errors == 1 ? QCoreApplication::translate("mirelo::SolverOutput", "%1 error line")
                                      : QCoreApplication::translate("mirelo::SolverOutput", "%1 error lines"))
                     .arg(outcome.errors);
    if (parts.isEmpty())
        return {};
    return QCoreApplication::translate("mirelo::SolverOutput", " OpenSees reported %1 (marked in the output).")
        .arg(parts.join(QCoreApplication::translate("mirelo::SolverOutput", " and ")));
}

} // namespace

QString SolverVerdict(const SolverOutcome& outcome)
{
    if (!outcome.started)
        return QCoreApplication::translate("mirelo::SolverOutput", "OpenSees could not be started: %1")
            .arg(outcome.startFailure);
    const QString elapsed = ElapsedText(outcome.seconds);
    // The sentences are marked for translation where they stand and translated here.
    const auto say = [&elapsed](const char* sentence) {
        return QCoreApplication::translate("mirelo::SolverOutput", sentence).arg(elapsed);
    };
    if (outcome.stoppedByUser)
        return say(QT_TRANSLATE_NOOP("mirelo::SolverOutput", "Stopped after %1: the script did not reach its end."))
            + Reports(outcome);
    if (outcome.crashed)
        return say(QT_TRANSLATE_NOOP("mirelo::SolverOutput",
                                     "OpenSees crashed after %1: the script did not reach its end."))
            + Reports(outcome);
    if (outcome.exitCode != 0)
        return (outcome.reachedEnd
                    ? QCoreApplication::translate("mirelo::SolverOutput",
                                                  "OpenSees ended with exit status %1 after %2: the script reached its end.")
                    : QCoreApplication::translate(
                          "mirelo::SolverOutput",
                          "OpenSees ended with exit status %1 after %2: the script did not reach its end."))
                   .arg(outcome.exitCode)
                   .arg(elapsed)
            + Reports(outcome);
    if (FinishedCleanly(outcome))
        return say(QT_TRANSLATE_NOOP("mirelo::SolverOutput", "Finished cleanly after %1: the script ran to its end."));
    if (outcome.reachedEnd)
        return say(QT_TRANSLATE_NOOP("mirelo::SolverOutput", "The script ran to its end after %1, but not cleanly."))
            + Reports(outcome);
    if (outcome.warnings + outcome.errors == 0)
        return say(QT_TRANSLATE_NOOP("mirelo::SolverOutput",
                                     "OpenSees stopped after %1 before the end of the script, without a message."));
    return say(QT_TRANSLATE_NOOP("mirelo::SolverOutput", "OpenSees stopped after %1 before the end of the script."))
        + Reports(outcome);
}

QString ElapsedText(double seconds)
{
    return QString::fromStdString(FormatFixed(seconds, 1)) + " s";
}

} // namespace mirelo
