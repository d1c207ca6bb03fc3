#pragma once

#include <QString>

namespace mirelo {

// How a line of the solver's output is marked. OpenSees writes its failures as
// lines that hold "WARNING", or "failed", "error" or "while executing"; its
// exit status says nothing (it is 0 even when the script stops).
enum class SolverLineKind { Plain, Warning, Error };

SolverLineKind ClassifySolverLine(const QString& line);

// What one run came to.
struct SolverOutcome {
    bool started = false;       // the solver program could be started
    QString startFailure;       // why not, when it could not
    bool stoppedByUser = false;
    bool crashed = false;       // ended by a signal it did not ask for
    int exitCode = 0;
    bool reachedEnd = false;    // the script's last command ran
    int warnings = 0;           // lines marked as warnings
    int errors = 0;             // lines marked as errors
    double seconds = 0;         // how long it ran
};

// The run finished its script without a warning or an error.
bool FinishedCleanly(const SolverOutcome& outcome);

// One or two sentences for the user about how the run ended.
QString SolverVerdict(const SolverOutcome& outcome);

// "12.3 s": the elapsed time as the solver window shows it.
QString ElapsedText(double seconds);

} // namespace mirelo
