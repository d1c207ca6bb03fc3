#include "gui/common/FileChooser.h"

#include "gui/common/ProgramSettings.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

namespace mirelo {

namespace {

QString FolderKey(FileKind kind)
{
    switch (kind) {
    case FileKind::Model:
        return QStringLiteral("folders/models");
    case FileKind::Script:
        return QStringLiteral("folders/scripts");
    case FileKind::Picture:
        return QStringLiteral("folders/pictures");
    case FileKind::Result:
        return QStringLiteral("folders/results");
    case FileKind::Program:
        return QStringLiteral("folders/programs");
    case FileKind::Project:
        return QStringLiteral("folders/projects");
    }
    return {};
}

QString StartFolder(FileKind kind)
{
    const QString remembered = RememberedFolder(kind);
    return remembered.isEmpty() ? QDir::currentPath() : remembered;
}

std::optional<QString> Remember(FileKind kind, const std::optional<QString>& path)
{
    if (path && !path->isEmpty()) {
        ProgramSettings settings;
        settings.setValue(FolderKey(kind), QFileInfo(*path).absolutePath());
    }
    return path;
}

} // namespace

QString RememberedFolder(FileKind kind)
{
    const ProgramSettings settings;
    const QString folder = settings.value(FolderKey(kind)).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}

std::optional<QString> FileChooser::OpenFile(FileKind kind, const QString& filter)
{
    return Remember(kind, AskOpen(filter, StartFolder(kind)));
}

std::optional<QString> FileChooser::SaveFile(FileKind kind, const QString& filter)
{
    return Remember(kind, AskSave(filter, StartFolder(kind)));
}

QString QtNameFilter(const QString& filter)
{
    const QStringList parts = filter.split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].split(';', Qt::SkipEmptyParts)) {
            patterns << pattern;
            if (pattern.toUpper() != pattern)
                patterns << pattern.toUpper();
        }
        filters << parts[i] + " (" + patterns.join(' ') + ")";
    }
    return filters.join(";;");
}

std::optional<QString> DialogFileChooser::AskOpen(const QString& filter, const QString& folder)
{
    const QString path = QFileDialog::getOpenFileName(parent_, QString(), folder, QtNameFilter(filter));
    if (path.isEmpty())
        return std::nullopt;
    QDir::setCurrent(QFileInfo(path).absolutePath());
    return path;
}

std::optional<QString> DialogFileChooser::AskSave(const QString& filter, const QString& folder)
{
    const QString path = QFileDialog::getSaveFileName(parent_, QString(), folder, QtNameFilter(filter));
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

} // namespace mirelo
