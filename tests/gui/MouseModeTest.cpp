// Mouse modes: the commands and their status texts, drags on the drawing area,
// the wheel and the standard views.
#include "GuiTestSupport.h"

#include "gui/main/DrawingArea.h"

#include <QAction>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

using namespace mirelo;
using namespace mirelo::test;

namespace {

void Wheel(MainWindow& window, int delta)
{
    const QPointF at(300, 300);
    QWheelEvent event(at, window.mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&window, &event);
}

} // namespace

class MouseModeTest : public QObject {
    Q_OBJECT

private slots:
    void modeCommandsSetModeAndStatus_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("menuItem");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("status");
        QTest::newRow("pan") << "ToolButton3" << "Pan1" << 1 << "Pan";
        QTest::newRow("rotate") << "ToolButton4" << "RotateView1" << 3 << "Rotate View";
        QTest::newRow("select") << "ToolButton17" << "" << 101 << "Select Elem";
    }

    void modeCommandsSetModeAndStatus()
    {
        QFETCH(QString, button);
        QFETCH(QString, menuItem);
        QFETCH(int, mode);
        QFETCH(QString, status);
        TestWindow w;
        w.Button(qPrintable(button))->click();
        QCOMPARE(w->session().view.MouseMode, mode);
        QCOMPARE(w.Panel(1), status);
        QCOMPARE(w.Panel(0), QString("Operation"));
        if (menuItem.isEmpty())
            return;
        TestWindow viaMenu;
        viaMenu->findChild<QAction*>(menuItem)->trigger();
        QCOMPARE(viaMenu->session().view.MouseMode, mode);
        QCOMPARE(viaMenu.Panel(1), status);
    }

    void idleModeKeepsTheStatusText()
    {
        TestWindow w;
        w.Button("ToolButton3")->click();
        w.Button("ToolButton30")->click();
        QCOMPARE(w->session().view.MouseMode, 102);
        QCOMPARE(w.Panel(1), QString("Pan"));
        const double pan = w->session().view.PanX;
        QTest::mousePress(&w->drawingArea(), Qt::LeftButton, {}, QPoint(100, 100));
        QTest::mouseMove(&w->drawingArea(), QPoint(150, 100));
        QTest::mouseRelease(&w->drawingArea(), Qt::LeftButton, {}, QPoint(150, 100));
        QCOMPARE(w->session().view.PanX, pan);
        QCOMPARE(w->session().view.MouseMode, 102);
    }

    void panDragFollowsThePointerAndStaysArmed()
    {
        TestWindow w;
        ViewState& view = w->session().view;
        view.Scale = 2;
        w.Button("ToolButton3")->click();
        QTest::mousePress(&w->drawingArea(), Qt::LeftButton, {}, QPoint(100, 100));
        QCOMPARE(view.MouseMode, 2);
        QTest::mouseMove(&w->drawingArea(), QPoint(110, 120));
        QCOMPARE(view.PanX, -20.0);
        QCOMPARE(view.PanY, -40.0);
        QTest::mouseRelease(&w->drawingArea(), Qt::LeftButton, {}, QPoint(115, 120));
        QCOMPARE(view.PanX, -30.0);
        QCOMPARE(view.PanY, -40.0);
        QCOMPARE(view.MouseMode, 1);
        QCOMPARE(w.Panel(1), QString("Pan"));
    }

    void rotateDragAcrossTheWidthTurnsHalfARound()
    {
        TestWindow w;
        ViewState& view = w->session().view;
        const int width = w->drawingArea().width();
        w.Button("ToolButton4")->click();
        QTest::mousePress(&w->drawingArea(), Qt::LeftButton, {}, QPoint(0, 50));
        QCOMPARE(view.MouseMode, 4);
        QTest::mouseRelease(&w->drawingArea(), Qt::LeftButton, {}, QPoint(width, 50));
        QCOMPARE(view.PlanAngle, 180.0);
        QCOMPARE(view.TiltAngle, 0.0);
        QCOMPARE(view.MouseMode, 3);
        QCOMPARE(w.Panel(1), QString("Rotate View"));
    }

    void rightButtonEndsADragAndEveryMode()
    {
        TestWindow w;
        ViewState& view = w->session().view;
        w.Button("ToolButton3")->click();
        QTest::mousePress(&w->drawingArea(), Qt::LeftButton, {}, QPoint(100, 100));
        QTest::mousePress(&w->drawingArea(), Qt::RightButton, {}, QPoint(100, 100));
        QCOMPARE(view.MouseMode, 0);
        QCOMPARE(w.Panel(1), QString("None"));
        const double pan = view.PanX;
        QTest::mouseMove(&w->drawingArea(), QPoint(200, 100));
        QTest::mouseRelease(&w->drawingArea(), Qt::LeftButton, {}, QPoint(200, 100));
        QCOMPARE(view.PanX, pan);
        QCOMPARE(view.MouseMode, 0);
    }

    void wheelZoomsAndReturns()
    {
        TestWindow w;
        ViewState& view = w->session().view;
        Wheel(*w, -120);
        QCOMPARE(view.Scale, 5.0 * 0.9);
        Wheel(*w, 120);
        QVERIFY(qFuzzyCompare(view.Scale, 5.0));
        for (int i = 0; i < 10; ++i)
            Wheel(*w, -120);
        for (int i = 0; i < 10; ++i)
            Wheel(*w, 120);
        QVERIFY(qFuzzyCompare(view.Scale, 5.0));
    }

    void standardViewsSetTheAngles()
    {
        TempS2k portal(kPortalS2k);
        TestWindow w;
        w.OpenThroughMenu(portal.path());
        ViewState& view = w->session().view;
        w.Button("ToolButton11")->click();
        QCOMPARE(view.PlanAngle, 0.0);
        QCOMPARE(view.TiltAngle, -90.0);
        w.Button("ToolButton12")->click();
        QCOMPARE(view.PlanAngle, 90.0);
        QCOMPARE(view.TiltAngle, -90.0);
        w->findChild<QAction*>("XYView1")->trigger();
        QCOMPARE(view.PlanAngle, 0.0);
        QCOMPARE(view.TiltAngle, 0.0);
    }

    void shortcutsRunTheViewCommands()
    {
        TestWindow w;
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
        QTest::keyClick(w.window.get(), Qt::Key_3, Qt::ControlModifier);
        QCOMPARE(w->session().view.PlanAngle, 90.0);
        QCOMPARE(w->session().view.TiltAngle, -90.0);
        QTest::keyClick(w.window.get(), Qt::Key_1, Qt::ControlModifier);
        QCOMPARE(w->session().view.PlanAngle, 0.0);
        QCOMPARE(w->session().view.TiltAngle, 0.0);
        w->session().view.LoadCaseShown = 1;
        QTest::keyClick(w.window.get(), Qt::Key_F5);
        QCOMPARE(w->session().view.LoadCaseShown, 0);
    }

    // The portal frame stands in the XZ plane with its origin at a corner, so
    // the XZ view shows it centred, 80 % of the binding side.
    void zoomAllFitsTheElevation()
    {
        TempS2k portal(kPortalS2k);
        TestWindow w;
        w.OpenThroughMenu(portal.path());
        w.Button("ToolButton11")->click();
        w->session().view.Scale = 77;
        w->findChild<QAction*>("ZoomAll1")->trigger();
        const QSize area = w->drawingArea().size();
        const double expected = std::max(5000 / (0.8 * area.width()), 3000 / (0.8 * area.height()));
        QVERIFY2(std::abs(w->session().view.Scale / expected - 1) < 0.01,
                 qPrintable(QString::number(w->session().view.Scale)));
        const std::vector<ScreenPoint>& joints = w->projection().joints;
        const int midX = (joints[1].x + joints[3].x) / 2;
        const int midY = (joints[1].y + joints[3].y) / 2;
        QVERIFY(std::abs(midX - area.width() / 2) <= 2);
        QVERIFY(std::abs(midY - area.height() / 2) <= 2);
        QVERIFY(joints[2].y < joints[1].y); // +Z up
    }
};

QTEST_MAIN(MouseModeTest)
#include "MouseModeTest.moc"
