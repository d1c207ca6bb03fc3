#pragma once

#include "model/Model.h"
#include "model/SectionSettings.h"
#include "script/AnalysisSettings.h"
#include "script/ScriptBlocks.h"
#include "script/ScriptGenerator.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace mirelo::test {

using Lines = std::vector<std::string>;

inline Lines ToLines(const TextLines& text)
{
    Lines lines;
    for (std::size_t i = 0; i < text.size(); ++i)
        lines.emplace_back(text[i]);
    return lines;
}

// The lines one block writer appends, with its warnings.
struct BlockOutput {
    Lines lines;
    std::vector<std::string> warnings;
};

// The sections as the generator prepares them for these settings.
inline PreparedSections Prepared(const Model& model, const AnalysisSettings& analysis = {})
{
    return PrepareSections(model, analysis.IntegrationPoints, analysis.RebarMaterialNo);
}

template <typename Writer>
BlockOutput WriteBlocks(const Model& model, const PreparedSections& prepared, const AnalysisSettings& analysis,
                        const RecorderSettings& recorder, Writer write)
{
    ScriptResult result;
    ScriptContext script(model, prepared, analysis, recorder, result);
    write(script);
    return {ToLines(result.lines), result.warnings};
}

template <typename Writer>
BlockOutput WriteBlocks(const Model& model, const AnalysisSettings& analysis, const RecorderSettings& recorder,
                        Writer write)
{
    return WriteBlocks(model, Prepared(model, analysis), analysis, recorder, write);
}

inline BlockOutput WriteBlock(void (*writer)(ScriptContext&), const Model& model,
                              const AnalysisSettings& analysis = {}, const RecorderSettings& recorder = {})
{
    return WriteBlocks(model, analysis, recorder, writer);
}

// The same from sections prepared (and changed) by the test.
inline BlockOutput WriteBlock(void (*writer)(ScriptContext&), const Model& model, const PreparedSections& prepared,
                              const AnalysisSettings& analysis = {})
{
    return WriteBlocks(model, prepared, analysis, RecorderSettings{}, writer);
}

// The lines strictly between the first line `from` and the next line `to`
// (to the end when `to` is empty).
inline Lines Between(const Lines& lines, std::string_view from, std::string_view to = {})
{
    Lines out;
    bool inside = false;
    for (const std::string& line : lines) {
        if (inside && !to.empty() && line == to)
            return out;
        if (inside)
            out.push_back(line);
        if (!inside && line == from)
            inside = true;
    }
    return out;
}

// Small models built record by record. Tables start with the given counts.
inline Model ModelWithCounts(std::int32_t joints, std::int32_t frames = 0)
{
    Model model;
    model.Joints.Reset(joints);
    model.Frames.Reset(frames);
    return model;
}

inline void SetJoint(Model& model, std::int32_t k, double x, double y, double z)
{
    model.Joints[k].x = x;
    model.Joints[k].y = y;
    model.Joints[k].z = z;
}

inline Material ElasticMaterial(std::string name, double e, double poisson)
{
    Material m;
    m.name = std::move(name);
    m.materialType = 1;
    m.elasticModulus = e;
    m.poisson = poisson;
    // In extended precision, as the import computes it.
    m.shearModulus = static_cast<double>(static_cast<long double>(e) / 2.0L / (1.0L + poisson));
    return m;
}

// A section with the import's dialog defaults.
inline FrameSection DefaultSection(std::string name, std::int32_t kind, std::int32_t shape, double dim1, double dim2,
                                   std::int32_t material = 1)
{
    FrameSection s;
    SetSectionDialogDefaults(s);
    s.name = std::move(name);
    s.elementKind = kind;
    s.shape = shape;
    s.dim[1] = dim1;
    s.dim[2] = dim2;
    s.material = material;
    if (shape == kShapePipe)
        s.divideX = 20;
    return s;
}

inline Frame FrameBetween(std::int32_t jointI, std::int32_t jointJ, std::int32_t section)
{
    Frame f;
    f.jointI = jointI;
    f.jointJ = jointJ;
    f.section = section;
    f.axis2Z = 1.0;
    return f;
}

// Frames between joints 1 and 2, frame k of section kinds[k - 1] (sections
// 1..7 are of kinds 1..7; 0: no section).
inline Model FramesOfKinds(const std::vector<std::int32_t>& kinds)
{
    Model model = ModelWithCounts(2, static_cast<std::int32_t>(kinds.size()));
    model.FrameSections.Reset(7);
    for (std::int32_t kind = 1; kind <= 7; ++kind)
        model.FrameSections[kind].elementKind = kind;
    for (std::size_t k = 0; k < kinds.size(); ++k)
        model.Frames[static_cast<std::int32_t>(k + 1)] = FrameBetween(1, 2, kinds[k]);
    return model;
}

} // namespace mirelo::test
