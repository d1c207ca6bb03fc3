#include "gui/sections/FrameSectionDialog.h"

#include "gui/common/ColourChooser.h"
#include "gui/common/CommandHost.h"
#include "gui/common/DisplayText.h"
#include "gui/common/NamedWidget.h"
#include "session/Session.h"
#include "common/NumberText.h"
#include "model/SectionSettings.h"
#include "sections/SectionCheck.h"
#include "view/SectionPreview.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>
#include <vector>

namespace mirelo {

// A filled square that reacts to a mouse press (the section's colour).
class ColourShape : public QFrame {
public:
    ColourShape(QWidget* parent, std::function<void()> pressed) : QFrame(parent), pressed_(std::move(pressed))
    {
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setFixedSize(40, 20);
        setAutoFillBackground(true);
        setCursor(Qt::PointingHandCursor);
    }
    std::int32_t Colour() const { return colour_; }
    void SetColour(std::int32_t colour)
    {
        colour_ = colour;
        QPalette p = palette();
        p.setColor(QPalette::Window, QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF));
        setPalette(p);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::LeftButton)
            pressed_();
    }

private:
    std::function<void()> pressed_;
    std::int32_t colour_ = 0;
};

namespace {

constexpr int kPictureSize = 200;
// The shapes in the order of SectionShape.
const char* const kShapeItems[] = {QT_TRANSLATE_NOOP("mirelo::FrameSectionDialog", "Rectangle"),
                                   QT_TRANSLATE_NOOP("mirelo::FrameSectionDialog", "I-Section"),
                                   QT_TRANSLATE_NOOP("mirelo::FrameSectionDialog", "Box"),
                                   QT_TRANSLATE_NOOP("mirelo::FrameSectionDialog", "Pipe")};

const SettingField<FrameSection>& Field(std::string_view name)
{
    return DeclaredSetting(SectionSettingFields(), name);
}

QComboBox* PickList(QWidget* parent, const char* name, std::span<const std::string_view> items)
{
    auto* list = NamedWidget<QComboBox>(name, parent);
    for (const std::string_view item : items)
        list->addItem(SettingCaption(item));
    return list;
}

// Selects position `value` - 1, or nothing for a value outside the list.
void Select(QComboBox* list, std::int32_t value)
{
    list->setCurrentIndex(value >= 1 && value <= list->count() ? value - 1 : -1);
}

// The choice a list stores: its position + 1; the value kept when nothing is selected.
std::int32_t Chosen(const QComboBox* list, std::int32_t kept)
{
    return list->currentIndex() >= 0 ? list->currentIndex() + 1 : kept;
}

// A row of a group: the caption, then the control.
void AddRow(QGridLayout* grid, const QString& caption, QWidget* control)
{
    auto* label = new QLabel(caption, grid->parentWidget());
    label->setBuddy(control);
    const int row = grid->rowCount();
    grid->addWidget(label, row, 0);
    grid->addWidget(control, row, 1);
}

QGridLayout* Group(QWidget* parent, const char* name, const QString& title)
{
    return new QGridLayout(NamedWidget<QGroupBox>(name, title, parent));
}


} // namespace

FrameSectionDialog::FrameSectionDialog(Session& session, CommandHost& host, ColourChooser& colours, QWidget* parent)
    : QDialog(parent), session_(session), host_(host), colours_(colours),
      picture_(kPictureSize, kPictureSize, QImage::Format_RGB32)
{
    setObjectName("TForm2");
    setWindowTitle(tr("Frame Section (Nonlinear)"));
    const auto run = [this](void (FrameSectionDialog::*handler)()) {
        return [this, handler] { host_.RunCommand([this, handler] { (this->*handler)(); }); };
    };

    list_ = new QListWidget(this);
    list_->setObjectName("ListBox1");
    list_->setFixedWidth(160);
    connect(list_, &QListWidget::currentRowChanged, this, run(&FrameSectionDialog::SectionChosen));

    auto* panel = new QFrame(this);
    panel->setObjectName("Panel1");
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    image_ = new QLabel(panel);
    image_->setObjectName("Image1");
    image_->setFixedSize(kPictureSize, kPictureSize);
    (new QVBoxLayout(panel))->addWidget(image_);
    picture_.fill(Qt::white);
    image_->setPixmap(QPixmap::fromImage(picture_));

    // "Section Properties": colour, type, name, shape, material, dimensions.
    QGridLayout* properties = Group(this, "GroupBox1", tr("Section Properties"));
    QWidget* propertyBox = properties->parentWidget();
    colour_ = new ColourShape(propertyBox, run(&FrameSectionDialog::ColourShapeClicked));
    colour_->setObjectName("Shape1");
    AddRow(properties, tr("Frame Color"), colour_);
    kind_ = PickList(propertyBox, "ComboBox6", Field("elementKind").declaration.choices);
    AddRow(properties, SettingCaption(Field("elementKind").declaration.label), kind_);
    fieldControls_[Field("elementKind").declaration.name] = kind_;
    name_ = PickList(propertyBox, "ComboBox1", {});
    name_->setEditable(true);
    AddRow(properties, tr("Section Name"), name_);
    shape_ = new QComboBox(propertyBox);
    shape_->setObjectName("ComboBox2");
    for (const char* item : kShapeItems)
        shape_->addItem(tr(item));
    AddRow(properties, tr("Section Shape"), shape_);
    material_ = PickList(propertyBox, "ComboBox4", {});
    AddRow(properties, tr("Material"), material_);
    for (QComboBox* shown : {name_, shape_, material_})
        shown->setEnabled(false);
    const char* const dimNames[] = {"Edit6", "Edit2", "Edit3", "Edit4", "Edit5", "Edit11"};
    for (std::size_t d = 0; d < dims_.size(); ++d) {
        dims_[d] = new QLineEdit(propertyBox);
        dims_[d]->setObjectName(dimNames[d]);
        dims_[d]->setReadOnly(true);
        AddRow(properties, tr("Dimention T%1").arg(d + 1), units_.Beside(dims_[d], Quantity::Length));
    }

    // The boxes OK checks, in the order it stores them.
    // Every change of a box or list redraws the picture of the edited section.
    const auto redraw = [this] { host_.RunCommand([this] { RefreshPicture(); }); };
    const auto edit = [this, redraw](QGridLayout* grid, const char* name, std::string_view field) {
        auto* box = NamedWidget<QLineEdit>(name, grid->parentWidget());
        boxes_.Add(box, staged_, Field(field), BoxNumber);
        AddRow(grid, SettingCaption(Field(field).declaration.label), units_.Beside(box, SettingQuantity(field)));
        fieldControls_[Field(field).declaration.name] = box;
        connect(box, &QLineEdit::textEdited, this, redraw);
    };
    const auto pick = [this, redraw](QGridLayout* grid, const char* name, std::string_view field) {
        QComboBox* list = PickList(grid->parentWidget(), name, Field(field).declaration.choices);
        AddRow(grid, SettingCaption(Field(field).declaration.label), list);
        connect(list, &QComboBox::currentIndexChanged, this, redraw);
        return list;
    };
    QGridLayout* nonlinear = Group(this, "GroupBox2", tr("Nonlinear Setting"));
    use_ = pick(nonlinear, "ComboBox3", "sectionUse");
    edit(nonlinear, "Edit1", "divideX");
    edit(nonlinear, "Edit7", "divideY");
    edit(nonlinear, "Edit8", "barNumX");
    edit(nonlinear, "Edit9", "barNumY");
    QGridLayout* rebar = Group(this, "GroupBox3", tr("Rebar Setting"));
    edit(rebar, "Edit12", "barAreaX");
    edit(rebar, "Edit13", "barAreaY");
    edit(nonlinear, "Edit10", "cover");
    QGridLayout* pDelta = Group(this, "GroupBox4", tr("P-Delta"));
    transformation_ = pick(pDelta, "ComboBox5", "geomTransf");
    connect(kind_, &QComboBox::currentIndexChanged, this, redraw);

    // The form's own selections until a section is shown.
    kind_->setCurrentIndex(0);
    use_->setCurrentIndex(0);
    transformation_->setCurrentIndex(0);

    auto* buttons = new QHBoxLayout;
    const auto button = [&](const char* name, const QString& caption) {
        auto* b = NamedWidget<QPushButton>(name, caption, this);
        buttons->addWidget(b);
        return b;
    };
    connect(button("Button2", tr("OK")), &QPushButton::clicked, this, run(&FrameSectionDialog::AcceptClicked));
    connect(button("Button1", tr("Close")), &QPushButton::clicked, this, run(&FrameSectionDialog::CloseClicked));
    // Section libraries are not kept: the two buttons stand without an action.
    for (const auto& [name, caption] : {std::pair{"Button4", tr("Import")}, {"Button3", tr("Export")}}) {
        QPushButton* inert = button(name, caption);
        inert->setEnabled(false);
        inert->setToolTip(tr("Not available"));
    }

    auto* right = new QVBoxLayout;
    for (QGridLayout* group : {nonlinear, rebar, pDelta})
        right->addWidget(group->parentWidget());
    right->addStretch(1);
    auto* middle = new QVBoxLayout;
    middle->addWidget(panel);
    middle->addWidget(propertyBox);
    auto* columns = new QHBoxLayout;
    columns->addWidget(list_);
    columns->addLayout(middle);
    columns->addLayout(right);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(buttons);
}

void FrameSectionDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    host_.RunCommand([this] { FormShow(); });
}

// Edits not stored are dropped: the boxes show the sections as they are.
void FrameSectionDialog::FormShow()
{
    const Model& model = session_.model;
    const QSignalBlocker quiet(list_);
    units_.Show(model.Units);
    pending_.clear();
    shown_ = 0;
    name_->clear();
    list_->clear();
    for (std::int32_t k = 1; k <= model.FrameSections.count; ++k) {
        name_->addItem(DisplayText(model.FrameSections[k].name));
        list_->addItem(DisplayText(model.FrameSections[k].name));
    }
    material_->clear();
    for (std::int32_t m = 1; m <= model.Materials.count; ++m)
        material_->addItem(DisplayText(model.Materials[m].name));
    if (list_->count() == 0) {
        ClearBoxes();
        return;
    }
    list_->setCurrentRow(0);
    SectionChosen();
}

std::int32_t FrameSectionDialog::Selected() const
{
    const std::int32_t k = list_->currentRow() + 1;
    return session_.model.FrameSections.Contains(k) ? k : 0;
}

// With no section there is nothing to show or store: the boxes are emptied
// and the picture is blank.
void FrameSectionDialog::ClearBoxes()
{
    for (QLineEdit* box : findChildren<QLineEdit*>())
        box->clear();
    for (QComboBox* list : {kind_, shape_, material_, transformation_, use_})
        list->setCurrentIndex(-1);
    name_->setEditText({});
    picture_.fill(Qt::white);
    image_->setPixmap(QPixmap::fromImage(picture_));
}

void FrameSectionDialog::SectionChosen()
{
    KeepEdit();
    ShowSection(Selected());
}

void FrameSectionDialog::Stage(bool strict)
{
    const FrameSection& stored = session_.model.FrameSections[shown_];
    staged_ = stored;
    staged_.elementKind = Chosen(kind_, stored.elementKind); // a spring stays one unless a type is picked
    staged_.sectionUse = Chosen(use_, stored.sectionUse);
    staged_.colour = colour_->Colour();
    staged_.geomTransf = Chosen(transformation_, stored.geomTransf);
    if (strict)
        boxes_.Read();
    else
        boxes_.ReadWhatConverts();
}

void FrameSectionDialog::KeepEdit()
{
    if (shown_ == 0)
        return;
    Stage(false);
    PendingEdit edit{staged_, boxes_.TypedTexts()};
    const FrameSection& stored = session_.model.FrameSections[shown_];
    const bool typed = std::any_of(edit.typed.begin(), edit.typed.end(), [](const auto& text) { return text; });
    const bool picked = staged_.elementKind != stored.elementKind || staged_.sectionUse != stored.sectionUse
                     || staged_.colour != stored.colour || staged_.geomTransf != stored.geomTransf;
    if (typed || picked)
        pending_[shown_] = std::move(edit);
    else
        pending_.erase(shown_);
    MarkEdited();
}

// Sections with edits not stored stand in italics in the list.
void FrameSectionDialog::MarkEdited()
{
    for (int row = 0; row < list_->count(); ++row) {
        QFont font = list_->item(row)->font();
        font.setItalic(pending_.contains(row + 1));
        list_->item(row)->setFont(font);
    }
}

void FrameSectionDialog::ShowSection(std::int32_t k)
{
    shown_ = k;
    if (k == 0)
        return;
    const FrameSection& stored = session_.model.FrameSections[k];
    const auto kept = pending_.find(k);
    const FrameSection& s = kept != pending_.end() ? kept->second.section : stored;
    const QSignalBlocker quietKind(kind_), quietUse(use_), quietTransformation(transformation_);
    name_->setEditText(DisplayText(s.name));
    Select(shape_, s.shape);
    Select(use_, s.sectionUse);
    Select(material_, s.material);
    Select(kind_, s.elementKind); // a spring (kind 7) has no item: nothing selected, a hint instead
    kind_->setPlaceholderText(IsSpring(s.elementKind) ? tr("Rotational spring (zeroLength)") : QString());
    for (std::size_t d = 0; d < dims_.size(); ++d)
        dims_[d]->setText(QString::fromStdString(BoxNumber(s.dim[d + 1])));
    staged_ = stored;
    boxes_.Show();
    if (kept != pending_.end())
        boxes_.Retype(kept->second.typed);
    colour_->SetColour(s.colour);
    Select(transformation_, s.geomTransf);
    RefreshPicture();
}

void FrameSectionDialog::Reveal(std::int32_t k)
{
    const QSignalBlocker quiet(list_);
    list_->setCurrentRow(k - 1);
    ShowSection(k);
}

void FrameSectionDialog::RefreshPicture()
{
    if (shown_ == 0)
        return;
    Stage(false);
    ShowPicture(staged_);
}

void FrameSectionDialog::ShowPicture(const FrameSection& section)
{
    try {
        DrawSectionPreview(section, picture_);
    } catch (...) {
        image_->setPixmap(QPixmap::fromImage(picture_)); // what was painted before the error
        throw;
    }
    image_->setPixmap(QPixmap::fromImage(picture_));
}

void FrameSectionDialog::ColourShapeClicked()
{
    if (const std::optional<std::int32_t> colour = colours_.ChooseColour(colour_->Colour()))
        colour_->SetColour(*colour);
}

FrameSection FrameSectionDialog::Checked()
{
    const std::string section = session_.model.FrameSections[shown_].name;
    try {
        Stage(true);
    } catch (const Error& error) {
        throw Error("Section " + section + ": " + error.what());
    }
    try {
        CheckFrameSection(staged_);
    } catch (const SectionSettingError& error) {
        if (const auto control = fieldControls_.find(error.field); control != fieldControls_.end()) {
            control->second->setFocus();
            if (auto* box = qobject_cast<QLineEdit*>(control->second))
                box->selectAll();
        }
        throw;
    }
    return staged_;
}

// Every edited section is checked, each shown in turn, before any is stored;
// then all are stored at once and the section shown before shows as stored.
void FrameSectionDialog::AcceptClicked()
{
    const std::int32_t back = shown_;
    if (back == 0)
        return;
    KeepEdit();
    std::vector<std::pair<std::int32_t, FrameSection>> checked;
    for (const auto& [k, edit] : pending_) {
        Reveal(k);
        checked.emplace_back(k, Checked());
    }
    host_.ChangeSettings([&] {
        for (auto& [k, section] : checked)
            session_.model.FrameSections[k] = std::move(section);
    });
    pending_.clear();
    MarkEdited();
    Reveal(back);
}

void FrameSectionDialog::CloseClicked()
{
    pending_.clear();
    close();
    host_.Redraw();
}

} // namespace mirelo
