#pragma once

#include "view/Canvas.h"

#include <string>
#include <vector>

namespace mirelo {

// The result caption's lines (ResultCaptionLines) in the lower-right corner
// of the area, right-aligned, black 9-point text on white cells, so an
// exported picture says what it shows. Leaves a solid white brush.
void PaintResultCaption(Canvas& canvas, const std::vector<std::string>& lines, ViewArea area);

} // namespace mirelo
