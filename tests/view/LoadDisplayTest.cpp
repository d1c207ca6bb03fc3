// Load display: the units of the labels, the text labels of the example
// building, and the arrows of point and distributed loads.

#include "ViewTestModels.h"
#include "model/ImportS2k.h"
#include "view/Canvas.h"
#include "view/DrawLayers.h"
#include "view/LoadArrows.h"
#include "view/LoadUnits.h"
#include "view/Navigation.h"
#include "view/Redraw.h"

#include <QTest>

#include <tuple>

using namespace mirelo;
using namespace mirelo::test;

namespace {

const QColor kForce = Colour(kForceArrowColour);
const QColor kLineLoad = Colour(kLineLoadArrowColour);
const QColor kCell(240, 240, 240);

ViewState BareView()
{
    ViewState view;
    view.Scale = 1;
    view.ShowAxisTriad = false;
    view.ShowLegend = false;
    view.LayerFlags = LayerSwitches{false, false, false, false, false, false, false,
                                    false, false, false, false, false, false};
    return view;
}

// The XZ elevation at Scale 1 on 400 x 300: model (x, y, z) lands on (200 + x, 150 - z).
ViewState Elevation()
{
    ViewState view = BareView();
    view.TiltAngle = -90;
    return view;
}

const ResultSet kNoResults;

// The picture, and in `at` (when given) where it put the joints.
QImage Paint(const Model& model, const ViewState& view, int width = 400, int height = 300, Projection* at = nullptr)
{
    QImage image = NewCanvasImage(QSize(width, height));
    Projection drawn;
    Redraw(model, kNoResults, view, image, at ? *at : drawn);
    return image;
}

// Whether the picture holds `text` as a label cell with its top-left corner at
// (x, y): the same text painted alone there must give the same pixels.
bool LabelReads(const QImage& image, int x, int y, const QString& text, int points, QColor cell)
{
    QImage reference = image.copy();
    int width = 0, height = 0;
    {
        Canvas canvas(reference, LabelFontFamily());
        canvas.SetBrushStyle(BrushStyle::Solid);
        canvas.SetBrushColour(RgbColour(cell.red(), cell.green(), cell.blue()));
        canvas.SetFontColour(0);
        canvas.SetFontSize(points);
        width = canvas.TextWidth(text);
        height = canvas.TextHeight();
        canvas.TextOut(x, y, text);
    }
    return image.copy(x, y, width, height) == reference.copy(x, y, width, height);
}

Model KnMetreModel(const std::vector<Point3>& joints)
{
    Model model = ModelWithJoints(joints);
    model.Units = {"M", "KN"};
    model.LoadCaseNames = {"", "DEAD", "WIND"};
    model.LoadCaseCount = 2;
    return model;
}

void AddPointLoad(Model& model, std::int32_t joint, std::array<double, 7> value, std::uint16_t loadCase = 1 /* DEAD */)
{
    Load load;
    load.target = joint;
    load.loadType = kJointForce;
    load.loadCase = loadCase;
    load.value = value;
    Append(model.Loads, load);
}

// Pixels of `colour` in the column x - 1 .. x + 1 between rows y0 and y1.
int ColumnPixels(const QImage& image, QColor colour, int x, int y0, int y1)
{
    return CountPixels(image, colour, x - 1, y0, x + 2, y1);
}

} // namespace

class LoadDisplayTest : public QObject {
    Q_OBJECT

private slots:
    void labelsAreInKilonewtonsFromTheFilesUnits()
    {
        struct Case {
            ModelUnits units;
            std::array<double, 7> value; // forces and moments of one point load
            const char* force;
            const char* moment;
            double lineLoad; // 1 unit of line load shown as
            const char* lineUnit;
        };
        const Case cases[] = {
            {{"MM", "N"}, {0, 1400, 2600, 0, 0, 2.6e6, 0}, "1,3,0", "0,3,0", 1, "kN/m"},   // N and mm: divided by 1000 and 10^6
            {{"", ""}, {0, 1400, 2600, 0, 0, 2.6e6, 0}, "1,3,0", "0,3,0", 1, "kN/m"},      // no units: N and mm
            {{"M", "KN"}, {0, 0, 0, -12, 0, 7.4, 0}, "0,0,-12", "0,7,0", 1, "kN/m"},        // as they stand
            {{"m", "kn"}, {0, 0, 0, -12, 0, 0, 0}, "0,0,-12", "0,0,0", 1, "kN/m"},          // any letter case
            {{"CM", "KN"}, {0, 5, 0, 0, 0, 0, 300}, "5,0,0", "0,0,3", 100, "kN/m"},          // 300 kN cm = 3 kN m
            {{"FT", "KIP"}, {0, 10, 0, 0, 10, 0, 0}, "44,0,0", "14,0,0", 14.594, "kN/m"},   // 4.448 kN, 1.356 kN m
            {{"M", "TONF"}, {0, 0, 0, -2, 0, 0, 0}, "0,0,-20", "0,0,0", 9.807, "kN/m"},
        };
        for (const Case& c : cases) {
            const LoadUnits units = LoadUnitsOf(c.units);
            Load load;
            load.value = c.value;
            QCOMPARE(ForceLabel(load, units), QString(c.force));
            QCOMPARE(MomentLabel(load, units), QString(c.moment));
            QVERIFY(qAbs(1 / units.lineLoadDivisor - c.lineLoad) < 1e-3 * c.lineLoad);
            QCOMPARE(units.force, QString("kN"));
            QCOMPARE(units.moment, QString("kN·m"));
            QCOMPARE(units.lineLoad, QString(c.lineUnit));
        }
        QCOMPARE(LoadUnitsOf({"M", "KN"}).legend, QString("Loads in kN, kN·m, kN/m"));
        QVERIFY(LoadUnitsOf({"", ""}).legend.contains("read as N, mm"));
    }

    void unknownUnitsAreShownAsWritten()
    {
        const struct {
            ModelUnits units;
            const char* force;
            const char* moment;
            const char* lineLoad;
            const char* legend;
        } cases[] = {
            // Known units as engineers write them, unknown ones as the file does.
            {{"M", "POUNDAL"}, "POUNDAL", "POUNDAL·m", "POUNDAL/m", "(force POUNDAL, length m: not converted)"},
            {{"FURLONG", "kn"}, "kN", "kN·FURLONG", "kN/FURLONG", "(force kN, length FURLONG: not converted)"},
            {{"M", ""}, "", "m", "m", "(force not given, length m: not converted)"},
        };
        for (const auto& c : cases) {
            const LoadUnits units = LoadUnitsOf(c.units);
            Load load;
            load.value = {0, 1400, 0, 0, 0, 0, 2.6e6};
            QCOMPARE(ForceLabel(load, units), QString("1400,0,0")); // not divided by a guess
            QCOMPARE(MomentLabel(load, units), QString("0,0,2600000"));
            QCOMPARE(units.force, QString(c.force));
            QCOMPARE(units.moment, QString(c.moment));
            QCOMPARE(units.lineLoad, QString(c.lineLoad));
            QCOMPARE(units.legend, QString("Loads as written ") + c.legend);
        }
    }

    void loadValueTexts()
    {
        const std::pair<double, const char*> cases[] = {
            {12, "12"}, {20.07, "20.07"}, {0.5, "0.5"}, {1.23456, "1.235"}, {-0.0001, "0"}, {1e6, "1000000"}};
        for (const auto& [value, text] : cases)
            QCOMPARE(LoadValueText(value), QString(text));
    }

    // The example building's perimeter joints carry UZ=-12 in kN: the text
    // label of joint 13 reads 0,0,-12 (not 0,0,0), its arrow label 12 kN.
    void exampleBuildingLabelsReadTheirValues()
    {
        Model model = ImportS2kFile(std::string(MIRELO_SOURCE_DIR) + "/examples/rc-frame-building.s2k").model;
        ViewState view = BareView();
        const ViewArea area{1200, 800};
        SetStandardView(model, kNoResults, view, StandardView::XZ, area);
        view.LoadCaseShown = 1; // DEAD
        view.LoadTypeShown = kShowPointForces;
        view.LoadDisplay = LoadStyle::TextLabels;
        Projection at;
        const QImage labels = Paint(model, view, area.width, area.height, &at);
        const ScreenPoint joint = at.joints[13];
        QVERIFY(LabelReads(labels, joint.x, joint.y, "0,0,-12", 10, kCell));
        QVERIFY(LabelReads(labels, joint.x, joint.y + 15, "0,0,0", 10, kCell));
        QVERIFY(!LabelReads(labels, joint.x, joint.y, "0,0,0", 10, kCell));

        view.LoadDisplay = LoadStyle::Arrows;
        const QImage arrows = Paint(model, view, area.width, area.height);
        // The largest load of the case: a 60-pixel arrow down onto the joint, its label beside the tail.
        QVERIFY(LabelReads(arrows, joint.x + 3, joint.y - 60 - 16, "12 kN", 8, kCell));
    }

    void pointLoadArrowsPointAlongTheLoadAndScaleToTheLargest()
    {
        Model model = KnMetreModel({{-100, 0, 0}, {100, 0, 0}, {0, 0, -100}});
        AddPointLoad(model, 1, {0, 0, 0, -10, 0, 0, 0});
        AddPointLoad(model, 2, {0, 0, 0, -20, 0, 0, 0});
        AddPointLoad(model, 3, {0, 5, 0, 0, 0, 0, 0}); // along +X
        AddPointLoad(model, 2, {0, 0, 0, 99, 0, 0, 0}, 2 /* WIND */);
        ViewState view = Elevation();
        view.LoadCaseShown = 1;
        view.LoadTypeShown = kShowPointForces;
        const QImage image = Paint(model, view);
        // Joint 2 at (300, 150) has the largest load: 60 pixels of shaft above it, none below.
        const int longest = ColumnPixels(image, kForce, 300, 150 - 70, 150);
        const int half = ColumnPixels(image, kForce, 100, 150 - 70, 150);
        QVERIFY2(longest > 100 && longest < 200, qPrintable(QString::number(longest)));
        QVERIFY2(qAbs(static_cast<double>(longest) / half - 2.0) < 0.15, qPrintable(QString("%1 %2").arg(longest).arg(half)));
        QCOMPARE(ColumnPixels(image, kForce, 300, 152, 220), 0);
        QCOMPARE(ColumnPixels(image, kForce, 300, 40, 150 - 80), 0); // not longer than the longest arrow
        // The arrowhead spreads at the tip, not at the tail.
        QVERIFY(CountPixels(image, kForce, 293, 141, 298, 148) > 0);
        QCOMPARE(CountPixels(image, kForce, 293, 90, 298, 95), 0);
        // Joint 3 at (200, 250), pushed along +X: the shaft lies to its left.
        QVERIFY(CountPixels(image, kForce, 200 - 14, 249, 200, 252) > 10);
        QCOMPARE(CountPixels(image, kForce, 203, 246, 260, 254), 0);
        // Another case draws its own loads only.
        view.LoadCaseShown = 2;
        const QImage wind = Paint(model, view);
        QCOMPARE(ColumnPixels(wind, kForce, 100, 80, 150), 0);
        QVERIFY(ColumnPixels(wind, kForce, 300, 152, 220) > 100); // up: the tail below the joint
    }

    void zoomAllLeavesRoomForTheLoadsItDraws()
    {
        // A 5 x 3 m portal seen from the front, its top joints pushed down.
        Model model = KnMetreModel({{0, 0, 0}, {0, 0, 3}, {5, 0, 3}, {5, 0, 0}});
        AddPointLoad(model, 2, {0, 0, 0, -10, 0, 0, 0});
        AddPointLoad(model, 3, {0, 0, 0, -20, 0, 0, 0});
        const ViewArea area{400, 300};
        ViewState view = Elevation();
        SetStandardView(model, kNoResults, view, StandardView::XZ, area);
        const double bareScale = view.Scale;
        view.LoadCaseShown = 1;
        view.LoadTypeShown = kShowPointForces;
        ZoomAll(model, kNoResults, view, area);
        QVERIFY(view.Scale > bareScale); // a smaller picture than without loads
        Projection at;
        const QImage image = Paint(model, view, area.width, area.height, &at);
        const QColor labelCell(240, 240, 240);
        for (const std::int32_t top : {2, 3}) {
            const ScreenPoint joint = at.joints[static_cast<std::size_t>(top)];
            QVERIFY(joint.y - kLoadReach >= 0 && joint.x - kLoadReach >= 0 &&
                    joint.x + kLoadReach < area.width);
            // Each label sits above its arrow's tail, inside the picture.
            QVERIFY2(CountPixels(image, labelCell, joint.x, joint.y - static_cast<int>(kLoadReach),
                                 joint.x + 60, joint.y - 40) > 50,
                     qPrintable(QString("joint %1 at %2, %3").arg(top).arg(joint.x).arg(joint.y)));
        }
    }

    void loadsAlongTheLineOfSightShowAsCircleSymbols()
    {
        Model model = KnMetreModel({{-50, 0, 0}, {50, 0, 0}});
        AddPointLoad(model, 1, {0, 0, 0, -10, 0, 0, 0}); // away from a viewer looking down
        AddPointLoad(model, 2, {0, 0, 0, 10, 0, 0, 0});  // towards the viewer
        ViewState plan = BareView();
        plan.LoadCaseShown = 1;
        plan.LoadTypeShown = kShowPointForces;
        const QImage image = Paint(model, plan);
        // Plan at Scale 1: joint 1 at (150, 150), joint 2 at (250, 150); circles of radius 7.
        QVERIFY(CountPixels(image, kForce, 143, 143, 158, 158) > 20);
        QVERIFY(CountPixels(image, kForce, 243, 143, 258, 158) > 20);
        QCOMPARE(PixelAt(image, 153, 153), kForce);             // the cross of a load going away
        QCOMPARE(PixelAt(image, 250, 150), kForce);             // the dot of one coming near
        QCOMPARE(PixelAt(image, 253, 153), QColor(255, 255, 255)); // no cross there
        QCOMPARE(CountPixels(image, kForce, 150, 100, 151, 140), 0); // no shaft
    }

    void distributedLoadsAreRowsOfArrowsAlongTheFrame()
    {
        Model model = KnMetreModel({{-100, 0, 0}, {100, 0, 0}, {-100, 0, -100}, {100, 0, -100}});
        const std::int32_t section = AddFrameSection(model, RgbColour(0, 0, 0));
        for (const auto& [i, j] : {std::pair{1, 2}, std::pair{3, 4}}) {
            const std::int32_t f = AddFrame(model, i, j, section);
            model.Frames[f].axis2Z = 1; // local 2 up, as for a beam
        }
        for (const auto& [frame, value] : {std::pair{1, -20.0}, std::pair{2, -10.0}}) {
            Load load;
            load.target = frame;
            load.loadType = kFrameDistributed;
            load.loadCase = 1; // DEAD
            load.direction = 2;
            load.value[1] = value;
            Append(model.Loads, load);
        }
        ViewState view = Elevation();
        view.LoadCaseShown = 1;
        view.LoadTypeShown = kShowElementLoads;
        const QImage image = Paint(model, view);
        // Frame 1 on row 150: arrows down onto it from 40 pixels above, at both ends and between.
        for (const int x : {100, 200, 300})
            QVERIFY2(ColumnPixels(image, kLineLoad, x, 150 - 45, 150) > 40, qPrintable(QString::number(x)));
        QCOMPARE(CountPixels(image, kLineLoad, 90, 152, 310, 190), 0);
        // Frame 2 (row 250) carries half as much: arrows of 20 pixels.
        QVERIFY(ColumnPixels(image, kLineLoad, 200, 250 - 45, 250 - 25) < 6);
        QVERIFY(ColumnPixels(image, kLineLoad, 200, 250 - 20, 250) > 20);
        // The tails are joined along the frame.
        QVERIFY(CountPixels(image, kLineLoad, 110, 110, 290, 111) > 150);
    }

    // Two beams behind one another in the XZ view: with all planes the larger
    // load shows; one plane at a time shows each, scaled to the case's largest.
    void coveredLoadsShowTheGoverningOne()
    {
        Model model = KnMetreModel({{-100, 0, 0}, {100, 0, 0}, {-100, 5, 0}, {100, 5, 0}});
        const std::int32_t section = AddFrameSection(model, RgbColour(0, 0, 0));
        for (const auto& [i, j, value] : {std::tuple{1, 2, -10.0}, std::tuple{3, 4, -30.0}}) {
            const std::int32_t f = AddFrame(model, i, j, section);
            model.Frames[f].axis2Z = 1;
            Load load;
            load.target = f;
            load.loadType = kFrameDistributed;
            load.loadCase = 1; // DEAD
            load.direction = 2;
            load.value[1] = value;
            Append(model.Loads, load);
        }
        ViewState view = Elevation();
        view.PlaneAxis = kPlaneAxisY;
        view.LoadCaseShown = 1;
        view.LoadTypeShown = kShowElementLoads;
        // The middle arrow's tail is 40 pixels above the frame for the largest load.
        QVERIFY(LabelReads(Paint(model, view), 203, 150 - 40 - 16, "30 kN/m", 8, kCell));
        view.PlaneShown = 1; // Y = 0: the 10 kN/m beam, a third as long
        const QImage front = Paint(model, view);
        QVERIFY(LabelReads(front, 203, 137 - 16, "10 kN/m", 8, kCell));
        QCOMPARE(ColumnPixels(front, kLineLoad, 200, 100, 134), 0);
        view.PlaneShown = 2;
        QVERIFY(LabelReads(Paint(model, view), 203, 150 - 40 - 16, "30 kN/m", 8, kCell));
    }
};

QTEST_MAIN(LoadDisplayTest)
#include "LoadDisplayTest.moc"
