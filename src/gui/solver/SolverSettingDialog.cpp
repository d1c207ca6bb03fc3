#include "gui/solver/SolverSettingDialog.h"

#include "gui/common/CommandHost.h"
#include "gui/common/DisplayText.h"
#include "gui/common/FileChooser.h"
#include "gui/common/SolverProcesses.h"
#include "gui/solver/SolverLocator.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <exception>

namespace mirelo {

SolverSettingDialog::SolverSettingDialog(FileChooser& chooser, CommandHost& host, QWidget* parent)
    : QDialog(parent), chooser_(chooser), host_(host)
{
    setObjectName("SolverSettingDialog");
    setWindowTitle(tr("Solver"));
    resize(560, 170);

    path_ = new QLineEdit(this);
    path_->setObjectName("SolverPathEdit");
    path_->setPlaceholderText(tr("empty: MIRELO_OPENSEES, the program's folder, then PATH"));
    auto* browse = new QPushButton(tr("Browse..."), this);
    browse->setObjectName("BrowseButton");
    processes_ = new QSpinBox(this);
    processes_->setObjectName("ProcessesSpin");
    processes_->setRange(1, kMaxSolverProcesses);
    processes_->setToolTip(tr("1 runs OpenSees. More run one analysis on OpenSeesSP under mpiexec, its model shared "
                              "out over the processes; scripts are then generated for its parallel solver "
                              "(system Mumps)."));
    found_ = new QLabel(this);
    found_->setObjectName("SolverFoundLabel");
    found_->setWordWrap(true);
    found_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("OkButton");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("CancelButton");

    auto* row = new QHBoxLayout;
    row->addWidget(path_, 1);
    row->addWidget(browse);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("OpenSees program:"), this));
    layout->addLayout(row);
    auto* processRow = new QHBoxLayout;
    processRow->addWidget(new QLabel(tr("Processes:"), this));
    processRow->addWidget(processes_);
    processRow->addStretch(1);
    layout->addLayout(processRow);
    layout->addWidget(found_);
    layout->addStretch(1);
    layout->addWidget(buttons);

    connect(path_, &QLineEdit::textChanged, this, &SolverSettingDialog::ShowFound);
    connect(processes_, &QSpinBox::valueChanged, this, &SolverSettingDialog::ShowFound);
    connect(browse, &QPushButton::clicked, this, [this] { host_.RunCommand([this] { Browse(); }); });
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        bool stored = false;
        host_.RunCommand([&] {
            Store();
            stored = true;
        });
        if (stored)
            accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    Reload();
}

void SolverSettingDialog::Reload()
{
    path_->setText(QDir::toNativeSeparators(SolverSettingPath()));
    processes_->setValue(SolverProcesses());
    ShowFound();
}

void SolverSettingDialog::Store()
{
    const QString path = path_->text().trimmed();
    if (!path.isEmpty()) {
        SolverSearch search;
        search.settingPath = path;
        FindSolver(search); // raises when the path names no solver
    }
    if (processes_->value() > 1)
        FindParallelSolver(processes_->value()); // raises when mpiexec or OpenSeesSP is missing
    SetSolverSettingPath(QDir::fromNativeSeparators(path));
    SetSolverProcesses(processes_->value());
}

// What a run would start with the box as it stands.
void SolverSettingDialog::ShowFound()
{
    SolverSearch search = CurrentSolverSearch();
    search.settingPath = path_->text().trimmed();
    try {
        const SolverLocation found =
            processes_->value() > 1 ? FindParallelSolver(processes_->value()) : FindSolver(search);
        found_->setText(tr("Runs %1.").arg(SolverDescription(found)));
    } catch (const std::exception& error) {
        found_->setText(DisplayText(error.what()));
    }
}

void SolverSettingDialog::Browse()
{
    if (const auto chosen = chooser_.OpenFile(FileKind::Program, tr("OpenSees|OpenSees;opensees|All files|*")))
        path_->setText(QDir::toNativeSeparators(*chosen));
}

} // namespace mirelo
