#include "view/ResultLegend.h"

#include "view/Canvas.h"
#include "view/Redraw.h"

namespace mirelo {

QImage ResultLegendPicture(const Palette& palette)
{
    QImage image(kLegendWidth, kLegendHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        Canvas canvas(image, LabelFontFamily());
        canvas.SetPenStyle(PenStyle::Solid);
        canvas.SetPenColour(RgbColour(0, 0, 0));
        canvas.SetPenWidth(1);
        canvas.SetBrushStyle(BrushStyle::Solid);
        for (int c = 1; c <= 6; ++c) {
            canvas.SetBrushColour(palette[static_cast<std::size_t>(10 + c)]);
            canvas.Rectangle(LegendBoxLeft(c), 2, LegendBoxLeft(c) + kLegendBoxWidth + 1, 23);
        }
        canvas.SetBrushStyle(BrushStyle::Clear);
        canvas.SetFontColour(RgbColour(0, 0, 0));
        canvas.SetFontSize(8);
        canvas.TextOut(LegendBoxLeft(1), 24, QStringLiteral("min"));
        canvas.TextOut(LegendBoxLeft(6) + 2, 24, QStringLiteral("max"));
    }
    return image;
}

} // namespace mirelo
