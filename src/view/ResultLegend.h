#pragma once

#include "model/Model.h"

#include <QImage>

namespace mirelo {

// The legend of the section-result discs, 155 x 40 pixels: the six class
// colours (palette entries 11..16) in boxes from left to right, "min" under
// the left end and "max" under the right end. Needs a QGuiApplication for the
// text.
inline constexpr int kLegendWidth = 155;
inline constexpr int kLegendHeight = 40;
QImage ResultLegendPicture(const Palette& palette);

// The left edge of class box c (1..6); each box is kLegendBoxWidth wide and
// runs from y 2 to y 22.
inline constexpr int kLegendBoxWidth = 25;
constexpr int LegendBoxLeft(int c)
{
    return 3 + (c - 1) * kLegendBoxWidth;
}

// Where the legends of contours and force diagrams start in a picture: under
// the banner, one under the other.
inline constexpr int kResultLegendTop = 88;

} // namespace mirelo
