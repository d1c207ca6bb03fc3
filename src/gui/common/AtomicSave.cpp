#include "gui/common/AtomicSave.h"

#include "common/Errors.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QSaveFile>

namespace mirelo {

namespace {

[[noreturn]] void CannotSave(const QString& path, const QString& reason)
{
    throw FileError("Cannot save file \"" + QFile::encodeName(path).toStdString() + "\". " + reason.toStdString());
}

} // namespace

void SaveBytesAtomically(const QString& path, std::string_view bytes)
{
    QSaveFile file(path);
    // Unbuffered, so that a short write shows in write()'s count (a buffered
    // QSaveFile flushes on commit and misses a short write there); writing
    // the rest again then gives the reason, such as a full disk.
    bool written = file.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    for (std::size_t done = 0; written && done < bytes.size();) {
        const qint64 count = file.write(bytes.data() + done, static_cast<qint64>(bytes.size() - done));
        written = count > 0;
        done += written ? static_cast<std::size_t>(count) : 0;
    }
    if (!written || !file.commit())
        CannotSave(path, file.errorString()); // not committed: the new file is discarded with the object
}

void SaveTextLinesAtomically(const QString& path, const TextLines& lines)
{
    SaveBytesAtomically(path, lines.Join("\r\n"));
}

void SavePngAtomically(const QString& path, const QImage& picture)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "PNG"))
        CannotSave(path, "The picture could not be encoded as PNG.");
    SaveBytesAtomically(path, std::string_view(png.constData(), static_cast<std::size_t>(png.size())));
}

} // namespace mirelo
