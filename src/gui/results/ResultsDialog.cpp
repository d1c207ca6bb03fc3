#include "gui/results/ResultsDialog.h"

#include "gui/common/CommandHost.h"
#include "gui/common/DisplayText.h"
#include "gui/common/FileChooser.h"
#include "gui/common/NamedWidget.h"
#include "gui/results/ResultStepBar.h"
#include "gui/results/RunFolderRow.h"
#include "gui/common/SettingBoxes.h"
#include "session/ResultLoading.h"
#include "session/Session.h"
#include "common/NumberText.h"
#include "script/RecorderFiles.h"
#include "view/ResultLegend.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

namespace mirelo {

namespace {

std::string BoxText(const QLineEdit* box)
{
    return box->text().toStdString();
}

} // namespace

ResultsDialog::ResultsDialog(Session& session, CommandHost& host, FileChooser& chooser, ResultStepBar& steps,
                             QWidget* parent)
    : QDialog(parent), session_(session), host_(host), chooser_(chooser), steps_(steps),
      knownScale_(session.view.DeformScale),
      knownMax_(session.view.HingeMax), knownMin_(session.view.HingeMin)
{
    setObjectName("TForm10");
    setWindowTitle(tr("Deformation Shape"));
    setFont(QFont("Arial", 8));

    auto* folderGroup = NamedWidget<QGroupBox>("FolderGroup", tr("Run Folder"), this);
    folder_ = NamedWidget<QLabel>("FolderLabel", folderGroup);
    folder_->setWordWrap(true);
    folder_->setMinimumWidth(260);
    auto* chooseFolder = NamedWidget<QPushButton>("FolderButton", tr("Folder..."), folderGroup);
    chooseFolder->setToolTip(tr("Pick any file in the folder of the run whose results to show"));
    auto* folderLayout = new QHBoxLayout(folderGroup);
    folderLayout->addWidget(folder_, 1);
    folderLayout->addWidget(chooseFolder);

    auto* stepGroup = NamedWidget<QGroupBox>("GroupBox1", tr("Load Step"), this);
    stepBox_ = NamedWidget<QLineEdit>("Edit2", "1", stepGroup);
    auto* loadNodes = NamedWidget<QPushButton>("Button1", tr("Load Node Deform Data"), stepGroup);
    auto* stepLayout = new QGridLayout(stepGroup);
    stepLayout->addWidget(new QLabel(tr("Load Step"), stepGroup), 0, 0);
    stepLayout->addWidget(stepBox_, 0, 1);
    stepLayout->addWidget(loadNodes, 1, 0, 1, 2);

    auto* scaleGroup = NamedWidget<QGroupBox>("GroupBox2", tr("Disp Scaling"), this);
    scaleBox_ = NamedWidget<QLineEdit>("Edit1", "1", scaleGroup);
    auto* scaleLayout = new QGridLayout(scaleGroup);
    scaleLayout->addWidget(new QLabel(tr("Scaling Factor"), scaleGroup), 0, 0);
    scaleLayout->addWidget(scaleBox_, 0, 1);

    auto* modeGroup = NamedWidget<QGroupBox>("GroupBox3", tr("Modal Shape"), this);
    modeBox_ = NamedWidget<QLineEdit>("Edit5", "1", modeGroup);
    auto* loadMode = NamedWidget<QPushButton>("Button5", tr("Load Model Shape"), modeGroup);
    periods_ = new QListWidget(modeGroup);
    periods_->setObjectName("PeriodList");
    periods_->setToolTip(tr("Periods of the modes, T = 2 pi / sqrt(eigenvalue), from %1").arg(kPeriodsFileName));
    periods_->setMaximumHeight(80);
    auto* modeLayout = new QGridLayout(modeGroup);
    modeLayout->addWidget(new QLabel(tr("Mode Num"), modeGroup), 0, 0);
    modeLayout->addWidget(modeBox_, 0, 1);
    modeLayout->addWidget(loadMode, 1, 0, 1, 2);
    modeLayout->addWidget(new QLabel(tr("Periods"), modeGroup), 0, 2);
    modeLayout->addWidget(periods_, 1, 2, 2, 1);

    auto* sectionGroup = NamedWidget<QGroupBox>("GroupBox4", tr("Section Deformation"), this);
    quantityBox_ = new QComboBox(sectionGroup);
    quantityBox_->setObjectName("ComboBox1");
    for (const FrameEndQuantity& quantity : FrameEndQuantities()) {
        quantityBox_->addItem(SettingCaption(quantity.caption));
        const std::string_view unit = QuantityUnitText(quantity.unit);
        quantityBox_->setItemData(quantityBox_->count() - 1,
                                  QString::fromLatin1(unit.data(), static_cast<qsizetype>(unit.size())), Qt::ToolTipRole);
    }
    maxBox_ = NamedWidget<QLineEdit>("Edit3", "0.0001", sectionGroup);
    minBox_ = NamedWidget<QLineEdit>("Edit4", "-0.0001", sectionGroup);
    maxUnit_ = NamedWidget<QLabel>("Edit3Unit", sectionGroup);
    minUnit_ = NamedWidget<QLabel>("Edit4Unit", sectionGroup);
    auto* legendPanel = new QFrame(sectionGroup);
    legendPanel->setObjectName("Panel1");
    legendPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    legend_ = new QLabel(legendPanel);
    legend_->setObjectName("Image1");
    legend_->setFixedSize(kLegendWidth, kLegendHeight);
    legend_->setPixmap(QPixmap::fromImage(ResultLegendPicture(session_.model.SectionPalette)));
    auto* legendLayout = new QHBoxLayout(legendPanel);
    legendLayout->setContentsMargins(1, 1, 1, 1);
    legendLayout->addWidget(legend_);
    auto* loadSections = NamedWidget<QPushButton>("Button4", tr("Load Sec Deform Data"), sectionGroup);
    auto* sectionLayout = new QGridLayout(sectionGroup);
    sectionLayout->addWidget(new QLabel(tr("Deformation"), sectionGroup), 0, 0);
    sectionLayout->addWidget(quantityBox_, 0, 1);
    sectionLayout->addWidget(new QLabel(tr("Max Value"), sectionGroup), 1, 0);
    sectionLayout->addWidget(maxBox_, 1, 1);
    sectionLayout->addWidget(maxUnit_, 1, 2);
    sectionLayout->addWidget(new QLabel(tr("Min Value"), sectionGroup), 2, 0);
    sectionLayout->addWidget(minBox_, 2, 1);
    sectionLayout->addWidget(minUnit_, 2, 2);
    sectionLayout->addWidget(legendPanel, 3, 0, 1, 2, Qt::AlignHCenter);
    sectionLayout->addWidget(loadSections, 4, 0, 1, 2);

    loaded_ = new QLabel(this);
    loaded_->setObjectName("LoadedLabel");
    loaded_->setWordWrap(true);

    auto* ok = NamedWidget<QPushButton>("Button2", tr("OK"), this);
    ok->setDefault(true);
    auto* cancel = NamedWidget<QPushButton>("Button3", tr("Cancel"), this);

    const auto command = [this](void (ResultsDialog::*handler)()) {
        return [this, handler] { host_.RunCommand([this, handler] { (this->*handler)(); }); };
    };
    connect(loadNodes, &QPushButton::clicked, this, command(&ResultsDialog::LoadNodeDeformationsClicked));
    connect(loadSections, &QPushButton::clicked, this, command(&ResultsDialog::LoadSectionDeformationsClicked));
    connect(loadMode, &QPushButton::clicked, this, command(&ResultsDialog::LoadModeShapeClicked));
    connect(chooseFolder, &QPushButton::clicked, this, command(&ResultsDialog::ChooseFolderClicked));
    connect(ok, &QPushButton::clicked, this, command(&ResultsDialog::AcceptClicked));
    connect(cancel, &QPushButton::clicked, this, [this] { CancelClicked(); });
    connect(quantityBox_, &QComboBox::currentIndexChanged, this,
            [this](int index) { host_.RunCommand([this, index] { QuantityChosen(index); }); });
    connect(&steps_, &ResultStepBar::StepShown, this, [this] { ShowLoaded(); });

    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(stepGroup);
    left->addWidget(scaleGroup);
    left->addWidget(modeGroup);
    columns->addLayout(left);
    columns->addWidget(sectionGroup, 0, Qt::AlignTop);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(folderGroup);
    layout->addLayout(columns);
    layout->addWidget(loaded_);
    layout->addLayout(buttons);
    ShowLoaded();
}

void ResultsDialog::ChooseFolderClicked()
{
    const std::optional<QString> folder = RunFolderRow::ChooseFolder(chooser_);
    if (!folder)
        return;
    steps_.SetFolder(*folder);
    ShowLoaded();
    periods_->clear(); // a modal run's periods show with its first mode
    if (QFileInfo::exists(QDir(steps_.Folder()).filePath(kPeriodsFileName)))
        ShowPeriods(QFile::encodeName(steps_.Folder()).toStdString());
}

void ResultsDialog::LoadNodeDeformationsClicked()
{
    steps_.StopAnimation();
    steps_.ShowStep({ParseInteger(BoxText(stepBox_)), std::nullopt});
}

void ResultsDialog::LoadModeShapeClicked()
{
    const std::int32_t mode = ParseInteger(BoxText(modeBox_));
    steps_.StopAnimation();
    steps_.ShowStep({std::nullopt, mode});
    ShowPeriods(session_.results.loaded.folder);
}

// The section marks switched on, the step shown again with them, and the
// colour range from their extremes.
void ResultsDialog::LoadSectionDeformationsClicked()
{
    const LoadedResults& loaded = session_.results.loaded;
    const std::int32_t step = loaded.kind == LoadedResults::Kind::LoadStep ? static_cast<std::int32_t>(loaded.step)
                                                                            : ParseInteger(BoxText(stepBox_));
    steps_.StopAnimation();
    const bool wasShown = session_.view.LayerFlags.ShowHingeCircles;
    session_.view.LayerFlags.ShowHingeCircles = true;
    try {
        steps_.ShowStep({step, std::nullopt});
    } catch (...) {
        session_.view.LayerFlags.ShowHingeCircles = wasShown;
        throw;
    }
    const SectionResults& sections = session_.results.sections;
    if (sections.maximum && sections.minimum) {
        session_.view.HingeMax = knownMax_ = *sections.maximum;
        session_.view.HingeMin = knownMin_ = *sections.minimum;
        ShowBoxValue(maxBox_, knownMax_);
        ShowBoxValue(minBox_, knownMin_);
    }
    host_.Redraw();
}

// Another quantity for the section marks: shown at once at the step shown.
void ResultsDialog::QuantityChosen(int index)
{
    session_.view.SectionQuantityShown = index + 1;
    ShowRangeUnit();
    const LoadedResults& loaded = session_.results.loaded;
    if (session_.view.LayerFlags.ShowHingeCircles && loaded.kind == LoadedResults::Kind::LoadStep)
        steps_.ShowStep({static_cast<std::int32_t>(loaded.step), std::nullopt});
}

void ResultsDialog::ShowRangeUnit()
{
    const auto quantities = FrameEndQuantities();
    const auto index = static_cast<std::size_t>(std::max(quantityBox_->currentIndex(), 0));
    const QString unit = index < quantities.size()
                             ? QString::fromStdString(FrameEndUnit(quantities[index].unit, session_.model.Units))
                             : QString();
    maxUnit_->setText(unit);
    minUnit_->setText(unit);
}

void ResultsDialog::AcceptClicked()
{
    // Every box is converted before any is taken.
    const double maximum = BoxValue(maxBox_);
    const double minimum = BoxValue(minBox_);
    const double scale = BoxValue(scaleBox_);
    steps_.StopAnimation();
    session_.view.HingeMax = knownMax_ = maximum;
    session_.view.HingeMin = knownMin_ = minimum;
    session_.view.DeformScale = knownScale_ = scale;
    host_.Redraw();
    close();
}

void ResultsDialog::CancelClicked()
{
    close();
}

// The folder, and the step or mode shown everywhere.
void ResultsDialog::ShowLoaded()
{
    const QString folder = steps_.Folder();
    folder_->setText(folder.isEmpty() ? tr("No run yet: choose its folder") : folder);
    const LoadedResults& loaded = session_.results.loaded;
    switch (loaded.kind) {
    case LoadedResults::Kind::None: loaded_->setText(tr("No displacements loaded")); break;
    case LoadedResults::Kind::LoadStep:
        stepBox_->setText(QString::number(loaded.step));
        loaded_->setText(tr("Displacements of load step %1 of %2 from %3")
                             .arg(loaded.step)
                             .arg(loaded.stepCount)
                             .arg(QFile::decodeName(loaded.folder.c_str())));
        break;
    case LoadedResults::Kind::ModeShape:
        modeBox_->setText(QString::number(loaded.mode));
        loaded_->setText(tr("Mode shape %1 from %2").arg(loaded.mode).arg(QFile::decodeName(loaded.folder.c_str())));
        break;
    }
}

void ResultsDialog::ShowPeriods(const std::string& folder)
{
    periods_->clear();
    std::vector<double> eigenvalues;
    try {
        eigenvalues = ReadEigenvalues(folder);
    } catch (const Error& e) {
        periods_->addItem(tr("No periods: %1").arg(OwnText(e.what())));
        return;
    }
    for (std::size_t m = 0; m < eigenvalues.size(); ++m) {
        const std::optional<double> period = PeriodOfEigenvalue(eigenvalues[m]);
        const QString shown = period ? tr("%1 s").arg(*period, 0, 'g', 6)
                                     : tr("none (eigenvalue %1)").arg(eigenvalues[m], 0, 'g', 6);
        periods_->addItem(tr("Mode %1: T = %2").arg(m + 1).arg(shown));
    }
    const int current = session_.results.loaded.mode - 1;
    if (current >= 0 && current < periods_->count())
        periods_->setCurrentRow(current);
}

void ResultsDialog::SyncBoxes()
{
    const ViewState& view = session_.view;
    const auto sync = [](QLineEdit* box, double value, double& known) {
        if (value != known) {
            ShowBoxValue(box, value);
            known = value;
        }
    };
    sync(scaleBox_, view.DeformScale, knownScale_);
    sync(maxBox_, view.HingeMax, knownMax_);
    sync(minBox_, view.HingeMin, knownMin_);
}

void ResultsDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    SyncBoxes();
    ShowLoaded();
    {
        const QSignalBlocker quiet(quantityBox_);
        quantityBox_->setCurrentIndex(session_.view.SectionQuantityShown - 1);
    }
    ShowRangeUnit();
    legend_->setPixmap(QPixmap::fromImage(ResultLegendPicture(session_.model.SectionPalette)));
}

} // namespace mirelo
