#include "gui/solver/SolverLocator.h"

#include "common/Errors.h"
#include "gui/common/ProgramSettings.h"
#include "parallel/ParallelLaunch.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
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
    throw Error(QString("The solver named by %1, \"%2\", is not a program that can be run. "
                        "Choose OpenSees in Gen_tcl > Solver Setting.")
                    .arg(origin, path)
                    .toStdString());
}

SolverLocation Sequential(QString program, QString origin)
{
    SolverLocation location;
    location.program = std::move(program);
    location.origin = std::move(origin);
    return location;
}

} // namespace

const QStringList& SolverFileNames()
{
    static const QStringList names = {"OpenSees", "opensees"};
    return names;
}

SolverLocation FindSolver(const SolverSearch& search)
{
    if (!search.settingPath.isEmpty())
        return Sequential(GivenSolver(search.settingPath, "the Solver setting"), "the Solver setting");
    const QString environmentOrigin = QString("the environment variable %1").arg(kEnvironmentName);
    if (!search.environmentPath.isEmpty())
        return Sequential(GivenSolver(search.environmentPath, environmentOrigin), environmentOrigin);
    if (QString beside = SolverInFolder(search.programFolder); !beside.isEmpty())
        return Sequential(beside, "the program's folder");
    for (const QString& folder : search.pathFolders)
        if (QString onPath = SolverInFolder(folder); !onPath.isEmpty())
            return Sequential(onPath, "PATH");
    throw Error(QString("OpenSees was not found (looked for %1 in the program's folder and on PATH). "
                        "Install OpenSees (opensees.berkeley.edu), then choose it in Gen_tcl > Solver Setting, "
                        "or set the environment variable %2 to its path.")
                    .arg(SolverFileNames().join(" and "), kEnvironmentName)
                    .toStdString());
}

SolverLocation FindParallelSolver(int processes)
{
    const std::string here = QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
    const FoundProgram mpiexec =
        RequiredProgram(SearchFromEnvironment(MpiexecNames(), "", kMpiexecVariable, here), "mpiexec");
    const FoundProgram sp =
        RequiredProgram(SearchFromEnvironment(OpenSeesSpNames(), "", kOpenSeesSpVariable, here), "OpenSeesSP");
    SolverLocation location;
    location.program = QFile::decodeName(QByteArray::fromStdString(mpiexec.program));
    const QString spProgram = QFile::decodeName(QByteArray::fromStdString(sp.program));
    location.origin = QString::fromStdString(sp.origin);
    location.processes = processes;
    for (const std::string& argument : MpiexecArguments(processes, "", ThisMpiHost()))
        location.leading << QString::fromStdString(argument);
    location.leading << spProgram;
    return location;
}

QString SolverDescription(const SolverLocation& solver)
{
    const QString from = QString(" (from %1)").arg(solver.origin);
    if (solver.processes <= 1 || solver.leading.isEmpty())
        return QDir::toNativeSeparators(solver.program) + from;
    return QString("%1 on %2 processes under %3")
               .arg(QDir::toNativeSeparators(solver.leading.last()))
               .arg(solver.processes)
               .arg(QDir::toNativeSeparators(solver.program))
        + from;
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
