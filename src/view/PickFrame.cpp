#include "view/PickFrame.h"

#include "view/PlaneFilter.h"

namespace mirelo {

std::int32_t PickFrame(const Model& model, ViewState& view, int x, int y)
{
    view.SelectedFrame = 0;
    // 64-bit so that a midpoint clamped near the pixel limit cannot overflow.
    const std::int64_t px = x, py = y;
    const PlaneFilter shown(model, view);
    for (std::int32_t f = 1; f <= model.Frames.count; ++f) {
        const Frame& frame = model.Frames[f];
        if (shown.Frame(frame) && px >= std::int64_t{frame.midScreenX} - 5 && px < std::int64_t{frame.midScreenX} + 5 &&
            py >= std::int64_t{frame.midScreenY} - 5 && py < std::int64_t{frame.midScreenY} + 5)
            view.SelectedFrame = f;
    }
    return view.SelectedFrame;
}

} // namespace mirelo
