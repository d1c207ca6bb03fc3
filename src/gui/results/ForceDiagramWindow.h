#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace mirelo {

class CommandHost;
class FileChooser;
class RunFolderRow;
struct Session;

// "Force Diagram" (Post > Force), non-modal: reads the element forces of the
// step the results show (the last when none) from a run's folder, and sets
// what the drawing shows of them: the quantity (or none), the scale, "Show
// Values", and the displacement contours (none, |u|, ux, uy, uz). Every
// change is drawn at once. Failures are said in the window; what was shown
// stays.
class ForceDiagramWindow : public QDialog {
    Q_OBJECT

public:
    ForceDiagramWindow(Session& session, CommandHost& host, FileChooser& files, QWidget* parent = nullptr);

    void SetFolder(const QString& folder);
    // Reads the forces of the shown step; a first load shows the moment My
    // at the suggested scale. Returns whether it read them.
    bool LoadForces();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void QuantityChosen(int index);
    void ScaleEntered();
    void ContourChosen(int index);
    void SyncBoxes();
    void Say(const QString& text, bool failure);

    Session& session_;
    CommandHost& host_;
    RunFolderRow* folder_;
    QComboBox* quantity_;
    QLineEdit* scale_;
    QCheckBox* values_;
    QComboBox* contour_;
    QLabel* status_;
};

} // namespace mirelo
