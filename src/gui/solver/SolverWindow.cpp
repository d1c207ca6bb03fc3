#include "gui/solver/SolverWindow.h"

#include "gui/common/CommandHost.h"
#include "gui/common/NamedWidget.h"
#include "gui/solver/SolverRun.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTimer>
#include <QVBoxLayout>

namespace mirelo {

namespace {

// Enough for a long run; older lines scroll away beyond it.
constexpr int kMaxOutputLines = 200000;
// Output is shown in batches: a line at a time, a chatty solver would keep the
// window busy long after it ended.
constexpr int kTickMs = 100;

QLabel* NamedLabel(const char* name, const QString& text, QWidget* parent)
{
    auto* label = NamedWidget<QLabel>(name, text, parent);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

SolverWindow::SolverWindow(const SolverLocation& solver, const QString& script, LoadLastStepHook loadLastStep,
                           CommandHost& host, QWidget* parent)
    : QWidget(parent, Qt::Window), host_(host), loadLastStep_(std::move(loadLastStep)),
      run_(new SolverRun(solver.program, solver.leading, script, this))
{
    setObjectName("SolverWindow");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("OpenSees: %1").arg(QFileInfo(script).fileName()));
    resize(760, 520);

    output_ = new QPlainTextEdit(this);
    output_->setObjectName("SolverOutput");
    output_->setReadOnly(true);
    output_->setMaximumBlockCount(kMaxOutputLines);
    output_->setLineWrapMode(QPlainTextEdit::NoWrap);
    output_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    elapsed_ = NamedLabel("ElapsedLabel", tr("Elapsed: %1").arg(ElapsedText(0)), this);
    verdict_ = NamedLabel("VerdictLabel", tr("OpenSees is running."), this);
    verdict_->setWordWrap(true);
    stop_ = NamedWidget<QPushButton>("StopButton", tr("Stop"), this);
    load_ = NamedWidget<QPushButton>("LoadButton", tr("Load Last Step"), this);
    load_->setToolTip(tr("Load the displacements of the last step the solver recorded, and draw them"));
    load_->setEnabled(false);
    load_->setVisible(static_cast<bool>(loadLastStep_));
    auto* close = NamedWidget<QPushButton>("CloseButton", tr("Close"), this);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(elapsed_);
    buttons->addStretch(1);
    buttons->addWidget(stop_);
    buttons->addWidget(load_);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(NamedLabel("ScriptLabel", tr("Script: %1").arg(QDir::toNativeSeparators(run_->ScriptPath())), this));
    layout->addWidget(NamedLabel(
        "SolverLabel", tr("Solver: %1").arg(SolverDescription(solver)), this));
    layout->addWidget(output_, 1);
    layout->addWidget(verdict_);
    layout->addLayout(buttons);

    ticker_ = new QTimer(this);
    ticker_->setInterval(kTickMs);
    connect(ticker_, &QTimer::timeout, this, &SolverWindow::Tick);
    connect(run_, &SolverRun::LineReceived, this, &SolverWindow::AppendLine);
    connect(run_, &SolverRun::Finished, this, &SolverWindow::RunFinished);
    connect(stop_, &QPushButton::clicked, run_, &SolverRun::Stop);
    connect(load_, &QPushButton::clicked, this, &SolverWindow::LoadLastStep);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

SolverWindow::~SolverWindow() = default;

void SolverWindow::Start()
{
    run_->Start();
    ticker_->start();
}

QColor SolverWindow::MarkColour(SolverLineKind kind)
{
    switch (kind) {
    case SolverLineKind::Warning:
        return {255, 236, 170};
    case SolverLineKind::Error:
        return {255, 200, 200};
    case SolverLineKind::Plain:
        break;
    }
    return {};
}

void SolverWindow::AppendLine(const QString& line, SolverLineKind kind)
{
    pending_.emplace_back(line, kind);
}

// Each line is one block; a marked line carries its colour across the width.
// The view follows the end unless the user has scrolled up.
void SolverWindow::ShowPendingLines()
{
    if (pending_.empty())
        return;
    QScrollBar* bar = output_->verticalScrollBar();
    const bool following = bar->value() == bar->maximum();
    QTextCursor cursor(output_->document());
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    bool first = output_->document()->isEmpty();
    for (const auto& [line, kind] : pending_) {
        QTextBlockFormat format;
        if (kind != SolverLineKind::Plain)
            format.setBackground(MarkColour(kind));
        if (first)
            cursor.setBlockFormat(format);
        else
            cursor.insertBlock(format);
        cursor.insertText(line);
        first = false;
    }
    cursor.endEditBlock();
    pending_.clear();
    if (following)
        bar->setValue(bar->maximum());
}

void SolverWindow::Tick()
{
    ShowPendingLines();
    elapsed_->setText(tr("Elapsed: %1").arg(ElapsedText(run_->ElapsedSeconds())));
}

void SolverWindow::RunFinished()
{
    ticker_->stop();
    Tick();
    const SolverOutcome& outcome = run_->Outcome();
    verdict_->setText(SolverVerdict(outcome)
                      + (outcome.started && loadLastStep_ ? " Load Last Step draws the last recorded step." : ""));
    verdict_->setStyleSheet(FinishedCleanly(outcome) ? "color: #006400;" : "color: #b00000;");
    stop_->setEnabled(false);
    load_->setEnabled(outcome.started);
}

void SolverWindow::LoadLastStep()
{
    const QString folder = QFileInfo(run_->ScriptPath()).absolutePath();
    host_.RunCommand([this, folder] { loadLastStep_(folder); });
}

// A solver still running is stopped with its window.
void SolverWindow::closeEvent(QCloseEvent* event)
{
    run_->Stop();
    QWidget::closeEvent(event);
}

} // namespace mirelo
