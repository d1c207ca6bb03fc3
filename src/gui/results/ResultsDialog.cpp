#include "gui/results/ResultsDialog.h"

#include "gui/common/CommandHost.h"
#include "gui/common/DisplayText.h"
#include "gui/common/FileChooser.h"
#include "gui/common/NamedWidget.h"
#include "gui/common/SettingBoxes.h"
#include "session/ResultLoading.h"
#include "session/Session.h"
#include "common/NumberText.h"
#include "results/ResultAnimation.h"
#include "script/RecorderFiles.h"
#include "view/ResultLegend.h"

#include <QComboBox>
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

namespace mirelo {

namespace {

std::string BoxText(const QLineEdit* box)
{
    return box->text().toStdString();
}

} // namespace

ResultsDialog::ResultsDialog(Session& session, CommandHost& host, FileChooser& chooser, QWidget* parent)
    : QDialog(parent), session_(session), host_(host), chooser_(chooser), knownScale_(session.view.DeformScale),
      knownMax_(session.view.HingeMax), knownMin_(session.view.HingeMin)
{
    setObjectName("TForm10");
    setWindowTitle(tr("Deformation Shape"));
    setFont(QFont("Arial", 8));

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
    sectionLayout->addWidget(new QLabel(tr("Min Value"), sectionGroup), 2, 0);
    sectionLayout->addWidget(minBox_, 2, 1);
    sectionLayout->addWidget(legendPanel, 3, 0, 1, 2, Qt::AlignHCenter);
    sectionLayout->addWidget(loadSections, 4, 0, 1, 2);

    animate_ = NamedWidget<QPushButton>("AnimateButton", tr("Animate"), this);
    animate_->setCheckable(true);
    animate_->setToolTip(tr("Play the load steps of the loaded displacements, or swing the loaded mode shape"));
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
    connect(ok, &QPushButton::clicked, this, command(&ResultsDialog::AcceptClicked));
    connect(cancel, &QPushButton::clicked, this, [this] { CancelClicked(); });
    connect(animate_, &QPushButton::toggled, this, [this](bool on) { host_.RunCommand([this, on] { AnimateClick(on); }); });
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { AnimationFrame(); });

    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(stepGroup);
    left->addWidget(scaleGroup);
    left->addWidget(modeGroup);
    columns->addLayout(left);
    columns->addWidget(sectionGroup, 0, Qt::AlignTop);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(animate_);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(loaded_);
    layout->addLayout(buttons);
    ShowLoaded();
}

std::optional<std::string> ResultsDialog::ChooseFolder()
{
    const std::optional<QString> path = chooser_.OpenFile(FileKind::Result, tr("All files|*"));
    if (!path)
        return std::nullopt;
    return QFile::encodeName(QFileInfo(*path).absolutePath()).toStdString();
}

void ResultsDialog::LoadNodeDeformationsClicked()
{
    const std::int32_t step = ParseInteger(BoxText(stepBox_));
    const std::optional<std::string> folder = ChooseFolder();
    if (!folder)
        return;
    StopAnimation();
    LoadNodeDisplacements(session_, *folder, step);
    ShowLoaded();
}

void ResultsDialog::LoadModeShapeClicked()
{
    const std::int32_t mode = ParseInteger(BoxText(modeBox_));
    const std::optional<std::string> folder = ChooseFolder();
    if (!folder)
        return;
    StopAnimation();
    LoadModeShape(session_, *folder, mode);
    ShowLoaded();
    ShowPeriods(*folder);
}

void ResultsDialog::LoadSectionDeformationsClicked()
{
    const FrameEndQuantity& quantity =
        FrameEndQuantities()[static_cast<std::size_t>(std::max(quantityBox_->currentIndex(), 0))];
    const std::int32_t step = ParseInteger(BoxText(stepBox_));
    const std::optional<std::string> folder = ChooseFolder();
    if (!folder)
        return;
    LoadFrameEndQuantity(session_, *folder, quantity, step);
    knownMax_ = session_.view.HingeMax;
    knownMin_ = session_.view.HingeMin;
    ShowBoxValue(maxBox_, knownMax_);
    ShowBoxValue(minBox_, knownMin_);
}

void ResultsDialog::AcceptClicked()
{
    // Every box is converted before any is taken.
    const double maximum = BoxValue(maxBox_);
    const double minimum = BoxValue(minBox_);
    const double scale = BoxValue(scaleBox_);
    StopAnimation();
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

void ResultsDialog::AnimateClick(bool on)
{
    if (!on) {
        StopAnimation();
        return;
    }
    try {
        if (session_.results.loaded.kind == LoadedResults::Kind::None)
            throw Error(tr("Load node displacements or a mode shape first: the animation plays them").toStdString());
        swingScale_ = BoxValue(scaleBox_);
    } catch (...) {
        const QSignalBlocker quiet(animate_);
        animate_->setChecked(false);
        throw;
    }
    session_.view.DeformScale = knownScale_ = swingScale_;
    frame_ = 0;
    timer_.start(kAnimationFrameMilliseconds);
}

void ResultsDialog::AnimationFrame()
{
    host_.RunCommand([this] {
        try {
            const LoadedResults& loaded = session_.results.loaded;
            if (loaded.kind == LoadedResults::Kind::LoadStep) {
                const std::int64_t step = NextAnimationStep(loaded.step, loaded.stepCount);
                LoadNodeDisplacements(session_, loaded.folder, static_cast<std::int32_t>(step));
                stepBox_->setText(QString::number(step));
                ShowLoaded();
            } else if (loaded.kind == LoadedResults::Kind::ModeShape) {
                session_.view.DeformScale = swingScale_ * ModeSwingFactor(++frame_);
            } else {
                throw Error(tr("The results were cleared: the animation stops").toStdString());
            }
            host_.Redraw();
        } catch (...) {
            StopAnimation();
            throw;
        }
    });
}

void ResultsDialog::StopAnimation()
{
    if (!timer_.isActive())
        return;
    timer_.stop();
    const QSignalBlocker quiet(animate_);
    animate_->setChecked(false);
    if (session_.results.loaded.kind == LoadedResults::Kind::ModeShape) {
        session_.view.DeformScale = swingScale_;
        host_.Redraw();
    }
}

void ResultsDialog::ShowLoaded()
{
    const LoadedResults& loaded = session_.results.loaded;
    switch (loaded.kind) {
    case LoadedResults::Kind::None: loaded_->setText(tr("No displacements loaded")); break;
    case LoadedResults::Kind::LoadStep:
        loaded_->setText(tr("Displacements of load step %1 of %2 from %3")
                             .arg(loaded.step)
                             .arg(loaded.stepCount)
                             .arg(QFile::decodeName(loaded.folder.c_str())));
        break;
    case LoadedResults::Kind::ModeShape:
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
    legend_->setPixmap(QPixmap::fromImage(ResultLegendPicture(session_.model.SectionPalette)));
}

void ResultsDialog::hideEvent(QHideEvent* event)
{
    StopAnimation();
    QDialog::hideEvent(event);
}

} // namespace mirelo
