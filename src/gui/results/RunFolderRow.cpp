#include "gui/results/RunFolderRow.h"

#include "gui/common/FileChooser.h"
#include "gui/common/NamedWidget.h"
#include "gui/results/ResultStepBar.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace mirelo {

RunFolderRow::RunFolderRow(ResultStepBar& steps, FileChooser& files, QWidget* parent)
    : QWidget(parent), steps_(steps), files_(files)
{
    folder_ = NamedWidget<QLabel>("FolderLabel", this);
    folder_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* choose = NamedWidget<QPushButton>("FolderButton", tr("Folder..."), this);
    choose->setToolTip(tr("Pick any file in the folder of the run whose results to show"));
    auto* load = NamedWidget<QPushButton>("LoadButton", tr("Load"), this);
    connect(choose, &QPushButton::clicked, this, [this] {
        if (const auto folder = ChooseFolder(files_)) {
            steps_.SetFolder(*folder);
            ShowFolder();
            emit LoadRequested();
        }
    });
    connect(load, &QPushButton::clicked, this, &RunFolderRow::LoadRequested);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(tr("Run folder:"), this));
    layout->addWidget(folder_, 1);
    layout->addWidget(choose);
    layout->addWidget(load);
    ShowFolder();
}

void RunFolderRow::ShowFolder()
{
    const QString folder = steps_.Folder();
    folder_->setText(folder.isEmpty() ? tr("none yet: run the solver or choose one")
                                      : QDir::toNativeSeparators(folder));
}

std::optional<QString> RunFolderRow::ChooseFolder(FileChooser& files)
{
    const std::optional<QString> path = files.OpenFile(FileKind::Result, tr("All files|*"));
    if (!path)
        return std::nullopt;
    return QFileInfo(*path).absolutePath();
}

} // namespace mirelo
