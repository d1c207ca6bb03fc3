#include "view/ResultCaptionLayer.h"

#include "view/DisplayText.h"

namespace mirelo {

namespace {

constexpr int kCaptionMargin = 8;
constexpr int kCaptionPoints = 9;

} // namespace

void PaintResultCaption(Canvas& canvas, const std::vector<std::string>& lines, ViewArea area)
{
    if (lines.empty())
        return;
    canvas.SetFontSize(kCaptionPoints);
    canvas.SetFontColour(RgbColour(0, 0, 0));
    canvas.SetBrushStyle(BrushStyle::Solid);
    canvas.SetBrushColour(RgbColour(255, 255, 255));
    const int lineHeight = canvas.TextHeight();
    int y = area.height - kCaptionMargin - static_cast<int>(lines.size()) * lineHeight;
    for (const std::string& line : lines) {
        const QString text = DisplayText(line); // joint and frame names are the file's bytes
        canvas.TextOut(area.width - kCaptionMargin - canvas.TextWidth(text), y, text);
        y += lineHeight;
    }
}

} // namespace mirelo
