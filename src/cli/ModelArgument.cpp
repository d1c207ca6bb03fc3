#include "cli/ModelArgument.h"
#include "cli/TakeOption.h"

#include "project/OpenProject.h"
#include "project/ProjectFile.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iostream>

namespace mirelo::cli {

bool IsProjectFile(const std::string& path)
{
    if (path.ends_with(".mirelo"))
        return true;
    std::ifstream file(path, std::ios::binary);
    char c = 0;
    while (file.get(c) && std::isspace(static_cast<unsigned char>(c)))
        ;
    return file && c == '{';
}

ModelArgument LoadModelArgument(const std::string& path)
{
    ModelArgument argument;
    if (!IsProjectFile(path)) {
        argument.modelPath = path;
        argument.model = ReadModel(path);
        return argument;
    }
    OpenedProject opened = OpenProject(path, ReadModel);
    for (const std::string& warning : opened.warnings)
        std::cerr << "mirelo-cli: warning: " << path << ": " << warning << '\n';
    argument.modelPath = std::move(opened.modelPath);
    argument.model = std::move(opened.model);
    argument.analysis = opened.analysis;
    argument.recorders = opened.recorders;
    return argument;
}

std::string TakeSaveProject(Arguments& args)
{
    return TakeOptionValue(args, "--save-project");
}

void SaveProject(const std::string& projectPath, const ModelArgument& argument)
{
    SaveProjectFile(projectPath, CaptureProject(projectPath, argument.modelPath, argument.model, argument.analysis,
                                                argument.recorders));
}

} // namespace mirelo::cli
