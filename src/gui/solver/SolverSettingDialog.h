#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QSpinBox;

namespace mirelo {

class CommandHost;
class FileChooser;

// "Solver": where OpenSees is and how many processes a run uses, remembered
// between runs. An empty path leaves the search to MIRELO_OPENSEES, the
// program's folder and PATH; more than one process runs OpenSeesSP under
// mpiexec. The dialog shows what a run would start with what the boxes hold.
class SolverSettingDialog : public QDialog {
    Q_OBJECT

public:
    SolverSettingDialog(FileChooser& chooser, CommandHost& host, QWidget* parent = nullptr);

    // Fills the box with the remembered path.
    void Reload();
    // Stores the box when it is empty or names a solver; raises an Error otherwise.
    void Store();

private:
    void ShowFound();
    void Browse();

    FileChooser& chooser_;
    CommandHost& host_;
    QLineEdit* path_;
    QSpinBox* processes_;
    QLabel* found_;
};

} // namespace mirelo
