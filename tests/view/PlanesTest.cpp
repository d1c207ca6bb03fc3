// One plane at a time, the cursor's coordinates, the drag gestures and keys
// that work in every mode, the axis triad and the legend.

#include "ViewTestModels.h"
#include "view/AxisTriad.h"
#include "view/Canvas.h"
#include "view/DrawLayers.h"
#include "view/LoadArrows.h"
#include "view/Legend.h"
#include "view/Navigation.h"
#include "view/PickFrame.h"
#include "view/PlaneFilter.h"
#include "view/PlaneStepping.h"
#include "view/Redraw.h"

#include <QTest>

using namespace mirelo;
using namespace mirelo::test;

namespace {

constexpr std::int32_t kRedSection = RgbColour(255, 0, 0);
constexpr std::int32_t kBlueSection = RgbColour(0, 0, 255);
constexpr std::int32_t kGreenSection = RgbColour(0, 160, 0);

// Two storeys in plan: a red beam at Z = 0 along Y = -50, a blue beam at
// Z = 100 along Y = +50, and a green column joining them.
Model TwoStoreys()
{
    Model model = ModelWithJoints({{-100, -50, 0}, {100, -50, 0}, {-100, 50, 100}, {100, 50, 100}});
    AddFrame(model, 1, 2, AddFrameSection(model, kRedSection));
    AddFrame(model, 3, 4, AddFrameSection(model, kBlueSection));
    AddFrame(model, 1, 3, AddFrameSection(model, kGreenSection));
    return model;
}

// Plan view at Scale 1 on 400 x 300: (x, y, z) lands on (200 + x, 150 - y).
ViewState Plan()
{
    ViewState view;
    view.Scale = 1;
    view.PlaneAxis = kPlaneAxisZ;
    view.ShowAxisTriad = false;
    view.ShowLegend = false;
    return view;
}

const ResultSet kNoResults;

// The picture, and in `at` (when given) where it put the joints and frames.
QImage Paint(const Model& model, const ViewState& view, int width = 400, int height = 300, Projection* at = nullptr)
{
    QImage image = NewCanvasImage(QSize(width, height));
    Projection drawn;
    Redraw(model, kNoResults, view, image, at ? *at : drawn);
    return image;
}

} // namespace

// The legend's texts, the same whether the legend looks for itself or takes
// what the layers marked as they painted the picture.
QStringList LegendTexts(Model& model, const ViewState& view)
{
    const ViewArea area{400, 300};
    const PlaneFilter shown(model, view);
    QImage image(area.width, area.height, QImage::Format_RGB32);
    PaintedUse painted;
    {
        Canvas canvas(image, "Sans");
        Projection at;
        ProjectJoints(model, kNoResults, view, area, at);
        ProjectFrames(model, view, area, at);
        const LayerSwitches& on = view.LayerFlags;
        if (on.ShowSupports)
            PaintSupports(canvas, model, at, shown, painted.supportKinds.emplace(kSupportKinds));
        if (on.ShowFrames)
            PaintFrames(canvas, model, at, shown, 0, painted.frameSections.emplace(model.FrameSections.count));
        if (on.ShowShells)
            PaintShells(canvas, model, at, shown, painted.shellSections.emplace(model.ShellSections.count));
        if (view.LoadCaseShown != 0 && view.LoadDisplay == LoadStyle::Arrows && view.LoadTypeShown == kShowPointForces)
            painted.pointLoads = PaintPointLoadArrows(canvas, model, at, view, area, shown, LoadUnitsOf(model.Units));
    }
    QStringList scanned, fromPainting;
    for (const LegendEntry& e : LegendEntries(model, view, shown))
        scanned << e.text;
    for (const LegendEntry& e : LegendEntries(model, view, shown, painted))
        fromPainting << e.text;
    QTest::qCompare(fromPainting, scanned, "from the painting", "looked up", __FILE__, __LINE__);
    return scanned;
}

class PlanesTest : public QObject {
    Q_OBJECT

private slots:
    void planesAreTheDistinctCoordinatesAlongTheAxis()
    {
        const Model model = ModelWithJoints({{0, 5, 3.2}, {6, 5, 0}, {0, 0, 3.2000000001}, {6, 0, 7}, {6, 10, -1}});
        QCOMPARE(PlaneCoordinates(model, kPlaneAxisZ), std::vector<double>({-1, 0, 3.2, 7}));
        QCOMPARE(PlaneCoordinates(model, kPlaneAxisX), std::vector<double>({0, 6}));
        QCOMPARE(PlaneCoordinates(model, kPlaneAxisY), std::vector<double>({0, 5, 10}));
        QVERIFY(PlaneCoordinates(model, kNoPlaneAxis).empty());
        QVERIFY(PlaneCoordinates(Model(), kPlaneAxisZ).empty());
        ViewState view;
        view.PlaneAxis = kPlaneAxisZ;
        for (const auto& [shown, expected] : {std::pair{0, -99.0}, {1, -1.0}, {3, 3.2}, {4, 7.0}, {5, -99.0}, {-2, -99.0}}) {
            view.PlaneShown = shown;
            QCOMPARE(ShownPlaneCoordinate(model, view).value_or(-99), expected);
        }
    }

    void onlyTheShownPlanesFramesArePainted()
    {
        Model model = TwoStoreys();
        ViewState view = Plan();
        const QColor red(255, 0, 0), blue(0, 0, 255), green(0, 160, 0);
        const auto onBeam = [](const QImage& image, int y, QColor colour) { return CountPixels(image, colour, 120, y - 1, 280, y + 2); };
        const QImage all = Paint(model, view);
        QVERIFY(onBeam(all, 200, red) > 100 && onBeam(all, 100, blue) > 100);
        view.PlaneShown = 1; // Z = 0
        const QImage ground = Paint(model, view);
        QVERIFY(onBeam(ground, 200, red) > 100);
        QCOMPARE(onBeam(ground, 100, blue), 0);
        QCOMPARE(CountPixels(ground, green, 0, 0, 400, 300), 0); // the column leaves the plane
        QCOMPARE(CountPixels(ground, QColor(0, 0, 255), 290, 90, 310, 110), 0); // nor the upper joints' dots
        view.PlaneShown = 2; // Z = 100
        const QImage upper = Paint(model, view);
        QCOMPARE(onBeam(upper, 200, red), 0);
        QVERIFY(onBeam(upper, 100, blue) > 100);
    }

    void pickingPicksOnlyInTheShownPlane()
    {
        Model model = ModelWithJoints(
            {{-100, 0, 0}, {100, 0, 0}, {-100, 0, 100}, {100, 0, 100}, {150, 80, 100}, {150, -80, 100}});
        AddFrame(model, 1, 2, AddFrameSection(model, kRedSection)); // under frame 2 in plan
        AddFrame(model, 3, 4, AddFrameSection(model, kBlueSection));
        AddFrame(model, 5, 6, AddFrameSection(model, kGreenSection)); // at Z = 100 only: (350, 70) to (350, 230)
        ViewState view = Plan();
        Projection at;
        Paint(model, view, 400, 300, &at);
        const struct {
            std::int32_t plane;
            int x, y;
            std::int32_t picked;
        } clicks[] = {
            {0, 200, 150, 2}, {0, 280, 153, 2}, {0, 352, 120, 3}, // all planes: the higher number wins
            {1, 200, 150, 1}, {1, 280, 153, 1}, {1, 352, 120, 0}, // frame 3 is not in Z = 0
            {2, 200, 150, 2}, {2, 280, 153, 2}, {2, 352, 120, 3},
        };
        for (const auto& c : clicks) {
            view.PlaneShown = c.plane;
            QCOMPARE(PickFrame(model, at, view, c.x, c.y), c.picked);
        }
        view.PlaneShown = 1;
        view.SelectedFrame = 2;
        const QImage image = Paint(model, view); // a selection outside the plane is not highlighted
        QCOMPARE(CountPixels(image, QColor(255, 255, 0), 0, 0, 400, 300), 0);
    }

    void steppingThroughPlanes()
    {
        const Model model = TwoStoreys();
        ViewState view = Plan();
        QCOMPARE(PlaneStatusText(model, view), QString("XY view: all planes"));
        struct Step {
            ViewReaction (*step)(const Model&, ViewState&);
            std::int32_t shown;
            const char* status;
        };
        const Step steps[] = {{NextPlane, 1, "Z = 0.000 (1 of 2)"},     {NextPlane, 2, "Z = 100.000 (2 of 2)"},
                              {NextPlane, 2, "Z = 100.000 (2 of 2)"},   {PreviousPlane, 1, "Z = 0.000 (1 of 2)"},
                              {PreviousPlane, 1, "Z = 0.000 (1 of 2)"}, {NextPlane, 2, "Z = 100.000 (2 of 2)"}};
        for (const Step& s : steps) {
            QVERIFY(s.step(model, view).redraw);
            QCOMPARE(view.PlaneShown, s.shown);
            QCOMPARE(PlaneStatusText(model, view), QString(s.status));
        }
        QVERIFY(AllPlanes(view).redraw);
        QCOMPARE(view.PlaneShown, 0);
        QVERIFY(PreviousPlane(model, view).redraw); // from all planes: the last
        QCOMPARE(view.PlaneShown, 2);
        view.PlaneAxis = kNoPlaneAxis;
        view.PlaneShown = 0;
        QVERIFY(!NextPlane(model, view).redraw); // a turned view has no planes to step
        QCOMPARE(view.PlaneShown, 0);
        QCOMPARE(PlaneStatusText(model, view), QString("3-D view"));
        Model empty = ModelWithJoints({});
        view.PlaneAxis = kPlaneAxisZ;
        QVERIFY(!NextPlane(empty, view).redraw);
    }

    void standardViewsChooseThePlaneAxis()
    {
        Model model = TwoStoreys();
        ViewState view;
        const ViewArea area{400, 300};
        QCOMPARE(view.PlaneAxis, kPlaneAxisZ); // the start angles show a plan
        const std::pair<StandardView, std::int32_t> views[] = {{StandardView::XZ, kPlaneAxisY},
                                                               {StandardView::XY, kPlaneAxisZ},
                                                               {StandardView::YZ, kPlaneAxisX},
                                                               {StandardView::Isometric, kNoPlaneAxis}};
        for (const auto& [which, axis] : views) {
            view.PlaneShown = 1;
            SetStandardView(model, kNoResults, view, which, area);
            QCOMPARE(view.PlaneAxis, axis);
            QCOMPARE(view.PlaneShown, 0); // another axis: all planes again
        }
        QCOMPARE(view.PlanAngle, 45.0);
        QVERIFY(qAbs(view.TiltAngle + 54.7356) < 1e-4);
        SetStandardView(model, kNoResults, view, StandardView::XY, area);
        NextPlane(model, view);
        SetStandardView(model, kNoResults, view, StandardView::XY, area); // the same view keeps its plane
        QCOMPARE(view.PlaneShown, 1);
        // Turning the view by a rotate drag shows all planes in 3-D.
        ArmRotate(view);
        MouseDown(model, Projection(), view, Qt::LeftButton, 10, 10);
        MouseMove(view, area, 10, 10);
        QCOMPARE(view.PlaneAxis, kPlaneAxisZ); // not moved yet
        MouseMove(view, area, 30, 10);
        QCOMPARE(view.PlaneAxis, kNoPlaneAxis);
        QCOMPARE(view.PlaneShown, 0);
    }

    void cursorCoordinatesInPlanAndElevations()
    {
        Model model = TwoStoreys();
        ViewState view;
        view.Scale = 2;
        view.PanX = 10;
        view.PanY = -20;
        const ViewArea area{400, 300};
        // Pixel (250, 100) is u = 50 x 2 + 10 = 110, w = -50 x 2 - 20 = -120.
        const std::pair<std::int32_t, const char*> cases[] = {{kPlaneAxisZ, "X 110.000  Y 120.000"},
                                                              {kPlaneAxisY, "X 110.000  Z 120.000"},
                                                              {kPlaneAxisX, "Y -110.000  Z 120.000"}};
        for (const auto& [axis, text] : cases) {
            view.PlaneAxis = axis;
            QCOMPARE(CursorStatusText(model, view, area, 250, 100).value_or("none"), QString(text));
        }
        view.PlaneAxis = kPlaneAxisZ;
        view.PlaneShown = 2;
        QCOMPARE(*CursorStatusText(model, view, area, 250, 100), QString("X 110.000  Y 120.000  Z 100.000"));
        // Each coordinate in the length unit the file names.
        Model inMetres = model;
        inMetres.Units = {"M", "KN"};
        QCOMPARE(*CursorStatusText(inMetres, view, area, 250, 100), QString("X 110.000 m  Y 120.000 m  Z 100.000 m"));
        view.PlaneAxis = kNoPlaneAxis;
        QVERIFY(!CursorStatusText(model, view, area, 250, 100));
        // Round trip: the model point under a joint's pixel is the joint.
        SetStandardView(model, kNoResults, view, StandardView::XZ, area);
        Projection at;
        Paint(model, view, 400, 300, &at);
        const Joint& j = model.Joints[4];
        const ScreenPoint p = at.joints[4];
        QCOMPARE(*CursorStatusText(model, view, area, p.x, p.y), QString("X %1  Z %2").arg(
            QString::number(j.x + ((p.x - 200.0) * view.Scale + view.PanX - j.x), 'f', 3),
            QString::number(-((p.y - 150.0) * view.Scale + view.PanY), 'f', 3)));
        QVERIFY(qAbs(((p.x - 200.0) * view.Scale + view.PanX) - j.x) <= view.Scale);
        QVERIFY(qAbs(-((p.y - 150.0) * view.Scale + view.PanY) - j.z) <= view.Scale);
    }

    void middleDragPansAndShiftOrCtrlRotatesInAnyMode()
    {
        Model model = TwoStoreys();
        const ViewArea area{400, 300};
        for (const std::int32_t mode : {kMouseNone, kSelectElement, kMouseIdle, kRotateArmed, kPanArmed}) {
            ViewState view;
            view.MouseMode = mode;
            MouseDown(model, Projection(), view, Qt::MiddleButton, 100, 100);
            MouseMove(view, area, 110, 95);
            QVERIFY(MouseUp(view, area, 120, 90).redraw);
            QCOMPARE(view.PanX, -20 * 5.0);
            QCOMPARE(view.PanY, 10 * 5.0);
            QCOMPARE(view.MouseMode, mode); // the mode is kept
            QCOMPARE(view.Gesture, DragGesture::None);
            QCOMPARE(view.SelectedFrame, 0); // a middle press in select mode picks nothing
            for (const auto& [button, modifiers] : {std::pair{Qt::MiddleButton, Qt::KeyboardModifiers(Qt::ShiftModifier)},
                                                    std::pair{Qt::LeftButton, Qt::KeyboardModifiers(Qt::ControlModifier)}}) {
                ViewState turned;
                turned.MouseMode = mode;
                MouseDown(model, Projection(), turned, button, 100, 100, modifiers);
                MouseUp(turned, area, 140, 100);
                QCOMPARE(turned.PlanAngle, 40.0 / 400 * 180);
                QCOMPARE(turned.PanX, 0.0);
                QCOMPARE(turned.MouseMode, mode);
            }
        }
        // Moves after the release change nothing.
        ViewState view;
        MouseDown(model, Projection(), view, Qt::MiddleButton, 0, 0);
        MouseUp(view, area, 0, 0);
        QVERIFY(!MouseMove(view, area, 50, 50).redraw);
    }

    void arrowKeysPanATenthOfTheArea()
    {
        const ViewArea area{400, 300};
        const struct {
            PanDirection direction;
            double panX, panY;
        } cases[] = {{PanDirection::Left, 80, 0}, {PanDirection::Right, -80, 0}, {PanDirection::Up, 0, 60}, {PanDirection::Down, 0, -60}};
        for (const auto& c : cases) {
            ViewState view;
            view.Scale = 2;
            QVERIFY(PanByKey(view, area, c.direction).redraw);
            QCOMPARE(view.PanX, c.panX);
            QCOMPARE(view.PanY, c.panY);
        }
        // Left moves the picture left: a joint's pixel moves by -40.
        Model model = ModelWithJoints({{0, 0, 0}});
        ViewState view;
        view.Scale = 2;
        Projection at;
        ProjectJoints(model, kNoResults, view, area, at);
        const int before = at.joints[1].x;
        PanByKey(view, area, PanDirection::Left);
        ProjectJoints(model, kNoResults, view, area, at);
        QCOMPARE(at.joints[1].x, before - 40);
    }

    void triadShowsTheThreeAxesInTheirColours()
    {
        Model model = ModelWithJoints({{0, 0, 0}});
        ViewState view;
        view.Scale = 1;
        view.ShowLegend = false;
        view.LayerFlags.ShowNodes = false;
        const int ox = kTriadMargin, oy = 300 - kTriadMargin;
        const QColor x = Colour(kTriadColourX), y = Colour(kTriadColourY), z = Colour(kTriadColourZ);
        // Plan: X to the right, Y up, Z towards the viewer (a circle with a dot).
        QImage plan = Paint(model, view);
        QVERIFY(CountPixels(plan, x, ox + 5, oy - 1, ox + kTriadLength, oy + 1) > 15);
        QVERIFY(CountPixels(plan, y, ox - 1, oy - kTriadLength, ox + 1, oy - 5) > 15);
        QVERIFY(CountPixels(plan, z, ox - 6, oy - 6, ox + 7, oy + 7) > 10);
        QCOMPARE(PixelAt(plan, ox, oy), z);
        QCOMPARE(CountPixels(plan, z, ox - 1, oy - kTriadLength, ox + 1, oy - 8), 0);
        // XZ elevation: X right, Z up, Y away (a cross).
        view.TiltAngle = -90;
        QImage elevation = Paint(model, view);
        QVERIFY(CountPixels(elevation, z, ox - 1, oy - kTriadLength, ox + 1, oy - 5) > 15);
        QVERIFY(CountPixels(elevation, x, ox + 5, oy - 1, ox + kTriadLength, oy + 1) > 15);
        QCOMPARE(PixelAt(elevation, ox + 2, oy + 2), y);
        // Switched off, or with no model: no triad.
        view.ShowAxisTriad = false;
        QCOMPARE(CountPixels(Paint(model, view), x, 0, 200, 100, 300), 0);
        view.ShowAxisTriad = true;
        Model empty;
        QCOMPARE(CountPixels(Paint(empty, view), x, 0, 200, 100, 300), 0);
    }

    void legendListsTheColoursInUse()
    {
        Model model = TwoStoreys();
        model.FrameSections[1].name = "NCOL";
        model.FrameSections[2].name = "RSPRING";
        model.FrameSections[2].elementKind = kRotationalSpring;
        model.FrameSections[3].name = "BEAM";
        model.Joints[1].restraint = {0, 1, 1, 1, 1, 1, 1};
        model.Joints[2].restraint = {0, 1, 1, 1, 0, 0, 0};
        model.Units = {"M", "KN"};
        model.LoadCaseNames = {"", "DEAD"};
        model.LoadCaseCount = 1;
        ViewState view = Plan();
        const auto texts = [&] { return LegendTexts(model, view); };
        QCOMPARE(texts(), QStringList({"Support, 3 of 6 DOF fixed", "Support, fixed", "NCOL", "RSPRING (spring)", "BEAM"}));
        view.PlaneShown = 2; // Z = 100: no supports, only the blue beam
        QCOMPARE(texts(), QStringList({"RSPRING (spring)"}));
        view.PlaneShown = 0;
        view.LayerFlags.ShowSupports = false;
        view.LayerFlags.ShowHingeCircles = true;
        view.HingeMin = 0;
        view.HingeMax = 12;
        view.LoadCaseShown = 1;
        view.LoadTypeShown = kShowPointForces;
        Load force;
        force.target = 1;
        force.loadType = kJointForce;
        force.loadCase = 1; // DEAD
        force.value = {0, 0, 0, -5, 0, 0, 0};
        Append(model.Loads, force);
        QCOMPARE(texts().mid(3), QStringList({"Section results", "below 3", "3 to 5", "5 to 7", "7 to 9", "9 to 11",
                                              "above 11", "Load case DEAD", "Point force", "Loads in kN, kN·m, kN/m"}));
        model.Loads[1].value[5] = 2; // a moment too
        QCOMPARE(texts().mid(11, 2), QStringList({"Point force", "Point moment"}));
        view.LoadDisplay = LoadStyle::TextLabels; // the text labels have no colours to explain
        QCOMPARE(texts().mid(10), QStringList({"Load case DEAD", "Loads in kN, kN·m, kN/m"}));
        view.LoadDisplay = LoadStyle::Arrows;
        // Painted in the upper-right corner, in the section colours.
        view.ShowLegend = true;
        const QImage image = Paint(model, view, 600, 400);
        QVERIFY(CountPixels(image, QColor(0, 0, 255), 380, 8, 600, 60) > 5);
        QVERIFY(CountPixels(image, QColor(255, 255, 255), 380, 8, 600, 60) > 500);
        view.ShowLegend = false;
        QCOMPARE(CountPixels(Paint(model, view, 600, 400), QColor(0, 0, 255), 380, 8, 600, 60), 0);
    }

    void aLegendTooLongForTheAreaIsCut()
    {
        Model model = ModelWithJoints({{0, 0, 0}, {10, 0, 0}});
        for (int k = 0; k < 40; ++k) {
            const std::int32_t s = AddFrameSection(model, RgbColour(k, 0, 0));
            model.FrameSections[s].name = "S" + std::to_string(k);
            AddFrame(model, 1, 2, s);
        }
        ViewState view = Plan();
        view.ShowLegend = true;
        const QImage image = Paint(model, view, 300, 150); // room for a few rows: nothing breaks
        QCOMPARE(PixelAt(image, 299, 149), QColor(0, 0, 0));
        QCOMPARE(LegendEntries(model, view, PlaneFilter(model, view)).size(), std::size_t{40});
    }
};

QTEST_MAIN(PlanesTest)
#include "PlanesTest.moc"
