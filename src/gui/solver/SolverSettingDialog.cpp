#include "gui/solver/SolverSettingDialog.h"

#include "gui/common/CommandHost.h"
#include "gui/common/DisplayText.h"
#include "gui/common/FileChooser.h"
#include "gui/solver/SolverLocator.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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
    layout->addWidget(found_);
    layout->addStretch(1);
    layout->addWidget(buttons);

    connect(path_, &QLineEdit::textChanged, this, &SolverSettingDialog::ShowFound);
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
    SetSolverSettingPath(QDir::fromNativeSeparators(path));
}

// What a run would start with the box as it stands.
void SolverSettingDialog::ShowFound()
{
    SolverSearch search = CurrentSolverSearch();
    search.settingPath = path_->text().trimmed();
    try {
        const SolverLocation found = FindSolver(search);
        found_->setText(tr("Runs %1 (from %2).").arg(QDir::toNativeSeparators(found.program), found.origin));
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
