#include "model/MaterialLaws.h"

#include "common/Errors.h"
#include "common/NumberText.h"
#include "model/ModelUnits.h"

#include <cmath>

namespace mirelo {

namespace {

using L = MaterialLaw;

constexpr LawParameter kSteel01Parameters[] = {{"Fy", &L::Fy}, {"E0", &L::E0}, {"b", &L::b}};
constexpr LawParameter kSteel02Parameters[] = {{"Fy", &L::Fy},   {"E0", &L::E0},   {"b", &L::b},
                                     {"R0", &L::R0},   {"cR1", &L::cR1}, {"cR2", &L::cR2}};
constexpr LawParameter kConcrete01Parameters[] = {{"fpc", &L::fpc}, {"epsc0", &L::epsc0}, {"fpcu", &L::fpcu}, {"epsU", &L::epsU}};
constexpr LawParameter kConcrete02Parameters[] = {{"fpc", &L::fpc},   {"epsc0", &L::epsc0},   {"fpcu", &L::fpcu},
                                        {"epsU", &L::epsU}, {"lambda", &L::lambda}, {"ft", &L::ft},
                                        {"Ets", &L::Ets}};
// Every parameter once, for the command line, whatever the type.
constexpr LawParameter kAll[] = {{"Fy", &L::Fy},       {"E0", &L::E0},         {"b", &L::b},       {"R0", &L::R0},
                                 {"cR1", &L::cR1},     {"cR2", &L::cR2},       {"fpc", &L::fpc},   {"epsc0", &L::epsc0},
                                 {"fpcu", &L::fpcu},   {"epsU", &L::epsU},     {"lambda", &L::lambda},
                                 {"ft", &L::ft},       {"Ets", &L::Ets}};

std::string Problem(std::string_view parameter, std::string_view rule, double value)
{
    return std::string(parameter) + " must be " + std::string(rule) + ", not " + FormatGeneral(value);
}

std::string SteelProblem(const MaterialLaw& law, bool steel02)
{
    if (!(law.Fy > 0))
        return Problem("Fy", "positive", law.Fy);
    if (!(law.E0 > 0))
        return Problem("E0", "positive", law.E0);
    if (!(law.b >= 0 && law.b < 1))
        return Problem("b", "at least 0 and less than 1", law.b);
    if (!steel02)
        return {};
    if (!(law.R0 > 0))
        return Problem("R0", "positive", law.R0);
    if (!(law.cR1 > 0))
        return Problem("cR1", "positive", law.cR1);
    if (!(law.cR2 > 0))
        return Problem("cR2", "positive", law.cR2);
    return {};
}

std::string ConcreteProblem(const MaterialLaw& law, bool concrete02)
{
    // The solver takes compression as negative stresses and strains.
    if (!(law.fpc < 0))
        return Problem("fpc", "negative", law.fpc);
    if (!(law.epsc0 < 0))
        return Problem("epsc0", "negative", law.epsc0);
    if (!(law.fpcu <= 0 && law.fpcu >= law.fpc))
        return Problem("fpcu", "between fpc and 0", law.fpcu);
    if (!(law.epsU < law.epsc0))
        return Problem("epsU", "below epsc0 (" + FormatGeneral(law.epsc0) + ")", law.epsU);
    if (!concrete02)
        return {};
    if (!(law.lambda >= 0 && law.lambda <= 1))
        return Problem("lambda", "between 0 and 1", law.lambda);
    if (!(law.ft >= 0))
        return Problem("ft", "0 or positive", law.ft);
    if (!(law.Ets >= 0))
        return Problem("Ets", "0 or positive", law.Ets);
    return {};
}

} // namespace

bool IsNonlinearMaterial(std::int32_t materialType)
{
    return materialType >= kSteel01 && materialType <= kConcrete02;
}

bool IsConcreteMaterial(std::int32_t materialType)
{
    return materialType == kConcrete01 || materialType == kConcrete02;
}

std::string_view MaterialTypeName(std::int32_t materialType)
{
    return IsNonlinearMaterial(materialType) ? kMaterialTypeNames[static_cast<std::size_t>(materialType - 1)]
                                             : kMaterialTypeNames[0];
}

std::span<const LawParameter> LawParameters(std::int32_t materialType)
{
    switch (materialType) {
    case kSteel01: return kSteel01Parameters;
    case kSteel02: return kSteel02Parameters;
    case kConcrete01: return kConcrete01Parameters;
    case kConcrete02: return kConcrete02Parameters;
    default: return {};
    }
}

void SetLawStartValues(Material& material, const ModelUnits& units, const MaterialStrengths& strengths)
{
    const double e = material.elasticModulus;
    MaterialLaw& law = material.law;
    law.Fy = strengths.yield > 0 ? strengths.yield : 0.002 * e;
    law.E0 = e;
    law.b = 0.01;
    law.R0 = 18;
    law.cR1 = 0.925;
    law.cR2 = 0.15;

    // A force unit not recognised counts as newtons, so a file without units
    // is read in N and mm.
    const double newtons = NewtonsPer(units.force) > 0 ? NewtonsPer(units.force) : 1.0;
    const double millimetres = LengthScaleOf(units.length).millimetres;
    const double mpaPerUnit = newtons / (millimetres * millimetres);
    const double eMpa = std::abs(e) * mpaPerUnit;
    const double fc = strengths.compressive > 0 ? strengths.compressive : (eMpa / 4700) * (eMpa / 4700) / mpaPerUnit;
    const double peakStrain = e > 0 ? 2 * fc / e : 0.002;
    law.fpc = -fc;
    law.epsc0 = -peakStrain;
    law.fpcu = -0.2 * fc;
    law.epsU = -1.75 * peakStrain;
    law.lambda = 0.1;
    law.ft = 0.1 * fc;
    law.Ets = law.ft / 0.002;
}

std::string LawProblem(const Material& material)
{
    switch (material.materialType) {
    case kSteel01: return SteelProblem(material.law, false);
    case kSteel02: return SteelProblem(material.law, true);
    case kConcrete01: return ConcreteProblem(material.law, false);
    case kConcrete02: return ConcreteProblem(material.law, true);
    default: return {};
    }
}

void CheckMaterialLaw(const Material& material)
{
    if (const std::string problem = LawProblem(material); !problem.empty())
        throw Error("Material " + material.name + " (" + std::string(MaterialTypeName(material.materialType))
                    + "): " + problem);
}

void SetMaterialLaw(Material& material, std::int32_t materialType, std::span<const ParameterText> parameters)
{
    Material edited = material;
    SetMaterialSetting(edited, "type", std::to_string(materialType));
    for (const ParameterText& parameter : parameters)
        SetMaterialSetting(edited, parameter.name, parameter.text);
    CheckMaterialLaw(edited);
    material = std::move(edited);
}

void SetMaterialSetting(Material& material, std::string_view field, std::string_view value)
{
    if (field == "type") {
        for (std::size_t i = 0; i < kMaterialTypeNames.size(); ++i)
            if (value == kMaterialTypeNames[i] || value == std::to_string(i + 1)) {
                material.materialType = static_cast<std::int32_t>(i + 1);
                return;
            }
        throw Error("Material type '" + std::string(value) + "' is none of Elastic, Steel01, Concrete01, Steel02, "
                    "Concrete02");
    }
    for (const LawParameter& parameter : kAll)
        if (parameter.name == field) {
            material.law.*parameter.field = ParseReal(value);
            return;
        }
    throw Error("Unknown material field '" + std::string(field) + "'");
}

Material& MaterialNamed(Model& model, std::string_view name)
{
    for (std::int32_t m = model.Materials.count; m >= 1; --m)
        if (model.Materials[m].name == name)
            return model.Materials[m];
    throw Error("No material is named '" + std::string(name) + "'");
}

} // namespace mirelo
