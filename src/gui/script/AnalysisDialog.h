#pragma once

#include "gui/common/SettingBoxes.h"
#include "gui/common/UnitLabels.h"
#include "script/AnalysisSettings.h"

#include <QDialog>

class QCheckBox;
class QComboBox;

namespace mirelo {

class CommandHost;
struct Session;

// "Analysis Setting" (TForm7): the analysis type, the load-control and
// displacement-control numbers, the nonlinear settings, the aggregator and
// the number of modes. "OK" checks every box and stores all of them or none.
class AnalysisDialog : public QDialog {
    Q_OBJECT

public:
    AnalysisDialog(Session& session, CommandHost& host, QWidget* parent = nullptr);

    void FormShow();
    void AcceptClicked(); // "OK"

protected:
    void showEvent(QShowEvent* event) override;

private:
    Session& session_;
    CommandHost& host_;
    AnalysisSettings staged_; // what OK checks before it replaces the session's settings
    UnitLabels units_;
    SettingBoxes boxes_;
    QComboBox* analysisType_ = nullptr; // ComboBox1
    QComboBox* loadCase_ = nullptr;     // ComboBox2
    QComboBox* loadVector_ = nullptr;   // ComboBox3
    QCheckBox* aggregator_ = nullptr;   // CheckBox2
};

// "Recorder Setting" (TForm8): one check box per recorder flag.
class RecorderDialog : public QDialog {
    Q_OBJECT

public:
    RecorderDialog(Session& session, CommandHost& host, QWidget* parent = nullptr);

    void FormShow();
    void AcceptClicked(); // "OK"

protected:
    void showEvent(QShowEvent* event) override;

private:
    Session& session_;
    CommandHost& host_;
    std::vector<QCheckBox*> boxes_; // CheckBox1 .. CheckBox6, in the record's order
};

} // namespace mirelo
