#pragma once

#include "common/TextLines.h"

#include <QString>

namespace mirelo {

// Writes every line followed by CR LF into a new file beside `path`, which
// replaces `path` only when all of it is written: a failed save leaves the
// file that was there whole. Raises FileError saying why.
void SaveTextLinesAtomically(const QString& path, const TextLines& lines);

} // namespace mirelo
