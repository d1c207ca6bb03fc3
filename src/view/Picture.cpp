#include "view/Picture.h"

#include "view/Navigation.h"
#include "view/Redraw.h"

namespace mirelo {

QImage RenderPicture(const Model& model, const ResultSet& results, ViewState& view, PictureView which, QSize size)
{
    const ViewArea area{size.width(), size.height()};
    switch (which) {
    case PictureView::XY: SetStandardView(model, results, view, StandardView::XY, area); break;
    case PictureView::XZ: SetStandardView(model, results, view, StandardView::XZ, area); break;
    case PictureView::YZ: SetStandardView(model, results, view, StandardView::YZ, area); break;
    case PictureView::ThreeD:
        view.PlanAngle = kPicturePlanAngle;
        view.TiltAngle = kPictureTiltAngle;
        ZoomAll(model, results, view, area);
        break;
    }
    QImage image = NewCanvasImage(size);
    Projection projection;
    Redraw(model, results, view, image, projection);
    return image;
}

} // namespace mirelo
