#pragma once

#include "model/Model.h"
#include "view/Canvas.h"
#include "view/Legend.h"
#include "view/PlaneFilter.h"
#include "view/Projection.h"
#include "session/ViewState.h"

#include <QImage>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace mirelo {

// The picture shown while the mouse drags (pan, rotate, wheel zoom): the
// shapes of the layers switched on and the shown load case's arrows, painted
// with the pixel routines Redraw uses, without the shells' hatching and the
// labels (of joints, elements, or loads shown as text), which wait for the
// mouse to stop. What stays the same during a drag is gathered once, when it
// is built: the joints' positions, which elements the shown plane holds,
// their colours, the banner and the legend and result caption. A step
// projects the joints and paints two bands of the image at once, one per
// core, then the load arrows over them. With the hatching it paints the
// pixels Redraw paints, so it also paints the full picture once the mouse
// stops, when the view shows no labels and no result overlays
// (PaintFullPicture).
class DragPicture {
public:
    // Gathers the model as the view shows it, for pictures of `size`. While
    // it shows load arrows it reads the model's loads at every step: the model
    // must then outlive it unchanged.
    DragPicture(const Model& model, const ResultSet& results, const ViewState& view, QSize size);

    enum class Hatching { Off, On };
    // Paints the view (its camera; the rest as when built) into a canvas
    // image (NewCanvasImage); std::invalid_argument for another format. The
    // picture is not changed, so two threads may paint it at once.
    void Paint(const ViewState& view, QImage& canvas, Hatching hatching = Hatching::Off) const;

    // Whether, with the hatching, it paints all Redraw paints of the view at
    // that size: it fits them, no labels or result overlays are on (a load
    // case shows as arrows, if at all), and every section mark shown has its
    // colour (a colour range of no width has none: Redraw then says why).
    bool PaintsAll(const Model& model, const ResultSet& results, const ViewState& view, QSize size) const;

    // Whether it was built for this model (the same object, of as many joints,
    // frames, loads and constraints), these results (their generation), this
    // view (all but the camera) and size; a rotation that leaves a plane shows
    // every plane, which needs a new one.
    bool Fits(const Model& model, const ResultSet& results, const ViewState& view, QSize size) const;

private:
    struct Line {
        std::int32_t i, j; // joint numbers
        std::uint32_t colour;
    };
    struct Spot {
        std::int32_t joint;
        std::uint32_t colour;
    };
    struct Disc { // a frame's section marks, at 0.2 and 0.8 along its joints' pixels
        std::int32_t i, j;
        bool joined; // both joints in the table; else both marks sit at the origin
        std::uint32_t atI, atJ;
    };
    struct Quad {
        std::array<std::int32_t, 4> joints;
        std::uint32_t hatch; // the section's colour
    };
    struct Band;
    struct Screen; // one step's pixels of the joints

    void PaintBand(const Band& band, const Screen& screen) const;
    void PaintLoadArrows(Canvas& canvas, const Projector& projector, ViewArea area, Projection& at,
                         const ViewState& view) const;

    std::vector<double> x_, y_, z_;        // by joint number, deformed
    // The undeformed outline, when shown: its edges, and the joints' own
    // coordinates by joint number.
    struct Point {
        double x = 0, y = 0, z = 0;
    };
    std::vector<Line> outline_;
    std::vector<Point> undeformed_;
    std::vector<std::int32_t> nodes_;      // joints with a dot
    std::vector<Spot> supports_;           // joints with a support square
    std::vector<Line> frames_;             // in painting order, then the selected frame
    bool selected_ = false;                // whether frames_ ends with the selected frame
    struct Tick { // a frame's local-2 axis tick
        ModelPoint mid, axis;
    };
    std::vector<Tick> ticks_;
    std::vector<Line> diaphragms_; // master to member
    std::vector<Disc> discs_;
    bool discsShown_ = false, discsFailed_ = false;
    std::vector<Quad> shells_;
    std::vector<Line> springs_;            // a circle at the middle, in the spring's colour
    std::vector<Line> solidEdges_;         // twelve per solid
    // While the loads show as arrows: the model, the shown plane, and the
    // frames with distributed loads, whose midpoints the arrows need.
    const Model* arrowModel_ = nullptr;
    std::optional<PlaneFilter> arrowPlane_;
    std::vector<std::int32_t> loadedFrames_;
    // The model it was built of, and its table sizes then, for Fits.
    const Model* builtOf_ = nullptr;
    std::array<std::int32_t, 4> builtCounts_{}; // joints, frames, loads, constraints
    bool anyJoint_ = false;
    bool showTriad_ = false, showLegend_ = false;
    std::vector<LegendEntry> legend_;
    std::vector<std::string> caption_;
    QImage banner_;
    ViewState builtFor_;
    std::uint64_t resultGeneration_ = 0;
};

} // namespace mirelo
