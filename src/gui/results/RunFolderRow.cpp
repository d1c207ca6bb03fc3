#include "gui/results/RunFolderRow.h"

#include "gui/common/FileChooser.h"
#include "gui/common/NamedWidget.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace mirelo {

RunFolderRow::RunFolderRow(FileChooser& files, QString filter, QWidget* parent)
    : QWidget(parent), files_(files), filter_(std::move(filter))
{
    folder_ = NamedWidget<QLineEdit>("FolderEdit", this);
    auto* browse = NamedWidget<QPushButton>("BrowseButton", tr("Browse..."), this);
    auto* load = NamedWidget<QPushButton>("LoadButton", tr("Load"), this);
    connect(browse, &QPushButton::clicked, this, [this] {
        if (const auto file = files_.OpenFile(FileKind::Result, filter_)) {
            SetFolder(QFileInfo(*file).absolutePath());
            emit LoadRequested();
        }
    });
    connect(load, &QPushButton::clicked, this, &RunFolderRow::LoadRequested);
    connect(folder_, &QLineEdit::returnPressed, this, &RunFolderRow::LoadRequested);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(tr("Run folder"), this));
    layout->addWidget(folder_, 1);
    layout->addWidget(browse);
    layout->addWidget(load);
}

void RunFolderRow::SetFolder(const QString& folder)
{
    folder_->setText(folder);
}

std::string RunFolderRow::Folder() const
{
    return QFile::encodeName(folder_->text()).toStdString();
}

} // namespace mirelo
