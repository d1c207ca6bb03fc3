#include "view/FullPicture.h"

#include "view/Redraw.h"

namespace mirelo {

bool PaintFullPicture(const DragPicture* picture, const Model& model, const ResultSet& results, const ViewState& view,
                      QImage& canvas, Projection& projection, const std::atomic<bool>& stop)
{
    if (!picture || !picture->PaintsAll(model, results, view, canvas.size()))
        return RedrawUnlessStopped(model, results, view, canvas, projection, stop);
    picture->Paint(view, canvas, DragPicture::Hatching::On);
    if (stop)
        return false;
    const ViewArea area{canvas.width(), canvas.height()};
    ProjectJoints(model, results, view, area, projection);
    ProjectFrames(model, view, area, projection);
    return true;
}

} // namespace mirelo
