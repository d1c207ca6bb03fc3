// Elastic materials, the shear and torsion springs of aggregated sections,
// fibre sections and the plate-fibre sections of shells.
#include "script/ScriptBlocks.h"
#include "script/ScriptTags.h"

#include "common/NumberText.h"
#include "model/MaterialLaws.h"

#include <set>
#include <string>

namespace mirelo {

namespace {

bool On(std::int32_t flag)
{
    return flag != 0;
}

// Bars sit at the cover's distance inside each face of a rectangle: a cover of
// half the depth or width or more puts them on or past the opposite face.
void WarnIfBarsOutside(ScriptContext& script, const FrameSection& s)
{
    const bool bars = s.barNumX > 0 || s.barNumY > 0;
    const double depth = s.dim[1], width = s.dim[2];
    if (s.shape != kShapeRectangle || !bars || (s.cover >= 0 && 2 * s.cover < depth && 2 * s.cover < width))
        return;
    script.Warn("Frame section " + s.name + " has cover " + FormatGeneral(s.cover) + " for depth "
                + FormatGeneral(depth) + " and width " + FormatGeneral(width)
                + ": its bars lie outside the section (the cover must be less than half of both)");
}

// "uniaxialMaterial Concrete02 3 -3.000E+004 ...": the tag is the material
// number, so fibres, bars and springs that name the material take its law.
// Each parameter is written as "%0.4E" writes every real of the script, with
// the further digits it needs (-2.5123E+004), so what the user typed is what
// the solver reads.
void WriteNonlinearMaterial(ScriptContext& script, std::int32_t m, const Material& material)
{
    if (const std::string problem = LawProblem(material); !problem.empty())
        script.Warn("Material " + material.name + " (" + std::string(MaterialTypeName(material.materialType))
                    + "): " + problem);
    std::string line = "uniaxialMaterial " + std::string(MaterialTypeName(material.materialType)) + " "
                     + std::to_string(m);
    for (const LawField& parameter : LawParameters(material.materialType)) {
        line += ' ';
        AppendScientificRoundTrip(line, material.law.*parameter.real, 4);
    }
    script.Line(line);
}

// Only fibres take a nonlinear law: say where a nonlinear material is used
// elastically, and where a concrete section's bars are of its concrete.
void WarnAboutNonlinearMaterials(ScriptContext& script)
{
    const Model& model = script.model;
    const auto nonlinear = [&](std::int32_t m) {
        return m >= 1 && m <= model.Materials.count && IsNonlinearMaterial(model.Materials[m].materialType);
    };
    const auto typeOf = [&](std::int32_t m) {
        return "material " + model.Materials[m].name + " ("
             + std::string(MaterialTypeName(model.Materials[m].materialType)) + ")";
    };
    const std::int32_t rebar = script.analysis.RebarMaterialNo;
    for (std::int32_t k = 1; k <= model.FrameSections.count; ++k) {
        const FrameSection& s = model.FrameSections[k];
        if (!nonlinear(s.material))
            continue;
        if (IsElastic(s.elementKind))
            script.Warn("Frame section " + s.name + " is elastic: its frames keep the elastic modulus of "
                        + typeOf(s.material));
        const bool bars = s.shape == kShapeRectangle && (s.barNumX > 0 || s.barNumY > 0);
        if (HasFiberSection(s.elementKind) && bars && rebar == s.material
            && IsConcreteMaterial(model.Materials[s.material].materialType))
            script.Warn("Frame section " + s.name + ": its bars take its concrete, " + typeOf(s.material)
                        + " (RebarMaterialNo " + std::to_string(rebar) + ")");
    }
    for (std::int32_t s = 1; s <= model.ShellSections.count; ++s) {
        const ShellSection& section = model.ShellSections[s];
        if (section.shellKind == 1 && nonlinear(section.material))
            script.Warn("Shell section " + section.name + ": its plates stay elastic with the elastic modulus of "
                        + typeOf(section.material));
    }
    std::set<std::int32_t> warned;
    for (std::int32_t n = 1; n <= model.Solids.count; ++n) {
        const std::int32_t m = model.Solids[n].section;
        if (nonlinear(m) && warned.insert(m).second)
            script.Warn("Solid " + std::to_string(n) + ": its brick and every other brick of " + typeOf(m)
                        + " stay elastic with its elastic modulus");
    }
}

} // namespace

void WriteMaterialBlock(ScriptContext& script)
{
    const Model& model = script.model;
    script.Line("puts \"material\"");
    for (std::int32_t m = 1; m <= model.Materials.count; ++m) {
        const Material& material = model.Materials[m];
        if (material.materialType == kElasticMaterial)
            script.Format("uniaxialMaterial Elastic %d %0.4e", m, material.elasticModulus);
        else if (IsNonlinearMaterial(material.materialType))
            WriteNonlinearMaterial(script, m, material);
    }
    WarnAboutNonlinearMaterials(script);
    if (!On(script.analysis.UseAggregator))
        return;
    // Spring 200 + 101 is spring 300 + 1, and material 201 is spring 200 + 1.
    if (model.FrameSections.count > kShearZSpringTagOffset - kShearYSpringTagOffset
        || model.Materials.count > kShearYSpringTagOffset)
        script.Warn("With " + std::to_string(model.FrameSections.Size()) + " frame sections and "
                    + std::to_string(model.Materials.Size()) + " materials the aggregator's spring material tags ("
                    + std::to_string(kShearYSpringTagOffset) + " + k, " + std::to_string(kShearZSpringTagOffset)
                    + " + k, " + std::to_string(kTorsionSpringTagOffset)
                    + " + k) repeat tags already used: the solver refuses the script");
    for (std::int32_t k = 1; k <= model.FrameSections.count; ++k) {
        const SectionProperties& p = script.prepared.sections[k].properties;
        script.Format("uniaxialMaterial Elastic %d %0.4e", kShearYSpringTagOffset + k, p.shearModulus * p.shearAreaY);
        script.Format("uniaxialMaterial Elastic %d %0.4e", kShearZSpringTagOffset + k, p.shearModulus * p.shearAreaZ);
        script.Format("uniaxialMaterial Elastic %d %0.4e", kTorsionSpringTagOffset + k, p.shearModulus * p.torsion);
    }
}

void WriteFiberSectionBlock(ScriptContext& script)
{
    const Model& model = script.model;
    for (std::int32_t k = 1; k <= model.FrameSections.count; ++k) {
        const FrameSection& s = model.FrameSections[k];
        if (!HasFiberSection(s.elementKind))
            continue;
        WarnIfBarsOutside(script, s);
        script.Format("##%S ", s.name);
        // A 3-D fibre section needs its torsional stiffness.
        const PreparedSection& prepared = script.prepared.sections[k];
        script.Format("section Fiber %D -GJ %0.4E {", k,
                      prepared.properties.shearModulus * prepared.properties.torsion);
        for (std::int32_t j = 1; j <= prepared.fibers.count; ++j) {
            const Fiber& f = prepared.fibers[j];
            script.Format("fiber %0.4E %0.4E %0.4E %D", f.y, f.z, f.area, f.material);
        }
        script.Line("}");
    }
    if (!On(script.analysis.UseAggregator))
        return;
    for (std::int32_t k = 1; k <= model.FrameSections.count; ++k) {
        if (TakesAggregator(model.FrameSections[k].elementKind))
            script.Format("section Aggregator %D %D Vy %D Vz %D T -section %D", kAggregatedSectionTagOffset + k,
                          kShearYSpringTagOffset + k, kShearZSpringTagOffset + k, kTorsionSpringTagOffset + k, k);
    }
}

void WritePlateFiberBlock(ScriptContext& script)
{
    const Model& model = script.model;
    for (std::int32_t s = 1; s <= model.ShellSections.count; ++s) {
        const ShellSection& section = model.ShellSections[s];
        if (section.shellKind != 1)
            continue;
        script.Format("##%S ", section.name);
        // A plate fibre wraps an nD material of the same number.
        if (!script.EnsureElasticIsotropic(section.material))
            script.Warn("Shell section " + section.name + " has no material: its plate fibre names nD material "
                            + std::to_string(section.material) + ", which the script does not define",
                        script.NextLine());
        script.Format("nDMaterial PlateFiber %d %D", kPlateFiberMaterialTagOffset + s, section.material);
        script.Format("section PlateFiber %d %d %0.2f", kPlateFiberSectionTagOffset + s,
                      kPlateFiberMaterialTagOffset + s, section.thickness);
    }
}

} // namespace mirelo
