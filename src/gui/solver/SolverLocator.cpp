#include "gui/solver/SolverLocator.h"

#include "common/Errors.h"
#include "gui/common/ProgramSettings.h"
#include "parallel/ParallelLaunch.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <optional>

namespace mirelo {

namespace {

const char* const kSettingKey = "solver/path";
const char* const kEnvironmentName = "MIRELO_OPENSEES";

std::string Local(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

QString Shown(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

// Where the core's search found a program, in the user's language; the
// search names a setting in the words it was given.
QString ShownOrigin(const std::string& origin)
{
    const std::string variable = "the environment variable ";
    if (origin.rfind(variable, 0) == 0)
        return QCoreApplication::translate("mirelo::SolverLocator", "the environment variable %1")
            .arg(Shown(origin.substr(variable.size())));
    if (origin == "the program's folder")
        return QCoreApplication::translate("mirelo::SolverLocator", "the program's folder");
    return Shown(origin);
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
    ProgramSearch programs;
    for (const QString& name : SolverFileNames())
        programs.names.push_back(Local(name));
    programs.settingPath = Local(search.settingPath);
    programs.settingName = Local(QCoreApplication::translate("mirelo::SolverLocator", "the Solver setting"));
    programs.variable = kEnvironmentName;
    programs.variablePath = Local(search.environmentPath);
    programs.programFolder = Local(search.programFolder);
    for (const QString& folder : search.pathFolders)
        programs.pathFolders.push_back(Local(folder));
    std::optional<FoundProgram> found;
    try {
        found = FindProgram(programs);
    } catch (const Error& error) {
        throw Error(
            QCoreApplication::translate("mirelo::SolverLocator", "%1. Choose OpenSees in Gen_tcl > Solver Setting.")
                .arg(Shown(error.what()))
                .toStdString());
    }
    if (!found)
        throw Error(QCoreApplication::translate(
                        "mirelo::SolverLocator",
                        "OpenSees was not found (looked for %1 in the program's folder and on PATH). "
                        "Install OpenSees (opensees.berkeley.edu), then choose it in Gen_tcl > Solver Setting, "
                        "or set the environment variable %2 to its path.")
                        .arg(SolverFileNames().join(QCoreApplication::translate("mirelo::SolverLocator", " and ")),
                             kEnvironmentName)
                        .toStdString());
    return Sequential(Shown(found->program), ShownOrigin(found->origin));
}

SolverLocation FindParallelSolver(int processes)
{
    const std::string here = Local(QCoreApplication::applicationDirPath());
    const FoundProgram mpiexec =
        RequiredProgram(SearchFromEnvironment(MpiexecNames(), "", kMpiexecVariable, here), "mpiexec");
    const FoundProgram sp =
        RequiredProgram(SearchFromEnvironment(OpenSeesSpNames(), "", kOpenSeesSpVariable, here), "OpenSeesSP");
    SolverLocation location;
    location.program = Shown(mpiexec.program);
    const QString spProgram = Shown(sp.program);
    location.origin = ShownOrigin(sp.origin);
    location.processes = processes;
    for (const std::string& argument : MpiexecArguments(processes, "", ThisMpiHost()))
        location.leading << QString::fromStdString(argument);
    location.leading << spProgram;
    return location;
}

QString SolverDescription(const SolverLocation& solver)
{
    if (solver.processes <= 1 || solver.leading.isEmpty())
        return QCoreApplication::translate("mirelo::SolverLocator", "%1 (from %2)")
            .arg(QDir::toNativeSeparators(solver.program), solver.origin);
    return QCoreApplication::translate("mirelo::SolverLocator", "%1 on %2 processes under %3 (from %4)")
        .arg(QDir::toNativeSeparators(solver.leading.last()))
        .arg(solver.processes)
        .arg(QDir::toNativeSeparators(solver.program), solver.origin);
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
