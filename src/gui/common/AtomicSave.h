#pragma once

#include "common/TextLines.h"

#include <QString>

#include <string_view>

class QImage;

namespace mirelo {

// Writes `bytes` into a new file beside `path`, which replaces `path` only
// when all of it is written: a failed save leaves the file that was there
// whole. Raises FileError saying why.
void SaveBytesAtomically(const QString& path, std::string_view bytes);

// The same for every line followed by CR LF.
void SaveTextLinesAtomically(const QString& path, const TextLines& lines);

// The same for a picture as PNG.
void SavePngAtomically(const QString& path, const QImage& picture);

} // namespace mirelo
