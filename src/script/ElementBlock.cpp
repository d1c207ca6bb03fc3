// Geometric transformations, frame elements, shells and bricks.
#include "script/ScriptBlocks.h"

#include "model/SectionSettings.h"
#include "script/ScriptTags.h"

#include <algorithm>
#include <set>
#include <string>

namespace mirelo {

namespace {

std::string_view TransformationType(std::int32_t geomTransf)
{
    switch (geomTransf) {
    case kPDelta: return "PDelta";
    case kCorotational: return "Corotational";
    default: return "Linear"; // kLinear, and the zero record of a frame without section
    }
}

// Warnings about frames are gathered per section, so a large model gives a
// few lines, not one per frame.
class FrameWarnings {
public:
    explicit FrameWarnings(const Model& model) : warned_(static_cast<std::size_t>(model.FrameSections.Size()) + 1) {}

    void NoSection(std::int32_t frame)
    {
        if (withoutSection_++ == 0)
            firstWithoutSection_ = frame;
    }

    // True the first time for a section.
    bool First(std::int32_t section)
    {
        if (warned_[static_cast<std::size_t>(section)])
            return false;
        warned_[static_cast<std::size_t>(section)] = true;
        return true;
    }

    void BeamColumn() { ++beamColumns_; }

    void Report(ScriptContext& script) const
    {
        const std::int32_t points = script.analysis.IntegrationPoints;
        if (beamColumns_ > 0 && points < 1)
            script.Warn("IntegrationPoints " + std::to_string(points) + ": the " + std::to_string(beamColumns_)
                        + " nonlinear and displacement beam-columns have no integration point");
        if (withoutSection_ > 0)
            script.Warn(std::to_string(withoutSection_) + " frame(s) have no frame section (the first is frame "
                        + std::to_string(firstWithoutSection_) + "): they get a transformation but no element");
    }

private:
    std::vector<bool> warned_;
    std::int64_t withoutSection_ = 0;
    std::int64_t beamColumns_ = 0;
    std::int32_t firstWithoutSection_ = 0;
};

// One frame's element line, and what its writer needs to know.
struct FrameElement {
    std::int32_t number;
    const Frame& frame;
    const FrameSection& section;
    const ElementKindInfo& kind;
};

void WriteElastic(ScriptContext& script, const FrameElement& e, FrameWarnings& warnings)
{
    const FrameSection& s = e.section;
    if (!e.kind.standsInFor.empty() && warnings.First(e.frame.section))
        script.Warn("Frame section " + s.name + " is " + std::string(e.kind.standsInFor) + ": its frames are written as "
                        + std::string(e.kind.tclElement) + " elements",
                    script.NextLine());
    const Material& material = script.MaterialAt(s.material);
    const SectionProperties& p = script.PreparedSectionAt(e.frame.section).properties;
    script.Format("element %s %D %D %D %0.4E %0.4E %0.4E %0.4E %0.4E %0.4E %D", e.kind.tclElement, e.number,
                  e.frame.jointI, e.frame.jointJ, p.area, material.elasticModulus, material.shearModulus, p.torsion,
                  p.iy, p.iz, e.number);
}

void WriteFiberBeamColumn(ScriptContext& script, const FrameElement& e, FrameWarnings& warnings)
{
    warnings.BeamColumn();
    const bool aggregated = script.analysis.UseAggregator != 0 && e.kind.takesAggregator;
    const std::int32_t sectionTag = aggregated ? kAggregatedSectionTagOffset + e.frame.section : e.frame.section;
    script.Format("element %s %d %d %d %d %d %d", e.kind.tclElement, e.number, e.frame.jointI, e.frame.jointJ,
                  script.prepared.frameSegments, sectionTag, e.number);
}

void WriteTruss(ScriptContext& script, const FrameElement& e, FrameWarnings&)
{
    script.Format("element %s %d %d %d %d", e.kind.tclElement, e.number, e.frame.jointI, e.frame.jointJ,
                  e.frame.section);
}

void WriteSpring(ScriptContext& script, const FrameElement& e, FrameWarnings& warnings)
{
    const FrameSection& s = e.section;
    if (s.material == 0 && warnings.First(e.frame.section))
        script.Warn("Frame section " + s.name + " has no material: its springs name material 0", script.NextLine());
    script.Format("element %s %d %d %d -mat %D %D %D -dir 4 5 6", e.kind.tclElement, e.number, e.frame.jointI,
                  e.frame.jointJ, s.material, s.material, s.material);
}

// The element-line writer of each form.
void WriteFrameElement(ScriptContext& script, const FrameElement& e, FrameWarnings& warnings)
{
    switch (e.kind.form) {
    case ElementForm::Elastic: WriteElastic(script, e, warnings); return;
    case ElementForm::FiberBeamColumn: WriteFiberBeamColumn(script, e, warnings); return;
    case ElementForm::Truss: WriteTruss(script, e, warnings); return;
    case ElementForm::Spring: WriteSpring(script, e, warnings); return;
    }
}

} // namespace

void WriteFrameElementBlock(ScriptContext& script)
{
    const Model& model = script.model;
    script.Line("puts \"transformation\"");
    for (std::int32_t i = 1; i <= model.Frames.count; ++i) {
        const Frame& frame = model.Frames[i];
        const FrameSection& s = script.FrameSectionAt(frame.section);
        // The solver takes the vector's direction only: three decimals give it.
        if (NeedsTransformation(s.elementKind))
            script.Format("geomTransf %s %D %0.3F %0.3F %0.3F ", TransformationType(s.geomTransf), i,
                          Rounded{frame.axis2X}, Rounded{frame.axis2Y}, Rounded{frame.axis2Z});
    }

    script.Line("puts \"element\"");
    FrameWarnings warnings(model);
    for (std::int32_t i = 1; i <= model.Frames.count; ++i) {
        const Frame& frame = model.Frames[i];
        const FrameSection& s = script.FrameSectionAt(frame.section);
        if (const ElementKindInfo* kind = FindElementKind(s.elementKind))
            WriteFrameElement(script, {i, frame, s, *kind}, warnings);
        else if (frame.section == 0)
            warnings.NoSection(i);
        else if (warnings.First(frame.section))
            script.Warn("Frame section " + s.name + " has element kind " + std::to_string(s.elementKind)
                        + ": its frames get no element");
    }
    warnings.Report(script);
}

void WriteShellElementBlock(ScriptContext& script)
{
    const Model& model = script.model;
    script.Line("puts \"shell element\"");
    const std::int32_t firstTag = model.Frames.Size();
    for (std::int32_t j = 1; j <= model.Shells.count; ++j) {
        const Shell& shell = model.Shells[j];
        if (script.ShellSectionAt(shell.section).shellKind != 1)
            continue;
        const auto& n = shell.joints;
        script.Format("element ShellMITC4 %D %D %D %D %D %D", std::int64_t{firstTag} + j, n[1], n[2], n[3], n[4],
                      kPlateFiberSectionTagOffset + shell.section);
    }
}

void WriteSolidElementBlock(ScriptContext& script)
{
    const Model& model = script.model;
    script.Line("puts \"SOLID element\"");
    if (script.dofs.Mixed())
        script.Line("model basic -ndm 3 -ndf 3"); // bricks are built on nodes of three
    // Bricks follow the frames and shells, so that no two elements share a tag.
    const std::int64_t firstTag = std::int64_t{model.Frames.Size()} + model.Shells.Size();
    std::set<std::int32_t> undefined;
    for (std::int32_t n = 1; n <= model.Solids.count; ++n) {
        const Solid& solid = model.Solids[n];
        // The brick names its section number as its nD material.
        if (!script.EnsureElasticIsotropic(solid.section) && undefined.insert(solid.section).second)
            script.Warn("Solid " + std::to_string(n) + " has section number " + std::to_string(solid.section)
                            + ", which names no material: its brick refers to an undefined nD material",
                        script.NextLine());
        const auto node = [&](std::size_t c) { return script.dofs.BrickNode(solid.joints[c]); };
        script.Format("element stdBrick %D %D %D %D %D %D %D %D %D %D", firstTag + n, node(1), node(2), node(3), node(4),
                      node(5), node(6), node(7), node(8), solid.section);
    }
}

} // namespace mirelo
