// Displacement contours: the colour ramp, joints and frames coloured by their
// displacement, and the legend.
#include "ViewTestModels.h"

#include "view/ContourLayer.h"
#include "view/Picture.h"

#include <QPainter>
#include <QTest>

using namespace mirelo;
using namespace mirelo::test;

class ContourPictureTest : public QObject {
    Q_OBJECT

private slots:
    void theRampRunsFromBlueThroughGreenToRed()
    {
        QCOMPARE(ContourColour(0, 0, 2).hue(), 240);
        QCOMPARE(ContourColour(1, 0, 2).hue(), 120);
        QCOMPARE(ContourColour(2, 0, 2).hue(), 0);
        QCOMPARE(ContourColour(-5, 0, 2), ContourColour(0, 0, 2)); // below the range: the low end
        QCOMPARE(ContourColour(7, 3, 3).hue(), 120);               // no range: the middle
        QCOMPARE(*ContourQuantityNamed("uz"), ContourQuantity::UZ);
        QVERIFY(!ContourQuantityNamed("rz"));
    }

    void jointsAndFramesTakeTheColourOfTheirDisplacementAndTheLegendItsRange()
    {
        // A frame from a still joint to one moved 3 along X and 4 along Z: |u| 0 and 5.
        Model model = ModelWithJoints({{0, 0, 0}, {10, 0, 0}});
        AddFrame(model, 1, 2, AddFrameSection(model, 1));
        ResultSet results;
        results.joints.values = {0, 0, 0, 3, 0, 4};
        ViewState view;
        QImage image = RenderPicture(model, results, view, PictureView::XZ, QSize(400, 300));
        QPainter painter(&image);
        PaintContours(painter, model, results, view, ContourQuantity::U);
        painter.end();
        Projection projection;
        ProjectJoints(model, results, view, {400, 300}, projection);
        const ScreenPoint still = projection.joints[1];
        const ScreenPoint moved = projection.joints[2];
        QCOMPARE(PixelAt(image, still.x, still.y).hue(), 240);
        QCOMPARE(PixelAt(image, moved.x, moved.y).hue(), 0);
        // Each half of the frame in the colour of its joint.
        const int quarterX = (3 * still.x + moved.x) / 4, quarterY = (3 * still.y + moved.y) / 4;
        QCOMPARE(PixelAt(image, quarterX, quarterY).hue(), 240);
        // The legend: the ramp's ends, "0" under the left and "5" under the right.
        QCOMPARE(PixelAt(image, 17, 103).hue(), 240);
        QCOMPARE(PixelAt(image, 8 + 7 * 18 + 9, 103).hue(), 0);
        QVERIFY(CountDarkPixels(image, 8, 114, 30, 132) > 5);
        QVERIFY(CountDarkPixels(image, 130, 114, 152, 132) > 5);
        QCOMPARE(ContourValue(JointDisplacement(results, 2), ContourQuantity::U), 5.0);
        QCOMPARE(ContourValue(JointDisplacement(results, 2), ContourQuantity::UZ), 4.0);
    }
};

QTEST_MAIN(ContourPictureTest)
#include "ContourPictureTest.moc"
