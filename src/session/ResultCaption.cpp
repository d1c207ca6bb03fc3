#include "session/ResultCaption.h"

#include "common/NumberText.h"
#include "model/ModelUnits.h"
#include "results/ForceDiagram.h"
#include "results/ResultQuantities.h"

#include <cmath>

namespace mirelo {

namespace {

std::string Number(double value)
{
    return FormatSignificant(value, 4);
}

std::string WithUnit(double value, const std::string& unit)
{
    return unit.empty() ? Number(value) : Number(value) + " " + unit;
}

std::string StepText(const LoadedResults& loaded, std::int64_t step)
{
    return "step " + std::to_string(step) + " of " + std::to_string(loaded.stepCount);
}

// The joint that moves most (the first of equals) and how far.
std::string LargestMove(const Model& model, const ResultSet& results, const std::string& unit)
{
    double largest = 0;
    std::int32_t where = 0;
    for (std::int32_t k = 1; k <= model.Joints.count; ++k) {
        const Displacement d = JointDisplacement(results, k);
        const double size = std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
        if (size > largest) {
            largest = size;
            where = k;
        }
    }
    if (where == 0)
        return "largest " + WithUnit(0, unit);
    return "largest " + WithUnit(largest, unit) + " at joint " + JointCaption(model, where);
}

// The frame end whose value is largest in size (the first of equals).
std::string LargestSectionValue(const Model& model, const ResultSet& results, const std::string& unit)
{
    double largest = 0;
    std::int32_t where = 0;
    bool atJ = false;
    for (std::int32_t f = 1; f <= model.Frames.count; ++f) {
        for (const bool j : {false, true}) {
            const double value = j ? SectionValueAtJ(results, f) : SectionValueAtI(results, f);
            if (std::abs(value) > std::abs(largest)) {
                largest = value;
                where = f;
                atJ = j;
            }
        }
    }
    if (where == 0)
        return "largest " + WithUnit(0, unit);
    return "largest " + WithUnit(largest, unit) + " at frame " + FrameCaption(model, where) + (atJ ? ", end j" : ", end i");
}

// The diagram's quantity, step, time and scale; its legend gives the largest
// value and where. Read without displacements, the step's time goes unnamed,
// since only they say whether it is a load factor or seconds.
std::string ForceLine(const ResultSet& results, const ViewState& view)
{
    const ElementForces& forces = results.forces;
    const LoadedResults& loaded = results.loaded;
    std::string line = std::string(kForceQuantities[static_cast<std::size_t>(view.ForceShown)].caption) + ", step "
                     + std::to_string(forces.step) + " of " + std::to_string(forces.stepCount);
    if (loaded.kind == LoadedResults::Kind::LoadStep)
        line += loaded.timeInSeconds ? ", time " + Number(forces.time) + " s" : ", load factor " + Number(forces.time);
    return line + ", scale " + Number(view.ForceScale);
}

std::vector<std::string> JointLines(const Model& model, const ResultSet& results, const ViewState& view)
{
    const LoadedResults& loaded = results.loaded;
    if (loaded.kind == LoadedResults::Kind::None)
        return {};
    const std::string length = EngineerUnit(model.Units.length);
    const std::string scale = "scale " + Number(view.DeformScale);
    std::vector<std::string> lines;
    if (loaded.kind == LoadedResults::Kind::ModeShape) {
        lines.push_back("Mode " + std::to_string(loaded.mode) + " shape, " + scale);
        lines.push_back(LargestMove(model, results, {}));
    } else {
        const std::string time = loaded.timeInSeconds ? "time " + Number(loaded.time) + " s"
                                                      : "load factor " + Number(loaded.time);
        lines.push_back("Displacement, " + StepText(loaded, loaded.step) + ", " + time + ", " + scale);
        lines.push_back(LargestMove(model, results, length));
    }
    if (view.LayerFlags.ShowHingeCircles && results.sectionQuantity && !results.sections.atI.empty() &&
        SectionsMatchJoints(results)) {
        const FrameEndQuantity& quantity = *results.sectionQuantity;
        lines.push_back(std::string(quantity.caption) + " at frame ends, " + StepText(loaded, results.sections.step));
        lines.push_back(LargestSectionValue(model, results, FrameEndUnit(quantity.unit, model.Units)));
    }
    return lines;
}

} // namespace

std::vector<std::string> ResultCaptionLines(const Model& model, const ResultSet& results, const ViewState& view)
{
    std::vector<std::string> lines = JointLines(model, results, view);
    if (view.ShowForces && results.HasForces())
        lines.push_back(ForceLine(results, view));
    return lines;
}

} // namespace mirelo
