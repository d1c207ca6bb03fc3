#include "model/ImportS2k.h"

#include "model/ModelUnits.h"
#include "model/SectionReader.h"

namespace mirelo {

namespace {

std::string DescribeFailure(const std::string& reason, const std::string& section, std::size_t lineNumber)
{
    std::string where = "(" + section + " section, line " + std::to_string(lineNumber);
    if (reason == RangeCheckError().what())
        where += ": the section has no blank line after it, or its keyword appears twice";
    return reason + " " + where + ")";
}

} // namespace

ImportError::ImportError(const std::string& reason, std::string section, std::size_t lineNumber)
    : Error(DescribeFailure(reason, section, lineNumber)),
      reason_(reason),
      section_(std::move(section)),
      lineNumber_(lineNumber)
{
}

void LinkSpringJoints(Model& model)
{
    for (std::int32_t f = 1; f <= model.Frames.count; ++f) {
        const Frame& frame = model.Frames[f];
        if (frame.section == 0 || model.FrameSections[frame.section].elementKind != kRotationalSpring)
            continue;
        if (frame.releaseEnd == 2)
            model.Joints[frame.jointI].linkedJoint = frame.jointJ;
        else if (frame.releaseEnd == 1)
            model.Joints[frame.jointJ].linkedJoint = frame.jointI;
    }
}

Model ImportS2k(const TextLines& s2kLines)
{
    using Reader = void (*)(const S2kText&, Model&, ImportLocation&);
    // Joints first: every later reader refers to them. Materials before the
    // sections that name them, sections before the elements that name them.
    static constexpr Reader kReaders[] = {
        ReadJoints, ReadConstraints, ReadRestraints, ReadMasses, ReadMaterials, ReadFrameSections,
        ReadShellSections, ReadFrames, ReadShells, ReadSolids, ReadLoads,
    };
    Model model;
    model.Units = ReadModelUnits(s2kLines);
    ImportLocation where;
    const S2kText text(s2kLines);
    try {
        for (Reader read : kReaders)
            read(text, model, where);
    } catch (const Error& e) {
        throw ImportError(e.what(), std::string(where.section), where.line + 1);
    }
    LinkSpringJoints(model);
    return model;
}

S2kImport ImportS2kFile(const std::string& path)
{
    S2kImport result;
    result.lines = LoadTextLines(path);
    result.model = ImportS2k(result.lines);
    return result;
}

} // namespace mirelo
