#pragma once

#include "gui/common/SettingBoxes.h"
#include "gui/common/UnitLabels.h"
#include "model/Model.h"

#include <QDialog>

#include <array>
#include <map>

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QListWidget;

namespace mirelo {

class CommandHost;
struct Session;

// "Material Database" (TForm3): each material's name, its E and Poisson's
// ratio (editable) with the shear modulus that follows, and its type with the
// parameters of a nonlinear type ("Elastoplastic Material"); OK stores them
// all or none. The boxes show the model's units.
class MaterialDialog : public QDialog {
    Q_OBJECT

public:
    MaterialDialog(Session& session, CommandHost& host, QWidget* parent = nullptr);

    void FormShow();
    void MaterialChosen();
    void TypeChosen();    // shows the chosen type's parameter boxes
    void AcceptClicked(); // "OK": stores E, ν, the type and its parameters, all or none
    void CloseClicked();  // "Close"

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::int32_t Selected() const;
    std::int32_t ChosenType() const;
    void ShowShearModulus(); // G of the E and ν in the boxes, blank while they are not sound

    Session& session_;
    CommandHost& host_;
    Material staged_; // what OK checks before it replaces the material
    QListWidget* list_ = nullptr;    // ListBox1
    QLineEdit* name_ = nullptr;      // Edit1
    QComboBox* type_ = nullptr;      // ComboBox1
    QLineEdit* modulus_ = nullptr;   // Edit9
    QLineEdit* shear_ = nullptr;     // Edit2
    QLineEdit* poisson_ = nullptr;   // Edit3
    QFormLayout* lawRows_ = nullptr; // in GroupBox2, a row per parameter of every type
    QLabel* elasticHint_ = nullptr;
    std::map<std::string_view, QLineEdit*> lawEdits_; // by parameter name, which is also the box's object name
    UnitLabels units_;
    SettingBoxes elasticBoxes_;                       // E and ν
    SettingBoxes allLawBoxes_;                        // shows every parameter
    std::array<SettingBoxes, 6> typeLawBoxes_;        // reads the parameters of type 1..5
};

} // namespace mirelo
