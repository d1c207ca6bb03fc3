// What the view state shows of the result set, painted by Redraw as the
// desktop, Export Picture and `mirelo-cli picture` paint it: the force
// diagram on the tension side with its values, the contours and their legend,
// the reaction arrows, and the room Zoom All leaves for a tall diagram.
#include "ViewTestModels.h"

#include "view/ContourLayer.h"
#include "view/ForceDiagramLayer.h"
#include "view/Navigation.h"
#include "view/Picture.h"
#include "view/ReactionArrows.h"
#include "view/Redraw.h"

#include <QTest>

using namespace mirelo;
using namespace mirelo::test;

namespace {

constexpr QSize kSize(400, 300);

// A beam of 6 along X (local 2 axis up) on two supports under 5 per length
// downward, with the end forces, span load and reactions of that load.
struct LoadedBeam {
    Model model;
    ResultSet results;
    ViewState view;

    LoadedBeam()
    {
        model = ModelWithJoints({{0, 0, 0}, {6, 0, 0}});
        AddFrame(model, 1, 2, AddFrameSection(model, 1));
        model.Frames[1].axis2Z = 1;
        results.forces.values = {0, 0, 15, 0, 0, 0, 0, 0, 15, 0, 0, 0};
        results.forces.start = {0, 12};
        results.spanLoads = {SpanLoad{0, 0, -5}};
        results.reactions.joints = {1, 2};
        results.reactions.values = {0, 0, 15, 0, 0, 0, 0, 0, 15, 0, 0, 0};
        view.ShowForces = true;
        view.ForceShown = ForceQuantity::My;
        view.ForceScale = 0.1;
        view.LayerFlags.ShowSupports = false;
        view.ShowLegend = false;
    }

    QImage Picture() { return RenderPicture(model, results, view, PictureView::XZ, kSize); }

    ScreenPoint Joint(std::int32_t k) const
    {
        Projection projection;
        ProjectJoints(model, results, view, {kSize.width(), kSize.height()}, projection);
        return projection.joints[static_cast<std::size_t>(k)];
    }
};

bool Reddish(const QColor& pixel)
{
    return pixel.red() > pixel.blue() + 40;
}

// Pixels of a region that `tinted` accepts (antialiased text included).
int CountTinted(const QImage& image, bool (*tinted)(const QColor&), int x0, int y0, int x1, int y1)
{
    int count = 0;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            count += tinted(PixelAt(image, x, y)) ? 1 : 0;
    return count;
}

bool Greenish(const QColor& pixel)
{
    return pixel.green() > pixel.red() + 40 && pixel.green() > pixel.blue() + 20;
}

} // namespace

class ResultOverlaysTest : public QObject {
    Q_OBJECT

private slots:
    void theViewStateDrawsTheSaggingMomentBelowTheBeamWithItsValues()
    {
        LoadedBeam beam;
        QImage image = beam.Picture();
        const ScreenPoint i = beam.Joint(1), j = beam.Joint(2);
        const int middle = (i.x + j.x) / 2;
        const int depth = static_cast<int>(2.25 / beam.view.Scale); // wL²/8 = 22.5 at 0.1 per unit
        QVERIFY(depth > 10);
        QVERIFY(Reddish(PixelAt(image, middle, i.y + depth / 2)));
        QCOMPARE(PixelAt(image, middle, i.y - depth / 2), QColor(Qt::white));
        // Without "Show Values" nothing is written under the tip; with it, "−22.500".
        const auto underTip = [&](const QImage& picture) {
            return CountDarkPixels(picture, middle - 40, i.y + depth + 2, middle + 40, i.y + depth + 20);
        };
        QCOMPARE(underTip(image), 0);
        beam.view.ShowForceValues = true;
        QVERIFY(underTip(beam.Picture()) > 20);
        // Switched off, or with a scale of 0, no diagram is drawn.
        for (const auto off : {+[](ViewState& v) { v.ShowForces = false; }, +[](ViewState& v) { v.ForceScale = 0; }}) {
            LoadedBeam plain;
            off(plain.view);
            const QImage picture = plain.Picture();
            const ScreenPoint p = plain.Joint(1), q = plain.Joint(2);
            QCOMPARE(CountTinted(picture, Reddish, p.x + 2, p.y + 2, q.x - 2, p.y + 60), 0);
        }
        // Forces of another model are not drawn rather than read past their end.
        beam.results.forces.start = {0};
        const QImage refused = beam.Picture();
        const ScreenPoint p = beam.Joint(1), q = beam.Joint(2);
        QCOMPARE(CountTinted(refused, Reddish, p.x + 2, p.y + 2, q.x - 2, p.y + 60), 0);
    }

    void zoomAllLeavesRoomForATallDiagram()
    {
        LoadedBeam beam;
        beam.view.ForceScale = 1; // the diagram is 22.5 deep under a beam 6 long
        const QImage image = beam.Picture();
        const ViewArea area{kSize.width(), kSize.height()};
        const std::vector<ScreenPoint> tips = ShownDiagramTips(beam.model, beam.results, beam.view, area);
        QVERIFY(!tips.empty());
        for (const ScreenPoint p : tips)
            QVERIFY2(p.y >= 0 && p.y < kSize.height() && p.x >= 0 && p.x < kSize.width(), qPrintable(QString::number(p.y)));
        const ScreenPoint i = beam.Joint(1);
        const int lowest = std::max_element(tips.begin(), tips.end(), [](auto a, auto b) { return a.y < b.y; })->y;
        QVERIFY(Reddish(PixelAt(image, (i.x + beam.Joint(2).x) / 2, (i.y + lowest) / 2)));
        // Without the diagram the beam alone fills the width.
        beam.view.ShowForces = false;
        ViewState plain = beam.view;
        ZoomAll(beam.model, beam.results, plain, area);
        QVERIFY(plain.Scale < beam.view.Scale);
    }

    void contoursAndTheirLegendComeFromTheViewState()
    {
        LoadedBeam beam;
        beam.view.ShowForces = false;
        beam.results.joints.values = {0, 0, 0, 0, 0, -4};
        beam.view.ContourShown = ContourQuantity::UZ;
        const QImage image = beam.Picture();
        // The ramp from blue (−4, the moved joint) to red (0) under the banner.
        QCOMPARE(PixelAt(image, 17, kResultLegendTop + 15).hue(), 240);
        QCOMPARE(PixelAt(image, 8 + 7 * 18 + 9, kResultLegendTop + 15).hue(), 0);
        const ScreenPoint moved = beam.Joint(2);
        QCOMPARE(PixelAt(image, moved.x, moved.y).hue(), 240);
        // With the diagram too, its legend stands under the contours' one.
        beam.view.ShowForces = true;
        const QImage both = beam.Picture();
        QCOMPARE(PixelAt(both, 17, kResultLegendTop + 15).hue(), 240);
        QCOMPARE(PixelAt(both, 15, kResultLegendTop + kContourLegendHeight + 13), kDiagramPositive);
        QCOMPARE(PixelAt(both, 105, kResultLegendTop + kContourLegendHeight + 13), kDiagramNegative);
    }

    void reactionsAreArrowsPushingTheSupportsWithTheirValues()
    {
        LoadedBeam beam;
        beam.view.ShowForces = false;
        beam.view.ShowReactions = true;
        beam.model.Units = {"M", "KN"};
        const QImage image = beam.Picture();
        for (const std::int32_t k : {1, 2}) {
            const ScreenPoint p = beam.Joint(k);
            // FZ 15 pushes up: the arrow comes from below and ends at the joint.
            QVERIFY(CountPixels(image, kReactionColour, p.x - 2, p.y + 12, p.x + 3, p.y + kReactionArrowLength) > 10);
            QCOMPARE(CountPixels(image, kReactionColour, p.x - 2, p.y - kReactionArrowLength, p.x + 3, p.y - 3), 0);
        }
        // The value at the tail: "FZ 15.000 kN".
        const ScreenPoint p = beam.Joint(1);
        QVERIFY(CountTinted(image, Greenish, p.x + 2, p.y + kReactionArrowLength, p.x + 90,
                            p.y + kReactionArrowLength + 16) > 20);
        // A reaction of the other sign points down, from above.
        beam.results.reactions.values[2] = -15;
        const QImage down = beam.Picture();
        QVERIFY(CountPixels(down, kReactionColour, p.x - 2, p.y - kReactionArrowLength, p.x + 3, p.y - 12) > 10);
    }
};

QTEST_MAIN(ResultOverlaysTest)
#include "ResultOverlaysTest.moc"
