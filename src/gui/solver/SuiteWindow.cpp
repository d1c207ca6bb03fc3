#include "gui/solver/SuiteWindow.h"

#include "model/QuantityUnits.h"

#include "session/Session.h"
#include "common/NumberText.h"
#include "gui/common/CommandHost.h"
#include "gui/common/SettingBoxes.h"
#include "gui/solver/SolverLocator.h"
#include "parallel/ParallelLaunch.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>


namespace mirelo {

namespace {

std::string Local(const QString& text)
{
    return QFile::encodeName(text).toStdString();
}

QString Shown(const std::string& text)
{
    return QFile::decodeName(QByteArray::fromStdString(text));
}

// OpenSeesMP under mpiexec where both are found, else sequential OpenSees
// processes: the solver the Solver setting names, or the one found as the
// solver window finds it.
std::vector<Launch> Launches(const std::string& folder, int processes, const std::string& hostfile)
{
    const std::string here = Local(QCoreApplication::applicationDirPath());
    const auto mpiexec = FindProgram(SearchFromEnvironment(MpiexecNames(), "", kMpiexecVariable, here));
    const auto mp = FindProgram(SearchFromEnvironment(OpenSeesMpNames(), "", kOpenSeesMpVariable, here));
    if (mpiexec && mp) {
        return {MpiSuiteLaunch(mpiexec->program, mp->program, folder, processes, hostfile, ThisMpiHost())};
    }
    return SequentialSuiteLaunches(Local(FindSolver(CurrentSolverSearch()).program), folder, processes);
}

QString StateText(const RunStatus& s)
{
    const QString word = Shown(std::string(RunStateWord(s.state)));
    if (s.state == RunState::Running || s.state == RunState::Failed || s.state == RunState::TimeLimit)
        return QCoreApplication::translate("mirelo::SuiteWindow", "%1 (step %2 of %3)").arg(word).arg(s.step).arg(s.steps);
    return word;
}

} // namespace

SuiteWindow::SuiteWindow(Session& session, CommandHost& host, LoadRunHook loadRun, ShowIdaHook showIda,
                         QWidget* parent)
    : QDialog(parent), session_(session), host_(host), loadRun_(std::move(loadRun)), showIda_(std::move(showIda))
{
    setObjectName("SuiteWindow");
    setWindowTitle(tr("Run Suite"));
    resize(760, 520);
    auto* form = new QFormLayout;
    motions_ = new QLineEdit;
    motions_->setObjectName("MotionsFolder");
    motions_->setPlaceholderText(tr("a folder of .AT2 records, or of records listed in records.csv"));
    scales_ = new QLineEdit("1");
    scales_->setObjectName("Scales");
    folder_ = new QLineEdit;
    folder_->setObjectName("SuiteFolder");
    folder_->setPlaceholderText(tr("the folder the runs and summary.csv go into"));
    processCount_ = new QSpinBox;
    processCount_->setObjectName("Processes");
    processCount_->setRange(1, 4096);
    processCount_->setValue(std::max(1, QThread::idealThreadCount()));
    hostfile_ = new QLineEdit;
    hostfile_->setObjectName("Hostfile");
    hostfile_->setPlaceholderText(tr("none: this machine"));
    timeLimit_ = new QSpinBox;
    timeLimit_->setObjectName("TimeLimit");
    timeLimit_->setRange(0, 1000000);
    timeLimit_->setSpecialValueText(tr("none"));
    timeLimit_->setSuffix(" s");
    resume_ = new QCheckBox(tr("Run only the runs without a result"));
    resume_->setObjectName("Resume");
    form->addRow(tr("Motions folder"), motions_);
    form->addRow(tr("Scales"), scales_);
    form->addRow(tr("Suite folder"), folder_);
    form->addRow(tr("Processes"), processCount_);
    form->addRow(tr("Hosts file"), hostfile_);
    form->addRow(tr("Time limit per run"), timeLimit_);
    form->addRow(QString(), resume_);

    table_ = new QTableWidget(0, 5);
    table_->setObjectName("RunTable");
    ShowHeaders();
    table_->horizontalHeader()->setStretchLastSection(true);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    connect(table_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { LoadRow(row); });

    start_ = new QPushButton(tr("Start"));
    start_->setObjectName("StartButton");
    stop_ = new QPushButton(tr("Stop"));
    stop_->setObjectName("StopButton");
    stop_->setEnabled(false);
    ida_ = new QPushButton(tr("IDA Curves"));
    ida_->setObjectName("IdaButton");
    ida_->setEnabled(false);
    connect(start_, &QPushButton::clicked, this, [this] { host_.RunCommand([this] { Start(); }); });
    connect(stop_, &QPushButton::clicked, this, [this] { Stop(); });
    connect(ida_, &QPushButton::clicked, this, [this] { ShowIda(); });
    status_ = new QLabel;
    status_->setObjectName("SuiteStatus");
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(start_);
    buttons->addWidget(stop_);
    buttons->addWidget(ida_);
    buttons->addWidget(status_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->addWidget(table_, 1);

    timer_ = new QTimer(this);
    timer_->setInterval(500);
    connect(timer_, &QTimer::timeout, this, [this] { Refresh(); });
}

SuiteWindow::~SuiteWindow()
{
    for (QProcess* process : processes_)
        disconnect(process, nullptr, this, nullptr);
    Stop();
}

// The peaks in the model's units, which change with the model shown.
void SuiteWindow::ShowHeaders()
{
    const auto withUnit = [this](const QString& caption, Quantity quantity) {
        const std::string unit = QuantityUnit(quantity, session_.model.Units);
        return unit.empty() ? caption : tr("%1 (%2)").arg(caption, QString::fromStdString(unit));
    };
    table_->setHorizontalHeaderLabels({tr("Run"), tr("State"), withUnit(tr("Peak displacement"), Quantity::Length),
                                       withUnit(tr("Peak base shear"), Quantity::Force), tr("Wall time (s)")});
}

void SuiteWindow::showEvent(QShowEvent* event)
{
    ShowHeaders();
    QDialog::showEvent(event);
}

void SuiteWindow::Start()
{
    if (Running())
        return;
    SuiteRequest request;
    request.motionsFolder = Local(motions_->text());
    request.scales = ParseScales(Local(scales_->text()));
    request.suiteFolder = Local(folder_->text());
    if (request.suiteFolder.empty())
        throw Error(tr("Choose a suite folder for the runs").toStdString());
    request.timeLimitSeconds = timeLimit_->value();
    request.resume = resume_->isChecked();
    // The solver is looked for before any file is written.
    const std::vector<Launch> launches = Launches(Local(QFileInfo(folder_->text()).absoluteFilePath()),
                                                  processCount_->value(), Local(hostfile_->text()));
    suite_ = PrepareSuite(session_.model, session_.analysis, session_.recorders, request);
    table_->setRowCount(static_cast<int>(suite_.runs.size()));
    for (std::size_t i = 0; i < suite_.runs.size(); ++i)
        table_->setItem(static_cast<int>(i), 0, new QTableWidgetItem(Shown(suite_.runs[i].name)));
    Refresh();
    for (const Launch& launch : suite_.todo.empty() ? std::vector<Launch>{} : launches) {
        auto* process = new QProcess(this);
        process->setProgram(Shown(launch.program));
        QStringList arguments;
        for (const std::string& argument : launch.arguments)
            arguments << Shown(argument);
        process->setArguments(arguments);
        process->setWorkingDirectory(Shown(launch.workingFolder));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const auto& [name, value] : launch.environment)
            environment.insert(Shown(name), Shown(value));
        process->setProcessEnvironment(environment);
        process->setProcessChannelMode(QProcess::MergedChannels);
        process->setStandardOutputFile(Shown(launch.logPath));
        connect(process, &QProcess::finished, this, [this] { ProcessEnded(); });
        connect(process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart)
                ProcessEnded();
        });
        processes_.push_back(process);
        process->start();
    }
    start_->setEnabled(false);
    stop_->setEnabled(true);
    ida_->setEnabled(false);
    status_->setText(tr("%1 runs, %2 to do").arg(suite_.runs.size()).arg(suite_.todo.size()));
    timer_->start();
    if (suite_.todo.empty())
        ProcessEnded();
}

bool SuiteWindow::Running() const
{
    for (const QProcess* process : processes_)
        if (process->state() != QProcess::NotRunning)
            return true;
    return false;
}

void SuiteWindow::Stop()
{
    for (QProcess* process : processes_)
        if (process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished(3000);
        }
}

void SuiteWindow::Refresh()
{
    const std::vector<RunStatus> statuses = ReadSuiteStatus(suite_.folder, suite_.runs);
    for (std::size_t i = 0; i < statuses.size() && static_cast<int>(i) < table_->rowCount(); ++i) {
        const RunStatus& s = statuses[i];
        const int row = static_cast<int>(i);
        const auto set = [&](int column, const QString& text) {
            if (!table_->item(row, column))
                table_->setItem(row, column, new QTableWidgetItem);
            table_->item(row, column)->setText(text);
        };
        set(1, StateText(s));
        set(2, s.hasDisplacement && s.state != RunState::Waiting ? Shown(BoxNumber(s.peakDisplacement)) : "");
        set(3, s.hasBaseShear && s.state != RunState::Waiting ? Shown(BoxNumber(s.peakBaseShear)) : "");
        set(4, s.state != RunState::Waiting ? Shown(FormatFixed(s.seconds, 1)) : "");
    }
    table_->resizeColumnsToContents();
}

void SuiteWindow::ProcessEnded()
{
    if (Running())
        return;
    timer_->stop();
    Refresh();
    host_.RunCommand([this] {
        const std::vector<std::string> unfinished = WriteSuiteSummary(suite_);
        status_->setText(unfinished.empty()
                             ? tr("Every run has its result: %1/summary.csv").arg(Shown(suite_.folder))
                             : tr("%1 run(s) without a result; the solver's messages are in %2")
                                   .arg(unfinished.size())
                                   .arg(Shown(suite_.folder)));
    });
    start_->setEnabled(true);
    stop_->setEnabled(false);
    ida_->setEnabled(true);
    for (QProcess* process : processes_)
        process->deleteLater();
    processes_.clear();
}

void SuiteWindow::ShowIda()
{
    if (showIda_)
        showIda_(IdaLines(suite_.motions, suite_.runs, ReadSuiteStatus(suite_.folder, suite_.runs)));
}

void SuiteWindow::LoadRow(int row)
{
    if (row < 0 || static_cast<std::size_t>(row) >= suite_.runs.size() || !loadRun_)
        return;
    const QString folder = Shown(suite_.folder) + "/" + Shown(suite_.runs[static_cast<std::size_t>(row)].name);
    host_.RunCommand([&] { loadRun_(folder); });
}

void SuiteWindow::closeEvent(QCloseEvent* event)
{
    Stop();
    QDialog::closeEvent(event);
}

} // namespace mirelo
