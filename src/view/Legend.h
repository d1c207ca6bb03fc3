#pragma once

#include "model/Model.h"
#include "view/Canvas.h"
#include "view/PaintedUse.h"
#include "view/PlaneFilter.h"
#include "view/Projection.h"
#include "session/ViewState.h"

#include <QString>

#include <vector>

namespace mirelo {

// One line of the legend: a colour swatch (none for a heading or a note) and
// its meaning.
struct LegendEntry {
    enum class Swatch { None, Square, Hatched, Line };
    Swatch swatch = Swatch::None;
    std::int32_t colour = 0;
    QString text;
};

// What the picture shows in colour, in the order it is listed: support squares
// by the number of fixed freedoms, the sections of the frames and shells shown,
// the result classes while the section results are on, and the load arrows
// with the units of their labels while a load case is shown. What the layers
// marked as they painted is taken as it is; the rest is looked up.
std::vector<LegendEntry> LegendEntries(const Model& model, const ViewState& view, const PlaneFilter& shown,
                                       const PaintedUse& painted = {});

// The entries in a white box in the upper-right corner; as many as fit, the
// rest summed up as "... and n more".
void PaintLegend(Canvas& canvas, const std::vector<LegendEntry>& entries, ViewArea area);

} // namespace mirelo
