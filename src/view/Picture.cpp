#include "view/Picture.h"

#include "view/Navigation.h"
#include "view/Redraw.h"

namespace mirelo {

QImage RenderPicture(Model& model, ViewState& view, PictureView which, QSize size)
{
    const ViewArea area{size.width(), size.height()};
    switch (which) {
    case PictureView::XY: SetStandardView(model, view, StandardView::XY, area); break;
    case PictureView::XZ: SetStandardView(model, view, StandardView::XZ, area); break;
    case PictureView::YZ: SetStandardView(model, view, StandardView::YZ, area); break;
    case PictureView::ThreeD:
        view.PlanAngle = kPicturePlanAngle;
        view.TiltAngle = kPictureTiltAngle;
        ZoomAll(model, view, area);
        break;
    }
    QImage image = NewCanvasImage(size);
    Redraw(model, view, image);
    return image;
}

} // namespace mirelo
