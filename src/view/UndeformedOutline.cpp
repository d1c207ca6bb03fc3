#include "view/UndeformedOutline.h"

#include "model/ElementKinds.h"

#include <algorithm>

namespace mirelo {

bool ShowsUndeformedOutline(const Model& model, const ResultSet& results, const ViewState& view)
{
    return view.ShowUndeformed && view.DeformScale != 0 && results.loaded.kind != LoadedResults::Kind::None &&
           results.joints.values.size() == static_cast<std::size_t>(model.Joints.Size()) * kNodeValuesPerJoint;
}

std::vector<OutlineEdge> UndeformedOutlineEdges(const Model& model, const PlaneFilter& shown)
{
    std::vector<OutlineEdge> edges;
    const auto valid = [&model](std::int32_t k) { return model.Joints.Contains(k); };
    for (std::int32_t f = 1; f <= model.Frames.count; ++f) {
        const Frame& frame = model.Frames[f];
        const bool spring =
            model.FrameSections.Contains(frame.section) && IsSpring(model.FrameSections[frame.section].elementKind);
        if (!spring && valid(frame.jointI) && valid(frame.jointJ) && shown.Frame(frame))
            edges.push_back({frame.jointI, frame.jointJ});
    }
    for (std::int32_t s = 1; s <= model.Shells.count; ++s) {
        const Shell& shell = model.Shells[s];
        const auto& c = shell.joints;
        const bool active =
            model.ShellSections.Contains(shell.section) && model.ShellSections[shell.section].shellKind == 1;
        if (!active || !shown.Joints(c) || !std::all_of(c.begin() + 1, c.end(), valid))
            continue;
        for (std::size_t k = 1; k <= 4; ++k)
            edges.push_back({c[k], c[k % 4 + 1]});
    }
    for (std::int32_t s = 1; s <= model.Solids.count; ++s) {
        const auto& c = model.Solids[s].joints;
        if (!shown.Joints(c) || !std::all_of(c.begin() + 1, c.end(), valid))
            continue;
        for (std::size_t k = 1; k <= 4; ++k) {
            const std::size_t next = k % 4 + 1;
            edges.push_back({c[k], c[next]});         // face 1-2-3-4
            edges.push_back({c[k + 4], c[next + 4]}); // face 5-6-7-8
            edges.push_back({c[k], c[k + 4]});        // edges 1-5 ... 4-8
        }
    }
    return edges;
}

void PaintUndeformedOutline(Canvas& canvas, const Model& model, const ViewState& view, ViewArea area,
                            const PlaneFilter& shown)
{
    canvas.SetPenStyle(PenStyle::Solid);
    canvas.SetPenWidth(1);
    canvas.SetPenColour(kUndeformedColour);
    const Projector projector(view, area);
    std::vector<ScreenPoint> at(static_cast<std::size_t>(model.Joints.Size()) + 1);
    for (std::int32_t k = 1; k <= model.Joints.count; ++k) {
        const Joint& joint = model.Joints[k];
        at[static_cast<std::size_t>(k)] = projector.Project(joint.x, joint.y, joint.z);
    }
    for (const OutlineEdge& edge : UndeformedOutlineEdges(model, shown)) {
        const ScreenPoint a = at[static_cast<std::size_t>(edge.i)], b = at[static_cast<std::size_t>(edge.j)];
        canvas.Line(a.x, a.y, b.x, b.y);
    }
}

} // namespace mirelo
