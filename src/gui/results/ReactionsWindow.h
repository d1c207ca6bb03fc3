#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QTableWidget;

namespace mirelo {

class CommandHost;
class FileChooser;
class ResultStepBar;
class RunFolderRow;
class StatusLine;
struct Session;

// "Reactions" (Post > Reactions), non-modal: lists the support reactions of
// the step the results show (the last when none), from the run folder all
// result windows share (joint, FX FY FZ MX MY MZ, a totals row), with the
// equilibrium check of their totals against the load the step applies;
// another step on the step bar brings its reactions. "Show in Drawing" draws
// them as arrows at the supports. Failures are said in the window.
class ReactionsWindow : public QDialog {
    Q_OBJECT

public:
    ReactionsWindow(Session& session, CommandHost& host, FileChooser& files, ResultStepBar& steps,
                    QWidget* parent = nullptr);

    // Shows the step the results show (the last when none) and lists its
    // reactions; returns whether it read them.
    bool LoadReactions();
    // After a step was shown: the reactions of that step, read when the
    // drawing did not need them, listed while the window is open.
    void StepShown();

private:
    void ShowTable();

    Session& session_;
    CommandHost& host_;
    ResultStepBar& steps_;
    RunFolderRow* folder_;
    QTableWidget* table_;
    QLabel* equilibrium_;
    QCheckBox* drawn_;
    StatusLine* status_;
};

} // namespace mirelo
