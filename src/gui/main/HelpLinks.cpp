#include "gui/main/HelpLinks.h"

#include "Version.h"
#include "common/Errors.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

namespace mirelo {

bool DesktopUrlOpener::Open(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

QStringList TutorialCandidates(const QString& programFolder)
{
    const QDir here(programFolder);
    return {here.filePath("docs/tutorial.html"), here.filePath("../share/doc/mirelo/tutorial.html"),
            QDir(MIRELO_SOURCE_DIR).filePath("docs/tutorial.html")};
}

QString FindTutorial(const QStringList& candidates)
{
    for (const QString& path : candidates)
        if (QFileInfo(path).isFile())
            return QFileInfo(path).absoluteFilePath();
    throw Error(QCoreApplication::translate("mirelo::HelpLinks", "The tutorial was not found; looked for %1.")
                    .arg(QDir::toNativeSeparators(candidates.join(", ")))
                    .toStdString());
}

void OpenTutorial(UrlOpener& opener, const QString& programFolder)
{
    const QString path = FindTutorial(TutorialCandidates(programFolder));
    if (!opener.Open(QUrl::fromLocalFile(path)))
        throw Error(QCoreApplication::translate("mirelo::HelpLinks",
                                                "No program to show web pages was found. The tutorial is %1; "
                                                "open it in a browser.")
                        .arg(QDir::toNativeSeparators(path))
                        .toStdString());
}

QString AboutText()
{
    return QCoreApplication::translate(
               "mirelo::HelpLinks",
               "<h3>Mirelo %1</h3>"
               "<p>A pre- and post-processor for the OpenSees structural analysis framework: it imports "
               "SAP2000 s2k files, writes OpenSees Tcl scripts, runs the solver and draws its results.</p>"
               "<p>Mirelo is free software under the MIT licence (the file LICENSE that comes with it).</p>"
               "<p>OpenSees is not part of Mirelo: install it yourself from "
               "<a href=\"https://opensees.berkeley.edu\">opensees.berkeley.edu</a> or build it from "
               "<a href=\"https://github.com/OpenSees/OpenSees\">github.com/OpenSees/OpenSees</a>, "
               "then choose it in Gen_tcl &gt; Solver Setting or set MIRELO_OPENSEES to its path. "
               "OpenSees has its own licence, from the Regents of the University of California.</p>")
        .arg(QString::fromLatin1(kVersion));
}

} // namespace mirelo
