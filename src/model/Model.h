#pragma once

#include "model/ElementKinds.h"
#include "model/Table.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace mirelo {

// Colours are 24-bit RGB values with red in the low byte.
constexpr std::int32_t RgbColour(int red, int green, int blue)
{
    return red | (green << 8) | (blue << 16);
}

// Fields are grouped by type so that large models waste no padding.
struct Joint {
    double x = 0, y = 0, z = 0;             // on the import's grid of 0.1 mm (ModelUnits.h)
    std::array<double, 7> mass{};            // 1..6; the import sets 1..3
    std::array<std::int32_t, 7> restraint{}; // 1..6: U1 U2 U3 R1 R2 R3; 1 fixed
    std::int32_t linkedJoint = 0;            // spring partner placed at the same point
};

// Frames and shells keep the section their name finds as an index, not the
// name: a large model holds no string per element.
struct Frame {
    double angle = 0; // degrees
    double axis2X = 0, axis2Y = 0, axis2Z = 0;
    std::int32_t section = 0; // index into FrameSections, 0 none
    std::int32_t jointI = 0, jointJ = 0;
    std::int32_t segments = 0; // NSEG; the script takes IntegrationPoints instead
    std::int32_t releaseEnd = 0; // 0 none, 1 IREL, 2 JREL
};

enum SectionShape : std::int32_t { kShapeNone = 0, kShapeRectangle = 1, kShapeI = 2, kShapeBox = 3, kShapePipe = 4 };

struct FrameSection {
    std::int32_t shape = kShapeNone;
    std::int32_t elementKind = 0; // an ElementKind
    std::array<double, 7> dim{}; // 1..6 in file order
    std::int32_t material = 0;
    std::string name;
    std::int32_t colour = 0;
    std::int32_t divideX = 0, divideY = 0, barNumX = 0, barNumY = 0;
    double cover = 0, barAreaX = 0, barAreaY = 0;
    std::int32_t sectionUse = 0; // a SectionUse
    std::int32_t geomTransf = 0; // a GeomTransfKind
};

// The units a model's numbers are in, as its file names them ("M", "KN");
// empty when the file does not say. Lengths and forces are never converted.
struct ModelUnits {
    std::string length;
    std::string force;
};

// Millimetres in one length unit, square millimetres in one area unit, and
// the decimals of the import's coordinate grid: 0.1 mm, or the first power of
// ten of the unit below it.
struct LengthScale {
    double millimetres = 1;
    double squareMillimetres = 1;
    int gridDecimals = 1;
};

// The parameters of the nonlinear material types in the solver's order and
// the model's units; concrete stresses and strains are negative.
struct MaterialLaw {
    double Fy = 0, E0 = 0, b = 0, R0 = 0, cR1 = 0, cR2 = 0;               // Steel01, Steel02
    double fpc = 0, epsc0 = 0, fpcu = 0, epsU = 0, lambda = 0, ft = 0, Ets = 0; // Concrete01, Concrete02
};

struct Material {
    std::string name;
    std::int32_t materialType = 0; // a MaterialType: 1 elastic
    double elasticModulus = 0, poisson = 0, shearModulus = 0;
    MaterialLaw law; // used when the type is not elastic
};

struct ShellSection {
    double thickness = 0;
    std::int32_t shellKind = 0; // 1 shell, 0 empty slot
    std::int32_t material = 0;
    std::string name;
    std::int32_t colour = 0;
};

struct Shell {
    std::int32_t section = 0; // index into ShellSections, 0 none
    std::array<std::int32_t, 5> joints{}; // 1..4 in perimeter order
};

struct Solid {
    std::int32_t section = 0; // the number after SEC=, not looked up
    std::array<std::int32_t, 9> joints{}; // 1..8, each face in perimeter order
};

enum LoadType : std::int8_t { kLoadNone = 0, kJointForce = 1, kFrameDistributed = 2 };

// The narrow fields keep a record at 64 bytes: a large model has a load for
// nearly every other line of its file.
constexpr std::int32_t kMostLoadCases = 65535;
struct Load {
    std::int32_t target = 0; // joint (type 1) or frame (type 2)
    std::int8_t loadType = kLoadNone;
    std::int8_t direction = 0; // type 2: 1 U1, 2 U2/UZ, 3 U3
    std::uint16_t loadCase = 0; // its NAME line's entry of LoadCaseNames; 0 before the first
    std::array<double, 7> value{}; // 1..6
};

struct Constraint {
    std::int32_t memberCount = 0;     // joints listed minus the master
    std::vector<std::int32_t> members; // 1..n in listed order; the last is the master
    std::int32_t masterJoint = 0;
};

constexpr int kPaletteSize = 20;
using Palette = std::array<std::int32_t, kPaletteSize>;

// The start-up colour table: supports use entries 1..6, result classes 11..16,
// section k gets entry k mod 20.
Palette DefaultSectionPalette();

struct Model {
    Table<Joint> Joints;
    Table<Frame> Frames;
    Table<FrameSection> FrameSections;
    Table<Material> Materials;
    Table<ShellSection> ShellSections;
    Table<Shell> Shells;
    Table<Solid> Solids;
    Table<Load> Loads;
    Table<Constraint> Constraints;
    std::vector<std::string> LoadCaseNames{std::string()}; // 1..LoadCaseCount; entry 0 empty
    std::int32_t LoadCaseCount = 0;
    std::int32_t ActiveShellCount = 0;
    ModelUnits Units;
    Palette SectionPalette = DefaultSectionPalette();
    // The labels of joints, frames and shells (1..count, entry 0 empty) when
    // the file names them otherwise than 1, 2, 3 ... in order; empty when it
    // does not, so numbered models carry no names.
    std::vector<std::string> JointNames, FrameNames, ShellNames;
};

// The name of the case `load` belongs to (empty before the first NAME line or
// for an entry outside the table). Cases are told apart by name: two NAME
// lines of one name make one case.
const std::string& CaseNameOf(const Model& model, const Load& load);

// The largest side of the box around the joints; 0 without joints.
double ModelExtent(const Model& model);

// How windows and messages name joint, frame or shell k: its number, which the
// script and the settings use, and its label where that differs ("7 (B12)").
std::string JointCaption(const Model& model, std::int32_t k);
std::string FrameCaption(const Model& model, std::int32_t k);
std::string ShellCaption(const Model& model, std::int32_t k);

} // namespace mirelo
