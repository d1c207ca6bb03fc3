#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

namespace mirelo {

class CommandHost;
class FileChooser;

// "Solver": where OpenSees is, remembered between runs. An empty path leaves the
// search to MIRELO_OPENSEES, the program's folder and PATH; the dialog shows
// which solver the search finds with what the box holds.
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
    QLabel* found_;
};

} // namespace mirelo
