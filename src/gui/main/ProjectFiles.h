#pragma once

#include <QCoreApplication>
#include <QString>

namespace mirelo {

// Project files as the desktop program asks for and recognises them.
inline const char* const kProjectFilter = QT_TRANSLATE_NOOP("mirelo::MainWindow", "Mirelo project|*.mirelo");

inline bool IsProjectFile(const QString& path)
{
    return path.endsWith(QStringLiteral(".mirelo"), Qt::CaseInsensitive);
}

// The main window's title: "Mirelo - portal.mirelo*", the star while there
// are unsaved changes; "Mirelo" alone without a document.
inline QString WindowTitle(const QString& document, bool modified)
{
    const QString program = QStringLiteral("Mirelo");
    if (document.isEmpty())
        return program;
    return QStringLiteral("%1 - %2%3").arg(program, document, modified ? QStringLiteral("*") : QString());
}

} // namespace mirelo
