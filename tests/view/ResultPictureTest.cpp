// The result pictures: the legend, the deformed shape of a real solver run
// against the undeformed one, and Zoom All and the picture export on displaced joints.
#include "ViewTestModels.h"

#include "results/ResultReaders.h"
#include "support/SolverRunner.h"
#include "view/Navigation.h"
#include "view/Picture.h"
#include "view/Redraw.h"
#include "view/ResultLegend.h"

#include <QTemporaryDir>
#include <QTest>

using namespace mirelo;
using namespace mirelo::test;

class ResultPictureTest : public QObject {
    Q_OBJECT

private slots:
    void legendShowsTheSixClassColoursFromMinToMax()
    {
        const Palette palette = DefaultSectionPalette();
        const QImage legend = ResultLegendPicture(palette);
        QCOMPARE(legend.size(), QSize(155, 40));
        const QColor expected[] = {{255, 0, 0}, {255, 255, 0}, {0, 255, 0}, {0, 255, 255}, {0, 0, 255}, {255, 0, 255}};
        for (int c = 1; c <= 6; ++c) {
            const int middle = LegendBoxLeft(c) + kLegendBoxWidth / 2;
            QCOMPARE(PixelAt(legend, middle, 12), Colour(palette[static_cast<std::size_t>(10 + c)]));
            QCOMPARE(PixelAt(legend, middle, 12), expected[c - 1]);
        }
        QVERIFY(CountDarkPixels(legend, 0, 25, 40, 40) > 5);      // "min" under the left end
        QVERIFY(CountDarkPixels(legend, 115, 25, 155, 40) > 5);   // "max" under the right end
        QCOMPARE(CountDarkPixels(legend, 50, 25, 105, 40), 0);    // nothing between
        // Another palette gives other boxes.
        Palette other = palette;
        other[13] = RgbColour(10, 20, 30);
        QCOMPARE(PixelAt(ResultLegendPicture(other), LegendBoxLeft(3) + 12, 12), QColor(10, 20, 30));
    }

    void zoomAllFitsTheDisplacedJoints()
    {
        Model model = ModelWithJoints({{0, 0, 0}, {100, 0, 0}});
        ResultSet results;
        results.joints.values = {0, 0, 0, 1000, 0, 0}; // joint 2 drawn 10 times further out at scale 1
        ViewState view;
        view.DeformScale = 1;
        const QImage picture = RenderPicture(model, results, view, PictureView::XY, QSize(400, 300));
        Projection at;
        ProjectJoints(model, results, view, ViewArea{400, 300}, at);
        // 80 % of the width spans the drawn joints: from 40 to 360.
        QCOMPARE(at.joints[1].x, 40);
        QCOMPARE(at.joints[2].x, 360);
        QCOMPARE(PixelAt(picture, at.joints[2].x, at.joints[2].y), QColor(0, 0, 255));
    }

    void deformedShapeOfARealRunAgainstTheUndeformedOne()
    {
        if (!SolverPresent())
            QSKIP("OpenSees not found (set MIRELO_TEST_OPENSEES): the real-solver picture is skipped");
        QTemporaryDir dir;
        SolverRun run = RunModelInSolver(MIRELO_SOURCE_DIR "/examples/portal-frame-spring-bases.s2k", dir.path().toStdString(),
                                           {{"AnalysisType", "1"}, {"LoadCase", "2"}, {"LoadSteps", "4"}});
        QVERIFY2(run.reachedEnd, run.log.c_str());
        RecorderFileCache files;
        const Model& model = run.model;
        ResultSet results;
        results.joints = ReadNodeDisplacements(dir.path().toStdString(), model, std::nullopt, files);

        ViewState view;
        view.LayerFlags.ShowFrames = view.LayerFlags.ShowSupports = view.LayerFlags.ShowReleases = false;
        const ViewArea area{640, 480};
        SetStandardView(model, results, view, StandardView::XZ, area); // fitted undeformed, then kept
        QImage undeformed = NewCanvasImage(QSize(area.width, area.height));
        Projection before;
        Redraw(model, results, view, undeformed, before);

        double largest = 0;
        for (std::int32_t k = 1; k <= model.Joints.count; ++k)
            largest = std::max(largest, std::abs(JointDisplacement(results, k).x));
        QVERIFY(largest > 0);
        view.DeformScale = 30 * view.Scale / largest; // the largest move shows as 30 pixels
        QImage deformed = NewCanvasImage(QSize(area.width, area.height));
        Projection after;
        Redraw(model, results, view, deformed, after);
        int moved = 0;
        for (std::int32_t k = 1; k <= model.Joints.count; ++k) {
            const Displacement move = JointDisplacement(results, k);
            const ScreenPoint was = before.joints[static_cast<std::size_t>(k)];
            const ScreenPoint now = after.joints[static_cast<std::size_t>(k)];
            // X to the right and Z up, each by displacement x DeformScale / Scale, within rounding.
            QVERIFY(std::abs(now.x - was.x - move.x * view.DeformScale / view.Scale) <= 1);
            QVERIFY(std::abs(was.y - now.y - move.z * view.DeformScale / view.Scale) <= 1);
            QCOMPARE(PixelAt(deformed, now.x, now.y), QColor(0, 0, 255));
            if (std::abs(now.x - was.x) >= 10) {
                ++moved;
                QCOMPARE(PixelAt(deformed, was.x, was.y), QColor(255, 255, 255)); // the dot left its place
                QCOMPARE(PixelAt(undeformed, was.x, was.y), QColor(0, 0, 255));
            }
        }
        QVERIFY(moved >= 2); // the two eaves joints swayed under the wind
    }
};

QTEST_MAIN(ResultPictureTest)
#include "ResultPictureTest.moc"
