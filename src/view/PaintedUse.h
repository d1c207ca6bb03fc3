#pragma once

#include "model/Model.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace mirelo {

// Marks record numbers in use; a table of flags, as a redraw of a large model
// visits every element.
class UsedNumbers {
public:
    explicit UsedNumbers(std::int32_t count) : used_(static_cast<std::size_t>(std::max(count, 0)) + 1, 0) {}
    void Mark(std::int32_t k) { used_[static_cast<std::size_t>(k)] = 1; }
    template <typename Visit>
    void ForEach(Visit visit) const
    {
        for (std::size_t k = 1; k < used_.size(); ++k)
            if (used_[k])
                visit(static_cast<std::int32_t>(k));
    }

private:
    std::vector<char> used_;
};

// Whether the joint loads of the shown case hold forces and moments.
struct PointLoadKinds {
    bool forces = false, moments = false;
    void Add(const Load& load)
    {
        const auto& v = load.value;
        forces = forces || v[1] != 0 || v[2] != 0 || v[3] != 0;
        moments = moments || v[4] != 0 || v[5] != 0 || v[6] != 0;
    }
};

// What the layers marked while they painted, for the legend: the support
// kinds (number of fixed freedoms), the frame and shell sections of what they
// drew and the kinds of the point loads. A layer not painted leaves its part
// empty, and the legend then looks for itself.
struct PaintedUse {
    std::optional<UsedNumbers> supportKinds, frameSections, shellSections;
    std::optional<PointLoadKinds> pointLoads;
};

} // namespace mirelo
