// The deformed picture: the undeformed outline in light grey under it, shells
// and solids moving with their joints, the result caption, and the drag
// picture painting the same.
#include "ViewTestModels.h"

#include "view/DragPicture.h"
#include "view/Navigation.h"
#include "view/Redraw.h"
#include "view/UndeformedOutline.h"

#include <QTest>

using namespace mirelo;
using namespace mirelo::test;

namespace {

const QSize kArea(400, 300);
const QColor kGrey = Colour(kUndeformedColour);
const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);

// The plan at Scale 1 centred on the origin: model (x, y) at pixel (200 + x, 150 - y).
ViewState PlanView()
{
    ViewState view;
    view.Scale = 1;
    view.DeformScale = 1;
    view.LayerFlags.ShowNodes = view.LayerFlags.ShowSupports = false;
    view.ShowLegend = view.ShowAxisTriad = false;
    view.ShowResultCaption = false;
    return view;
}

// Every joint moved by (dx, dy, 0) at step 3 of 5.
ResultSet Moved(const Model& model, double dx, double dy)
{
    ResultSet results;
    results.loaded = {LoadedResults::Kind::LoadStep, "run", 3, 5, 0, 0.6, false};
    for (std::int32_t k = 1; k <= model.Joints.count; ++k)
        results.joints.values.insert(results.joints.values.end(), {dx, dy, 0});
    return results;
}

QImage Draw(const Model& model, const ResultSet& results, const ViewState& view)
{
    QImage image = NewCanvasImage(kArea);
    Projection at;
    Redraw(model, results, view, image, at);
    return image;
}

// A cube of side 100 from the origin: in the plan its two faces coincide.
Model Cube()
{
    Model model = ModelWithJoints({{0, 0, 0}, {100, 0, 0}, {100, 100, 0}, {0, 100, 0},
                                   {0, 0, 100}, {100, 0, 100}, {100, 100, 100}, {0, 100, 100}});
    Solid solid;
    for (std::int32_t k = 1; k <= 8; ++k)
        solid.joints[static_cast<std::size_t>(k)] = k;
    Append(model.Solids, solid);
    return model;
}

} // namespace

class DeformedPictureTest : public QObject {
    Q_OBJECT

private slots:
    void theUndeformedFrameIsLightGreyUnderTheDeformedOne()
    {
        Model model = ModelWithJoints({{0, 0, 0}, {100, 0, 0}});
        AddFrame(model, 1, 2, AddFrameSection(model, RgbColour(255, 0, 0)));
        ResultSet results = Moved(model, 0, 0);
        results.joints.values[4] = 50; // joint 2 to (100, 50): the frame runs up to pixel (300, 100)
        const ViewState view = PlanView();
        const QImage picture = Draw(model, results, view);
        QCOMPARE(PixelAt(picture, 280, 150), kGrey);
        QVERIFY(CountPixels(picture, QColor(255, 0, 0), 278, 104, 283, 116) > 0); // y = 110 at x = 280
        QCOMPARE(PixelAt(picture, 150, 150), kWhite);

        const struct {
            const char* what;
            std::function<void(ViewState&, ResultSet&)> change;
            QColor atRest; // the undeformed place at (280, 150)
        } cases[] = {
            {"outline off", [](ViewState& v, ResultSet&) { v.ShowUndeformed = false; }, kWhite},
            {"scale 0: the frame itself", [](ViewState& v, ResultSet&) { v.DeformScale = 0; }, QColor(255, 0, 0)},
            {"nothing loaded", [](ViewState&, ResultSet& r) { r = {}; }, QColor(255, 0, 0)},
            {"results of another model", [](ViewState&, ResultSet& r) { r.joints.values.resize(3); }, QColor(255, 0, 0)},
        };
        for (const auto& c : cases) {
            ViewState v = view;
            ResultSet r = results;
            c.change(v, r);
            const QImage other = Draw(model, r, v);
            QVERIFY2(PixelAt(other, 280, 150) == c.atRest, c.what);
            QVERIFY2(CountPixels(other, kGrey, 0, 80, kArea.width(), kArea.height()) == 0, c.what); // under the banner
        }
    }

    void shellsAndSolidsMoveWithTheirJoints()
    {
        Model shellModel = ModelWithJoints({{0, 0, 0}, {100, 0, 0}, {100, 100, 0}, {0, 100, 0}});
        ShellSection section;
        section.shellKind = 1;
        section.colour = RgbColour(0, 128, 255);
        Append(shellModel.ShellSections, section);
        Shell shell;
        shell.section = 1;
        shell.joints = {0, 1, 2, 3, 4};
        Append(shellModel.Shells, shell);
        // 60 to the right: the left edge from x = 200 to 260, the right one from 300 to 360.
        const QImage shellPicture = Draw(shellModel, Moved(shellModel, 60, 0), PlanView());
        QCOMPARE(PixelAt(shellPicture, 200, 100), kGrey);
        QCOMPARE(PixelAt(shellPicture, 260, 100), kBlack);
        QCOMPARE(PixelAt(shellPicture, 360, 100), kBlack);

        // The cube 60 down the screen: its far edge from y = 50 to 110.
        const Model cube = Cube();
        const QImage solidPicture = Draw(cube, Moved(cube, 0, -60), PlanView());
        QCOMPARE(PixelAt(solidPicture, 250, 50), kGrey);
        QCOMPARE(PixelAt(solidPicture, 250, 110), kBlack);
        QCOMPARE(PixelAt(solidPicture, 250, 210), kBlack);
    }

    void zoomAllFitsTheOutlineToo()
    {
        Model model = ModelWithJoints({{0, 0, 0}, {100, 0, 0}});
        AddFrame(model, 1, 2, AddFrameSection(model, RgbColour(255, 0, 0)));
        const ResultSet results = Moved(model, 1000, 0); // drawn at 1000 to 1100, its outline at 0 to 100
        for (const bool outline : {true, false}) {
            ViewState view = PlanView();
            view.ShowUndeformed = outline;
            ZoomAll(model, results, view, {kArea.width(), kArea.height()});
            const Projector projector(view, {kArea.width(), kArea.height()});
            const ScreenPoint moved = projector.Project(1100, 0, 0), rest = projector.Project(0, 0, 0);
            QVERIFY(moved.x > 0 && moved.x < kArea.width());
            QCOMPARE(rest.x >= 0 && rest.x < kArea.width(), outline);
        }
    }

    void theCaptionIsPaintedAndTheDragPictureShowsTheSame()
    {
        const Model cube = Cube();
        const ResultSet results = Moved(cube, 0, -60);
        ViewState view = PlanView();
        // Inside the area's black border.
        QCOMPARE(CountDarkPixels(Draw(cube, results, view), 200, 250, 399, 299), 0);
        view.ShowResultCaption = true;
        const QImage full = Draw(cube, results, view);
        QVERIFY(CountDarkPixels(full, 200, 250, 399, 299) > 100); // two lines in the lower-right corner
        QCOMPARE(CountDarkPixels(full, 1, 250, 60, 299), 0);      // right-aligned
        DragPicture drag(cube, results, view, kArea);
        QImage step = NewCanvasImage(kArea);
        drag.Paint(view, step);
        QCOMPARE(step, full);
    }
};

QTEST_MAIN(DeformedPictureTest)
#include "DeformedPictureTest.moc"
