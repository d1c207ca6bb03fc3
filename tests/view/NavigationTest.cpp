// The viewer's arithmetic: projection, Zoom All, the standard views, pan,
// rotate and wheel steps, the mouse modes and their status texts, and picking.

#include "ViewTestModels.h"
#include "view/Navigation.h"
#include "view/PickFrame.h"
#include "view/Projection.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace mirelo;
using namespace mirelo::test;

namespace {

constexpr ViewArea kArea{1096, 628};

const ResultSet kNoResults;

// Where a picture of `view` puts the model's joints and frames.
Projection Project(const Model& model, const ViewState& view, const ResultSet& results = kNoResults)
{
    Projection at;
    ProjectJoints(model, results, view, kArea, at);
    ProjectFrames(model, view, kArea, at);
    return at;
}

// Joint 1's and 2's displacements in a result set of two joints.
ResultSet Displaced(Displacement one, Displacement two)
{
    ResultSet results;
    results.joints.values = {one.x, one.y, one.z, two.x, two.y, two.z};
    return results;
}

// A plan spanning X 0..1000 and Y 0..500.
Model Plan1000By500()
{
    return ModelWithJoints({{0, 0, 0}, {1000, 0, 0}, {1000, 500, 0}, {0, 500, 0}});
}

// Frame 1 from (0,0,0) to (100,0,0), seen in plan at Scale 5: midpoint on pixel (558, 314).
Model OneFrame()
{
    Model model = ModelWithJoints({{0, 0, 0}, {100, 0, 0}});
    AddFrame(model, 1, 2, AddFrameSection(model, RgbColour(255, 0, 0)));
    return model;
}

} // namespace

class NavigationTest : public QObject {
    Q_OBJECT

private slots:
    void startValues()
    {
        const ViewState view;
        QCOMPARE(view.Scale, 5.0);
        QCOMPARE(view.HingeMax, 0.0001);
        QCOMPARE(view.HingeMin, -0.0001);
        QCOMPARE(view.MouseMode, 0);
        const LayerSwitches& on = view.LayerFlags;
        QVERIFY(on.ShowNodes && on.ShowFrames && on.ShowSupports && on.ShowShells && on.ShowReleases && on.ShowSolids);
        QVERIFY(!on.ShowNodeLabels && !on.ShowFrameLabels && !on.ShowFrameAxes && !on.ShowDiaphragms &&
                !on.ShowHingeCircles && !on.ShowShellLabels && !on.ShowSolidLabels);
    }

    void projectionOfTheWorkedPoint()
    {
        const Projector projector(ViewState{}, kArea);
        QCOMPARE(projector.Project(1000, 500, 0), (ScreenPoint{748, 214}));
        QCOMPARE(projector.Project(0, 0, 0), (ScreenPoint{548, 314}));
    }

    void roundingTakesHalvesToEvenAndClamps()
    {
        QCOMPARE(RoundToPixel(2.5), 2);
        QCOMPARE(RoundToPixel(3.5), 4);
        QCOMPARE(RoundToPixel(-2.5), -2);
        QCOMPARE(RoundToPixel(2.6), 3);
        QCOMPARE(RoundToPixel(std::numeric_limits<double>::infinity()), kPixelLimit);
        QCOMPARE(RoundToPixel(-std::numeric_limits<double>::infinity()), -kPixelLimit);
        QCOMPARE(RoundToPixel(std::numeric_limits<double>::quiet_NaN()), kPixelLimit);
        QCOMPARE(RoundToPixel(1e300), kPixelLimit);
        // An odd width puts the centre on a half pixel: 0 lands on rnd(0.5) = 0, not 1.
        QCOMPARE(Projector(ViewState{}, ViewArea{1, 1}).Project(0, 0, 0), (ScreenPoint{0, 0}));
    }

    void framePixelFields()
    {
        Model model = ModelWithJoints({{0, 0, 0}, {100, 0, 0}});
        AddFrame(model, 1, 2, 0);
        model.Frames[1].axis2Y = 1; // local 2 along +Y: a tick 40 pixels up in plan
        ViewState view;
        view.DeformScale = 1;
        // Joint 2 drawn 2 pixels right; the midpoint stays.
        const Projection at = Project(model, view, Displaced({}, {.x = 10}));
        QCOMPARE(at.joints[2].x, 570);
        QCOMPARE(at.frameMids[1], (ScreenPoint{558, 314}));
        QCOMPARE(at.frameAxes[1], (ScreenPoint{558, 274}));
        // 548 + 0.2 * 22 = 552.4 and 548 + 0.8 * 22 = 565.6, on the drawn (deformed) chord.
        QCOMPARE(at.hingesI[1], (ScreenPoint{552, 314}));
        QCOMPARE(at.hingesJ[1].x, 566);
    }

    void zoomAllFitsThePlan()
    {
        Model model = Plan1000By500();
        ViewState view;
        ZoomAll(model, kNoResults, view, kArea);
        QVERIFY(std::abs(view.Scale - 1000 / (0.8 * 1096)) < 0.002);
        const Projection at = Project(model, view);
        // Centred: the corners sit symmetrically about the area's centre.
        QVERIFY(std::abs(at.joints[1].x + at.joints[2].x - 1096) <= 2);
        QVERIFY(std::abs(at.joints[1].y + at.joints[3].y - 628) <= 2);
        // 80 % of the width binds.
        QVERIFY(std::abs(at.joints[2].x - at.joints[1].x - 877) <= 2);
    }

    void zoomAllCentresEveryStandardView()
    {
        // A frame far from the origin, seen from every side, comes out centred.
        for (const StandardView which : {StandardView::XY, StandardView::XZ, StandardView::YZ}) {
            Model model = ModelWithJoints({{2000, 3000, 100}, {2600, 3800, 400}, {2000, 3800, 100}});
            ViewState view;
            SetStandardView(model, kNoResults, view, which, kArea);
            const Projection at = Project(model, view);
            int minX = 1 << 30, maxX = -(1 << 30), minY = 1 << 30, maxY = -(1 << 30);
            for (std::int32_t k = 1; k <= 3; ++k) {
                minX = std::min(minX, at.joints[k].x);
                maxX = std::max(maxX, at.joints[k].x);
                minY = std::min(minY, at.joints[k].y);
                maxY = std::max(maxY, at.joints[k].y);
            }
            QVERIFY(std::abs(minX + maxX - 1096) <= 2);
            QVERIFY(std::abs(minY + maxY - 628) <= 2);
            QVERIFY(minX >= 0 && maxX < 1096 && minY >= 0 && maxY < 628);
        }
    }

    void zoomAllWithoutJointsChangesNothing()
    {
        Model model = ModelWithJoints({});
        ViewState view;
        view.PanX = 7;
        SetStandardView(model, kNoResults, view, StandardView::YZ, kArea);
        QCOMPARE(view.Scale, 5.0);
        QCOMPARE(view.PanX, 7.0);
        QCOMPARE(view.PlanAngle, 90.0);
        QCOMPARE(view.TiltAngle, -90.0);
        Model absent; // a file without a JOINT section leaves the count at -1
        absent.Joints.Reset(-1);
        ZoomAll(absent, kNoResults, view, kArea);
        QCOMPARE(view.Scale, 5.0);
    }

    void zoomAllOnOnePixel()
    {
        for (const auto& points : {std::vector<Point3>{{3, 4, 5}}, std::vector<Point3>{{1, 1, 1}, {1, 1, 1}, {1, 1, 1}}}) {
            Model model = ModelWithJoints(points);
            ViewState view;
            view.PanX = 123;
            ZoomAll(model, kNoResults, view, kArea);
            QCOMPARE(view.Scale, 1.0);
            const Projection at = Project(model, view);
            // The point lands in the middle of the area.
            QCOMPARE(at.joints[1].x, 548);
            QCOMPARE(at.joints[1].y, 314);
        }
    }

    void zoomAllOnAnEmptyAreaDoesNothing()
    {
        Model model = Plan1000By500();
        ViewState view;
        ZoomAll(model, kNoResults, view, ViewArea{0, 0});
        QCOMPARE(view.Scale, 5.0);
        ZoomAll(model, kNoResults, view, ViewArea{1, 1});
        QVERIFY(std::isfinite(view.Scale) && view.Scale > 0);
    }

    void standardViews()
    {
        Model model = ModelWithJoints({{0, 0, 0}, {0, 0, 10}, {0, 10, 0}, {10, 0, 0}});
        ViewState view;
        SetStandardView(model, kNoResults, view, StandardView::XZ, kArea);
        QCOMPARE(view.TiltAngle, -90.0);
        Projection at = Project(model, view);
        QVERIFY(at.joints[2].y < at.joints[1].y); // +Z up
        QVERIFY(at.joints[4].x > at.joints[1].x); // +X right
        SetStandardView(model, kNoResults, view, StandardView::YZ, kArea);
        at = Project(model, view);
        QVERIFY(at.joints[3].x < at.joints[1].x); // +Y to the left
        QVERIFY(at.joints[2].y < at.joints[1].y);
        SetStandardView(model, kNoResults, view, StandardView::XY, kArea);
        QVERIFY(view.PlanAngle == 0 && view.TiltAngle == 0);
        at = Project(model, view);
        QVERIFY(at.joints[3].y < at.joints[1].y); // +Y up
    }

    void yzViewCentresTheModel()
    {
        // Y runs 0..1000 and Z 0..500: u runs from -1000 to 0, so Zoom All pans
        // to the middle, -500, and the model's centre lands on the area's centre.
        Model model = ModelWithJoints({{0, 0, 0}, {0, 1000, 0}, {0, 0, 500}, {0, 500, 250}});
        ViewState view;
        SetStandardView(model, kNoResults, view, StandardView::YZ, kArea);
        QVERIFY(std::abs(view.PanX + 500) < 1);
        const Projection at = Project(model, view);
        QVERIFY(std::abs(at.joints[4].x - 548) <= 1);
        QVERIFY(at.joints[2].x >= 0 && at.joints[1].x < 1096);
    }

    void panDragFollowsThePointer()
    {
        Model model = OneFrame();
        ViewState view;
        Projection at = Project(model, view);
        QCOMPARE(ArmPan(view).status, std::optional<QString>("Pan"));
        QCOMPARE(view.MouseMode, int(kPanArmed));
        QVERIFY(!MouseDown(model, at, view, Qt::LeftButton, 100, 100).redraw);
        QCOMPARE(view.MouseMode, int(kPanning));
        QVERIFY(MouseMove(view, kArea, 110, 95).redraw);
        QCOMPARE(view.PanX, -50.0);
        QCOMPARE(view.PanY, 25.0);
        const ViewReaction up = MouseUp(view, kArea, 120, 95);
        QVERIFY(up.redraw);
        QCOMPARE(up.status, std::optional<QString>("Pan"));
        QCOMPARE(view.PanX, -100.0);
        QCOMPARE(view.PanY, 25.0);
        QCOMPARE(view.MouseMode, int(kPanArmed));
        at = Project(model, view);
        QCOMPARE(at.joints[1].x, 548 + 20); // dragged 20 right and 5 up
        QCOMPARE(at.joints[1].y, 314 - 5);
    }

    void rightButtonEndsEveryMode()
    {
        Model model = OneFrame();
        ViewState view;
        const Projection at = Project(model, view);
        ArmPan(view);
        MouseDown(model, at, view, Qt::LeftButton, 10, 10);
        const ViewReaction cancel = MouseDown(model, at, view, Qt::RightButton, 20, 20);
        QCOMPARE(cancel.status, std::optional<QString>("None"));
        QCOMPARE(view.MouseMode, int(kMouseNone));
        QVERIFY(!MouseMove(view, kArea, 50, 50).redraw);
        QVERIFY(!MouseUp(view, kArea, 60, 60).redraw);
        QCOMPARE(view.PanX, 0.0);

        QCOMPARE(ArmRotate(view).status, std::optional<QString>("Rotate View"));
        QCOMPARE(ArmSelect(view).status, std::optional<QString>("Select Elem"));
        QVERIFY(!SetIdleMode(view).status.has_value());
        QCOMPARE(view.MouseMode, int(kMouseIdle));
        QVERIFY(!MouseDown(model, at, view, Qt::LeftButton, 558, 314).redraw); // idle: no pick
        QCOMPARE(view.SelectedFrame, 0);
    }

    void rotateDragAndResetBeyondAFullTurn()
    {
        Model model = OneFrame();
        ViewState view;
        const ViewArea area{360, 360}; // one pixel is half a degree
        ArmRotate(view);
        MouseDown(model, Project(model, view), view, Qt::LeftButton, 0, 0);
        QCOMPARE(view.MouseMode, int(kRotating));
        MouseMove(view, area, 360, 0); // the full width turns the plan by 180 degrees
        QCOMPARE(view.PlanAngle, 180.0);
        MouseMove(view, area, 720, 0);
        QCOMPARE(view.PlanAngle, 360.0); // 360 itself stays
        MouseMove(view, area, 721, 0);
        QCOMPARE(view.PlanAngle, 0.0); // beyond: reset, not wrapped
        view.TiltAngle = -360;
        MouseMove(view, area, 721, 0);
        QCOMPARE(view.TiltAngle, -360.0);
        const ViewReaction up = MouseUp(view, area, 721, -1);
        QCOMPARE(view.TiltAngle, 0.0); // -360.5
        QCOMPARE(up.status, std::optional<QString>("Rotate View"));
        QCOMPARE(view.MouseMode, int(kRotateArmed));
    }

    void wheelStepsEachWay()
    {
        ViewState view;
        for (int step = 0; step < 10; ++step)
            QVERIFY(WheelDown(view).redraw);
        QVERIFY(std::abs(view.Scale - 5 * std::pow(0.9, 10)) < 1e-12);
        for (int step = 0; step < 10; ++step)
            WheelUp(view);
        QVERIFY(std::abs(view.Scale - 5.0) < 1e-12);
    }

    void wheelNeverReachesZeroOrInfinity()
    {
        ViewState view;
        for (int step = 0; step < 10000; ++step)
            WheelDown(view);
        QVERIFY(view.Scale > 0);
        Model model = Plan1000By500();
        QVERIFY(std::abs(Project(model, view).joints[3].x) <= kPixelLimit);
        for (int step = 0; step < 20000; ++step)
            WheelUp(view);
        QVERIFY(std::isfinite(view.Scale));
        QCOMPARE(Project(model, view).joints[3].x, 548);
    }

    void hugeCoordinatesGiveClampedPixels()
    {
        Model model = ModelWithJoints({{1e300, -1e300, 1e300}, {-1e308, 1e308, 0}, {0, 0, 0}});
        AddFrame(model, 1, 2, 0);
        ViewState view;
        view.PlanAngle = 30;
        view.TiltAngle = -60;
        ZoomAll(model, kNoResults, view, kArea);
        QVERIFY(std::isfinite(view.Scale) && view.Scale > 0);
        const Projection at = Project(model, view);
        for (std::int32_t k = 1; k <= 3; ++k)
            QVERIFY(std::abs(at.joints[k].x) <= kPixelLimit && std::abs(at.joints[k].y) <= kPixelLimit);
        QVERIFY(std::abs(at.hingesI[1].x) <= kPixelLimit);
    }

    void pickAlongTheMember()
    {
        Model model = OneFrame();
        ViewState view;
        const Projection at = Project(model, view); // the line runs from (548, 314) to (568, 314), midpoint (558, 314)
        const struct {
            int x, y;
            std::int32_t picked;
        } clicks[] = {
            {553, 314, 1}, {566, 314, 1}, // on the line, off the midpoint
            {548, 319, 1}, {548, 320, 0}, // 5 and 6 below joint i
            {543, 314, 1}, {542, 314, 0}, // 5 and 6 beyond joint i
            {566, 309, 1}, {566, 308, 0}, // 5 and 6 above, outside the midpoint box
            {562, 318, 1},                // in the midpoint box
        };
        for (const auto& c : clicks) {
            QCOMPARE(FrameAt(model, at, view, c.x, c.y), c.picked);
            QCOMPARE(PickFrame(model, at, view, c.x, c.y), c.picked);
            QCOMPARE(view.SelectedFrame, c.picked);
        }
    }

    void theNearerOfTwoCrossingFramesWins()
    {
        // Frame 1 along X, frame 2 along Y, crossing at their midpoints: pixel (558, 314).
        Model model = ModelWithJoints({{0, 0, 0}, {100, 0, 0}, {50, -50, 0}, {50, 50, 0}, {500, 0, 0}, {600, 0, 0}});
        AddFrame(model, 1, 2, 0);
        AddFrame(model, 3, 4, 0);
        ViewState view;
        Projection at = Project(model, view);
        const struct {
            int x, y;
            std::int32_t picked;
        } clicks[] = {
            {560, 317, 2}, {561, 315, 1}, {558, 314, 2}, // equally near: the higher number
            {566, 311, 1}, {561, 322, 2}, {564, 320, 0}, // the last 6 from both
        };
        for (const auto& c : clicks)
            QCOMPARE(PickFrame(model, at, view, c.x, c.y), c.picked);
        // Coinciding frames: the higher number wins.
        AddFrame(model, 2, 1, 0);
        at = Project(model, view);
        QCOMPARE(PickFrame(model, at, view, 565, 314), 3);
    }

    void pickAlongTheMemberInEveryView()
    {
        const double angles[][2] = {{0, 0}, {0, -90}, {90, -90}, {kIsometricPlanAngle, kIsometricTiltAngle}, {30, -60}};
        for (const auto& [plan, tilt] : angles) {
            Model model = ModelWithJoints({{0, 0, 0}, {100, 200, 300}});
            AddFrame(model, 1, 2, 0);
            ViewState view;
            view.PlanAngle = plan;
            view.TiltAngle = tilt;
            const Projection at = Project(model, view);
            const ScreenPoint i = at.joints[1];
            const ScreenPoint j = at.joints[2];
            const double dx = j.x - i.x, dy = j.y - i.y, length = std::hypot(dx, dy);
            QVERIFY2(length > 40, qPrintable(QString("plan %1 tilt %2").arg(plan).arg(tilt)));
            // A point 80 % along the drawn line, away from the midpoint, and points beside it.
            const auto beside = [&](double away) {
                return QPoint(qRound(i.x + 0.8 * dx - dy / length * away), qRound(i.y + 0.8 * dy + dx / length * away));
            };
            for (const double away : {0.0, 4.0, -4.0})
                QCOMPARE(PickFrame(model, at, view, beside(away).x(), beside(away).y()), 1);
            for (const double away : {6.8, -6.8})
                QCOMPARE(PickFrame(model, at, view, beside(away).x(), beside(away).y()), 0);
        }
    }

    void pickAlongTheDeformedLineOrAtTheUndeformedMidpoint()
    {
        Model model = OneFrame();
        ViewState view;
        view.DeformScale = 1; // the line is drawn 20 pixels higher
        const Projection at = Project(model, view, Displaced({.y = 100}, {.y = 100}));
        QCOMPARE(PickFrame(model, at, view, 566, 294), 1);
        QCOMPARE(PickFrame(model, at, view, 558, 314), 1);
        QCOMPARE(PickFrame(model, at, view, 558, 304), 0);
    }

    void aFrameWithoutItsJointsIsNeverPicked()
    {
        Model model = OneFrame();
        AddFrame(model, 1, 9, 0); // joint 9 does not exist: drawn nowhere
        ViewState view;
        const Projection at = Project(model, view);
        QCOMPARE(PickFrame(model, at, view, 0, 0), 0);
        QCOMPARE(PickFrame(model, at, view, 553, 314), 1);
        // A projection made for another model picks nothing in this one.
        AddFrame(model, 1, 2, 0);
        QCOMPARE(FrameAt(model, at, view, 553, 314), 0);
        QCOMPARE(FrameAt(model, Projection(), view, 553, 314), 0);
    }

    void selectModeClicks()
    {
        Model model = OneFrame();
        ViewState view;
        const Projection at = Project(model, view);
        ArmSelect(view);
        const ViewReaction hit = MouseDown(model, at, view, Qt::LeftButton, 558, 314);
        QVERIFY(hit.redraw && hit.showFrameProperties);
        QCOMPARE(view.SelectedFrame, 1);
        QCOMPARE(view.MouseMode, int(kSelectElement));
        const ViewReaction miss = MouseDown(model, at, view, Qt::LeftButton, 10, 10);
        QVERIFY(!miss.redraw && !miss.showFrameProperties);
        QCOMPARE(view.SelectedFrame, 0);
        const ViewReaction right = MouseDown(model, at, view, Qt::RightButton, 558, 314);
        QVERIFY(right.showFrameProperties); // picks first, then leaves the mode
        QCOMPARE(view.SelectedFrame, 1);
        QCOMPARE(view.MouseMode, int(kMouseNone));
        QCOMPARE(right.status, std::optional<QString>("None"));
    }
};

QTEST_MAIN(NavigationTest)
#include "NavigationTest.moc"
