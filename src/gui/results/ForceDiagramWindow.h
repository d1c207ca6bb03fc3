#pragma once

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace mirelo {

class CommandHost;
class FileChooser;
class ResultStepBar;
class RunFolderRow;
class StatusLine;
struct Session;

// "Force Diagram" (Post > Force), non-modal: shows the element forces with
// everything else of the step the results show (the last when none), from
// the run folder all result windows share, and sets what the drawing shows
// of them: the quantity (or none), the scale, "Show Values", and the
// displacement contours (none, |u|, ux, uy, uz). Every change is drawn at
// once; another step on the step bar brings its forces. Failures are said in
// the window; what was shown stays.
class ForceDiagramWindow : public QDialog {
    Q_OBJECT

public:
    ForceDiagramWindow(Session& session, CommandHost& host, FileChooser& files, ResultStepBar& steps,
                       QWidget* parent = nullptr);

    // Shows the step the results show (the last when none) with its forces; a
    // first load shows the moment My at the suggested scale. Returns whether
    // it read them.
    bool LoadForces();
    // The status and boxes after a step was shown.
    void StepShown();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void QuantityChosen(int index);
    void ScaleEntered();
    void ContourChosen(int index);
    void SyncBoxes();

    Session& session_;
    CommandHost& host_;
    ResultStepBar& steps_;
    RunFolderRow* folder_;
    QComboBox* quantity_;
    QLineEdit* scale_;
    QCheckBox* values_;
    QComboBox* contour_;
    StatusLine* status_;
};

} // namespace mirelo
