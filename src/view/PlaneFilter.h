#pragma once

#include "model/Model.h"
#include "session/ViewState.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace mirelo {

// The distinct coordinates of the joints along a global axis (kPlaneAxisX,
// Y or Z), ascending; coordinates closer than a millionth of their size count
// as one. Empty for kNoPlaneAxis.
std::vector<double> PlaneCoordinates(const Model& model, std::int32_t axis);

// The coordinate of the plane the view shows, or nothing when it shows all
// planes (or the position is outside the model's planes).
std::optional<double> ShownPlaneCoordinate(const Model& model, const ViewState& view);

// Which joints and elements lie in the shown plane. With all planes shown,
// everything passes. An element passes when every joint of it does; a record
// naming a joint outside the table does not pass.
class PlaneFilter {
public:
    PlaneFilter(const Model& model, const ViewState& view);

    bool ShowsAll() const { return inPlane_.empty(); }
    bool Joint(std::int32_t k) const
    {
        return ShowsAll() || (k >= 0 && static_cast<std::size_t>(k) < inPlane_.size() && inPlane_[static_cast<std::size_t>(k)]);
    }
    bool Frame(const mirelo::Frame& frame) const { return Joint(frame.jointI) && Joint(frame.jointJ); }
    // Joints 1..N of a 1-based array (shell or solid corners).
    template <std::size_t M>
    bool Joints(const std::array<std::int32_t, M>& joints) const
    {
        if (ShowsAll())
            return true;
        for (std::size_t k = 1; k < M; ++k)
            if (!Joint(joints[k]))
                return false;
        return true;
    }

private:
    std::vector<char> inPlane_; // by joint number; empty when all planes show
};

} // namespace mirelo
