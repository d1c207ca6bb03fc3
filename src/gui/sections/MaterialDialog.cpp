#include "gui/sections/MaterialDialog.h"

#include "gui/common/CommandHost.h"
#include "gui/common/DisplayText.h"
#include "gui/common/NamedWidget.h"
#include "session/Session.h"
#include "common/NumberText.h"
#include "model/MaterialLaws.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <tuple>

namespace mirelo {

namespace {

QLineEdit* ReadOnlyBox(QWidget* parent, const char* name)
{
    auto* box = NamedWidget<QLineEdit>(name, parent);
    box->setReadOnly(true);
    return box;
}

void AddRow(QFormLayout* layout, QWidget* parent, const QString& caption, QWidget* box, QWidget* field = nullptr)
{
    auto* label = new QLabel(caption, parent);
    label->setBuddy(box);
    layout->addRow(label, field != nullptr ? field : box);
}

} // namespace

MaterialDialog::MaterialDialog(Session& session, CommandHost& host, QWidget* parent)
    : QDialog(parent), session_(session), host_(host)
{
    setObjectName("TForm3");
    setWindowTitle(tr("Material Database"));
    const auto run = [this](void (MaterialDialog::*handler)()) {
        return [this, handler] { host_.RunCommand([this, handler] { (this->*handler)(); }); };
    };

    list_ = new QListWidget(this);
    list_->setObjectName("ListBox1");
    list_->setFixedWidth(160);
    connect(list_, &QListWidget::currentRowChanged, this, run(&MaterialDialog::MaterialChosen));

    auto* elastic = new QGroupBox(tr("Material Properties (Elastic)"), this);
    elastic->setObjectName("GroupBox1");
    auto* form = new QFormLayout(elastic);
    name_ = ReadOnlyBox(elastic, "Edit1");
    AddRow(form, elastic, tr("Material Name"), name_);
    type_ = new QComboBox(elastic);
    type_->setObjectName("ComboBox1");
    type_->addItem(tr("Elastic"));
    for (std::int32_t type = kSteel01; type <= kConcrete02; ++type)
        type_->addItem(OwnText(kMaterialTypeNames[static_cast<std::size_t>(type - 1)])); // the solver's names
    type_->setCurrentIndex(0);
    connect(type_, &QComboBox::currentIndexChanged, this, run(&MaterialDialog::TypeChosen));
    AddRow(form, elastic, tr("Material Type"), type_);
    // E and ν are edited; G follows from them and is shown only.
    modulus_ = NamedWidget<QLineEdit>("Edit9", elastic);
    AddRow(form, elastic, tr("Elastic Modulus E"), modulus_, units_.Beside(modulus_, Quantity::Stress));
    shear_ = ReadOnlyBox(elastic, "Edit2");
    AddRow(form, elastic, tr("Shear Modulus G"), shear_, units_.Beside(shear_, Quantity::Stress));
    poisson_ = NamedWidget<QLineEdit>("Edit3", elastic);
    AddRow(form, elastic, tr("Poisson's Ratio"), poisson_);
    const auto fields = ElasticConstantFields();
    elasticBoxes_.Add(modulus_, staged_, DeclaredSetting(fields, "E"), BoxNumber);
    elasticBoxes_.Add(poisson_, staged_, DeclaredSetting(fields, "U"), BoxNumber);
    for (QLineEdit* box : {modulus_, poisson_})
        connect(box, &QLineEdit::textEdited, this, &MaterialDialog::ShowShearModulus);

    auto* plastic = new QGroupBox(tr("Elastoplastic Material"), this);
    plastic->setObjectName("GroupBox2");
    lawRows_ = new QFormLayout(plastic);
    elasticHint_ = new QLabel(tr("Elastic: the script uses E, G and ν."), plastic);
    elasticHint_->setObjectName("ElasticHint");
    lawRows_->addRow(elasticHint_);
    for (const LawField& field : MaterialLawFields()) {
        auto* box = new QLineEdit(plastic);
        box->setObjectName(OwnText(field.declaration.name));
        box->setMinimumWidth(120);
        lawEdits_[field.declaration.name] = box;
        AddRow(lawRows_, plastic, SettingCaption(field.declaration.label), box,
               units_.Beside(box, SettingQuantity(field.declaration.name)));
        allLawBoxes_.Add(box, staged_.law, field, BoxNumber);
    }
    for (std::int32_t type = kSteel01; type <= kConcrete02; ++type)
        for (const LawField& field : LawParameters(type))
            typeLawBoxes_[static_cast<std::size_t>(type)].Add(lawEdits_.at(field.declaration.name), staged_.law,
                                                               field, BoxNumber);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (const auto& [name, caption, handler] : {std::tuple{"Button1", tr("OK"), &MaterialDialog::AcceptClicked},
                                                 {"Button2", tr("Close"), &MaterialDialog::CloseClicked}}) {
        auto* button = NamedWidget<QPushButton>(name, caption, this);
        connect(button, &QPushButton::clicked, this, run(handler));
        buttons->addWidget(button);
    }

    auto* right = new QVBoxLayout;
    right->addWidget(elastic);
    right->addWidget(plastic);
    right->addStretch(1);
    right->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(right);
    TypeChosen();
}

void MaterialDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    host_.RunCommand([this] { FormShow(); });
}

// With no materials the list and the boxes are empty.
void MaterialDialog::FormShow()
{
    const QSignalBlocker quiet(list_);
    list_->clear();
    const Model& model = session_.model;
    units_.Show(model.Units);
    for (std::int32_t m = 1; m <= model.Materials.count; ++m)
        list_->addItem(DisplayText(model.Materials[m].name));
    if (list_->count() == 0) {
        for (QLineEdit* box : findChildren<QLineEdit*>())
            box->clear();
        type_->setCurrentIndex(-1);
        return;
    }
    list_->setCurrentRow(0);
    MaterialChosen();
}

std::int32_t MaterialDialog::Selected() const
{
    const std::int32_t m = list_->currentRow() + 1;
    return session_.model.Materials.Contains(m) ? m : 0;
}

// A type outside the list (none chosen) counts as none: no parameter rows.
std::int32_t MaterialDialog::ChosenType() const
{
    return type_->currentIndex() + 1;
}

void MaterialDialog::MaterialChosen()
{
    const std::int32_t m = Selected();
    if (m == 0)
        return;
    const Material& material = session_.model.Materials[m];
    staged_ = material;
    name_->setText(DisplayText(material.name));
    type_->setCurrentIndex(material.materialType >= 1 && material.materialType <= type_->count()
                               ? material.materialType - 1
                               : -1);
    elasticBoxes_.Show();
    shear_->setText(QString::fromStdString(BoxNumber(material.shearModulus)));
    allLawBoxes_.Show();
}

// A box the user did not touch stands for the stored value, which it may
// show rounded.
void MaterialDialog::ShowShearModulus()
{
    Material edited = session_.model.Materials.Contains(Selected()) ? session_.model.Materials[Selected()] : Material{};
    try {
        for (const auto& [box, field] : {std::pair{modulus_, "E"}, {poisson_, "U"}})
            if (box->isModified())
                SetMaterialSetting(edited, field, box->text().toStdString());
        edited.materialType = kElasticMaterial; // the law is checked on OK
        FinishMaterialEdit(edited);
        shear_->setText(QString::fromStdString(BoxNumber(edited.shearModulus)));
    } catch (const Error&) {
        shear_->clear();
    }
}

// Switching the type keeps what was typed in the boxes, so a user can look
// at another type and come back.
void MaterialDialog::TypeChosen()
{
    const std::span<const LawField> shown = LawParameters(ChosenType());
    for (const LawField& field : MaterialLawFields()) {
        const bool visible = std::any_of(shown.begin(), shown.end(), [&](const LawField& f) {
            return f.declaration.name == field.declaration.name;
        });
        lawRows_->setRowVisible(lawEdits_.at(field.declaration.name)->parentWidget(), visible); // the box with its unit
    }
    lawRows_->setRowVisible(elasticHint_, ChosenType() == kElasticMaterial);
}

// E, ν and every box of the chosen type are read and the whole material
// checked before it changes; a bad box gets the focus and is named.
void MaterialDialog::AcceptClicked()
{
    const std::int32_t m = Selected();
    const std::int32_t type = ChosenType();
    if (m == 0 || type < kElasticMaterial || type > kConcrete02)
        return;
    Material& material = session_.model.Materials[m];
    staged_ = material;
    staged_.materialType = type;
    elasticBoxes_.Read();
    typeLawBoxes_[static_cast<std::size_t>(type)].Read();
    try {
        FinishMaterialEdit(staged_);
    } catch (const MaterialError& error) {
        QLineEdit* box = error.field == "E" ? modulus_ : error.field == "U" ? poisson_ : nullptr;
        if (const auto law = lawEdits_.find(error.field); law != lawEdits_.end())
            box = law->second;
        if (box != nullptr) {
            box->setFocus();
            box->selectAll();
        }
        throw;
    }
    host_.ChangeSettings([&] { material = staged_; });
    MaterialChosen();
}

void MaterialDialog::CloseClicked()
{
    close();
}

} // namespace mirelo
