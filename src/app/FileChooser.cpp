#include "app/FileChooser.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

namespace mirelo {

QString QtNameFilter(const QString& filter)
{
    const QStringList parts = filter.split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << parts[i] + " (" + QString(parts[i + 1]).replace(';', ' ') + ")";
    return filters.join(";;");
}

std::optional<QString> DialogFileChooser::OpenFile(const QString& filter)
{
    const QString path = QFileDialog::getOpenFileName(parent_, QString(), QDir::currentPath(), QtNameFilter(filter));
    if (path.isEmpty())
        return std::nullopt;
    QDir::setCurrent(QFileInfo(path).absolutePath());
    return path;
}

} // namespace mirelo
