#pragma once

#include "model/Model.h"
#include "view/Projection.h"
#include "session/ViewState.h"

#include <QImage>
#include <QSize>

#include <atomic>

class QPainter;

namespace mirelo {

// The banner's three lines: the title and our two credit lines.
inline constexpr const char* kBannerTitle = "Mirelo Program";
QString BannerCreditLine1(); // the program's name and version
QString BannerCreditLine2(); // what it is

// The font face of every label: "Comic Sans MS" where installed, otherwise a
// legible fallback ("DejaVu Sans").
QString LabelFontFamily();

// Repaints the whole picture of `area` onto `painter` (at its origin): the
// white banner, the projection (into `projection`, which picking then reads),
// the undeformed model in light grey where the loaded results move the
// joints, the joints displaced by the loaded results x DeformScale, then
// the layers switched on in view.LayerFlags, the load labels, and over them
// the triad, the legend and the result caption. Section marks show only
// values of the joints' step. Font sizes are
// in points at 96 dots per inch, whatever the device.
// Raises FloatingPointError from the section-result layer when HingeMax equals
// HingeMin; the picture then holds what was painted before that layer.
// Text needs fonts, so a QGuiApplication must exist (the offscreen platform
// serves tests and command-line tools).
void Redraw(const Model& model, const ResultSet& results, const ViewState& view, QPainter& painter, ViewArea area,
            Projection& projection);

// The same onto a canvas image, at the image's own size.
void Redraw(const Model& model, const ResultSet& results, const ViewState& view, QImage& canvas, Projection& projection);

// The same into a canvas image (NewCanvasImage) on a thread of its own, which
// gives up between layers once `stop` is set: false then, the image unfinished.
// The model and results must stay unchanged until it returns.
bool RedrawUnlessStopped(const Model& model, const ResultSet& results, const ViewState& view, QImage& canvas,
                         Projection& projection, const std::atomic<bool>& stop);

// A canvas image of the given size in the format Redraw paints fastest.
QImage NewCanvasImage(QSize size);

} // namespace mirelo
