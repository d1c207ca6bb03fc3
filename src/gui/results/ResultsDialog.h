#pragma once

#include <QDialog>
#include <QTimer>

#include <cstdint>
#include <optional>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace mirelo {

class CommandHost;
class FileChooser;
struct Session;

// "Deformation Shape" (TForm10): loads node displacements, a mode shape or
// section deformations from the recorder files of a folder (picked through any
// file in it), shows the periods of a modal analysis and the colour legend,
// and plays load steps or swings a mode shape. OK takes the scale and the
// colour range (all three boxes or none) and redraws.
class ResultsDialog : public QDialog {
    Q_OBJECT

public:
    ResultsDialog(Session& session, CommandHost& host, FileChooser& chooser, QWidget* parent = nullptr);

    void LoadNodeDeformationsClicked(); // "Load Node Deform Data"
    void LoadSectionDeformationsClicked(); // "Load Sec Deform Data"
    void LoadModeShapeClicked(); // "Load Model Shape"
    void AcceptClicked(); // "OK"
    void CancelClicked(); // "Cancel"
    void AnimateClick(bool on);

    bool animating() const { return timer_.isActive(); }
    // One frame of the running animation (the timer calls it).
    void AnimationFrame();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    std::optional<std::string> ChooseFolder();
    void ShowLoaded();
    void ShowPeriods(const std::string& folder);
    void StopAnimation();
    void SyncBoxes();

    Session& session_;
    CommandHost& host_;
    FileChooser& chooser_;
    QLineEdit* stepBox_;       // Edit2
    QLineEdit* scaleBox_;      // Edit1
    QLineEdit* modeBox_;       // Edit5
    QComboBox* quantityBox_;   // ComboBox1
    QLineEdit* maxBox_;        // Edit3
    QLineEdit* minBox_;        // Edit4
    QLabel* legend_;           // Image1
    QListWidget* periods_;
    QLabel* loaded_;
    QPushButton* animate_;
    QTimer timer_;
    std::int64_t frame_ = 0;
    double swingScale_ = 0; // the scale a mode swings about
    // The view's scale and range as this dialog last showed or took them: a
    // showing refreshes a box only when another command changed its value.
    double knownScale_, knownMax_, knownMin_;
};

} // namespace mirelo
