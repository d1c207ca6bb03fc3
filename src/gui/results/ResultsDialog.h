#pragma once

#include <QDialog>

#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace mirelo {

class CommandHost;
class FileChooser;
class ResultStepBar;
struct Session;

// "Deformation Shape" (TForm10): the run folder the results come from
// (chosen once: the last run's unless "Folder..." picks another), the load
// step or mode to show with everything shown (through the step bar, which
// then steps and plays them), the section quantity of the section marks, the
// periods of a modal analysis and the colour legend. OK takes the scale and
// the colour range (all three boxes or none) and redraws.
class ResultsDialog : public QDialog {
    Q_OBJECT

public:
    ResultsDialog(Session& session, CommandHost& host, FileChooser& chooser, ResultStepBar& steps,
                  QWidget* parent = nullptr);

    void ChooseFolderClicked();            // "Folder..."
    void LoadNodeDeformationsClicked();    // "Load Node Deform Data": the step of everything shown
    void LoadSectionDeformationsClicked(); // "Load Sec Deform Data": the section marks at that step
    void LoadModeShapeClicked();           // "Load Model Shape"
    void AcceptClicked();                  // "OK"
    void CancelClicked();                  // "Cancel"

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ShowLoaded();
    void ShowPeriods(const std::string& folder);
    void SyncBoxes();
    void QuantityChosen(int index);
    void ShowRangeUnit();

    Session& session_;
    CommandHost& host_;
    FileChooser& chooser_;
    ResultStepBar& steps_;
    QLabel* folder_;
    QLineEdit* stepBox_;       // Edit2
    QLineEdit* scaleBox_;      // Edit1
    QLineEdit* modeBox_;       // Edit5
    QComboBox* quantityBox_;   // ComboBox1
    QLineEdit* maxBox_;        // Edit3
    QLineEdit* minBox_;        // Edit4
    QLabel* maxUnit_;          // the range's unit, which follows the quantity
    QLabel* minUnit_;
    QLabel* legend_;           // Image1
    QListWidget* periods_;
    QLabel* loaded_;
    // The view's scale and range as this dialog last showed or took them: a
    // showing refreshes a box only when another command changed its value.
    double knownScale_, knownMax_, knownMin_;
};

} // namespace mirelo
