// The main window as users of structural programs expect it: files that are
// no model refused, the title and recent files, stepping through planes and
// picking in them, the drag gestures, keys, the isometric view and Exit.
#include "GuiTestSupport.h"

#include "gui/main/DrawingArea.h"
#include "gui/main/ModelStatusBar.h"

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

using namespace mirelo;
using namespace mirelo::test;

namespace {

QStringList RecentMenuTexts(MainWindow& window)
{
    QStringList texts;
    for (QAction* item : window.findChild<QMenu*>("RecentFiles1")->actions())
        texts << item->text();
    return texts;
}

// The frame of the example building that runs from (x1, y, z) to (x2, y, z).
std::int32_t FrameBetween(const Model& model, double x1, double x2, double y, double z)
{
    for (std::int32_t f = 1; f <= model.Frames.count; ++f) {
        const Joint& i = model.Joints[model.Frames[f].jointI];
        const Joint& j = model.Joints[model.Frames[f].jointJ];
        if (i.x == x1 && j.x == x2 && i.y == y && j.y == y && i.z == z && j.z == z)
            return f;
    }
    return 0;
}

void Click(TestWindow& w, std::int32_t frame)
{
    const ScreenPoint mid = w->projection().frameMids[static_cast<std::size_t>(frame)];
    QTest::mouseClick(&w->drawingArea(), Qt::LeftButton, {}, QPoint(mid.x, mid.y));
}

} // namespace

class ViewConventionsTest : public QObject {
    Q_OBJECT

private slots:
    void aFileThatIsNoModelIsRefusedAndTheModelStays()
    {
        TempS2k portal(kPortalS2k);
        TempS2k letter("Dear reader,\nthis is no model.\n", "letter.s2k");
        TempS2k empty("", "empty.s2k");
        TestWindow w;
        w.OpenThroughMenu(portal.path());
        QCOMPARE(w->windowTitle(), QString("Mirelo - model.s2k"));
        const QStringList counts = w.CountPanels();
        const double scale = w->session().view.Scale;
        for (const TempS2k* refused : {&letter, &empty}) {
            w.messenger->messages.clear();
            w.OpenThroughMenu(refused->path());
            QCOMPARE(w.messenger->messages,
                     QStringList(refused->path() + " is not a SAP2000 text file: no JOINT, CONSTRAINT, "
                                                   "RESTRAINT, MASS, MATERIAL, FRAME SECTION, SHELL SECTION, FRAME, "
                                                   "SHELL, SOLID or LOAD section and no TABLE: heading"));
            QCOMPARE(w->session().model.Joints.count, 4);
            QCOMPARE(w->session().model.Frames.count, 3);
            QCOMPARE(w.CountPanels(), counts);
            QCOMPARE(w->session().view.Scale, scale);
            QCOMPARE(w->windowTitle(), QString("Mirelo - model.s2k"));
        }
        QCOMPARE(w->RecentFileList().size(), 1); // refused files are not remembered
    }

    void recentFilesAreRememberedBetweenRuns()
    {
        TempS2k first(kPortalS2k, "first.s2k");
        TempS2k second(kPortalS2k, "second.s2k");
        {
            TestWindow w;
            QVERIFY(!w->findChild<QMenu*>("RecentFiles1")->isEnabled());
            w.OpenThroughMenu(first.path());
            w.OpenThroughMenu(second.path());
            w.OpenThroughMenu(first.path()); // again: moves to the top, listed once
            QCOMPARE(RecentMenuTexts(*w), QStringList({"&1 first.s2k", "&2 second.s2k"}));
        }
        TestWindow again(true); // the next run of the program
        QCOMPARE(RecentMenuTexts(*again), QStringList({"&1 first.s2k", "&2 second.s2k"}));
        QVERIFY(again->findChild<QMenu*>("RecentFiles1")->isEnabled());
        again->findChild<QAction*>("RecentFile2")->trigger();
        QCOMPARE(again->session().model.Joints.count, 4);
        QCOMPARE(again->windowTitle(), QString("Mirelo - second.s2k"));
        QCOMPARE(RecentMenuTexts(*again), QStringList({"&1 second.s2k", "&2 first.s2k"}));
        // No more than eight.
        std::vector<std::unique_ptr<TempS2k>> many;
        for (int k = 0; k < 10; ++k) {
            many.push_back(std::make_unique<TempS2k>(kPortalS2k, QString("m%1.s2k").arg(k)));
            again.OpenThroughMenu(many.back()->path());
        }
        QCOMPARE(again->RecentFileList().size(), 8);
        QCOMPARE(RecentMenuTexts(*again).front(), QString("&1 m9.s2k"));
        QVERIFY(again.messenger->messages.isEmpty());
    }

    void steppingThroughStoreysPaintsAndPicksOnlyThatStorey()
    {
        TestWindow w;
        w.OpenThroughMenu(ExamplePath("rc-frame-building.s2k"));
        w->findChild<QAction*>("XYView1")->trigger();
        auto& panels = w->statusPanels();
        QCOMPARE(panels.PlaneText(), QString("XY view: all planes"));
        const Model& model = w->session().model;
        const std::int32_t first = FrameBetween(model, 0, 6, 0, 4);
        const std::int32_t roof = FrameBetween(model, 0, 6, 0, 10.4);
        QVERIFY(first != 0 && roof > first);
        w.Button("ToolButton17")->click(); // select mode
        Click(w, first);
        QCOMPARE(w->session().view.SelectedFrame, roof); // all storeys overlap: the highest number wins
        w->findChild<QDialog*>("TForm9")->close();

        const auto beamPixels = [&] {
            const ScreenPoint mid = w->projection().frameMids[static_cast<std::size_t>(first)];
            const QImage& canvas = w->drawingArea().Canvas();
            const QColor colour(QRgb(0xFF000000u)); // NBEAM300X600 is drawn black
            int count = 0;
            for (int x = mid.x - 10; x <= mid.x + 10; ++x)
                for (int y = mid.y - 3; y <= mid.y + 3; ++y)
                    count += canvas.pixelColor(x, y) == colour;
            return count;
        };
        QVERIFY(beamPixels() > 20);
        w->findChild<QAction*>("NextPlane1")->trigger(); // Z = 0: only the column feet
        QCOMPARE(panels.PlaneText(), QString("Z = 0.000 (1 of 4)"));
        QCOMPARE(beamPixels(), 0);
        Click(w, first);
        QCOMPARE(w->session().view.SelectedFrame, 0);
        w->findChild<QAction*>("NextPlane1")->trigger(); // Z = 4
        QCOMPARE(panels.PlaneText(), QString("Z = 4.000 (2 of 4)"));
        QVERIFY(beamPixels() > 10);
        Click(w, first);
        QCOMPARE(w->session().view.SelectedFrame, first);
        w->findChild<QDialog*>("TForm9")->close();
        w->findChild<QAction*>("AllPlanes1")->trigger();
        QCOMPARE(panels.PlaneText(), QString("XY view: all planes"));
        QCOMPARE(w->session().view.PlaneShown, 0);
        // The second toolbar's buttons run the same commands.
        auto* bar = w->findChild<QToolBar*>("ToolBar2");
        qobject_cast<QToolButton*>(bar->widgetForAction(w->findChild<QAction*>("PreviousPlane1")))->click();
        QCOMPARE(panels.PlaneText(), QString("Z = 10.400 (4 of 4)"));
    }

    void theCursorsModelCoordinatesShowInPlanAndElevations()
    {
        TempS2k portal(kPortalS2k);
        TestWindow w;
        w.OpenThroughMenu(portal.path());
        w->findChild<QAction*>("XZView1")->trigger();
        const ScreenPoint top = w->projection().joints[3]; // (5000, 0, 3000)
        QTest::mouseMove(&w->drawingArea(), QPoint(top.x, top.y));
        const QStringList parts = w->statusPanels().CursorText().split("  ");
        QCOMPARE(parts.size(), 2);
        const double scale = w->session().view.Scale;
        // Each coordinate in the file's length unit.
        const auto value = [](const QString& part) { return part.section(' ', 1, 1).toDouble(); };
        QVERIFY(parts[0].startsWith("X ") && parts[0].endsWith(" mm") && qAbs(value(parts[0]) - 5000) <= scale);
        QVERIFY(parts[1].startsWith("Z ") && parts[1].endsWith(" mm") && qAbs(value(parts[1]) - 3000) <= scale);
        w->findChild<QAction*>("IsometricView1")->trigger();
        const ScreenPoint turned = w->projection().joints[3];
        QTest::mouseMove(&w->drawingArea(), QPoint(turned.x + 1, turned.y));
        QCOMPARE(w->statusPanels().CursorText(), QString());
        QCOMPARE(w->statusPanels().PlaneText(), QString("3-D view"));
    }

    void theIsometricButton()
    {
        TempS2k portal(kPortalS2k);
        TestWindow w;
        w.OpenThroughMenu(portal.path());
        auto* button = w->findChild<QToolButton*>("IsometricButton");
        QVERIFY(button);
        QCOMPARE(button->text(), QString("3-D"));
        button->click();
        QCOMPARE(w->session().view.PlanAngle, 45.0);
        QVERIFY(qAbs(w->session().view.TiltAngle + 54.7356) < 1e-4);
        // Zoomed to fit: every joint inside the area.
        for (std::int32_t k = 1; k <= 4; ++k) {
            const ScreenPoint joint = w->projection().joints[static_cast<std::size_t>(k)];
            QVERIFY(w->drawingArea().rect().contains(joint.x, joint.y));
        }
    }

    void middleDragPansAndCtrlDragRotatesInSelectMode()
    {
        TempS2k portal(kPortalS2k);
        TestWindow w;
        w.OpenThroughMenu(portal.path());
        ViewState& view = w->session().view;
        w.Button("ToolButton17")->click();
        view.Scale = 2;
        view.PanX = view.PanY = 0;
        QTest::mousePress(&w->drawingArea(), Qt::MiddleButton, {}, QPoint(100, 100));
        QTest::mouseMove(&w->drawingArea(), QPoint(110, 120));
        QTest::mouseRelease(&w->drawingArea(), Qt::MiddleButton, {}, QPoint(115, 120));
        QCOMPARE(view.PanX, -30.0);
        QCOMPARE(view.PanY, -40.0);
        QCOMPARE(view.MouseMode, 101);
        QCOMPARE(view.SelectedFrame, 0);
        QCOMPARE(w.Panel(1), QString("Select Elem"));
        const double width = w->drawingArea().width();
        QTest::mousePress(&w->drawingArea(), Qt::LeftButton, Qt::ControlModifier, QPoint(100, 100));
        QTest::mouseRelease(&w->drawingArea(), Qt::LeftButton, Qt::ControlModifier, QPoint(150, 100));
        QVERIFY(qAbs(view.PlanAngle - 50 / width * 180) < 1e-9);
        QCOMPARE(view.MouseMode, 101);
        QTest::mousePress(&w->drawingArea(), Qt::MiddleButton, Qt::ShiftModifier, QPoint(100, 100));
        QTest::mouseRelease(&w->drawingArea(), Qt::MiddleButton, Qt::ShiftModifier, QPoint(150, 100));
        QVERIFY(qAbs(view.PlanAngle - 100 / width * 180) < 1e-9);
        QCOMPARE(view.PanX, -30.0);
    }

    void arrowKeysPanAndPlusMinusZoom()
    {
        TempS2k portal(kPortalS2k);
        TestWindow w;
        w.OpenThroughMenu(portal.path());
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.window.get()));
        ViewState& view = w->session().view;
        const double scale = view.Scale, panX = view.PanX, panY = view.PanY;
        const double stepX = w->drawingArea().width() / 10.0 * scale, stepY = w->drawingArea().height() / 10.0 * scale;
        QTest::keyClick(w.window.get(), Qt::Key_Left);
        QVERIFY(qAbs(view.PanX - (panX + stepX)) < 1e-9 * stepX);
        QTest::keyClick(w.window.get(), Qt::Key_Right);
        QTest::keyClick(w.window.get(), Qt::Key_Up);
        QVERIFY(qAbs(view.PanX - panX) < 1e-9 * stepX);
        QVERIFY(qAbs(view.PanY - (panY + stepY)) < 1e-9 * stepY);
        QTest::keyClick(w.window.get(), Qt::Key_Down);
        QTest::keyClick(w.window.get(), Qt::Key_Plus);
        QVERIFY(qAbs(view.Scale - scale * 0.9) < 1e-12 * scale);
        QTest::keyClick(w.window.get(), Qt::Key_Minus);
        QVERIFY(qAbs(view.Scale - scale) < 1e-12 * scale);
        QTest::keyClick(w.window.get(), Qt::Key_Equal); // "+" without Shift
        QVERIFY(view.Scale < scale);
        QTest::keyClick(w.window.get(), Qt::Key_1, Qt::ControlModifier);
        QTest::keyClick(w.window.get(), Qt::Key_PageUp);
        QCOMPARE(view.PlaneShown, 1);
        QTest::keyClick(w.window.get(), Qt::Key_Home);
        QCOMPARE(view.PlaneShown, 0);
        view.LoadCaseShown = 1;
        QTest::keyClick(w.window.get(), Qt::Key_H, Qt::ControlModifier);
        QCOMPARE(view.LoadCaseShown, 0);
        QVERIFY(w.messenger->messages.isEmpty());
    }

    void theModelStaysCentredWhenTheWindowIsResized()
    {
        TempS2k portal(kPortalS2k);
        TestWindow w;
        w.OpenThroughMenu(portal.path());
        const auto offCentre = [&] {
            const std::vector<ScreenPoint>& joints = w->projection().joints;
            int minX = joints[1].x, maxX = minX, minY = joints[1].y, maxY = minY;
            for (std::size_t k = 2; k < joints.size(); ++k) {
                minX = std::min(minX, joints[k].x);
                maxX = std::max(maxX, joints[k].x);
                minY = std::min(minY, joints[k].y);
                maxY = std::max(maxY, joints[k].y);
            }
            return QPoint((minX + maxX) / 2 - w->drawingArea().width() / 2, (minY + maxY) / 2 - w->drawingArea().height() / 2);
        };
        w->findChild<QAction*>("XZView1")->trigger();
        QVERIFY(offCentre().manhattanLength() <= 2);
        for (const QSize size : {QSize(700, 500), QSize(1300, 900)}) {
            w->resize(size);
            QTest::qWait(20);
            QCOMPARE(w->drawingArea().Canvas().size(), w->drawingArea().size());
            QVERIFY2(offCentre().manhattanLength() <= 2, qPrintable(QString("%1 %2").arg(offCentre().x()).arg(offCentre().y())));
        }
    }

    void triadAndLegendSwitches()
    {
        TestWindow w;
        ViewState& view = w->session().view;
        QVERIFY(view.ShowAxisTriad && view.ShowLegend);
        w->findChild<QAction*>("AxisTriad1")->trigger();
        QVERIFY(!view.ShowAxisTriad);
        w->findChild<QAction*>("Legend1")->trigger();
        QVERIFY(!view.ShowLegend);
        w->findChild<QAction*>("Legend1")->trigger();
        QVERIFY(view.ShowLegend);
    }
};

QTEST_MAIN(ViewConventionsTest)
#include "ViewConventionsTest.moc"
