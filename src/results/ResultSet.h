#pragma once

#include "model/Model.h"
#include "results/ElementForces.h"
#include "results/Reactions.h"
#include "results/ResultReaders.h"
#include "script/RecorderFiles.h"

#include <cstdint>
#include <string>

namespace mirelo {

struct FrameEndQuantity; // results/ResultQuantities.h

// What the joint values of a result set are: nothing, a load step or a mode.
struct LoadedResults {
    enum class Kind { None, LoadStep, ModeShape };
    Kind kind = Kind::None;
    std::string folder;
    std::int64_t step = 0;      // the line read
    std::int64_t stepCount = 0; // lines of the first file
    std::int32_t mode = 0;
    double time = 0;            // the step's time column
    bool timeInSeconds = false; // a time history's time, else a load factor
};

// The results shown with a model, read from the recorder files of one run.
// The session owns it and drawing reads it; the model never holds results.
// Each part is read as a whole and replaces the old one only then; a part
// that is empty shows as zeros (forces and reactions: as nothing drawn).
struct ResultSet {
    LoadedResults loaded;    // what `joints` holds
    JointResults joints;     // displacements of a load step, or a mode's components
    SectionResults sections; // one quantity at both ends of every frame
    const FrameEndQuantity* sectionQuantity = nullptr; // what `sections` holds

    ElementForces forces;            // the frames' end forces of one step
    std::vector<SpanLoad> spanLoads; // the span loads that step applies, frame k at k - 1
    SupportReactions reactions;      // the supports' reactions of one step
    ForceTotals applied{};           // the total load the patterns apply at the reactions' step

    bool HasForces() const { return !forces.start.empty(); }
    bool HasReactions() const { return !reactions.joints.empty(); }

    // Counts the loads and clears (ResultLoading.h), so that a picture gathered
    // from these results knows when they have changed.
    std::uint64_t generation = 0;
};

// Whether the section values may be drawn with the joints: nothing is loaded
// at all (every frame shows 0), or they are of the load step the joints show.
// Values of another step, and zeros standing in for values not loaded, are
// never drawn beside the joints' step or mode.
bool SectionsMatchJoints(const ResultSet& results);

struct Displacement {
    double x = 0, y = 0, z = 0;
};

// Joint k's displacement (1-based); zero when none is loaded for it.
inline Displacement JointDisplacement(const ResultSet& results, std::int32_t k)
{
    if (k < 1)
        return {};
    const std::size_t at = static_cast<std::size_t>(k - 1) * kNodeValuesPerJoint;
    if (at + kNodeValuesPerJoint > results.joints.values.size())
        return {};
    const double* v = &results.joints.values[at];
    return {v[0], v[1], v[2]};
}

// Frame k's section value at its first or last section; zero when none is loaded.
inline double SectionValueAtI(const ResultSet& results, std::int32_t k)
{
    return k >= 1 && static_cast<std::size_t>(k) <= results.sections.atI.size()
               ? results.sections.atI[static_cast<std::size_t>(k - 1)]
               : 0.0;
}
inline double SectionValueAtJ(const ResultSet& results, std::int32_t k)
{
    return k >= 1 && static_cast<std::size_t>(k) <= results.sections.atJ.size()
               ? results.sections.atJ[static_cast<std::size_t>(k - 1)]
               : 0.0;
}

// A displacement scale at which the largest displacement shows as a tenth of
// the model's largest extent, rounded to one significant digit; 1 when nothing
// moved.
double SuggestedDeformScale(const Model& model, const ResultSet& results);

} // namespace mirelo
