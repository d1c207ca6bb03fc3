#pragma once

#include "gui/common/SettingBoxes.h"
#include "gui/common/UnitLabels.h"
#include "model/Model.h"

#include <QDialog>
#include <QImage>

#include <array>
#include <map>
#include <string_view>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

namespace mirelo {

class ColourChooser;
class ColourShape;
class CommandHost;
struct Session;

// "Frame Section (Nonlinear)" (TForm2): the list of frame sections; for the
// selected one its read-only shape, dimensions, name and material, and what
// the user sets: element kind, transformation, beam or column use, fibre
// mesh, bars and colour, with a picture of the mesh as edited. An edit stays
// when another section is picked and shows again on coming back. "OK" checks
// every edited section (its boxes, then the section as a whole) and only then
// stores them all; a bad one is shown with its box named and focused, and
// nothing is stored. "Close" (or closing the window) stores none. The fibres
// follow at the next "Generate".
class FrameSectionDialog : public QDialog {
    Q_OBJECT

public:
    FrameSectionDialog(Session& session, CommandHost& host, ColourChooser& colours, QWidget* parent = nullptr);

    void FormShow();
    void SectionChosen();
    void ColourShapeClicked(); // the colour dialog
    void AcceptClicked(); // "OK"
    void CloseClicked(); // "Close": drops the edits, closes and redraws the model

    const QImage& Picture() const { return picture_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    // An edit of one section not stored yet: the section with the lists and
    // colour as picked, and the text of every box the user typed into.
    struct PendingEdit {
        FrameSection section;
        SettingBoxes::Typed typed;
    };

    // The selected section's record number, 0 when none.
    std::int32_t Selected() const;
    // Keeps what the boxes hold for the shown section, or forgets it when it
    // is the stored section unchanged.
    void KeepEdit();
    void MarkEdited();
    // Shows section k: its kept edit, else the stored record.
    void ShowSection(std::int32_t k);
    // Selects section k in the list and shows it, keeping no edit on the way.
    void Reveal(std::int32_t k);
    // The shown section as the lists, colour and boxes give it, into staged_;
    // the boxes that do not convert are passed over unless `strict`, when
    // the first bad one raises Error.
    void Stage(bool strict);
    // The shown section as OK stores it: every box converted and the section
    // checked; a refused field's box gets the focus.
    FrameSection Checked();
    void RefreshPicture();
    void ShowPicture(const FrameSection& section);
    void ClearBoxes();

    Session& session_;
    CommandHost& host_;
    ColourChooser& colours_;
    FrameSection staged_; // the section as OK will store it
    UnitLabels units_;
    SettingBoxes boxes_;  // mesh, bars and cover
    std::map<std::int32_t, PendingEdit> pending_; // by record number
    std::int32_t shown_ = 0;                      // the record the boxes show, 0 for none
    std::map<std::string_view, QWidget*> fieldControls_; // the control of each field a check may refuse
    QListWidget* list_ = nullptr;       // ListBox1
    QLabel* image_ = nullptr;           // Image1
    QImage picture_;
    ColourShape* colour_ = nullptr;     // Shape1
    QComboBox* kind_ = nullptr;         // ComboBox6
    QComboBox* name_ = nullptr;         // ComboBox1
    QComboBox* shape_ = nullptr;        // ComboBox2
    QComboBox* material_ = nullptr;     // ComboBox4
    QComboBox* transformation_ = nullptr; // ComboBox5
    QComboBox* use_ = nullptr;          // ComboBox3
    std::array<QLineEdit*, 6> dims_{};  // Edit6, Edit2, Edit3, Edit4, Edit5, Edit11
};

} // namespace mirelo
