#include "app/AtomicSave.h"

#include "common/Errors.h"

#include <QFile>
#include <QSaveFile>

namespace mirelo {

void SaveTextLinesAtomically(const QString& path, const TextLines& lines)
{
    QSaveFile file(path);
    const std::string text = lines.Join("\r\n");
    // Unbuffered, so that a short write shows in write()'s count (a buffered
    // QSaveFile flushes on commit and misses a short write there); writing
    // the rest again then gives the reason, such as a full disk.
    bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    for (std::size_t done = 0; written && done < text.size();) {
        const qint64 count = file.write(text.data() + done, static_cast<qint64>(text.size() - done));
        written = count > 0;
        done += written ? static_cast<std::size_t>(count) : 0;
    }
    if (!written || !file.commit()) {
        // Not committed: the new file is discarded with the object.
        throw FileError("Cannot save file \"" + QFile::encodeName(path).toStdString() + "\". "
                        + file.errorString().toStdString());
    }
}

} // namespace mirelo
