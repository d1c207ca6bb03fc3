// Pixel tests of Redraw: the picture painted into a QImage, layer by layer.

#include "ViewTestModels.h"
#include "common/Errors.h"
#include "view/DrawLayers.h"
#include "view/Navigation.h"
#include "view/Redraw.h"
#include "view/SectionResultClass.h"

#include <QPainter>
#include <QTest>

#include <cstdlib>
#include <random>

using namespace mirelo;
using namespace mirelo::test;

namespace {

// 400 x 300 at Scale 1: the model point (x, y, 0) lands on pixel (200 + x, 150 - y).
constexpr int kWidth = 400;
constexpr int kHeight = 300;

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);
const QColor kYellow(255, 255, 0);
const QColor kGreen(0, 255, 0);
const QColor kMagenta(255, 0, 255);

ViewState PlainView(bool startUpLayers = false)
{
    ViewState view;
    view.Scale = 1;
    view.ShowAxisTriad = false;
    view.ShowLegend = false;
    view.LoadDisplay = LoadStyle::TextLabels;
    if (!startUpLayers)
        view.LayerFlags = LayerSwitches{false, false, false, false, false, false, false,
                                        false, false, false, false, false, false};
    return view;
}

const ResultSet kNoResults;

QImage Paint(const Model& model, const ViewState& view, int width = kWidth, int height = kHeight,
             const ResultSet& results = kNoResults)
{
    QImage image = NewCanvasImage(QSize(width, height));
    Projection at;
    Redraw(model, results, view, image, at);
    return image;
}

// Joints 1 and 2 at (-100, 0) and (100, 0) with frame 1 between them.
Model HorizontalFrame(std::int32_t colour, std::int32_t elementKind = kElasticBeamColumn)
{
    Model model = ModelWithJoints({{-100, 0, 0}, {100, 0, 0}});
    AddFrame(model, 1, 2, AddFrameSection(model, colour, elementKind));
    return model;
}

// Shell 1 on the square (-50, -50) .. (50, 50) with a section of the given kind.
Model SquareShell(std::int32_t shellKind)
{
    Model model = ModelWithJoints({{-50, -50, 0}, {50, -50, 0}, {50, 50, 0}, {-50, 50, 0}});
    ShellSection section;
    section.shellKind = shellKind;
    section.colour = RgbColour(0, 94, 31);
    Append(model.ShellSections, section);
    Shell shell;
    shell.section = 1;
    shell.joints = {0, 1, 2, 3, 4};
    Append(model.Shells, shell);
    return model;
}

Load PointLoad(std::array<double, 7> value)
{
    Load load;
    load.target = 1;
    load.loadType = kJointForce;
    load.loadCase = 1;
    load.value = value;
    return load;
}

} // namespace

class RedrawTest : public QObject {
    Q_OBJECT

private slots:
    void bannerOnlyWhenEmpty()
    {
        Model model; // as at start-up: every table empty
        const QImage image = Paint(model, ViewState{});
        for (const QPoint corner : {QPoint(0, 0), QPoint(kWidth - 1, 0), QPoint(0, kHeight - 1), QPoint(kWidth - 1, kHeight - 1)})
            QCOMPARE(PixelAt(image, corner.x(), corner.y()), kBlack);
        QCOMPARE(PixelAt(image, 1, 1), kWhite);
        QVERIFY(CountPixels(image, kWhite, 8, 5, 300, 70) < (300 - 8) * (70 - 5) - 50); // the three lines of text
        const int below = (kWidth - 2) * (kHeight - 1 - 80);
        QCOMPARE(CountPixels(image, kWhite, 1, 80, kWidth - 1, kHeight - 1), below); // nothing else
        QVERIFY(BannerCreditLine1().startsWith("Mirelo "));
    }

    void nodeDots()
    {
        Model model = ModelWithJoints({{0, 0, 0}});
        ViewState view = PlainView();
        view.LayerFlags.ShowNodes = true;
        const QImage image = Paint(model, view);
        for (const int x : {196, 200, 203})
            QCOMPARE(PixelAt(image, x, 150), kBlue);
        QCOMPARE(PixelAt(image, 204, 150), kWhite);
        QCOMPARE(PixelAt(image, 200, 145), kWhite);
        QCOMPARE(PixelAt(image, 196, 146), kWhite); // round, not square
    }

    void supportSquaresInTheSixColours()
    {
        Model model = ModelWithJoints({{-120, 0, 0}, {-80, 0, 0}, {-40, 0, 0}, {0, 0, 0}, {40, 0, 0}, {80, 0, 0}, {120, 0, 0}});
        for (int s = 1; s <= 6; ++s)
            for (int dof = 1; dof <= s; ++dof)
                model.Joints[s].restraint[dof] = 1;
        ViewState view = PlainView();
        view.LayerFlags.ShowSupports = true;
        view.LayerFlags.ShowNodes = true; // painted first, covered by the squares
        const QImage image = Paint(model, view);
        const QColor expected[] = {{255, 0, 0}, {0, 0, 255}, {0, 0, 0}, {0, 94, 31}, {98, 1, 96}, {255, 0, 255}};
        for (int s = 1; s <= 6; ++s) {
            const int x = 200 + static_cast<int>(model.Joints[s].x);
            QCOMPARE(PixelAt(image, x, 150), expected[s - 1]);
            QCOMPARE(PixelAt(image, x - 5, 145), expected[s - 1]); // a square: its corner too
            QCOMPARE(PixelAt(image, x + 5, 150), kWhite);
        }
        QCOMPARE(PixelAt(image, 320, 150), kBlue); // no restraint: only the node dot
    }

    void frameLinesInSectionColours()
    {
        Model model = HorizontalFrame(RgbColour(0, 94, 31));
        model.Joints.Reset(4);
        model.Joints[1].x = -100;
        model.Joints[2].x = 100;
        model.Joints[3] = {.x = 50, .y = 20};
        model.Joints[4] = {.x = 50, .y = 100};
        AddFrame(model, 3, 4, AddFrameSection(model, RgbColour(98, 1, 96)));
        ViewState view = PlainView();
        view.LayerFlags.ShowFrames = true;
        const QImage image = Paint(model, view);
        QCOMPARE(PixelAt(image, 150, 150), QColor(0, 94, 31)); // two pixels wide
        QCOMPARE(PixelAt(image, 150, 151), QColor(0, 94, 31));
        QCOMPARE(PixelAt(image, 150, 152), kWhite);
        QCOMPARE(PixelAt(image, 150, 149), kWhite);
        QCOMPARE(PixelAt(image, 250, 90), QColor(98, 1, 96));
        QCOMPARE(PixelAt(image, 251, 90), QColor(98, 1, 96));
    }

    void coincidentFramesKeepTheirOrder()
    {
        // Frames on the same pixels: the last painted colour shows, even when
        // colours alternate (batches of one colour must not be merged).
        Model model = ModelWithJoints({{-100, 0, 0}, {100, 0, 0}});
        const std::int32_t red = AddFrameSection(model, RgbColour(255, 0, 0));
        const std::int32_t blue = AddFrameSection(model, RgbColour(0, 0, 255));
        AddFrame(model, 1, 2, red);
        AddFrame(model, 1, 2, blue);
        ViewState view = PlainView();
        view.LayerFlags.ShowFrames = true;
        QCOMPARE(PixelAt(Paint(model, view), 150, 150), kBlue);
        AddFrame(model, 1, 2, red);
        QCOMPARE(PixelAt(Paint(model, view), 150, 150), kRed);
    }

    void springFramesAreDrawnAsReleaseCircles()
    {
        Model model = HorizontalFrame(RgbColour(0, 0, 255), kRotationalSpring);
        model.Joints[1].x = -50;
        model.Joints[2].x = 50;
        // Start-up switches: the node layer leaves the brush solid, so the circle is filled red.
        const QImage filled = Paint(model, PlainView(true));
        QCOMPARE(PixelAt(filled, 200, 150), kRed);
        QCOMPARE(PixelAt(filled, 195, 150), kBlue); // 2-pixel outline in the section colour
        QCOMPARE(PixelAt(filled, 196, 150), kBlue);
        QCOMPARE(PixelAt(filled, 175, 150), kWhite); // no frame line
        // Only frames and releases: the banner's clear brush carries over, the circle stays empty.
        ViewState view = PlainView();
        view.LayerFlags.ShowFrames = true;
        view.LayerFlags.ShowReleases = true;
        const QImage empty = Paint(model, view);
        QCOMPARE(PixelAt(empty, 200, 150), kWhite);
        QCOMPARE(PixelAt(empty, 195, 150), kBlue);
        // The shell layer ends with a solid brush even when there are no shells.
        view.LayerFlags.ShowShells = true;
        QCOMPARE(PixelAt(Paint(model, view), 200, 150), kRed);
    }

    void crossHatchedShells()
    {
        Model model = SquareShell(1);
        ViewState view = PlainView();
        view.LayerFlags.ShowShells = true;
        const QImage image = Paint(model, view);
        const QColor green(0, 94, 31);
        const int inside = 70 * 70;
        const int hatched = CountPixels(image, green, 165, 115, 235, 185);
        QVERIFY2(hatched > inside / 8 && hatched < inside / 3, qPrintable(QString::number(hatched)));
        QVERIFY(CountPixels(image, kWhite, 165, 115, 235, 185) == inside - hatched); // the gaps stay white
        QCOMPARE(PixelAt(image, 150, 150), kBlack); // outline
        QCOMPARE(PixelAt(image, 250, 120), kBlack);
        QCOMPARE(PixelAt(image, 120, 150), kWhite);

        Model inactive = SquareShell(0);
        const QImage none = Paint(inactive, view);
        QCOMPARE(CountPixels(none, green, 140, 90, 260, 210), 0);
        QCOMPARE(PixelAt(none, 150, 150), kWhite);
    }

    void solidOutlines()
    {
        Model model = ModelWithJoints({{-50, -50, 0}, {50, -50, 0}, {50, 50, 0}, {-50, 50, 0},
                                       {-40, -40, 30}, {40, -40, 30}, {40, 40, 30}, {-40, 40, 30}});
        Solid solid;
        solid.joints = {0, 1, 2, 3, 4, 5, 6, 7, 8};
        Append(model.Solids, solid);
        ViewState view = PlainView();
        view.LayerFlags.ShowSolids = true;
        const QImage image = Paint(model, view);
        QCOMPARE(PixelAt(image, 150, 170), kBlack); // edge 1-4 (x = -50)
        QCOMPARE(PixelAt(image, 160, 170), kBlack); // edge 5-8 (x = -40)
        QCOMPARE(PixelAt(image, 155, 105), kBlack); // edge 4-8, the diagonal
        QCOMPARE(PixelAt(image, 200, 150), kWhite); // not filled
    }

    void pointLoadLabels()
    {
        const Load example = PointLoad({0, 1400, 2600, 0, 0, 2.6e6, 0});
        const LoadUnits newtonMillimetre = LoadUnitsOf({"MM", "N"});
        QCOMPARE(ForceLabel(example, newtonMillimetre), QString("1,3,0"));
        QCOMPARE(MomentLabel(example, newtonMillimetre), QString("0,3,0"));
        QCOMPARE(MomentLabel(PointLoad({0, 0, 0, 0, -400, 0, 0}), newtonMillimetre), QString("0,0,0")); // no "-0"

        Model model = ModelWithJoints({{0, 0, 0}});
        model.LoadCaseNames = {"", "DEAD", "LIVE"};
        model.LoadCaseCount = 2;
        Append(model.Loads, example);
        ViewState view = PlainView();
        view.LoadCaseShown = 1;
        view.LoadTypeShown = kShowPointForces;
        const QColor cell(240, 240, 240);
        const QImage shown = Paint(model, view);
        QVERIFY(CountPixels(shown, cell, 200, 150, 215, 160) > 20);
        QVERIFY(CountPixels(shown, cell, 200, 165, 215, 175) > 20); // the moments 15 pixels lower
        QVERIFY(CountDarkPixels(shown, 200, 150, 240, 180) > 10);     // with their text on the cells
        QCOMPARE(CountPixels(shown, cell, 150, 100, 199, 149), 0);
        view.LoadCaseShown = 2; // a case that no load names
        QCOMPARE(CountPixels(Paint(model, view), cell, 0, 80, kWidth, kHeight), 0); // below the banner's text
        view.LoadCaseShown = 1;
        view.LoadTypeShown = kShowElementLoads;
        QCOMPARE(CountPixels(Paint(model, view), cell, 0, 80, kWidth, kHeight), 0); // below the banner's text
        view.LoadCaseShown = 11; // beyond the name table
        QCOMPARE(CountPixels(Paint(model, view), cell, 0, 80, kWidth, kHeight), 0); // below the banner's text
    }

    void elementLoadLabels()
    {
        Model model = HorizontalFrame(RgbColour(0, 0, 0));
        model.LoadCaseNames = {"", "LIVE"};
        model.LoadCaseCount = 1;
        Load load;
        load.target = 1;
        load.loadType = kFrameDistributed;
        load.loadCase = 1; // LIVE
        load.direction = 2;
        load.value[1] = -12.5;
        Append(model.Loads, load);
        QCOMPARE(ElementLoadLabel(load, LoadUnitsOf({"MM", "N"})), QString("2,-12.50"));
        QCOMPARE(ElementLoadLabel(load, LoadUnitsOf({"M", "KN"})), QString("2,-12.50"));
        QCOMPARE(ElementLoadLabel(load, LoadUnitsOf({"CM", "KN"})), QString("2,-1250.00")); // kN/cm to kN/m
        QCOMPARE(ElementLoadLabel(load, LoadUnitsOf({"M", "XYZ"})), QString("2,-12.50"));   // as written
        ViewState view = PlainView();
        view.LoadCaseShown = 1;
        view.LoadTypeShown = kShowElementLoads;
        QVERIFY(CountPixels(Paint(model, view), kYellow, 200, 150, 220, 160) > 20); // at the midpoint
    }

    void labelAndLineLayers()
    {
        Model model = HorizontalFrame(RgbColour(0, 0, 0));
        model.Frames[1].axis2Y = 1;
        Constraint diaphragm;
        diaphragm.members = {0, 1, 2};
        diaphragm.memberCount = 1;
        diaphragm.masterJoint = 2;
        Append(model.Constraints, diaphragm);
        struct Case {
            bool LayerSwitches::*flag;
            QColor colour;
            QRect where;
        };
        const Case cases[] = {
            {&LayerSwitches::ShowNodeLabels, kYellow, QRect(100, 150, 10, 8)},          // at joint 1
            {&LayerSwitches::ShowFrameLabels, kGreen, QRect(200, 150, 10, 8)},         // at the chord's middle
            {&LayerSwitches::ShowFrameAxes, QColor(0, 128, 0), QRect(200, 112, 1, 36)}, // 40 pixels up
            {&LayerSwitches::ShowDiaphragms, QColor(128, 128, 128), QRect(120, 150, 160, 1)},
        };
        for (const Case& c : cases) {
            ViewState view = PlainView();
            view.LayerFlags.*c.flag = true;
            const QImage image = Paint(model, view);
            const int area = c.where.width() * c.where.height();
            QVERIFY(CountPixels(image, c.colour, c.where.left(), c.where.top(), c.where.right() + 1, c.where.bottom() + 1) >
                    area / 2);
        }
    }

    void shellAndSolidLabels()
    {
        Model model = SquareShell(1);
        ViewState view = PlainView();
        view.LayerFlags.ShowShellLabels = true;
        const QColor grey(128, 128, 128);
        QVERIFY(CountPixels(Paint(model, view), grey, 200, 150, 206, 158) > 20);
        Model inactive = SquareShell(0);
        QCOMPARE(CountPixels(Paint(inactive, view), grey, 0, 80, kWidth, kHeight), 0);
    }

    void sectionResultClasses()
    {
        ViewState view;
        view.HingeMin = 0;
        view.HingeMax = 12;
        // t = value / 12; the class boundaries sit at odd twelfths, halves going to even.
        const std::pair<double, int> expected[] = {{-100, 1}, {2.99, 1}, {3, 2}, {5, 2}, {5.01, 3}, {6.99, 3},
                                                   {7, 4}, {9, 4}, {9.01, 5}, {10.99, 5}, {11, 6}, {1e300, 6}};
        for (const auto& [value, cls] : expected)
            QCOMPARE(SectionResultClass(value, view), cls);
        std::swap(view.HingeMin, view.HingeMax); // a reversed range reverses the classes
        QCOMPARE(SectionResultClass(100, view), 1);
        QCOMPARE(SectionResultClass(-100, view), 6);
        QCOMPARE(SectionResultClass(0, ViewState{}), 3); // before results: green
    }

    void sectionResultDiscs()
    {
        Model model = HorizontalFrame(RgbColour(0, 0, 0));
        ViewState view = PlainView();
        view.LayerFlags.ShowHingeCircles = true;
        QImage image = Paint(model, view);
        QCOMPARE(PixelAt(image, 140, 150), kGreen); // 0.2 along: x = -60
        QCOMPARE(PixelAt(image, 260, 150), kGreen); // 0.8 along: x = 60
        QCOMPARE(PixelAt(image, 135, 150), kBlack); // black outline
        ResultSet results;
        results.sections.atI = {-1};
        results.sections.atJ = {1};
        results.sections.step = 4;
        results.loaded = {LoadedResults::Kind::LoadStep, "run", 3, 5};
        image = Paint(model, view, kWidth, kHeight, results);
        QCOMPARE(PixelAt(image, 140, 150), QColor(Qt::white)); // values of another step than the joints' are not drawn
        results.loaded.step = 4;
        image = Paint(model, view, kWidth, kHeight, results);
        QCOMPARE(PixelAt(image, 140, 150), kRed);
        QCOMPARE(PixelAt(image, 260, 150), kMagenta);
    }

    void repeatedShapesKeepThePaintingOrder()
    {
        // Discs A (frame 1), B (frame 2, 3 pixels right) and A again (frame 3), all
        // green with black outlines: A's repeat paints its fill over B's outline.
        Model model = ModelWithJoints({{-100, 0, 0}, {100, 0, 0}, {-97, 0, 0}, {103, 0, 0}});
        const std::int32_t section = AddFrameSection(model, RgbColour(0, 0, 0));
        AddFrame(model, 1, 2, section);
        AddFrame(model, 3, 4, section);
        AddFrame(model, 1, 2, section);
        ViewState view = PlainView();
        view.LayerFlags.ShowHingeCircles = true;
        const QImage image = Paint(model, view);
        QCOMPARE(PixelAt(image, 138, 150), kGreen); // B's left outline lies under A's fill
        QCOMPARE(PixelAt(image, 147, 150), kBlack); // B's right outline shows
        model.Frames.count = 2; // drop the repeat
        QCOMPARE(PixelAt(Paint(model, view), 138, 150), kBlack); // without the repeat B is on top
    }

    void emptyResultRangeStopsTheRedraw()
    {
        Model model = HorizontalFrame(RgbColour(0, 0, 255));
        ViewState view = PlainView();
        view.LayerFlags.ShowFrames = true;       // painted before the discs
        view.LayerFlags.ShowHingeCircles = true;
        view.LayerFlags.ShowNodes = true;
        view.HingeMax = view.HingeMin = 0.5;
        QImage image = NewCanvasImage(QSize(kWidth, kHeight));
        ResultSet results;
        Projection at;
        try {
            Redraw(model, results, view, image, at);
            QFAIL("no error raised");
        } catch (const FloatingPointError& error) {
            QCOMPARE(QString(error.what()), QString("Floating point division by zero"));
        }
        QCOMPARE(PixelAt(image, 150, 150), kBlue);  // the frame line was painted
        QCOMPARE(PixelAt(image, 140, 150), kBlue);  // no disc over it
        QCOMPARE(PixelAt(image, 100, 150), kBlue);  // the node dot
        results.sections.atI = {0.5};
        results.loaded.kind = LoadedResults::Kind::LoadStep; // both of step 0
        try {
            Redraw(model, results, view, image, at);
            QFAIL("no error raised");
        } catch (const FloatingPointError& error) {
            QCOMPARE(QString(error.what()), QString("Invalid floating point operation"));
        }
        QCOMPARE(view.HingeMax, 0.5); // the view is untouched
    }

    void selectionHighlight()
    {
        Model model = HorizontalFrame(RgbColour(0, 0, 0));
        ViewState view = PlainView();
        view.LayerFlags.ShowFrames = true;
        view.SelectedFrame = 1;
        const QImage image = Paint(model, view);
        for (int y = 148; y <= 152; ++y)
            QCOMPARE(PixelAt(image, 150, y), kYellow); // five pixels wide
        QCOMPARE(PixelAt(image, 150, 153), kWhite);
        view.LayerFlags.ShowFrames = false;
        QCOMPARE(CountPixels(Paint(model, view), kYellow, 0, 0, kWidth, kHeight), 0);
    }

    void springFrameCanBeHighlighted()
    {
        Model model = HorizontalFrame(RgbColour(0, 0, 255), kRotationalSpring);
        ViewState view = PlainView();
        view.LayerFlags.ShowFrames = true;
        view.SelectedFrame = 1;
        QCOMPARE(PixelAt(Paint(model, view), 150, 150), kYellow);
    }

    void anyPaintDeviceGetsTheSamePicture()
    {
        Model model = SquareShell(1);
        AddFrame(model, 1, 3, AddFrameSection(model, RgbColour(255, 0, 0)));
        const ViewState view = PlainView(true);
        const QImage direct = Paint(model, view);
        QImage other(kWidth, kHeight, QImage::Format_RGB888);
        Projection at;
        Redraw(model, kNoResults, view, other, at);
        QCOMPARE(other.convertToFormat(QImage::Format_RGB32), direct);
        QImage larger(kWidth + 50, kHeight + 50, QImage::Format_ARGB32_Premultiplied);
        larger.fill(Qt::green);
        {
            QPainter painter(&larger);
            Redraw(model, kNoResults, view, painter, ViewArea{kWidth, kHeight}, at);
        }
        QCOMPARE(larger.copy(0, 0, kWidth, kHeight).convertToFormat(QImage::Format_RGB32), direct);
        QCOMPARE(PixelAt(larger, kWidth + 10, 10), kGreen); // nothing outside the area
    }

    void randomModelsAndViewsNeverBreakThePicture()
    {
        // References inside and outside the tables, wild coordinates and views:
        // Redraw finishes (or raises the one example error) and every pixel
        // field stays a clamped, finite pixel.
        std::mt19937 random(20261208);
        const auto pick = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
        const double wild[] = {0, 1, -1, 0.5, 1e3, -1e6, 1e300, -1e300, 1e-300};
        const auto value = [&] { return wild[pick(0, 8)] * pick(-3, 3); };
        for (int round = 0; round < 300; ++round) {
            Model model;
            ResultSet results;
            model.Joints.Reset(pick(-1, 6));
            for (std::int32_t k = 1; k <= model.Joints.count; ++k) {
                model.Joints[k] = Joint{.x = value(), .y = value(), .z = value()};
                results.joints.values.insert(results.joints.values.end(), {value(), 0, 0});
            }
            model.FrameSections.Reset(pick(-1, 2));
            for (std::int32_t k = 1; k <= model.FrameSections.count; ++k)
                model.FrameSections[k].elementKind = pick(0, 8);
            model.Frames.Reset(pick(-1, 5));
            for (std::int32_t k = 1; k <= model.Frames.count; ++k) {
                Frame& frame = model.Frames[k];
                frame.jointI = pick(-1, 8);
                frame.jointJ = pick(-1, 8);
                frame.section = pick(-1, 3);
                frame.axis2Z = value();
                results.sections.atI.push_back(value());
            }
            model.ShellSections.Reset(pick(-1, 2));
            for (std::int32_t k = 1; k <= model.ShellSections.count; ++k)
                model.ShellSections[k].shellKind = pick(0, 1);
            model.Shells.Reset(pick(-1, 3));
            for (std::int32_t k = 1; k <= model.Shells.count; ++k)
                model.Shells[k] = Shell{.section = pick(-1, 3),
                                        .joints = {0, pick(-1, 8), pick(-1, 8), pick(-1, 8), pick(-1, 8)}};
            model.Solids.Reset(pick(-1, 2));
            for (std::int32_t k = 1; k <= model.Solids.count; ++k)
                for (std::size_t c = 1; c <= 8; ++c)
                    model.Solids[k].joints[c] = pick(-1, 8);
            model.Constraints.Reset(pick(-1, 2));
            for (std::int32_t k = 1; k <= model.Constraints.count; ++k)
                model.Constraints[k] = Constraint{.memberCount = pick(-1, 4), .members = {0, pick(-1, 8)}, .masterJoint = pick(-1, 8)};
            model.Loads.Reset(pick(-1, 3));
            for (std::int32_t k = 1; k <= model.Loads.count; ++k)
                model.Loads[k] = Load{.target = pick(-1, 8), .loadType = static_cast<std::int8_t>(pick(0, 2)),
                                      .direction = 1, .loadCase = static_cast<std::uint16_t>(pick(0, 2)),
                                      .value = {0, value(), value(), value(), value(), value(), value()}};
            model.LoadCaseNames = {"", "A"};
            ViewState view;
            view.LayerFlags = LayerSwitches{true, true, true, true, true, true, true, true, true, true, true, true, true};
            view.Scale = std::abs(value()) + 1e-3;
            view.PanX = value();
            view.PlanAngle = value();
            view.TiltAngle = value();
            view.DeformScale = value();
            view.SelectedFrame = pick(-1, 6);
            view.LoadCaseShown = pick(-1, 2);
            view.LoadTypeShown = pick(0, 2);
            view.HingeMax = pick(0, 3) == 0 ? view.HingeMin : 1;
            const int size = pick(0, 3) == 0 ? pick(0, 2) : 64;
            QImage image = NewCanvasImage(QSize(size, size));
            Projection at;
            const auto redraw = [&] {
                try {
                    Redraw(model, results, view, image, at);
                } catch (const FloatingPointError&) {
                    QCOMPARE(view.HingeMax, view.HingeMin); // the only error a redraw may raise
                }
            };
            redraw();
            ZoomAll(model, results, view, ViewArea{size, size});
            redraw();
            QVERIFY(ProjectionFits(at, model));
            for (const std::vector<ScreenPoint>* points : {&at.joints, &at.frameMids, &at.frameAxes, &at.hingesI, &at.hingesJ})
                for (const ScreenPoint p : *points)
                    QVERIFY(std::abs(p.x) <= kPixelLimit && std::abs(p.y) <= kPixelLimit);
            QVERIFY(std::isfinite(view.Scale) && view.Scale > 0);
        }
    }

    void degenerateInputsDoNotCrash()
    {
        // All joints on one point, with every kind of element.
        Model point = SquareShell(1);
        for (std::int32_t k = 1; k <= 4; ++k)
            point.Joints[k] = {.x = 7, .y = 7, .z = 7};
        AddFrame(point, 1, 2, AddFrameSection(point, RgbColour(255, 0, 0), kRotationalSpring));
        Solid solid;
        solid.joints = {0, 1, 2, 3, 4, 1, 2, 3, 4};
        Append(point.Solids, solid);
        ViewState view;
        view.LayerFlags = LayerSwitches{true, true, true, true, true, true, true, true, true, true, true, true, true};
        QImage image = Paint(point, view);
        ZoomAll(point, kNoResults, view, ViewArea{kWidth, kHeight});
        image = Paint(point, view);
        QCOMPARE(view.Scale, 1.0);
        QCOMPARE(PixelAt(image, 197, 150), kRed); // the release circle, left of the labels at the centre (200, 150)

        // No joints at all, while elements, loads and constraints name some.
        Model broken;
        broken.Joints.Reset(-1);
        broken.FrameSections.Reset(-1);
        broken.Frames.Reset(2);
        broken.Frames[1].jointI = 1;
        broken.Frames[1].jointJ = 5;
        broken.Frames[2].section = 9;
        broken.Shells.Reset(1);
        broken.Shells[1].joints = {0, 1, 2, 3, 4};
        broken.ShellSections.Reset(-1);
        broken.Solids.Reset(1);
        broken.Loads.Reset(1);
        broken.Loads[1] = PointLoad({0, 1, 2, 3, 4, 5, 6});
        broken.LoadCaseNames = {"", "A"};
        broken.Constraints.Reset(1);
        broken.Constraints[1].memberCount = 5; // more than it lists
        broken.Constraints[1].masterJoint = 3;
        ViewState all = view;
        all.LoadCaseShown = 1;
        all.LoadTypeShown = kShowPointForces;
        all.SelectedFrame = 2;
        image = Paint(broken, all);
        QCOMPARE(PixelAt(image, 200, 150), kWhite);
        all.LoadTypeShown = kShowElementLoads;
        all.SelectedFrame = 99;
        image = Paint(broken, all);
        QCOMPARE(PixelAt(image, 200, 150), kWhite);

        // Tiny and empty pictures: nothing to see, nothing broken; pixels still projected.
        Model model = HorizontalFrame(RgbColour(0, 0, 0));
        image = Paint(model, PlainView(true), 1, 1);
        QCOMPARE(PixelAt(image, 0, 0), kBlack);
        QImage null;
        Projection at;
        Redraw(model, kNoResults, PlainView(true), null, at);
        QVERIFY(null.isNull());
        QCOMPARE(at.joints[2].x, 100); // 100 / 1 + 0 / 2

        // Far-away joints: a line through the area is clipped and still drawn.
        Model far = ModelWithJoints({{-1e300, 0, 0}, {1e300, 0, 0}, {-1e300, 50, 0}, {1e300, 50, 0}, {0, 1e300, 0}});
        AddFrame(far, 1, 2, AddFrameSection(far, RgbColour(255, 0, 0)));
        Append(far.ShellSections, ShellSection{.thickness = 1, .shellKind = 1, .material = 0, .name = "S", .colour = 0});
        Shell shell; // a huge triangle above y = 50
        shell.section = 1;
        shell.joints = {0, 3, 4, 5, 5};
        Append(far.Shells, shell);
        image = Paint(far, PlainView(true));
        QCOMPARE(PixelAt(image, 300, 100), kBlack); // its clipped outline
        QVERIFY(CountPixels(image, kBlack, 100, 85, 300, 99) > 100); // its hatch
        QCOMPARE(CountPixels(image, kBlack, 100, 102, 300, 148), 0);
        QCOMPARE(PixelAt(image, 300, 150), kRed);
    }
};

QTEST_MAIN(RedrawTest)
#include "RedrawTest.moc"
