#pragma once

#include "common/Errors.h"
#include "common/SettingDeclaration.h"
#include "model/Model.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace mirelo {

// A material's `materialType`: the position of its item in the material
// dialog's type list.
enum MaterialType : std::int32_t { kElasticMaterial = 1, kSteel01 = 2, kConcrete01 = 3, kSteel02 = 4, kConcrete02 = 5 };
// The types as a command line and the dialog's list name them; the nonlinear
// ones are the solver's material names.
inline constexpr std::array<std::string_view, 5> kMaterialTypeNames = {"Elastic", "Steel01", "Concrete01", "Steel02",
                                                                        "Concrete02"};

bool IsNonlinearMaterial(std::int32_t materialType);
bool IsConcreteMaterial(std::int32_t materialType);

// The solver's name of a type ("Concrete02"); "Elastic" for type 1 and for a
// type outside the list.
std::string_view MaterialTypeName(std::int32_t materialType);

// The parameters of the nonlinear types, each declared once: its name (the
// solver's, which the command line and the material dialog use), a caption
// saying what it is, and the field that holds it.
using LawField = SettingField<MaterialLaw>;

// Every parameter once, steel's first.
std::span<const LawField> MaterialLawFields();

// The parameters a type writes, in the solver's order; none for the
// elastic type or a type outside the list.
std::span<const LawField> LawParameters(std::int32_t materialType);

// The type as the command line sets it: "type", a name of
// kMaterialTypeNames or its number.
const SettingDeclaration& MaterialTypeDeclaration();

// What a material's file line may give beyond E and U, in the model's
// stress unit; 0 when it gives nothing.
struct MaterialStrengths {
    double yield = 0;       // FY, steel's yield stress
    double compressive = 0; // FC, concrete's compressive strength
};

// Start values of every parameter, from E and the strengths the file gives:
// steel yields at FY, else at a strain of 0.002 (Fy = 0.002 E), hardens by
// b = 0.01 and rounds with R0 18, cR1 0.925, cR2 0.15; concrete's strength
// f'c is FC, else the one whose modulus is E by E = 4700 √f'c (MPa),
// converted through the model's units; it peaks at a strain of 2 f'c / E (so
// that its first stiffness is E), crushes to 0.2 f'c at 1.75 times that
// strain, and cracks at ft = 0.1 f'c with a softening slope of ft / 0.002
// and lambda 0.1.
void SetLawStartValues(Material& material, const ModelUnits& units, const MaterialStrengths& strengths = {});

// What is wrong with the parameters of the material's type, for a user to
// read ("fpc must be negative, not 30000"); empty when the type is elastic or
// every parameter is sound.
std::string LawProblem(const Material& material);

// The elastic constants as the command line and the material dialog set
// them, named as a MATERIAL line of an s2k file names them: E (the elastic
// modulus) and U (Poisson's ratio). The shear modulus follows from them.
using MaterialField = SettingField<Material>;
std::span<const MaterialField> ElasticConstantFields();

// G = E / (2 (1 + U)), evaluated in extended precision; raises "Floating
// point division by zero" for U = -1.
double ShearModulus(double elasticModulus, double poisson);

// The failure of FinishMaterialEdit, with the field it names ("E", "U" or a
// parameter of the law).
class MaterialError : public Error {
public:
    MaterialError(const std::string& message, std::string_view unsound) : Error(message), field(unsound) {}
    std::string_view field;
};

// Checks an edited material, then gives it the shear modulus of its E and U.
// E must be positive and U greater than -1 and less than 0.5 (at 0.5 a solid
// cannot change its volume, and the solver's bricks divide by zero); then
// the law of its type is checked. Raises MaterialError "Material NAME: U
// must be ..." or "Material NAME (Concrete02): <problem>" for the first
// unsound field, and the material is unchanged then.
void FinishMaterialEdit(Material& material);

// Sets the field `field` of the material from text: "type" takes a name of
// kMaterialTypeNames or its number 1 to 5, E, U and a parameter a real
// number; FinishMaterialEdit then checks the whole and sets G. Raises
// Error for an unknown field or type, ConversionError for a value that is
// not a number; the material is unchanged then.
void SetMaterialSetting(Material& material, std::string_view field, std::string_view value);

// The material of that exact name (the last one when several share it).
// Raises Error when none has it.
Material& MaterialNamed(Model& model, std::string_view name);

} // namespace mirelo
