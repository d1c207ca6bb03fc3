#pragma once

#include "session/ResultLoading.h"

#include <QTimer>
#include <QToolBar>

#include <cstdint>
#include <functional>

class QLabel;
class QSlider;
class QToolButton;

namespace mirelo {

class CommandHost;
struct Session;

// The results' step bar at the bottom of the main window, beside the drawing
// rather than over it: step back, "Animate" (play and pause), step forward,
// a slider over the run's steps and "Step k of n". Every step it shows goes
// through `LoadStep`, so every quantity shown is of that one step, also while
// it plays and after it stops.
class ResultStepBar : public QToolBar {
    Q_OBJECT

public:
    // The run folder the results come from is the main window's (its
    // project keeps it): the solver's last run, or the folder chosen since.
    // `runFolder` reads it and `setRunFolder` changes it.
    ResultStepBar(Session& session, CommandHost& host, std::function<QString()> runFolder,
                  std::function<void(const QString&)> setRunFolder, QWidget* parent = nullptr);

    QString Folder() const { return runFolder_(); } // empty before a run or a choice
    void SetFolder(const QString& folder) { setRunFolder_(folder); }

    // Loads the step (or mode) of everything shown from the folder and
    // redraws; the session is unchanged when a file fails.
    void ShowStep(const StepOrMode& step);
    // Step back or forward: the load step before or after, or the mode.
    void StepBy(int delta);
    void AnimateClick(bool on);
    bool animating() const { return timer_.isActive(); }
    // One frame of the running animation (the timer calls it).
    void AnimationFrame();
    // Stops playing; a swinging mode returns to its full scale.
    void StopAnimation();

    // The slider, the label and whether the bar shows follow the session's
    // result set (the main window calls it on every redraw).
    void ShowLoaded();

signals:
    // A step was shown or the animation stopped.
    void StepShown();

private:
    void Redraw();

    Session& session_;
    CommandHost& host_;
    std::function<QString()> runFolder_;
    std::function<void(const QString&)> setRunFolder_;
    QToolButton* animate_;
    QSlider* slider_;
    QLabel* label_;
    QTimer timer_;
    std::int64_t frame_ = 0;
    double swingScale_ = 0; // the scale a mode swings about
};

} // namespace mirelo
