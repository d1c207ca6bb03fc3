// The curves window: opened from the Post menu, it plots the curve of the run
// in the working directory, says why when there is none, and exports PNG and CSV.
#include "GuiTestSupport.h"

#include "common/TextLines.h"
#include "results/CurvesWindow.h"

#include <QAction>
#include <QAbstractAxis>
#include <QChartView>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QTest>

using namespace mirelo;
using namespace mirelo::test;

namespace {

class CurvesWindowTest : public QObject {
    Q_OBJECT

private:
    // A pushover run of three steps in a temporary folder, made the working
    // directory as the solver's folder is.
    struct Run {
        QTemporaryDir dir;
        QString previous = QDir::currentPath();
        Run()
        {
            WriteWholeFile(dir.filePath("curve_disp.out").toStdString(), "1 0.001\n2 0.002\n3 0.003\n");
            WriteWholeFile(dir.filePath("curve_reactions.out").toStdString(), "1 -10 -5\n2 -20 -8\n3 -25 -9\n");
            QDir::setCurrent(dir.path());
        }
        ~Run() { QDir::setCurrent(previous); }
    };

    static CurvesWindow* Open(TestWindow& w)
    {
        w->findChild<QAction*>("Curves1")->trigger();
        return w->findChild<CurvesWindow*>("CurvesWindow");
    }

    static QString Status(CurvesWindow* window) { return window->findChild<QLabel*>("StatusLabel")->text(); }

private slots:
    void PlotsThePushoverOfTheWorkingFolder()
    {
        Run run;
        TestWindow w;
        w.OpenThroughMenu(ExamplePath("rc-portal-pushover.s2k")); // in M and KN
        w->session().analysis.AnalysisType = 2;
        CurvesWindow* window = Open(w);
        QVERIFY(window && window->isVisible());
        QCOMPARE(Status(window), QString("3 steps"));
        QCOMPARE(window->Shown().y, (std::vector<double>{15, 28, 34}));
        const auto series = window->ChartView()->chart()->series();
        QCOMPARE(series.size(), 1);
        const auto* line = qobject_cast<QLineSeries*>(series[0]);
        QCOMPARE(line->count(), 4); // from the origin
        QCOMPARE(line->at(3), QPointF(0.003, 34));
        QCOMPARE(window->ChartView()->chart()->title(), QString("Pushover curve"));
        const auto axes = window->ChartView()->chart()->axes();
        QCOMPARE(axes.size(), 2);
        QCOMPARE(axes[0]->titleText(), QString("Displacement (M)"));
        QCOMPARE(axes[1]->titleText(), QString("Base shear (KN)"));

        w.chooser->saveAnswers = QStringList({run.dir.filePath("c.csv"), run.dir.filePath("c.png")});
        window->findChild<QPushButton*>("ExportCsvButton")->click();
        QCOMPARE(QString::fromStdString(ReadWholeFile(run.dir.filePath("c.csv").toStdString())),
                 QString("displacement,base_shear\n0.001,15\n0.002,28\n0.003,34\n"));
        window->findChild<QPushButton*>("ExportPngButton")->click();
        const QImage picture(run.dir.filePath("c.png"));
        QVERIFY(!picture.isNull());
        QCOMPARE(picture.size(), window->ChartView()->size() * window->ChartView()->devicePixelRatio());
        QCOMPARE(w.chooser->saveFilters, QStringList({"CSV file|*.csv", "PNG picture|*.png"}));

        // A folder that does not exist: both exports say so and write nothing.
        const QString missing = run.dir.filePath("missing/c");
        w.chooser->saveAnswers = QStringList({missing + ".csv", missing + ".png"});
        for (const char* button : {"ExportCsvButton", "ExportPngButton"}) {
            window->findChild<QPushButton*>(button)->click();
            QVERIFY2(Status(window).startsWith("Cannot save file"), qPrintable(Status(window)));
        }
        QVERIFY(!QDir(run.dir.filePath("missing")).exists());
    }

    void SaysWhyWhenThereIsNoCurveAndKeepsTheLastOne()
    {
        Run run;
        TestWindow w;
        w->session().analysis.AnalysisType = 4;
        CurvesWindow* window = Open(w);
        QCOMPARE(Status(window), QString("Analysis type 4 gives no curve: pushover (2, 3) and time-history (5, 6, 7) "
                                         "analyses do"));
        // Nothing shown: nothing to export, and no file is asked for.
        window->findChild<QPushButton*>("ExportCsvButton")->click();
        QCOMPARE(Status(window), QString("No curve to export"));
        QVERIFY(w.chooser->saveFilters.isEmpty());

        w->session().analysis.AnalysisType = 5; // a time history of the same file
        QVERIFY(window->LoadCurve());
        QCOMPARE(window->ChartView()->chart()->title(), QString("Time history"));
        QCOMPARE(window->ChartView()->chart()->axes()[0]->titleText(), QString("Time")); // a model without units
        QCOMPARE(window->ChartView()->chart()->axes()[1]->titleText(), QString("Displacement"));
        QFile::remove(run.dir.filePath("curve_disp.out"));
        QVERIFY(!window->LoadCurve());
        QVERIFY(Status(window).startsWith("Cannot open file"));
        QCOMPARE(window->Shown().x.size(), 3u);
    }
};

} // namespace

QTEST_MAIN(CurvesWindowTest)
#include "CurvesWindowTest.moc"
