// The force diagram layer: moments on the side they stretch, colours by sign
// and the legend, painted over a picture of the model.
#include "ViewTestModels.h"

#include "common/Errors.h"
#include "view/ForceDiagramLayer.h"
#include "view/Projection.h"
#include "view/Picture.h"

#include <QPainter>
#include <QTest>

using namespace mirelo;
using namespace mirelo::test;

namespace {

// A beam of 6 along X with its local 2 axis up, and the end forces of a
// simply supported span under 5 per length downward (or upward, `sign` −1).
struct Beam {
    Model model;
    ElementForces forces;
    std::vector<SpanLoad> loads{SpanLoad{0, 0, -5}};

    explicit Beam(double sign)
    {
        model = ModelWithJoints({{0, 0, 0}, {6, 0, 0}});
        AddFrame(model, 1, 2, AddFrameSection(model, 1));
        model.Frames[1].axis2Z = 1;
        forces.values = {0, 0, 15 * sign, 0, 0, 0, 0, 0, 15 * sign, 0, 0, 0};
        forces.start = {0, 12};
        loads[0].wz *= sign;
    }
};

// Paints the diagram of `quantity` at 0.1 model units per unit onto a picture of the beam.
QImage Painted(Beam& beam, ForceQuantity quantity, ViewState& view)
{
    QImage image = RenderPicture(beam.model, ResultSet{}, view, PictureView::XZ, QSize(400, 300));
    QPainter painter(&image);
    PaintForceDiagram(painter, beam.model, view, {400, 300}, beam.forces, beam.loads, {quantity, 0.1});
    return image;
}

// Where the picture painted with `view` shows joint k.
ScreenPoint JointPixel(const Beam& beam, const ViewState& view, std::int32_t k)
{
    Projection projection;
    ProjectJoints(beam.model, ResultSet{}, view, {400, 300}, projection);
    return projection.joints[static_cast<std::size_t>(k)];
}

bool Tinted(const QColor& pixel, const QColor& towards)
{
    // A translucent fill over white: the tint's strongest channel stays high, the others drop.
    return pixel != QColor(Qt::white) && (towards == kDiagramNegative ? pixel.red() > pixel.blue() + 40
                                                                       : pixel.blue() > pixel.red() + 40);
}

} // namespace

class ForceDiagramPictureTest : public QObject {
    Q_OBJECT

private slots:
    void aSaggingMomentLiesBelowTheBeamAndAHoggingOneAbove()
    {
        for (const double sign : {1.0, -1.0}) {
            Beam beam(sign);
            ViewState view;
            const QImage image = Painted(beam, ForceQuantity::My, view);
            const ScreenPoint i = JointPixel(beam, view, 1), j = JointPixel(beam, view, 2);
            const int x = (i.x + j.x) / 2, y = i.y;
            const int depth = static_cast<int>(2.25 / view.Scale); // wL²/8 = 22.5 at 0.1 per unit
            QVERIFY(depth > 6);
            // Sagging (load down) stretches the bottom: negative My, red, under the beam.
            const int inside = sign > 0 ? y + depth / 2 : y - depth / 2;
            const int outside = sign > 0 ? y - depth / 2 : y + depth / 2;
            QVERIFY2(Tinted(PixelAt(image, x, inside), sign > 0 ? kDiagramNegative : kDiagramPositive),
                     qPrintable(PixelAt(image, x, inside).name()));
            QCOMPARE(PixelAt(image, x, outside), QColor(Qt::white));
            QCOMPARE(PixelAt(image, x, sign > 0 ? y + depth + 3 : y - depth - 3), QColor(Qt::white));
        }
    }

    void theLegendNamesTheQuantityItsColoursAndTheLargestValue()
    {
        Beam beam(1);
        ViewState view;
        const QImage image = Painted(beam, ForceQuantity::My, view);
        QCOMPARE(PixelAt(image, 15, 101), kDiagramPositive);
        QCOMPARE(PixelAt(image, 105, 101), kDiagramNegative);
        QVERIFY(CountDarkPixels(image, 8, 75, 120, 90) > 20);   // "Moment My"
        QVERIFY(CountDarkPixels(image, 8, 116, 200, 133) > 20); // "largest −22.500 at frame 1, ..."
        // A straight diagram has no tint where its value is 0.
        const QImage axial = Painted(beam, ForceQuantity::N, view);
        const ScreenPoint i = JointPixel(beam, view, 1), j = JointPixel(beam, view, 2);
        QCOMPARE(PixelAt(axial, (i.x + j.x) / 2, i.y + 4), QColor(Qt::white));
        // Forces of another model are refused, not read past their end.
        beam.forces.start = {0};
        QVERIFY_THROWS_EXCEPTION(RangeCheckError, Painted(beam, ForceQuantity::My, view));
        QVERIFY_THROWS_EXCEPTION(RangeCheckError,
                                 SuggestedDiagramScale(beam.model, beam.forces, beam.loads, ForceQuantity::My));
    }
};

QTEST_MAIN(ForceDiagramPictureTest)
#include "ForceDiagramPictureTest.moc"
