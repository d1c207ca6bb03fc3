#include "gui/script/AnalysisDialog.h"

#include "gui/common/CommandHost.h"
#include "gui/common/DisplayText.h"
#include "gui/common/NamedWidget.h"
#include "session/Session.h"
#include "common/NumberText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace mirelo {

namespace {

const SettingField<AnalysisSettings>& Field(std::string_view name)
{
    return DeclaredSetting(AnalysisSettingFields(), name);
}

QString Caption(std::string_view name)
{
    return SettingCaption(Field(name).declaration.label);
}

std::string ThreeDigits(double value)
{
    return FormatScientific(value, 3);
}

QGroupBox* Group(QWidget* parent, const char* name, const QString& title)
{
    auto* group = NamedWidget<QGroupBox>(name, title, parent);
    new QFormLayout(group);
    return group;
}

void AddRow(QGroupBox* group, const char* labelName, const QString& caption, QWidget* control)
{
    auto* label = new QLabel(caption, group);
    label->setObjectName(labelName);
    label->setBuddy(control);
    static_cast<QFormLayout*>(group->layout())->addRow(label, control);
}

QComboBox* PickList(QWidget* parent, const char* name)
{
    auto* list = NamedWidget<QComboBox>(name, parent);
    list->setEditable(false);
    return list;
}

void FillWithCases(QComboBox* list, const Model& model, std::int32_t selected)
{
    list->clear();
    for (std::int32_t c = 1; c <= model.LoadCaseCount && static_cast<std::size_t>(c) < model.LoadCaseNames.size(); ++c)
        list->addItem(DisplayText(model.LoadCaseNames[static_cast<std::size_t>(c)]));
    // A number outside the list leaves it without a selection.
    list->setCurrentIndex(selected >= 1 && selected <= list->count() ? selected - 1 : -1);
}

} // namespace

AnalysisDialog::AnalysisDialog(Session& session, CommandHost& host, QWidget* parent)
    : QDialog(parent), session_(session), host_(host)
{
    setObjectName("TForm7");
    setWindowTitle(tr("Analysis Setting"));

    const auto edit = [this](QWidget* owner, const char* name, std::string_view setting) {
        auto* box = NamedWidget<QLineEdit>(name, owner);
        boxes_.Add(box, staged_, Field(setting), ThreeDigits);
        return box;
    };

    auto* typeRow = new QFormLayout;
    analysisType_ = PickList(this, "ComboBox1");
    for (const std::string_view item : kAnalysisTypeItems)
        analysisType_->addItem(SettingCaption(item));
    auto* typeLabel = new QLabel(Caption("AnalysisType"), this);
    typeLabel->setObjectName("Label1");
    typeRow->addRow(typeLabel, analysisType_);

    // The boxes are checked in the order OK stores them.
    QGroupBox* load = Group(this, "GroupBox1", tr("Load Control Case (Const)"));
    loadCase_ = PickList(load, "ComboBox2");
    AddRow(load, "Label2", Caption("LoadCase"), loadCase_);
    AddRow(load, "Label3", Caption("LoadSteps"), edit(load, "Edit1", "LoadSteps"));
    AddRow(load, "Label4", Caption("LoadFactor"), edit(load, "Edit2", "LoadFactor"));

    QGroupBox* disp = Group(this, "GroupBox2", tr("Disp Control Case (Linear)"));
    loadVector_ = PickList(disp, "ComboBox3");
    QGroupBox* nonlinear = Group(this, "GroupBox3", tr("Nonlinear Setting"));
    QLineEdit* rebar = edit(nonlinear, "Edit8", "RebarMaterialNo");
    QLineEdit* points = edit(nonlinear, "Edit7", "IntegrationPoints");
    AddRow(nonlinear, "Label10", Caption("IntegrationPoints"), points);
    AddRow(nonlinear, "Label11", Caption("RebarMaterialNo"), rebar);
    QLineEdit* steps = edit(disp, "Edit6", "AnalysisSteps");
    QLineEdit* dof = edit(disp, "Edit5", "ControlDof");
    QLineEdit* controlDisp = edit(disp, "Edit4", "ControlDisp");
    QLineEdit* node = edit(disp, "Edit3", "ControlNode");
    AddRow(disp, "Label5", Caption("PushoverCase"), loadVector_);
    AddRow(disp, "Label6", Caption("ControlNode"), node);
    AddRow(disp, "Label7", Caption("ControlDisp"), units_.Beside(controlDisp, SettingQuantity("ControlDisp")));
    AddRow(disp, "Label8", Caption("ControlDof"), dof);
    AddRow(disp, "Label9", Caption("AnalysisSteps"), steps);

    auto* aggregatorGroup = new QGroupBox(tr("Section Aggregator"), this);
    aggregatorGroup->setObjectName("GroupBox4");
    aggregator_ = new QCheckBox(Caption("UseAggregator"), aggregatorGroup);
    aggregator_->setObjectName("CheckBox2");
    (new QVBoxLayout(aggregatorGroup))->addWidget(aggregator_);

    QGroupBox* modes = Group(this, "GroupBox5", tr("Modal Number"));
    AddRow(modes, "Label12", Caption("ModeCount"), edit(modes, "Edit9", "ModeCount"));

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName("Button1");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { host_.RunCommand([this] { AcceptClicked(); }); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(typeRow);
    for (QWidget* group : {static_cast<QWidget*>(load), static_cast<QWidget*>(disp), static_cast<QWidget*>(nonlinear),
                           static_cast<QWidget*>(aggregatorGroup), static_cast<QWidget*>(modes)})
        layout->addWidget(group);
    layout->addWidget(ok, 0, Qt::AlignRight);

    staged_ = session_.analysis;
    boxes_.Show();
}

void AnalysisDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void AnalysisDialog::FormShow()
{
    const AnalysisSettings& a = session_.analysis;
    units_.Show(session_.model.Units);
    FillWithCases(loadCase_, session_.model, a.LoadCase);
    FillWithCases(loadVector_, session_.model, a.PushoverCase);
    analysisType_->setCurrentIndex(a.AnalysisType >= 1 && a.AnalysisType <= analysisType_->count() ? a.AnalysisType - 1
                                                                                                   : -1);
    staged_ = a;
    boxes_.Show();
    aggregator_->setChecked(a.UseAggregator != 0);
}

// Every box is checked first; the settings change only when all of them hold
// valid values, and then all at once.
void AnalysisDialog::AcceptClicked()
{
    staged_ = session_.analysis;
    boxes_.Read();
    staged_.LoadCase = loadCase_->currentIndex() + 1; // no selection stores 0
    staged_.PushoverCase = loadVector_->currentIndex() + 1;
    staged_.AnalysisType = analysisType_->currentIndex() + 1;
    staged_.UseAggregator = aggregator_->isChecked() ? kFlagOn : kFlagOff;
    host_.ChangeSettings([this] { session_.analysis = staged_; });
    close();
}

RecorderDialog::RecorderDialog(Session& session, CommandHost& host, QWidget* parent)
    : QDialog(parent), session_(session), host_(host)
{
    setObjectName("TForm8");
    setWindowTitle(tr("Recorder Setting"));
    auto* group = new QGroupBox(tr("Output(Recorder Setting)"), this);
    group->setObjectName("GroupBox1");
    auto* groupLayout = new QVBoxLayout(group);
    for (const auto& field : RecorderSettingFields()) {
        auto* box = new QCheckBox(SettingCaption(field.declaration.label), group);
        box->setObjectName(QString("CheckBox%1").arg(boxes_.size() + 1));
        groupLayout->addWidget(box);
        boxes_.push_back(box);
    }
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName("Button1");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { host_.RunCommand([this] { AcceptClicked(); }); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(ok, 0, Qt::AlignRight);
}

void RecorderDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void RecorderDialog::FormShow()
{
    const auto fields = RecorderSettingFields();
    for (std::size_t i = 0; i < boxes_.size(); ++i)
        boxes_[i]->setChecked(session_.recorders.*fields[i].integer != 0);
}

void RecorderDialog::AcceptClicked()
{
    const auto fields = RecorderSettingFields();
    host_.ChangeSettings([&] {
        for (std::size_t i = 0; i < boxes_.size(); ++i)
            session_.recorders.*fields[i].integer = boxes_[i]->isChecked() ? kFlagOn : kFlagOff;
    });
    close();
}

} // namespace mirelo
