#include "gui/solver/SolverLocator.h"

#include "common/Errors.h"
#include "gui/common/ProgramSettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace mirelo {

namespace {

const char* const kSettingKey = "solver/path";
const char* const kEnvironmentName = "MIRELO_OPENSEES";

bool IsRunnableFile(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

// A solver of one of the known names in the folder, or an empty text.
QString SolverInFolder(const QString& folder)
{
    if (folder.isEmpty())
        return {};
    for (const QString& name : SolverFileNames()) {
        const QString path = QDir(folder).absoluteFilePath(name);
        if (IsRunnableFile(path))
            return QFileInfo(path).absoluteFilePath();
    }
    return {};
}

// A path the user gave: a program, or a folder that holds one.
QString GivenSolver(const QString& path, const QString& origin)
{
    if (IsRunnableFile(path))
        return QFileInfo(path).absoluteFilePath();
    if (QFileInfo(path).isDir()) {
        QString inside = SolverInFolder(path);
        if (!inside.isEmpty())
            return inside;
    }
    throw Error(QCoreApplication::translate("mirelo::SolverLocator",
                                            "The solver named by %1, \"%2\", is not a program that can be run. "
                                            "Choose OpenSees in Gen_tcl > Solver Setting.")
                    .arg(origin, path)
                    .toStdString());
}

} // namespace

const QStringList& SolverFileNames()
{
    static const QStringList names = {"OpenSees", "opensees"};
    return names;
}

SolverLocation FindSolver(const SolverSearch& search)
{
    if (!search.settingPath.isEmpty()) {
        const QString settingOrigin = QCoreApplication::translate("mirelo::SolverLocator", "the Solver setting");
        return {GivenSolver(search.settingPath, settingOrigin), settingOrigin};
    }
    const QString environmentOrigin =
        QCoreApplication::translate("mirelo::SolverLocator", "the environment variable %1").arg(kEnvironmentName);
    if (!search.environmentPath.isEmpty())
        return {GivenSolver(search.environmentPath, environmentOrigin), environmentOrigin};
    if (QString beside = SolverInFolder(search.programFolder); !beside.isEmpty())
        return {beside, QCoreApplication::translate("mirelo::SolverLocator", "the program's folder")};
    for (const QString& folder : search.pathFolders)
        if (QString onPath = SolverInFolder(folder); !onPath.isEmpty())
            return {onPath, "PATH"};
    throw Error(QCoreApplication::translate(
                    "mirelo::SolverLocator",
                    "OpenSees was not found (looked for %1 in the program's folder and on PATH). "
                    "Install OpenSees (opensees.berkeley.edu), then choose it in Gen_tcl > Solver Setting, "
                    "or set the environment variable %2 to its path.")
                    .arg(SolverFileNames().join(QCoreApplication::translate("mirelo::SolverLocator", " and ")),
                         kEnvironmentName)
                    .toStdString());
}

SolverSearch CurrentSolverSearch()
{
    SolverSearch search;
    search.settingPath = SolverSettingPath();
    search.environmentPath = qEnvironmentVariable(kEnvironmentName);
    search.programFolder = QCoreApplication::applicationDirPath();
    search.pathFolders = qEnvironmentVariable("PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts);
    return search;
}

QString SolverSettingPath()
{
    return ProgramSettings().value(kSettingKey).toString();
}

void SetSolverSettingPath(const QString& path)
{
    ProgramSettings settings;
    if (path.isEmpty())
        settings.remove(kSettingKey);
    else
        settings.setValue(kSettingKey, path);
}

} // namespace mirelo
