#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QTableWidget;

namespace mirelo {

class CommandHost;
class FileChooser;
class RunFolderRow;
struct Session;

// "Reactions" (Post > Reactions), non-modal: reads the support reactions of
// the step the results show (the last when none) from a run's folder and
// lists them (joint, FX FY FZ MX MY MZ, a totals row), with the equilibrium
// check of their totals against the load the step applies; "Show in Drawing"
// draws them as arrows at the supports. Failures are said in the window.
class ReactionsWindow : public QDialog {
    Q_OBJECT

public:
    ReactionsWindow(Session& session, CommandHost& host, FileChooser& files, QWidget* parent = nullptr);

    void SetFolder(const QString& folder);
    // Reads and lists the reactions; returns whether it read them.
    bool LoadReactions();

private:
    void ShowTable();
    void Say(const QString& text, bool failure);

    Session& session_;
    CommandHost& host_;
    RunFolderRow* folder_;
    QTableWidget* table_;
    QLabel* equilibrium_;
    QCheckBox* drawn_;
    QLabel* status_;
};

} // namespace mirelo
