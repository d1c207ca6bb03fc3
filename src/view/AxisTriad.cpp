#include "view/AxisTriad.h"

#include <cmath>

namespace mirelo {

void PaintAxisTriad(Canvas& canvas, const ViewState& view, ViewArea area)
{
    ViewState unitView = view;
    unitView.Scale = 1; // the shifts below are then pixels per unit
    const Projector projector(unitView, area);
    const int ox = kTriadMargin, oy = area.height - kTriadMargin;
    struct Axis {
        double dx, dy, dz;
        std::int32_t colour;
        const char* name;
    };
    static constexpr Axis kAxes[] = {
        {1, 0, 0, kTriadColourX, "X"}, {0, 1, 0, kTriadColourY, "Y"}, {0, 0, 1, kTriadColourZ, "Z"}};
    canvas.SetPenStyle(PenStyle::Solid);
    canvas.SetPenWidth(2);
    canvas.SetFontSize(9);
    for (const Axis& axis : kAxes) {
        const Projector::Shift shift = projector.ScreenShift(axis.dx, axis.dy, axis.dz);
        const auto ex = static_cast<std::int32_t>(std::lround(ox + shift.x * kTriadLength));
        const auto ey = static_cast<std::int32_t>(std::lround(oy + shift.y * kTriadLength));
        canvas.SetPenColour(axis.colour);
        canvas.SetFontColour(axis.colour);
        canvas.SetBrushStyle(BrushStyle::Clear);
        if (std::hypot(shift.x, shift.y) < 0.25) {
            // Along the line of sight: a dot when it points at the viewer, a cross when away.
            canvas.Ellipse(ox - 5, oy - 5, ox + 6, oy + 6);
            if (projector.TowardViewer(axis.dx, axis.dy, axis.dz) > 0) {
                canvas.SetBrushStyle(BrushStyle::Solid);
                canvas.SetBrushColour(axis.colour);
                canvas.Ellipse(ox - 1, oy - 1, ox + 2, oy + 2);
            } else {
                canvas.Line(ox - 3, oy - 3, ox + 4, oy + 4);
                canvas.Line(ox - 3, oy + 3, ox + 4, oy - 4);
            }
            canvas.SetBrushStyle(BrushStyle::Clear);
            canvas.TextOut(ox + 6, oy + 2, QString::fromLatin1(axis.name));
            continue;
        }
        canvas.Line(ox, oy, ex, ey);
        canvas.TextOut(ex + (shift.x >= 0 ? 3 : -12), ey + (shift.y >= 0 ? 0 : -16), QString::fromLatin1(axis.name));
    }
}

} // namespace mirelo
