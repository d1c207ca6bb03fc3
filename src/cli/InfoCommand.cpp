#include "cli/Commands.h"
#include "cli/ModelArgument.h"

#include "convert/ModelFile.h"

#include <algorithm>
#include <iostream>
#include <ostream>

namespace mirelo::cli {

Model ReadModel(const std::string& path)
{
    ModelImport imported = ImportModelFile(path);
    for (const std::string& note : imported.notes)
        std::cerr << note << '\n';
    return std::move(imported.model);
}

int RunInfo(const Arguments& args, std::ostream& out)
{
    if (args.size() != 1)
        throw UsageError{"info takes one model file or project"};
    const Model model = LoadModelArgument(args[0]).model;
    const auto line = [&out](const char* name, std::int32_t count) {
        out << name << ' ' << std::max(count, 0) << '\n';
    };
    line("joints", model.Joints.count);
    line("frames", model.Frames.count);
    line("shells", model.ActiveShellCount);
    line("solids", model.Solids.count);
    line("materials", model.Materials.count);
    line("frame_sections", model.FrameSections.count);
    line("shell_sections", model.ShellSections.count);
    line("loads", model.Loads.count);
    line("load_cases", model.LoadCaseCount);
    line("constraints", model.Constraints.count);
    return 0;
}

} // namespace mirelo::cli
