#include "view/ViewValues.h"

#include <cmath>
#include <limits>
#include <variant>

namespace mirelo {

namespace {

// One kept field: a real with its lower bound, a whole number in a range, or
// a switch kept as 0 or 1.
struct ViewField {
    const char* name;
    std::variant<double ViewState::*, std::int32_t ViewState::*, bool ViewState::*, bool LayerSwitches::*> field;
    double low = -std::numeric_limits<double>::max();
    double high = std::numeric_limits<double>::max();
};

constexpr double kHuge = std::numeric_limits<double>::max();

const ViewField kViewFields[] = {
    {"Scale", &ViewState::Scale, std::numeric_limits<double>::min(), kHuge},
    {"PanX", &ViewState::PanX},
    {"PanY", &ViewState::PanY},
    {"PlanAngle", &ViewState::PlanAngle},
    {"TiltAngle", &ViewState::TiltAngle},
    {"PlaneAxis", &ViewState::PlaneAxis, kNoPlaneAxis, kPlaneAxisZ},
    {"PlaneShown", &ViewState::PlaneShown, 0, std::numeric_limits<std::int32_t>::max()},
    {"LoadCaseShown", &ViewState::LoadCaseShown, 0, 0}, // the model's load cases: checked on applying
    {"LoadTypeShown", &ViewState::LoadTypeShown, kShowNoLoadType, kShowElementLoads},
    {"ShowAxisTriad", &ViewState::ShowAxisTriad},
    {"ShowLegend", &ViewState::ShowLegend},
    {"DeformScale", &ViewState::DeformScale},
    {"HingeMax", &ViewState::HingeMax},
    {"HingeMin", &ViewState::HingeMin},
    {"ShowForces", &ViewState::ShowForces},
    {"ForceScale", &ViewState::ForceScale},
    {"ShowForceValues", &ViewState::ShowForceValues},
    {"ShowReactions", &ViewState::ShowReactions},
    {"ShowNodes", &LayerSwitches::ShowNodes},
    {"ShowNodeLabels", &LayerSwitches::ShowNodeLabels},
    {"ShowFrames", &LayerSwitches::ShowFrames},
    {"ShowFrameLabels", &LayerSwitches::ShowFrameLabels},
    {"ShowFrameAxes", &LayerSwitches::ShowFrameAxes},
    {"ShowSupports", &LayerSwitches::ShowSupports},
    {"ShowDiaphragms", &LayerSwitches::ShowDiaphragms},
    {"ShowHingeCircles", &LayerSwitches::ShowHingeCircles},
    {"ShowShells", &LayerSwitches::ShowShells},
    {"ShowShellLabels", &LayerSwitches::ShowShellLabels},
    {"ShowReleases", &LayerSwitches::ShowReleases},
    {"ShowSolids", &LayerSwitches::ShowSolids},
    {"ShowSolidLabels", &LayerSwitches::ShowSolidLabels},
};

} // namespace

std::map<std::string, double> CaptureViewValues(const ViewState& view)
{
    std::map<std::string, double> values;
    for (const ViewField& f : kViewFields) {
        const auto visit = [&](auto member) -> double {
            using Member = decltype(member);
            if constexpr (std::is_same_v<Member, bool LayerSwitches::*>)
                return (view.LayerFlags.*member) ? 1 : 0;
            else
                return static_cast<double>(view.*member);
        };
        values[f.name] = std::visit(visit, f.field);
    }
    values["LoadDisplay"] = static_cast<double>(view.LoadDisplay);
    values["ForceShown"] = static_cast<double>(view.ForceShown);
    values["ContourShown"] = static_cast<double>(view.ContourShown);
    return values;
}

void ApplyViewValues(const std::map<std::string, double>& values, const Model& model, ViewState& view)
{
    for (const ViewField& f : kViewFields) {
        const auto found = values.find(f.name);
        if (found == values.end() || !std::isfinite(found->second))
            continue;
        const double value = found->second;
        const auto apply = [&](auto member) {
            using Member = decltype(member);
            if constexpr (std::is_same_v<Member, double ViewState::*>) {
                if (value >= f.low && value <= f.high)
                    view.*member = value;
            } else if constexpr (std::is_same_v<Member, std::int32_t ViewState::*>) {
                const double high = member == &ViewState::LoadCaseShown ? model.LoadCaseCount : f.high;
                if (value == std::trunc(value) && value >= f.low && value <= high)
                    view.*member = static_cast<std::int32_t>(value);
            } else if (value == 0 || value == 1) {
                if constexpr (std::is_same_v<Member, bool LayerSwitches::*>)
                    view.LayerFlags.*member = value == 1;
                else
                    view.*member = value == 1;
            }
        };
        std::visit(apply, f.field);
    }
    // The choices kept by their values, each taken only when it names one.
    const auto choice = [&values](const char* name, std::int32_t last, auto& field) {
        const auto found = values.find(name);
        if (found != values.end() && found->second >= 0 && found->second <= last && found->second == std::trunc(found->second))
            field = static_cast<std::remove_reference_t<decltype(field)>>(static_cast<std::int32_t>(found->second));
    };
    choice("LoadDisplay", static_cast<std::int32_t>(LoadStyle::TextLabels), view.LoadDisplay);
    choice("ForceShown", static_cast<std::int32_t>(ForceQuantity::Mz), view.ForceShown);
    choice("ContourShown", static_cast<std::int32_t>(ContourQuantity::UZ), view.ContourShown);
}

} // namespace mirelo
