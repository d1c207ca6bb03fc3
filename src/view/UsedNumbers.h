#pragma once

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

// What the layers marked while they painted, for the legend: the support
// kinds (number of fixed freedoms) and the frame and shell sections of what
// they drew. A layer not painted leaves its part empty, and the legend then
// looks for itself.
struct PaintedUse {
    std::optional<UsedNumbers> supportKinds, frameSections, shellSections;
};

} // namespace mirelo
