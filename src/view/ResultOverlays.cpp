#include "view/ResultOverlays.h"

#include "view/ContourLayer.h"
#include "view/ForceDiagramLayer.h"
#include "view/ReactionArrows.h"

#include <QPainter>

namespace mirelo {

namespace {

bool ReactionsShown(const ResultSet& results, const ViewState& view)
{
    return view.ShowReactions && results.HasReactions();
}

} // namespace

bool ShowsResultOverlays(const Model& model, const ResultSet& results, const ViewState& view)
{
    return view.ContourShown != ContourQuantity::None || DiagramShown(model, results, view)
           || ReactionsShown(results, view);
}

void PaintResultOverlays(QPainter& painter, const Model& model, const ResultSet& results, const ViewState& view,
                         ViewArea area)
{
    int legendTop = kResultLegendTop;
    if (view.ContourShown != ContourQuantity::None) {
        PaintContours(painter, model, results, view, view.ContourShown, legendTop);
        legendTop += kContourLegendHeight;
    }
    if (DiagramShown(model, results, view))
        PaintForceDiagram(painter, model, view, area, results.forces, results.spanLoads, ShownDiagram(results, view),
                          legendTop);
    if (ReactionsShown(results, view))
        PaintReactionArrows(painter, model, results, view, area);
}

} // namespace mirelo
