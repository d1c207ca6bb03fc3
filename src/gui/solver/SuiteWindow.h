#pragma once

#include "parallel/SuitePreparation.h"
#include "parallel/SuiteSummary.h"

#include <QDialog>

#include <functional>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QProcess;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QTimer;

namespace mirelo {

class CommandHost;
struct Session;

// Loads the results of one run's folder into the result windows.
using LoadRunHook = std::function<void(const QString& folder)>;
// Shows the incremental dynamic analysis of a suite in the Curves window.
using ShowIdaHook = std::function<void(const std::vector<IdaLine>& lines)>;

// "Run Suite": the session's model under every record of a motions folder at
// every scale, on OpenSeesMP (or sequential OpenSees processes) through the
// same core as `mirelo-cli suite`. A live table of the runs (waiting, running
// with its step, converged, failed), Stop, the summary at the end, the IDA
// plot; a double click on a run loads it.
class SuiteWindow : public QDialog {
    Q_OBJECT

public:
    SuiteWindow(Session& session, CommandHost& host, LoadRunHook loadRun, ShowIdaHook showIda,
                QWidget* parent = nullptr);
    ~SuiteWindow() override;

    // Prepares the suite and starts its processes; raises Error when the
    // suite cannot be prepared or no solver is found.
    void Start();
    void Stop();
    bool Running() const;
    // Reads every run's status into the table (the timer calls it).
    void Refresh();
    void ShowIda();
    QTableWidget* Table() const { return table_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void ShowHeaders();
    void ProcessEnded();
    void LoadRow(int row);

    Session& session_;
    CommandHost& host_;
    LoadRunHook loadRun_;
    ShowIdaHook showIda_;
    PreparedSuite suite_;
    std::vector<QProcess*> processes_;
    QLineEdit* motions_;
    QLineEdit* scales_;
    QLineEdit* folder_;
    QLineEdit* hostfile_;
    QSpinBox* processCount_;
    QSpinBox* timeLimit_;
    QCheckBox* resume_;
    QPushButton* start_;
    QPushButton* stop_;
    QPushButton* ida_;
    QTableWidget* table_;
    QLabel* status_;
    QTimer* timer_;
};

} // namespace mirelo
