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

std::optional<QString> DialogFileChooser::OpenFile(const QString& filter)
{
    const QString path = QFileDialog::getOpenFileName(parent_, QString(), QDir::currentPath(), QtNameFilter(filter));
    if (path.isEmpty())
        return std::nullopt;
    QDir::setCurrent(QFileInfo(path).absolutePath());
    return path;
}

std::optional<QString> DialogFileChooser::SaveFile(const QString& filter)
{
    const QString path = QFileDialog::getSaveFileName(parent_, QString(), QDir::currentPath(), QtNameFilter(filter));
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

} // namespace mirelo
