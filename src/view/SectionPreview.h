#pragma once

#include "model/Model.h"

#include <QImage>
#include <QString>

namespace mirelo {

// The text under a section's picture, "NUM OF FIBERS = 45"; empty for a pipe
// and a section without shape, which get none.
QString SectionPreviewCaption(const FrameSection& section);

// Paints the frame-section dialog's picture of a section (200 x 200 pixels):
// its outline, its fibre mesh in blue, its bars as red and blue dots and the
// fibre count. The section point (y, z) lands on pixel (100 + R(y s),
// 100 - R(z s)), s = 160 / max(depth, width), R rounding halves to even.
// Raises FloatingPointError when depth and width are both zero and Error for
// a mesh of more fibres than a section may have; what was painted stays.
void DrawSectionPreview(const FrameSection& section, QImage& picture);

} // namespace mirelo
