#pragma once

#include "gui/solver/SolverLocator.h"
#include "gui/solver/SolverOutput.h"

#include <QWidget>

#include <functional>
#include <utility>
#include <vector>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace mirelo {

class CommandHost;
class SolverRun;

// Loads the last step's results from the folder the solver wrote them into.
using LoadLastStepHook = std::function<void(const QString& folder)>;

// The window of one solver run: the script and the solver, the output as it
// comes (warnings and error lines marked), the elapsed time, a Stop button,
// and at the end how the run ended and the offer to load the last step.
// Closing the window stops a solver that still runs.
class SolverWindow : public QWidget {
    Q_OBJECT

public:
    // Without a hook the load button is not shown.
    SolverWindow(const SolverLocation& solver, const QString& script, LoadLastStepHook loadLastStep,
                 CommandHost& host, QWidget* parent = nullptr);
    ~SolverWindow() override;

    // Starts the solver; raises an Error when the run cannot be prepared.
    void Start();
    const SolverRun& Run() const { return *run_; }

    // The background that marks a line of the given kind (none for plain lines).
    static QColor MarkColour(SolverLineKind kind);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void AppendLine(const QString& line, SolverLineKind kind);
    void ShowPendingLines();
    void Tick();
    void RunFinished();
    void LoadLastStep();

    CommandHost& host_;
    LoadLastStepHook loadLastStep_;
    SolverRun* run_;
    QPlainTextEdit* output_;
    QLabel* elapsed_;
    QLabel* verdict_;
    QPushButton* stop_;
    QPushButton* load_;
    QTimer* ticker_;
    std::vector<std::pair<QString, SolverLineKind>> pending_; // lines not shown yet
};

} // namespace mirelo
