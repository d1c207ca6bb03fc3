// The drawing's context menu: offered by a right click without a mode, each
// item running the command it names; the right button still ends a mode.
#include "GuiTestSupport.h"

#include "gui/main/DrawingArea.h"
#include "session/ViewState.h"

#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QToolButton>

using namespace mirelo;
using namespace mirelo::test;

namespace {

struct PortalInElevation {
    PortalInElevation()
    {
        w.OpenThroughMenu(portal.path());
        w.Button("ToolButton11")->click(); // the XZ view, where the portal stands
    }
    QMenu* RightClick(QPoint at)
    {
        QTest::mouseClick(&w->drawingArea(), Qt::RightButton, {}, at);
        return w->findChild<QMenu*>("DrawingMenu");
    }
    QAction* Item(const char* name) { return Child<QAction>(w.window.get(), name); }
    // A point a quarter along frame 2 (the beam), away from its midpoint.
    QPoint OnTheBeam()
    {
        const ScreenPoint i = w->projection().joints[2];
        const ScreenPoint j = w->projection().joints[3];
        return {(3 * i.x + j.x) / 4, (3 * i.y + j.y) / 4 + 3};
    }
    TempS2k portal{kPortalS2k};
    TestWindow w;
};

} // namespace

class DrawingMenuTest : public QObject {
    Q_OBJECT

private slots:
    void aRightClickWithoutAModeOffersTheMenu()
    {
        PortalInElevation p;
        QMenu* menu = p.RightClick(QPoint(5, 5));
        QVERIFY(menu && menu->isVisible());
        QStringList texts;
        for (const QAction* item : menu->actions())
            texts << (item->isSeparator() ? QString("-") : item->text() + (item->isEnabled() ? "" : " (off)"));
        QCOMPARE(texts, QStringList({"Pan", "Rotate View", "Select Elem", "Idle (the mouse does nothing)", "-",
                                     "Zoom All", "-", "XY View", "XZ View", "YZ View", "3-D View (Isometric)", "-",
                                     "Frame Properties (off)"}));
        QCOMPARE(p.w->session().view.MouseMode, int(kMouseNone));
        menu->close();
    }

    void theModeItemsArmTheirModes()
    {
        PortalInElevation p;
        const struct {
            const char* item;
            std::int32_t mode;
            const char* status;
        } modes[] = {{"DrawingPan", kPanArmed, "Pan"},
                     {"DrawingRotate", kRotateArmed, "Rotate View"},
                     {"DrawingSelect", kSelectElement, "Select Elem"},
                     {"DrawingIdle", kMouseIdle, "Select Elem"}}; // idle leaves the status as it was
        for (const auto& m : modes) {
            p.w->session().view.MouseMode = kMouseNone;
            QVERIFY(p.RightClick(QPoint(5, 5))->isVisible());
            p.Item(m.item)->trigger();
            QCOMPARE(p.w->session().view.MouseMode, m.mode);
            QCOMPARE(p.w.Panel(1), QString(m.status));
        }
    }

    void theViewItemsShowTheirViews()
    {
        PortalInElevation p;
        const ViewState& view = p.w->session().view;
        const struct {
            const char* item;
            double plan, tilt;
            std::int32_t axis;
        } views[] = {{"DrawingXYView", 0, 0, kPlaneAxisZ},
                     {"DrawingYZView", 90, -90, kPlaneAxisX},
                     {"DrawingIsometricView", 45, -54.735610317245346, kNoPlaneAxis},
                     {"DrawingXZView", 0, -90, kPlaneAxisY}};
        for (const auto& v : views) {
            p.RightClick(QPoint(5, 5));
            p.Item(v.item)->trigger();
            QCOMPARE(view.PlanAngle, v.plan);
            QCOMPARE(view.TiltAngle, v.tilt);
            QCOMPARE(view.PlaneAxis, v.axis);
        }
        // Zoom All from a zoomed and panned view, as the toolbar's Zoom All does it.
        p.w->ZoomIn();
        p.w->PanKey(PanDirection::Left);
        const ViewState moved = view;
        p.RightClick(QPoint(5, 5));
        p.Item("DrawingZoomAll")->trigger();
        const double scale = view.Scale, pan = view.PanX;
        QVERIFY(scale != moved.Scale && pan != moved.PanX);
        p.w->session().view = moved;
        p.w.Button("ToolButton13")->click();
        QCOMPARE(view.Scale, scale);
        QCOMPARE(view.PanX, pan);
    }

    void framePropertiesOfTheFrameUnderThePointer()
    {
        PortalInElevation p;
        QAction* properties = p.Item("DrawingFrameProperties");
        p.RightClick(p.OnTheBeam() + QPoint(0, 6)); // 6 pixels off the beam's line
        QVERIFY(!properties->isEnabled());
        p.RightClick(p.OnTheBeam());
        QVERIFY(properties->isEnabled());
        QCOMPARE(p.w->session().view.SelectedFrame, 0); // the menu alone selects nothing
        properties->trigger();
        QCOMPARE(p.w->session().view.SelectedFrame, 2);
        auto* sheet = Child<QDialog>(p.w.window.get(), "TForm9");
        QVERIFY(sheet->isVisible());
        QCOMPARE(Child<QLineEdit>(sheet, "Edit1")->text(), QString("2"));
        QCOMPARE(p.w.PixelAt(p.OnTheBeam().x(), p.OnTheBeam().y() - 3), QColor(255, 255, 0)); // highlighted
        // The sheet follows a later choice from the menu.
        const ScreenPoint column = p.w->projection().frameMids[3];
        p.RightClick(QPoint(column.x, column.y + 20));
        properties->trigger();
        QCOMPARE(Child<QLineEdit>(sheet, "Edit1")->text(), QString("3"));
    }

    void theRightButtonStillEndsAMode()
    {
        PortalInElevation p;
        for (const char* button : {"ToolButton3", "ToolButton4", "ToolButton17", "ToolButton30"}) {
            p.w.Button(button)->click();
            QMenu* menu = p.RightClick(QPoint(5, 5));
            QVERIFY2(!menu->isVisible(), button);
            QCOMPARE(p.w->session().view.MouseMode, int(kMouseNone));
            QCOMPARE(p.w.Panel(1), QString("None"));
        }
        // A middle-button drag in no mode: the right button does not open the menu mid-drag.
        QTest::mousePress(&p.w->drawingArea(), Qt::MiddleButton, {}, QPoint(50, 50));
        QVERIFY(!p.RightClick(QPoint(60, 50))->isVisible());
        QTest::mouseRelease(&p.w->drawingArea(), Qt::MiddleButton, {}, QPoint(60, 50));
        QVERIFY(p.RightClick(QPoint(60, 50))->isVisible());
    }
};

QTEST_MAIN(DrawingMenuTest)
#include "DrawingMenuTest.moc"
