#pragma once

#include "model/Model.h"
#include "results/ElementForces.h"
#include "results/StepLoads.h"
#include "script/SolverFrameAxes.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace mirelo {

// The internal forces along a frame, from its 12 end forces as "localForce"
// writes them: N Vy Vz T My Mz at end i, then at end j, each the force the
// joint puts on the element in local axes. Along the frame each quantity is
// the force on the cut face that looks toward end j: axial force positive in
// tension; My positive where it stretches the +z side, Mz positive where it
// stretches the −y side (the solver's section convention); Vy, Vz and T along
// the local axes. At end i that is the end force negated, at end j the end
// force itself; in between a uniform span load gives linear shears and
// parabolic moments, and without one every quantity runs straight.
enum class ForceQuantity : std::int32_t { N = 0, Vy = 1, Vz = 2, T = 3, My = 4, Mz = 5 };

struct ForceQuantityInfo {
    ForceQuantity quantity;
    std::string_view name;    // as `picture --forces` takes it: n vy vz t my mz
    std::string_view caption; // "Axial N", ...
    bool moment;              // in force times length
};
inline constexpr std::array<ForceQuantityInfo, 6> kForceQuantities = {{
    {ForceQuantity::N, "n", "Axial N", false},
    {ForceQuantity::Vy, "vy", "Shear Vy", false},
    {ForceQuantity::Vz, "vz", "Shear Vz", false},
    {ForceQuantity::T, "t", "Torsion T", true},
    {ForceQuantity::My, "my", "Moment My", true},
    {ForceQuantity::Mz, "mz", "Moment Mz", true},
}};
const ForceQuantityInfo* FindForceQuantity(std::string_view name);

using EndForces = std::span<const double, 12>;

// The quantity at distance `x` from end i.
double ForceAt(EndForces ends, const SpanLoad& load, ForceQuantity quantity, double x);

// What a diagram shows of one frame: its end values and the value of largest
// size along it (the first where two are equal) with its distance from end i.
struct FrameDiagram {
    double atI = 0, atJ = 0;
    double extreme = 0, extremeAt = 0;
};
FrameDiagram DiagramOfFrame(EndForces ends, const SpanLoad& load, ForceQuantity quantity, double length);

// Where a diagram is drawn: across the frame along local y (1) or z (2), a
// value v offset by sign · v along that axis. Moments lie on their tension
// side (Mz in the x-y plane on −y, My in the x-z plane on +z); N, Vy and T
// are drawn in the x-y plane and Vz in the x-z plane, positive values toward
// the axis's positive side.
struct DiagramSide {
    int axis = 1;
    double sign = 1;
};
DiagramSide DrawingSide(ForceQuantity quantity);

// The distances from end i at which a diagram is sampled: both ends, and for
// a moment or shear under a span load `segments` − 1 points between them and
// the place of a moment's extreme.
std::vector<double> DiagramStations(EndForces ends, const SpanLoad& load, ForceQuantity quantity, double length,
                                    std::int32_t segments = 10);

// One station of a frame's drawn diagram in model space: the point on the
// frame at distance x from end i, and the tip of the value there, drawn
// `scale` model units per unit of force on the quantity's side.
struct DiagramStation {
    double x = 0;
    double value = 0;
    Vector3d base{}, tip{};
};

// The stations of frame `frame`'s diagram (undeformed); none when the solver
// has no local axes for it (coincident joints).
std::vector<DiagramStation> DiagramGeometry(const Model& model, std::int32_t frame, EndForces ends,
                                            const SpanLoad& load, ForceQuantity quantity, double scale);

// Raises RangeCheckError for forces or loads of another number of frames than
// the model's, which would index outside their tables.
void CheckForceSizes(const Model& model, const ElementForces& forces, std::span<const SpanLoad> loads);

// Whether frame k has the 12 end forces of a beam-column or truss, and those.
bool HasEndForces(const ElementForces& forces, std::int32_t k);
EndForces EndForcesOf(const ElementForces& forces, std::int32_t k);

// A scale at which the largest value of the quantity over every frame with
// end forces is drawn as a tenth of the model's largest extent; 1 when every
// value is 0. Raises RangeCheckError for forces or loads of another number of
// frames than the model's.
double SuggestedDiagramScale(const Model& model, const ElementForces& forces, std::span<const SpanLoad> loads,
                             ForceQuantity quantity);

} // namespace mirelo
