#include "model/ImportS2k.h"

#include "model/ModelUnits.h"
#include "model/SectionReader.h"

namespace mirelo {

namespace {

std::string DescribeFailure(const std::string& reason, const std::string& section, std::size_t lineNumber,
                            const std::string& field)
{
    std::string where = "(" + section + " section, line " + std::to_string(lineNumber);
    if (!field.empty())
        where += ", field " + field;
    if (reason == RangeCheckError().what())
        where += ": the section has no blank line after it, or its keyword appears twice";
    return reason + " " + where + ")";
}

std::string KeywordList()
{
    const auto& keywords = ImportKeywords();
    std::string list;
    for (std::size_t k = 0; k < keywords.size(); ++k)
        list += (k == 0 ? "" : k + 1 == keywords.size() ? " or " : ", ") + std::string(keywords[k]);
    return list;
}

} // namespace

ImportError::ImportError(const std::string& reason, std::string section, std::size_t lineNumber, std::string field,
                         const std::string& file)
    : Error((file.empty() ? "" : file + ": ") + DescribeFailure(reason, section, lineNumber, field)),
      reason_(reason),
      section_(std::move(section)),
      lineNumber_(lineNumber),
      field_(std::move(field))
{
}

NotS2kTextError::NotS2kTextError(const std::string& source)
    : Error(source + " is not a SAP2000 text file: no " + KeywordList() + " section and no TABLE: heading")
{
}

void LinkSpringJoints(Model& model)
{
    for (std::int32_t f = 1; f <= model.Frames.count; ++f) {
        const Frame& frame = model.Frames[f];
        if (frame.section == 0 || !IsSpring(model.FrameSections[frame.section].elementKind))
            continue;
        if (frame.releaseEnd == 2)
            model.Joints[frame.jointI].linkedJoint = frame.jointJ;
        else if (frame.releaseEnd == 1)
            model.Joints[frame.jointJ].linkedJoint = frame.jointI;
    }
}

Model ImportS2k(const TextLines& s2kLines, const std::string& source)
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
    if (!text.HasAnySection())
        throw NotS2kTextError(source);
    try {
        for (Reader read : kReaders)
            read(text, model, where);
    } catch (const ConversionError& e) {
        throw ImportError(e.what(), std::string(where.section), where.line + 1, std::string(where.field));
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
    try {
        result.model = ImportS2k(result.lines, path);
    } catch (const ImportError& e) {
        throw ImportError(e.reason(), e.section(), e.lineNumber(), e.field(), path);
    }
    return result;
}

} // namespace mirelo
