#include "model/MaterialLaws.h"

#include "common/Errors.h"
#include "common/NumberText.h"
#include "model/ModelUnits.h"

#include <cmath>

namespace mirelo {

namespace {

using L = MaterialLaw;
using Declare = SettingDeclaration;

constexpr LawField kFy = Bind(Declare::Real("Fy", "Fy (yield stress)", 0), &L::Fy);
constexpr LawField kE0 = Bind(Declare::Real("E0", "E0 (initial stiffness)", 0), &L::E0);
constexpr LawField kB = Bind(Declare::Real("b", "b (strain-hardening ratio)", 0), &L::b);
constexpr LawField kR0 = Bind(Declare::Real("R0", "R0 (elastic-plastic transition)", 0), &L::R0);
constexpr LawField kCR1 = Bind(Declare::Real("cR1", "cR1 (transition change)", 0), &L::cR1);
constexpr LawField kCR2 = Bind(Declare::Real("cR2", "cR2 (transition change)", 0), &L::cR2);
constexpr LawField kFpc = Bind(Declare::Real("fpc", "fpc (compressive strength, negative)", 0), &L::fpc);
constexpr LawField kEpsc0 = Bind(Declare::Real("epsc0", "epsc0 (strain at fpc, negative)", 0), &L::epsc0);
constexpr LawField kFpcu = Bind(Declare::Real("fpcu", "fpcu (crushing strength, negative)", 0), &L::fpcu);
constexpr LawField kEpsU = Bind(Declare::Real("epsU", "epsU (strain at fpcu, negative)", 0), &L::epsU);
constexpr LawField kLambda = Bind(Declare::Real("lambda", "lambda (unloading slope ratio at epsU)", 0), &L::lambda);
constexpr LawField kFt = Bind(Declare::Real("ft", "ft (tensile strength)", 0), &L::ft);
constexpr LawField kEts = Bind(Declare::Real("Ets", "Ets (tension softening stiffness)", 0), &L::Ets);

constexpr LawField kAll[] = {kFy, kE0, kB, kR0, kCR1, kCR2, kFpc, kEpsc0, kFpcu, kEpsU, kLambda, kFt, kEts};
constexpr std::span<const LawField> kAllFields = kAll;
// Each type's parameters in the solver's order, a run of kAll.
constexpr std::span<const LawField> kSteel01Fields = kAllFields.subspan(0, 3);
constexpr std::span<const LawField> kSteel02Fields = kAllFields.subspan(0, 6);
constexpr std::span<const LawField> kConcrete01Fields = kAllFields.subspan(6, 4);
constexpr std::span<const LawField> kConcrete02Fields = kAllFields.subspan(6, 7);

constexpr MaterialField kElastic[] = {
    Bind(Declare::Real("E", "E (elastic modulus)", 0), &Material::elasticModulus),
    Bind(Declare::Real("U", "U (Poisson's ratio)", 0), &Material::poisson),
};

constexpr SettingDeclaration kTypeDeclaration =
    Declare::Choice("type", "material type", kElasticMaterial, kMaterialTypeNames);

// The first unsound parameter and what is wrong with it.
struct Unsound {
    std::string_view parameter;
    std::string text;
};

Unsound Problem(std::string_view parameter, std::string_view rule, double value)
{
    return {parameter, std::string(parameter) + " must be " + std::string(rule) + ", not " + FormatGeneral(value)};
}

Unsound SteelProblem(const MaterialLaw& law, bool steel02)
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

Unsound ConcreteProblem(const MaterialLaw& law, bool concrete02)
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

std::span<const LawField> MaterialLawFields()
{
    return kAllFields;
}

std::span<const LawField> LawParameters(std::int32_t materialType)
{
    switch (materialType) {
    case kSteel01: return kSteel01Fields;
    case kSteel02: return kSteel02Fields;
    case kConcrete01: return kConcrete01Fields;
    case kConcrete02: return kConcrete02Fields;
    default: return {};
    }
}

const SettingDeclaration& MaterialTypeDeclaration()
{
    return kTypeDeclaration;
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

namespace {

Unsound FirstUnsound(const Material& material)
{
    switch (material.materialType) {
    case kSteel01: return SteelProblem(material.law, false);
    case kSteel02: return SteelProblem(material.law, true);
    case kConcrete01: return ConcreteProblem(material.law, false);
    case kConcrete02: return ConcreteProblem(material.law, true);
    default: return {};
    }
}

Unsound ElasticProblem(const Material& material)
{
    if (!(material.elasticModulus > 0))
        return Problem("E", "positive", material.elasticModulus);
    if (!(material.poisson > -1 && material.poisson < 0.5))
        return Problem("U", "greater than -1 and less than 0.5", material.poisson);
    return {};
}

} // namespace

std::string LawProblem(const Material& material)
{
    return FirstUnsound(material).text;
}

std::span<const MaterialField> ElasticConstantFields()
{
    return kElastic;
}

double ShearModulus(double elasticModulus, double poisson)
{
    return static_cast<double>(CheckedQuotient(static_cast<long double>(elasticModulus) / 2.0L, 1.0L + poisson));
}

void FinishMaterialEdit(Material& material)
{
    if (Unsound unsound = ElasticProblem(material); !unsound.text.empty())
        throw MaterialError("Material " + material.name + ": " + unsound.text, unsound.parameter);
    if (Unsound unsound = FirstUnsound(material); !unsound.text.empty())
        throw MaterialError("Material " + material.name + " (" + std::string(MaterialTypeName(material.materialType))
                                + "): " + unsound.text,
                            unsound.parameter);
    material.shearModulus = ShearModulus(material.elasticModulus, material.poisson);
}

void SetMaterialSetting(Material& material, std::string_view field, std::string_view value)
{
    if (field == kTypeDeclaration.name) {
        for (std::size_t i = 0; i < kMaterialTypeNames.size(); ++i)
            if (value == kMaterialTypeNames[i] || value == std::to_string(i + 1)) {
                material.materialType = static_cast<std::int32_t>(i + 1);
                return;
            }
        throw Error("Material type '" + std::string(value) + "' is none of Elastic, Steel01, Concrete01, Steel02, "
                    "Concrete02");
    }
    if (const MaterialField* constant = FindSetting(ElasticConstantFields(), field)) {
        SetFromText(material, *constant, value, constant->declaration.label);
        return;
    }
    const LawField* parameter = FindSetting(kAllFields, field);
    if (parameter == nullptr)
        throw Error("Unknown material field '" + std::string(field) + "'");
    SetFromText(material.law, *parameter, value, parameter->declaration.label);
}

Material& MaterialNamed(Model& model, std::string_view name)
{
    if (Material* material = model.Materials.LastNamed(name))
        return *material;
    throw Error("No material is named '" + std::string(name) + "'");
}

} // namespace mirelo
