// A drag in the window: the picture follows the pointer at every step, and
// the full picture (hatching, labels) comes back once the mouse rests or lets go.
#include "GuiTestSupport.h"

#include "gui/main/DrawingArea.h"
#include "gui/main/ModelStatusBar.h"
#include "view/DragPicture.h"
#include "view/Redraw.h"

#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

#include <utility>

using namespace mirelo;
using namespace mirelo::test;

namespace {

QImage FullPicture(MainWindow& window)
{
    QImage image = NewCanvasImage(window.drawingArea().Canvas().size());
    Projection at;
    Redraw(window.session().model, window.session().results, window.session().view, image, at);
    return image;
}

QImage DragPictureOf(MainWindow& window)
{
    QImage image = NewCanvasImage(window.drawingArea().Canvas().size());
    DragPicture picture(window.session().model, window.session().results, window.session().view, image.size());
    picture.Paint(window.session().view, image);
    return image;
}

// The share of the pixels of `later` that `earlier` holds (dx, dy) pixels
// away, in the model's part of the area (clear of the banner, legend and triad).
double ShareMovedBy(const QImage& earlier, const QImage& later, int dx, int dy)
{
    int same = 0, all = 0;
    for (int y = 100; y < later.height() - 100; ++y)
        for (int x = 150; x < later.width() - 300; ++x) {
            ++all;
            same += later.pixel(x, y) == earlier.pixel(x - dx, y - dy) ? 1 : 0;
        }
    return static_cast<double>(same) / all;
}

} // namespace

class DragViewTest : public QObject {
    Q_OBJECT

private slots:
    void thePictureFollowsAPanDragAndComesBackWhole()
    {
        TestWindow w;
        w.OpenThroughMenu(ExamplePath("rc-frame-building.s2k"));
        DrawingArea& area = w->drawingArea();
        QCOMPARE(area.Canvas(), FullPicture(*w));
        w.Button("ToolButton3")->click(); // Pan
        // No rest between the steps however slowly a loaded machine runs the test.
        area.SetRestInterval(60'000);
        QTest::mousePress(&area, Qt::LeftButton, {}, QPoint(300, 300));
        const QImage before = DragPictureOf(*w);
        for (int step = 1; step <= 4; ++step) {
            QTest::mouseMove(&area, QPoint(300 + 10 * step, 300 + 5 * step));
            // Every step shows the drag picture of the view as it now is.
            const QImage shown = area.Canvas();
            QCOMPARE(shown, DragPictureOf(*w));
            // ... which is the picture before, moved with the pointer.
            QVERIFY(ShareMovedBy(before, shown, 10 * step, 5 * step) > 0.999);
            QVERIFY(ShareMovedBy(before, shown, 0, 0) < 0.99);
        }
        QVERIFY(area.Canvas() != FullPicture(*w)); // no hatching while moving
        // Resting with the button held brings the full picture.
        area.SetRestInterval(DrawingArea::kRestMs);
        QTest::mouseMove(&area, QPoint(350, 330));
        QTRY_COMPARE_WITH_TIMEOUT(area.Canvas(), FullPicture(*w), 1000);
        area.SetRestInterval(60'000);
        QTest::mouseMove(&area, QPoint(352, 331));
        QCOMPARE(area.Canvas(), DragPictureOf(*w));
        QTest::mouseRelease(&area, Qt::LeftButton, {}, QPoint(352, 331));
        QCOMPARE(area.Canvas(), FullPicture(*w)); // at once on letting go
    }

    void rotateAndWheelStepsShowTheDragPicture()
    {
        TestWindow w;
        w.OpenThroughMenu(ExamplePath("rc-frame-building.s2k"));
        DrawingArea& area = w->drawingArea();
        w.Button("ToolButton4")->click(); // Rotate View
        area.SetRestInterval(60'000);
        QTest::mousePress(&area, Qt::LeftButton, {}, QPoint(300, 300));
        QTest::mouseMove(&area, QPoint(340, 260));
        QCOMPARE(w->session().view.PlaneAxis, kNoPlaneAxis);
        QCOMPARE(w->statusPanels().PlaneText(), QString("3-D view")); // the plane panel follows the rotation
        QCOMPARE(area.Canvas(), DragPictureOf(*w));
        QTest::mouseRelease(&area, Qt::LeftButton, {}, QPoint(340, 260));
        QCOMPARE(area.Canvas(), FullPicture(*w));

        QWheelEvent wheel(QPointF(300, 300), w->mapToGlobal(QPointF(300, 300)), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&*w, &wheel);
        QCOMPARE(area.Canvas(), DragPictureOf(*w));
        area.SetRestInterval(DrawingArea::kRestMs);
        QCoreApplication::sendEvent(&*w, &wheel);
        QTRY_COMPARE_WITH_TIMEOUT(area.Canvas(), FullPicture(*w), 1000);
    }

    // The full picture after a rest is painted beside the event loop; any event
    // but a move or a repaint first waits for it, so it shows before anything
    // can change the model under it. A step drops an unfinished one.
    void otherEventsWaitForTheFullPictureOfARest()
    {
        TestWindow w;
        w.OpenThroughMenu(ExamplePath("rc-frame-building.s2k"));
        DrawingArea& area = w->drawingArea();
        w.Button("ToolButton3")->click(); // Pan
        QTest::mousePress(&area, Qt::LeftButton, {}, QPoint(300, 300));
        for (const int x : {320, 340, 360}) {
            QTest::mouseMove(&area, QPoint(x, 310));
            QCoreApplication::processEvents(); // the rest: the full picture starts
        }
        QEvent other(QEvent::User);
        QCoreApplication::sendEvent(&area, &other);
        QCOMPARE(area.Canvas(), FullPicture(*w));
        QTest::mouseMove(&area, QPoint(380, 310));
        QCOMPARE(area.Canvas(), DragPictureOf(*w));
        QTest::mouseRelease(&area, Qt::LeftButton, {}, QPoint(380, 310));
        QCOMPARE(area.Canvas(), FullPicture(*w));
    }

    void loadArrowsMoveWithTheDrag()
    {
        TestWindow w;
        w.OpenThroughMenu(ExamplePath("rc-frame-building.s2k"));
        w->session().view.LoadCaseShown = 1;
        w->session().view.LoadTypeShown = kShowElementLoads;
        DrawingArea& area = w->drawingArea();
        QTest::mousePress(&area, Qt::MiddleButton, {}, QPoint(300, 300));
        QTest::mouseMove(&area, QPoint(320, 310));
        QCOMPARE(area.Canvas(), DragPictureOf(*w)); // arrows and their labels, no hatching
        QVERIFY(area.Canvas() != FullPicture(*w));
        QTest::mouseRelease(&area, Qt::MiddleButton, {}, QPoint(320, 310));
        QCOMPARE(area.Canvas(), FullPicture(*w));
    }

    void frameAxesAndDiaphragmsMoveWithTheDrag()
    {
        TestWindow w;
        w.OpenThroughMenu(ExamplePath("rc-frame-building.s2k"));
        w->session().view.LayerFlags.ShowFrameAxes = true;
        w->session().view.LayerFlags.ShowDiaphragms = true;
        DrawingArea& area = w->drawingArea();
        QTest::mousePress(&area, Qt::MiddleButton, {}, QPoint(300, 300));
        QTest::mouseMove(&area, QPoint(320, 310));
        QCOMPARE(area.Canvas(), DragPictureOf(*w));
        QTest::mouseRelease(&area, Qt::MiddleButton, {}, QPoint(320, 310));
        QCOMPARE(area.Canvas(), FullPicture(*w));
    }
};

QTEST_MAIN(DragViewTest)

#include "DragViewTest.moc"
