#include "gui/results/ForceDiagramWindow.h"

#include "common/NumberText.h"
#include "gui/common/CommandHost.h"
#include "gui/common/DisplayText.h"
#include "gui/common/NamedWidget.h"
#include "gui/common/StatusLine.h"
#include "gui/common/SettingBoxes.h"
#include "gui/results/ResultStepBar.h"
#include "gui/results/RunFolderRow.h"
#include "script/RecorderFiles.h"
#include "session/ResultLoading.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace mirelo {

namespace {

// The contour choices in the order of ContourQuantity.
const char* const kContourItems[] = {QT_TRANSLATE_NOOP("mirelo::ForceDiagramWindow", "None"), "|u|", "ux", "uy", "uz"};

} // namespace

ForceDiagramWindow::ForceDiagramWindow(Session& session, CommandHost& host, FileChooser& files, ResultStepBar& steps,
                                       QWidget* parent)
    : QDialog(parent), session_(session), host_(host), steps_(steps)
{
    setObjectName("ForceDiagramWindow");
    setWindowTitle(tr("Force Diagram"));

    folder_ = new RunFolderRow(steps_, files, this);
    connect(folder_, &RunFolderRow::LoadRequested, this, [this] { LoadForces(); });

    quantity_ = NamedWidget<QComboBox>("QuantityBox", this);
    quantity_->addItem(tr("None"));
    for (const ForceQuantityInfo& info : kForceQuantities)
        quantity_->addItem(SettingCaption(info.caption));
    connect(quantity_, &QComboBox::activated, this, &ForceDiagramWindow::QuantityChosen);

    scale_ = NamedWidget<QLineEdit>("ScaleEdit", this);
    scale_->setToolTip(tr("Model length per unit of force: larger draws taller diagrams"));
    auto* apply = NamedWidget<QPushButton>("ApplyScaleButton", tr("Apply"), this);
    connect(scale_, &QLineEdit::returnPressed, this, &ForceDiagramWindow::ScaleEntered);
    connect(apply, &QPushButton::clicked, this, &ForceDiagramWindow::ScaleEntered);
    auto* scaleRow = new QHBoxLayout;
    scaleRow->addWidget(scale_, 1);
    scaleRow->addWidget(apply);

    values_ = NamedWidget<QCheckBox>("ShowValuesCheck", tr("Show Values"), this);
    connect(values_, &QCheckBox::toggled, this, [this](bool on) {
        session_.view.ShowForceValues = on;
        host_.RunCommand([this] { host_.Redraw(); });
    });

    contour_ = NamedWidget<QComboBox>("ContourBox", this);
    for (const char* item : kContourItems)
        contour_->addItem(tr(item));
    connect(contour_, &QComboBox::activated, this, &ForceDiagramWindow::ContourChosen);

    status_ = new StatusLine(this);
    auto* close = NamedWidget<QPushButton>("CloseButton", tr("Close"), this);
    connect(close, &QPushButton::clicked, this, &QDialog::close);

    auto* form = new QFormLayout;
    form->addRow(tr("Quantity"), quantity_);
    form->addRow(tr("Scale"), scaleRow);
    form->addRow(QString(), values_);
    form->addRow(tr("Contour"), contour_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(folder_);
    layout->addLayout(form);
    layout->addWidget(status_);
    layout->addWidget(close, 0, Qt::AlignRight);
    resize(520, 260);
}

// The step bar loads the step for everything shown, the forces now among them.
bool ForceDiagramWindow::LoadForces()
{
    folder_->ShowFolder();
    ViewState& view = session_.view;
    const bool wasShown = view.ShowForces;
    view.ShowForces = true;
    try {
        steps_.ShowStep({ShownStep(session_.results), std::nullopt});
    } catch (const std::exception& error) {
        view.ShowForces = wasShown;
        status_->Say(DisplayText(error.what()), true);
        SyncBoxes();
        return false;
    }
    StepShown();
    return true;
}

void ForceDiagramWindow::StepShown()
{
    if (!session_.results.HasForces())
        return;
    const ElementForces& forces = session_.results.forces;
    status_->Say(
        tr("Step %1 of %2, time %3").arg(forces.step).arg(forces.stepCount).arg(OwnText(FormatGeneral(forces.time))),
        false);
    SyncBoxes();
}

void ForceDiagramWindow::showEvent(QShowEvent* event)
{
    SyncBoxes();
    QDialog::showEvent(event);
}

// A quantity starts at its own suggested scale.
void ForceDiagramWindow::QuantityChosen(int index)
{
    ViewState& view = session_.view;
    view.ShowForces = index > 0;
    if (index > 0) {
        view.ForceShown = kForceQuantities[static_cast<std::size_t>(index - 1)].quantity;
        view.ForceScale = SuggestedForceScale(session_);
    }
    SyncBoxes();
    host_.RunCommand([this] { host_.Redraw(); });
}

void ForceDiagramWindow::ScaleEntered()
{
    double scale = 0;
    try {
        scale = ParseReal(scale_->text().toStdString());
    } catch (const std::exception& error) {
        status_->Say(DisplayText(error.what()), true);
        return;
    }
    if (scale == 0 || !std::isfinite(scale)) {
        status_->Say(tr("The scale must be a number other than 0"), true);
        return;
    }
    session_.view.ForceScale = scale;
    status_->Say(QString(), false);
    host_.RunCommand([this] { host_.Redraw(); });
}

// Contours colour the loaded displacements: with none loaded, the last step
// is shown first.
void ForceDiagramWindow::ContourChosen(int index)
{
    if (index > 0 && session_.results.loaded.kind == LoadedResults::Kind::None) {
        try {
            steps_.ShowStep({ShownStep(session_.results), std::nullopt});
        } catch (const std::exception& error) {
            status_->Say(DisplayText(error.what()), true);
            SyncBoxes();
            return;
        }
    }
    session_.view.ContourShown = static_cast<ContourQuantity>(index);
    host_.RunCommand([this] { host_.Redraw(); });
}

void ForceDiagramWindow::SyncBoxes()
{
    const ViewState& view = session_.view;
    quantity_->setCurrentIndex(view.ShowForces ? static_cast<int>(view.ForceShown) + 1 : 0);
    scale_->setText(view.ForceScale != 0 ? OwnText(BoxNumber(view.ForceScale)) : QString());
    const QSignalBlocker quiet(values_);
    values_->setChecked(view.ShowForceValues);
    contour_->setCurrentIndex(static_cast<int>(view.ContourShown));
}

} // namespace mirelo
