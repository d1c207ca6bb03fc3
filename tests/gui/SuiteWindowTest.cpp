// "Gen_tcl > Run Suite": a suite of the open model run from the window with
// the real sequential OpenSees (two at once, as without MPI), its live table,
// the IDA plot in the Curves window, a run loaded by a double click, and bad
// records named before anything runs.
#include "GuiTestSupport.h"

#include "common/TextLines.h"
#include "gui/results/CurvesWindow.h"
#include "gui/solver/SuiteWindow.h"

#include <QAction>
#include <QChartView>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace mirelo;
using namespace mirelo::test;

namespace {

class SuiteWindowTest : public QObject {
    Q_OBJECT

private:
    static SuiteWindow* Open(TestWindow& w)
    {
        w->findChild<QAction*>("RunSuite1")->trigger();
        return w->findChild<SuiteWindow*>("SuiteWindow");
    }

    // Two records of 40 steps from GMX.txt, listed in records.csv.
    static void WriteMotions(const QString& folder)
    {
        const TextLines gmx = LoadTextLines(ExamplePath("GMX.txt").toStdString());
        std::string a, b;
        for (std::size_t i = 0; i < 40; ++i) {
            a += std::string(gmx[i]) + "\n";
            b += std::string(gmx[100 + i]) + "\n";
        }
        WriteWholeFile((folder + "/a.txt").toStdString(), a);
        WriteWholeFile((folder + "/b.txt").toStdString(), b);
        WriteWholeFile((folder + "/records.csv").toStdString(), "a.txt,0.02,0.1\nb.txt,0.02,0.1\n");
    }

private slots:
    void initTestCase() { UseTemporarySettings(); }

    void RunsTheSuiteShowsItsRunsAndItsIdaAndLoadsARun()
    {
        if (!QFileInfo::exists(RealSolverPath()))
            QSKIP("no OpenSeesMP or OpenSees to run the suite");
        qputenv("MIRELO_OPENSEES", RealSolverPath().toUtf8());
        qputenv("MIRELO_OPENSEES_MP", ""); // two sequential OpenSees, whatever this machine has
        QTemporaryDir motions, suite;
        WriteMotions(motions.path());
        TestWindow w;
        w.OpenThroughMenu(ExamplePath("portal-frame-spring-bases.s2k"));
        w->session().analysis.AnalysisType = 5;
        w->session().analysis.ControlNode = 4;
        SuiteWindow* window = Open(w);
        QVERIFY(window && window->isVisible());
        Type(Child<QLineEdit>(window, "MotionsFolder"), motions.path());
        Type(Child<QLineEdit>(window, "Scales"), "1,2");
        Type(Child<QLineEdit>(window, "SuiteFolder"), suite.path());
        Child<QSpinBox>(window, "Processes")->setValue(2);
        QTest::mouseClick(Child<QPushButton>(window, "StartButton"), Qt::LeftButton);
        QVERIFY2(w.messenger->messages.isEmpty(), qPrintable(w.messenger->messages.join("\n")));
        QTRY_VERIFY_WITH_TIMEOUT(Child<QPushButton>(window, "StartButton")->isEnabled(), 120000);

        QTableWidget* table = window->Table();
        QCOMPARE(table->rowCount(), 4);
        QCOMPARE(table->horizontalHeaderItem(2)->text(), QString("Peak displacement (m)"));
        QCOMPARE(table->horizontalHeaderItem(3)->text(), QString("Peak base shear (kN)"));
        const QStringList runs = {"a_s1", "a_s2", "b_s1", "b_s2"};
        for (int row = 0; row < 4; ++row) {
            QCOMPARE(table->item(row, 0)->text(), runs[row]);
            QCOMPARE(table->item(row, 1)->text(), QString("converged"));
            QVERIFY(table->item(row, 2)->text().toDouble() > 0);
        }
        QVERIFY(QFileInfo::exists(suite.filePath("summary.csv")));

        QTest::mouseClick(Child<QPushButton>(window, "IdaButton"), Qt::LeftButton);
        auto* curves = w->findChild<CurvesWindow*>("CurvesWindow");
        QVERIFY(curves && curves->isVisible());
        const QList<QAbstractSeries*> series = curves->ChartView()->chart()->series();
        QCOMPARE(series.size(), 2);
        QCOMPARE(series[0]->name(), QString("a"));
        QCOMPARE(static_cast<QLineSeries*>(series[0])->count(), 3); // rest, scale 1, scale 2

        emit table->cellDoubleClicked(3, 0);
        QCOMPARE(QString::fromStdString(w->session().results.loaded.folder), suite.filePath("b_s2"));
        QCOMPARE(w->session().results.loaded.step, std::int64_t{40});
    }

    void NamesBadRecordsBeforeAnythingRuns()
    {
        if (!QFileInfo::exists(RealSolverPath()))
            QSKIP("no OpenSees: the window looks for the solver first");
        QTemporaryDir motions, suite;
        WriteWholeFile(motions.filePath("records.csv").toStdString(), "gone.txt,0.02,0.1\n");
        qputenv("MIRELO_OPENSEES", RealSolverPath().toUtf8());
        TestWindow w;
        w.OpenThroughMenu(ExamplePath("portal-frame-spring-bases.s2k"));
        w->session().analysis.AnalysisType = 5;
        SuiteWindow* window = Open(w);
        Type(Child<QLineEdit>(window, "MotionsFolder"), motions.path());
        Type(Child<QLineEdit>(window, "SuiteFolder"), suite.filePath("out"));
        QTest::mouseClick(Child<QPushButton>(window, "StartButton"), Qt::LeftButton);
        QCOMPARE(w.messenger->messages.size(), 1);
        QVERIFY2(w.messenger->messages[0].contains("records.csv:1: Cannot open file"),
                 qPrintable(w.messenger->messages[0]));
        QVERIFY(!QFileInfo::exists(suite.filePath("out")));
        QVERIFY(Child<QPushButton>(window, "StartButton")->isEnabled());
    }
};

} // namespace

QTEST_MAIN(SuiteWindowTest)
#include "SuiteWindowTest.moc"
