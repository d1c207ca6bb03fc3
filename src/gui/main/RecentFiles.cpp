#include "gui/main/RecentFiles.h"

#include "gui/common/ProgramSettings.h"

#include <QFileInfo>

namespace mirelo {

namespace {

const char* const kKey = "recentFiles";

QString Canonical(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

} // namespace

RecentFiles::RecentFiles()
{
    const ProgramSettings settings;
    paths_ = settings.value(kKey).toStringList();
    paths_.removeAll(QString());
    while (paths_.size() > kMaxCount)
        paths_.removeLast();
}

void RecentFiles::Add(const QString& path)
{
    const QString file = Canonical(path);
    paths_.removeIf([&file](const QString& p) { return Canonical(p) == file; });
    paths_.prepend(file);
    while (paths_.size() > kMaxCount)
        paths_.removeLast();
    ProgramSettings settings;
    settings.setValue(kKey, paths_);
}

} // namespace mirelo
