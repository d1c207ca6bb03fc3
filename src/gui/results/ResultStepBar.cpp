#include "gui/results/ResultStepBar.h"

#include "common/Errors.h"
#include "gui/common/CommandHost.h"
#include "gui/common/NamedWidget.h"
#include "results/ResultAnimation.h"
#include "session/Session.h"

#include <QFile>
#include <QLabel>
#include <QSlider>
#include <QStyle>
#include <QToolButton>

#include <algorithm>

namespace mirelo {

ResultStepBar::ResultStepBar(Session& session, CommandHost& host, std::function<QString()> runFolder,
                             std::function<void(const QString&)> setRunFolder, QWidget* parent)
    : QToolBar(tr("Result Steps"), parent), session_(session), host_(host), runFolder_(std::move(runFolder)),
      setRunFolder_(std::move(setRunFolder))
{
    setObjectName("ResultStepBar");
    setMovable(false);
    const auto button = [this](const char* name, QStyle::StandardPixmap icon, const QString& tip) {
        auto* b = NamedWidget<QToolButton>(name, this);
        b->setIcon(style()->standardIcon(icon));
        b->setToolTip(tip);
        addWidget(b);
        return b;
    };
    auto* back = button("StepBackButton", QStyle::SP_MediaSeekBackward, tr("Step back"));
    animate_ = button("AnimateButton", QStyle::SP_MediaPlay, tr("Play the load steps, or swing the mode shape"));
    animate_->setText(tr("Animate"));
    animate_->setCheckable(true);
    auto* forward = button("StepForwardButton", QStyle::SP_MediaSeekForward, tr("Step forward"));
    slider_ = NamedWidget<QSlider>("StepSlider", Qt::Horizontal, this);
    slider_->setMinimum(1);
    slider_->setMinimumWidth(240);
    addWidget(slider_);
    label_ = NamedWidget<QLabel>("StepLabel", this);
    label_->setContentsMargins(8, 0, 8, 0);
    addWidget(label_);

    const auto command = [this](std::function<void()> run) {
        return [this, run = std::move(run)] { host_.RunCommand(run); };
    };
    connect(back, &QToolButton::clicked, this, command([this] { StepBy(-1); }));
    connect(forward, &QToolButton::clicked, this, command([this] { StepBy(1); }));
    connect(animate_, &QToolButton::toggled, this, [this](bool on) { host_.RunCommand([this, on] { AnimateClick(on); }); });
    connect(slider_, &QSlider::valueChanged, this,
            [this](int step) { host_.RunCommand([this, step] { ShowStep({step, std::nullopt}); }); });
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { AnimationFrame(); });
    ShowLoaded();
}

void ResultStepBar::ShowStep(const StepOrMode& step)
{
    const QString folder = Folder();
    if (folder.isEmpty())
        throw Error(tr("Choose the run's folder first: no solver has run yet").toStdString());
    try {
        LoadStep(session_, QFile::encodeName(folder).toStdString(), step);
    } catch (...) {
        ShowLoaded(); // the slider goes back to the step still shown
        throw;
    }
    if (session_.view.DeformScale == 0)
        session_.view.DeformScale = SuggestedDeformScale(session_.model, session_.results);
    Redraw();
}

void ResultStepBar::StepBy(int delta)
{
    const LoadedResults& loaded = session_.results.loaded;
    switch (loaded.kind) {
    case LoadedResults::Kind::None: throw Error(tr("Load a step or a mode first").toStdString());
    case LoadedResults::Kind::LoadStep:
        ShowStep({static_cast<std::int32_t>(std::clamp<std::int64_t>(loaded.step + delta, 1, loaded.stepCount)),
                  std::nullopt});
        break;
    case LoadedResults::Kind::ModeShape: ShowStep({std::nullopt, std::max(loaded.mode + delta, 1)}); break;
    }
}

void ResultStepBar::AnimateClick(bool on)
{
    if (!on) {
        StopAnimation();
        return;
    }
    if (session_.results.loaded.kind == LoadedResults::Kind::None) {
        const QSignalBlocker quiet(animate_);
        animate_->setChecked(false);
        throw Error(tr("Load node displacements or a mode shape first: the animation plays them").toStdString());
    }
    swingScale_ = session_.view.DeformScale;
    frame_ = 0;
    animate_->setIcon(style()->standardIcon(QStyle::SP_MediaPause));
    timer_.start(kAnimationFrameMilliseconds);
}

void ResultStepBar::AnimationFrame()
{
    host_.RunCommand([this] {
        try {
            const LoadedResults& loaded = session_.results.loaded;
            if (loaded.kind == LoadedResults::Kind::LoadStep) {
                ShowStep({static_cast<std::int32_t>(NextAnimationStep(loaded.step, loaded.stepCount)), std::nullopt});
            } else if (loaded.kind == LoadedResults::Kind::ModeShape) {
                session_.view.DeformScale = swingScale_ * ModeSwingFactor(++frame_);
                Redraw();
            } else {
                throw Error(tr("The results were cleared: the animation stops").toStdString());
            }
        } catch (...) {
            StopAnimation();
            throw;
        }
    });
}

void ResultStepBar::StopAnimation()
{
    if (!timer_.isActive())
        return;
    timer_.stop();
    {
        const QSignalBlocker quiet(animate_);
        animate_->setChecked(false);
    }
    animate_->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    if (session_.results.loaded.kind == LoadedResults::Kind::ModeShape)
        session_.view.DeformScale = swingScale_;
    Redraw();
}

void ResultStepBar::Redraw()
{
    host_.Redraw(); // the main window's redraw calls ShowLoaded
}

void ResultStepBar::ShowLoaded()
{
    const LoadedResults& loaded = session_.results.loaded;
    if (loaded.kind == LoadedResults::Kind::None && timer_.isActive()) {
        timer_.stop(); // the results were cleared under it
        const QSignalBlocker quiet(animate_);
        animate_->setChecked(false);
        animate_->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    }
    setVisible(loaded.kind != LoadedResults::Kind::None);
    const bool steps = loaded.kind == LoadedResults::Kind::LoadStep;
    {
        const QSignalBlocker quiet(slider_);
        slider_->setEnabled(steps);
        slider_->setMaximum(steps ? static_cast<int>(std::max<std::int64_t>(loaded.stepCount, 1)) : 1);
        slider_->setValue(steps ? static_cast<int>(loaded.step) : 1);
    }
    if (steps)
        label_->setText(tr("Step %1 of %2").arg(loaded.step).arg(loaded.stepCount));
    else if (loaded.kind == LoadedResults::Kind::ModeShape)
        label_->setText(tr("Mode %1").arg(loaded.mode));
    else
        label_->clear();
    emit StepShown();
}

} // namespace mirelo
