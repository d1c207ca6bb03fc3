#pragma once

#include "app/SettingBoxes.h"
#include "model/Model.h"

#include <QDialog>
#include <QImage>

#include <array>

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
// mesh, bars and colour, with a picture of the mesh. "OK" checks every box
// and then stores all of them into the section and redraws the picture; the
// fibres follow at the next "Generate".
class FrameSectionDialog : public QDialog {
    Q_OBJECT

public:
    FrameSectionDialog(Session& session, CommandHost& host, ColourChooser& colours, QWidget* parent = nullptr);

    void FormShow();
    void ListBox1Click();
    void Shape1MouseDown(); // the colour dialog
    void Button2Click();    // "OK"
    void Button1Click();    // "Close": closes and redraws the model

    const QImage& Picture() const { return picture_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The selected section's record number, 0 when none.
    std::int32_t Selected() const;
    void ShowPicture(const FrameSection& section);
    void ClearBoxes();

    Session& session_;
    CommandHost& host_;
    ColourChooser& colours_;
    FrameSection staged_; // the section as OK will store it
    SettingBoxes boxes_;  // mesh, bars and cover
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
