// The drag picture against Redraw: the same pixels where it paints the same
// layers; with shells on, it differs only where Redraw hatches them, and with
// the hatching it paints Redraw's full picture.
#include "ViewTestModels.h"

#include "common/Errors.h"
#include "model/ImportS2k.h"
#include "view/DragPicture.h"
#include "view/FullPicture.h"
#include "view/Navigation.h"
#include "view/Redraw.h"

#include <QTest>

#include <algorithm>
#include <atomic>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

using namespace mirelo;
using namespace mirelo::test;

namespace {

constexpr ViewArea kArea{640, 400};

Model Example(const char* name)
{
    return ImportS2kFile(std::string(MIRELO_SOURCE_DIR) + "/examples/" + name).model;
}

struct Camera {
    const char* name;
    double plan, tilt;
    double zoom;         // Scale after Zoom All is divided by this
    double panX, panY;   // then moved by these many pixels
};

// Plan, elevation, turned and isometric views; close-ups whose lines reach far
// beyond the area (clipped) and a view wholly beside the model.
const Camera kCameras[] = {
    {"plan", 0, 0, 1, 0, 0},
    {"elevation", 0, -90, 1, 0, 0},
    {"turned", 30, -60, 1, 0, 0},
    {"isometric", kIsometricPlanAngle, kIsometricTiltAngle, 1, 0, 0},
    {"close-up", 30, -60, 400, 37, -11},
    {"far close-up", 200, -20, 1e5, 3, 5},
    {"beside", 30, -60, 1, 5000, 0},
};

const char* const kExamples[] = {"rc-frame-building.s2k", "portal-frame-spring-bases.s2k", "solid-block.s2k",
                                 "column-on-footing.s2k"};

const ResultSet kNoResults;

ViewState Aimed(const Model& model, ViewState view, const Camera& camera)
{
    view.PlanAngle = camera.plan;
    view.TiltAngle = camera.tilt;
    view.PlaneAxis = kNoPlaneAxis;
    ZoomAll(model, kNoResults, view, kArea);
    view.Scale /= camera.zoom;
    view.PanX += camera.panX * view.Scale;
    view.PanY += camera.panY * view.Scale;
    return view;
}

QImage PaintRedraw(const Model& model, const ViewState& view, const ResultSet& results = kNoResults)
{
    QImage image = NewCanvasImage(QSize(kArea.width, kArea.height));
    Projection at;
    Redraw(model, results, view, image, at);
    return image;
}

QImage PaintDrag(const Model& model, const ViewState& view,
                 DragPicture::Hatching hatching = DragPicture::Hatching::Off, const ResultSet& results = kNoResults)
{
    QImage image = NewCanvasImage(QSize(kArea.width, kArea.height));
    DragPicture picture(model, results, view, image.size());
    picture.Paint(view, image, hatching);
    return image;
}

// Section values of step 2 from -1.5 to 1.5 along the frames, every colour
// class of the range -1 .. 1 among them.
ResultSet SectionMarks(const Model& model)
{
    ResultSet results;
    results.loaded.kind = LoadedResults::Kind::LoadStep;
    results.loaded.step = results.sections.step = 2;
    for (std::int32_t k = 1; k <= model.Frames.count; ++k) {
        const double t = 3.0 * k / std::max(model.Frames.count, 1) - 1.5;
        results.sections.atI.push_back(t);
        results.sections.atJ.push_back(-t);
    }
    results.generation = 1;
    return results;
}

// Two shells of different colours over each other, the second turned, and a
// frame across them: every shell edge crosses the middle of the area, where
// the drag picture's two bands meet.
Model CrossingShells()
{
    Model model = ModelWithJoints({{-50, -50, 0}, {50, -50, 0}, {50, 50, 0}, {-50, 50, 0},
                                   {0, -70, 0}, {70, 0, 0}, {0, 70, 0}, {-70, 0, 0}});
    for (const std::int32_t colour : {RgbColour(0, 94, 31), RgbColour(200, 30, 90)}) {
        ShellSection section;
        section.shellKind = 1;
        section.colour = colour;
        Append(model.ShellSections, section);
    }
    for (const std::int32_t first : {1, 5}) {
        Shell shell;
        shell.section = first == 1 ? 1 : 2;
        shell.joints = {0, first, first + 1, first + 2, first + 3};
        Append(model.Shells, shell);
    }
    AddFrame(model, 8, 6, AddFrameSection(model, RgbColour(0, 0, 255)));
    return model;
}

bool SameProjection(const Projection& a, const Projection& b)
{
    return a.joints == b.joints && a.frameMids == b.frameMids && a.frameAxes == b.frameAxes &&
           a.hingesI == b.hingesI && a.hingesJ == b.hingesJ;
}

bool OnHatch(int x, int y)
{
    return (x - y) % 8 == 0 || (x + y) % 8 == 0;
}

} // namespace

class DragPictureTest : public QObject {
    Q_OBJECT

private slots:
    void samePixelsAsRedrawWithoutShells()
    {
        for (const char* example : kExamples) {
            Model model = Example(example);
            ViewState start;
            start.LayerFlags.ShowShells = false;
            start.SelectedFrame = model.Frames.count; // the highlight too
            for (const Camera& camera : kCameras) {
                const ViewState view = Aimed(model, start, camera);
                const QImage expected = PaintRedraw(model, view);
                QVERIFY2(PaintDrag(model, view) == expected, (std::string(example) + ", " + camera.name).c_str());
            }
        }
    }

    void shellsDifferOnlyByTheirHatching()
    {
        // Tolerance: a pixel may differ only on the hatch's lattice (lines at 45
        // degrees every 8 pixels), where Redraw hatched a shell or blended a
        // label's edge with the hatch; the outlines are the same.
        Model model = Example("rc-frame-building.s2k");
        QVERIFY(model.Shells.count > 0);
        for (const Camera& camera : kCameras) {
            const ViewState view = Aimed(model, ViewState{}, camera);
            const QImage expected = PaintRedraw(model, view);
            const QImage drag = PaintDrag(model, view);
            int differing = 0;
            for (int y = 0; y < kArea.height; ++y)
                for (int x = 0; x < kArea.width; ++x) {
                    if (drag.pixel(x, y) == expected.pixel(x, y))
                        continue;
                    ++differing;
                    QVERIFY2(OnHatch(x, y), camera.name);
                }
            if (std::string(camera.name) == "plan")
                QVERIFY(differing > 0); // the floors are hatched in the full picture
        }
    }

    void withTheHatchingItPaintsRedrawsPixels()
    {
        // The examples from every camera, and shells over each other whose
        // corners lie far outside the area in the close-ups (clipped first).
        std::vector<std::pair<std::string, Model>> models;
        for (const char* example : kExamples)
            models.emplace_back(example, Example(example));
        models.emplace_back("crossing shells", CrossingShells());
        // Each also with the first load case's point and distributed loads as
        // arrows (with their labels), over everything but the triad and legend,
        // with section marks at the frames' ends (also as the only layer before
        // the springs, whose discs are then filled because of them), and with
        // the frames' local axes and the diaphragms.
        enum class Extra { None, PointLoads, LineLoads, SectionMarks, MarksBeforeSprings, AxesAndDiaphragms };
        for (const auto& [name, model] : models) {
            for (const Extra extra :
                 {Extra::None, Extra::PointLoads, Extra::LineLoads, Extra::SectionMarks, Extra::MarksBeforeSprings,
                  Extra::AxesAndDiaphragms}) {
                const bool marks = extra == Extra::SectionMarks || extra == Extra::MarksBeforeSprings;
                ViewState start;
                start.SelectedFrame = model.Frames.count;
                start.LoadCaseShown = extra == Extra::PointLoads || extra == Extra::LineLoads ? 1 : 0;
                start.LoadTypeShown = extra == Extra::PointLoads  ? kShowPointForces
                                      : extra == Extra::LineLoads ? kShowElementLoads
                                                                  : kShowNoLoadType;
                start.LayerFlags.ShowHingeCircles = marks;
                start.LayerFlags.ShowFrameAxes = start.LayerFlags.ShowDiaphragms = extra == Extra::AxesAndDiaphragms;
                if (extra == Extra::MarksBeforeSprings)
                    start.LayerFlags.ShowNodes = start.LayerFlags.ShowSupports = start.LayerFlags.ShowShells = false;
                start.HingeMin = -1;
                start.HingeMax = 1;
                const ResultSet results = marks ? SectionMarks(model) : ResultSet{};
                for (const Camera& camera : kCameras) {
                    const ViewState view = Aimed(model, start, camera);
                    const std::string where = name + ", " + camera.name + ", extra " + std::to_string(int(extra));
                    const DragPicture picture(model, results, view, QSize(kArea.width, kArea.height));
                    QVERIFY2(picture.PaintsAll(model, results, view, QSize(kArea.width, kArea.height)), where.c_str());
                    QImage drag = NewCanvasImage(QSize(kArea.width, kArea.height));
                    picture.Paint(view, drag, DragPicture::Hatching::On);
                    QVERIFY2(drag == PaintRedraw(model, view, results), where.c_str());
                    if (name == "rc-frame-building.s2k" && camera.name == std::string("turned") && extra != Extra::None) {
                        ViewState bare = view; // the arrows or marks are there
                        bare.LoadCaseShown = 0;
                        bare.LayerFlags.ShowHingeCircles = false;
                        bare.LayerFlags.ShowFrameAxes = bare.LayerFlags.ShowDiaphragms = false;
                        QVERIFY2(drag != PaintDrag(model, bare, DragPicture::Hatching::On, results), where.c_str());
                    }
                }
            }
        }
    }

    void sectionMarksWithoutAColourRangeLeaveTheFullPictureToRedraw()
    {
        // HingeMin = HingeMax gives no colour: Redraw raises its error, and
        // the drag picture shows the model without marks meanwhile.
        const Model model = Example("rc-frame-building.s2k");
        ViewState view = Aimed(model, ViewState{}, kCameras[2]);
        view.LayerFlags.ShowHingeCircles = true;
        view.HingeMin = view.HingeMax = 0.5;
        const ResultSet results = SectionMarks(model);
        const QSize size(kArea.width, kArea.height);
        const DragPicture picture(model, results, view, size);
        QVERIFY(!picture.PaintsAll(model, results, view, size));
        QImage image = NewCanvasImage(size);
        picture.Paint(view, image); // no error while dragging
        Projection at;
        const std::atomic<bool> go{false};
        QVERIFY_THROWS_EXCEPTION(FloatingPointError, PaintFullPicture(&picture, model, results, view, image, at, go));
    }

    void theFullPictureIsRedrawsWhicheverPaintsIt()
    {
        // Through the drag picture where it paints all the view shows, else
        // through Redraw: the same pixels and the same projection for picking.
        const Model model = Example("rc-frame-building.s2k");
        const ViewState start = Aimed(model, ViewState{}, kCameras[2]);
        const QSize size(kArea.width, kArea.height);
        const DragPicture built(model, kNoResults, start, size);
        const DragPicture otherSize(model, kNoResults, start, QSize(kArea.width, kArea.height + 8));
        struct Case {
            const char* name;
            void (*change)(ViewState&);
            const DragPicture* picture;
            bool throughDrag;
        };
        const Case cases[] = {
            {"start-up layers", [](ViewState&) {}, &built, true},
            {"panned since the build", [](ViewState& v) { v.PanX += 30 * v.Scale; }, &built, true},
            {"node labels", [](ViewState& v) { v.LayerFlags.ShowNodeLabels = true; }, &built, false},
            {"shell labels", [](ViewState& v) { v.LayerFlags.ShowShellLabels = true; }, &built, false},
            {"frame axes", [](ViewState& v) { v.LayerFlags.ShowFrameAxes = true; }, &built, false},
            {"loads as text", [](ViewState& v) { v.LoadCaseShown = 1, v.LoadDisplay = LoadStyle::TextLabels; }, &built, false},
            {"shells off since the build", [](ViewState& v) { v.LayerFlags.ShowShells = false; }, &built, false},
            {"built for another size", [](ViewState&) {}, &otherSize, false},
            {"no drag picture", [](ViewState&) {}, nullptr, false},
        };
        for (const Case& c : cases) {
            ViewState view = start;
            c.change(view);
            QCOMPARE(c.picture && c.picture->PaintsAll(model, kNoResults, view, size), c.throughDrag);
            QImage expected = NewCanvasImage(size);
            Projection expectedAt;
            Redraw(model, kNoResults, view, expected, expectedAt);
            QImage image = NewCanvasImage(size);
            Projection at;
            const std::atomic<bool> go{false};
            QVERIFY2(PaintFullPicture(c.picture, model, kNoResults, view, image, at, go), c.name);
            QVERIFY2(image == expected, c.name);
            QVERIFY2(SameProjection(at, expectedAt), c.name);
            const std::atomic<bool> stop{true};
            QVERIFY2(!PaintFullPicture(c.picture, model, kNoResults, view, image, at, stop), c.name);
        }
    }

    void followsTheCameraUntilTheViewChangesOtherwise()
    {
        Model model = Example("rc-frame-building.s2k");
        ViewState view = Aimed(model, ViewState{}, kCameras[2]);
        QImage image = NewCanvasImage(QSize(kArea.width, kArea.height));
        DragPicture picture(model, kNoResults, view, image.size());
        // Steps of a pan and a rotation: each paints what Redraw would, bar the hatching.
        view.LayerFlags.ShowShells = false;
        DragPicture bare(model, kNoResults, view, image.size());
        for (const auto& [dx, dy, dPlan] : {std::tuple{40.0, -25.0, 0.0}, {0.0, 0.0, 17.0}, {-3.0, 9.0, -50.0}}) {
            view.PanX += dx * view.Scale;
            view.PanY += dy * view.Scale;
            view.PlanAngle += dPlan;
            QVERIFY(bare.Fits(model, kNoResults, view, image.size()));
            bare.Paint(view, image);
            QCOMPARE(image, PaintRedraw(model, view));
        }
        QVERIFY(!picture.Fits(model, kNoResults, view, image.size())); // shells switched off since
        QVERIFY(!bare.Fits(model, kNoResults, view, QSize(kArea.width + 1, kArea.height)));
        ViewState plane = view;
        plane.PlaneAxis = kPlaneAxisZ;
        plane.PlaneShown = 2;
        QVERIFY(!bare.Fits(model, kNoResults, plane, image.size()));
        ViewState arrows = view; // shown, by another picture
        arrows.LoadCaseShown = 1;
        arrows.LoadTypeShown = kShowPointForces;
        QVERIFY(!bare.Fits(model, kNoResults, arrows, image.size()));
        ViewState axes = view;
        axes.LayerFlags.ShowFrameAxes = true;
        QVERIFY(!bare.Fits(model, kNoResults, axes, image.size()));
        ResultSet reloaded; // another load of results, at the same scale
        reloaded.generation = kNoResults.generation + 1;
        QVERIFY(!bare.Fits(model, reloaded, view, image.size()));
        const Model copy = model; // another model, though alike
        QVERIFY(!bare.Fits(copy, kNoResults, view, image.size()));
        model.Loads.Reset(model.Loads.count - 1); // the same one, changed since
        QVERIFY(!bare.Fits(model, kNoResults, view, image.size()));
    }

    void emptyAndBrokenModelsPaintTheBanner()
    {
        // No joints; and elements naming joints outside the table, which are left out.
        Model empty;
        QCOMPARE(PaintDrag(empty, ViewState{}), PaintRedraw(empty, ViewState{}));
        Model broken = Example("rc-frame-building.s2k");
        broken.Frames[1].jointJ = broken.Joints.count + 5;
        broken.Shells[1].joints[2] = -3;
        const ViewState view = Aimed(broken, ViewState{}, kCameras[2]);
        ViewState bare = view;
        bare.LayerFlags.ShowShells = false;
        QCOMPARE(PaintDrag(broken, bare), PaintRedraw(broken, bare));
    }

    void otherSizesAndFormatsAreSafe()
    {
        // A canvas of another size than at the build gets its own banner; an
        // image of another format is refused, not painted out of bounds.
        Model model = Example("portal-frame-spring-bases.s2k");
        ViewState view = Aimed(model, ViewState{}, kCameras[2]);
        DragPicture picture(model, kNoResults, view, QSize(50, 30));
        QImage canvas = NewCanvasImage(QSize(kArea.width, kArea.height));
        picture.Paint(view, canvas);
        QCOMPARE(canvas, PaintDrag(model, view));
        QImage other(kArea.width, kArea.height, QImage::Format_RGB888);
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, picture.Paint(view, other));
    }
};

QTEST_MAIN(DragPictureTest)

#include "DragPictureTest.moc"
