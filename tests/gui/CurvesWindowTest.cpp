// The curves window: opened from the Post menu, it plots the curve of the run
// in the working directory, says why when there is none, and exports PNG and CSV.
#include "GuiTestSupport.h"

#include "gui/solver/SolverLocator.h"
#include "gui/solver/SolverWindow.h"
#include "common/TextLines.h"
#include "model/MaterialLaws.h"
#include "gui/results/CurvesWindow.h"

#include <QAction>
#include <QAbstractAxis>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QTest>
#include <QValueAxis>

#include <cmath>

using namespace mirelo;
using namespace mirelo::test;

namespace {

// Qt's messages while a test looks, passed on to the handler before.
QStringList capturedMessages;
QtMessageHandler previousHandler = nullptr;

void CaptureMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    capturedMessages << message;
    previousHandler(type, context, message);
}

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
        QCOMPARE(Status(window), QString("3 steps; peak base shear 34 kN at 0.003 m"));
        QCOMPARE(window->Shown().y, (std::vector<double>{15, 28, 34}));
        const auto series = window->ChartView()->chart()->series();
        QCOMPARE(series.size(), 1);
        const auto* line = qobject_cast<QLineSeries*>(series[0]);
        QCOMPARE(line->count(), 4); // from the origin
        QCOMPARE(line->at(3), QPointF(0.003, 34));
        QCOMPARE(window->ChartView()->chart()->title(), QString("Pushover curve"));
        const auto axes = window->ChartView()->chart()->axes();
        QCOMPARE(axes.size(), 2);
        QCOMPARE(axes[0]->titleText(), QString("Displacement (m)"));
        QCOMPARE(axes[1]->titleText(), QString("Base shear (kN)"));

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
        QCOMPARE(Status(window), QString("3 steps; peak displacement 0.003 at time 3 s"));
        QCOMPARE(window->ChartView()->chart()->title(), QString("Time history"));
        QCOMPARE(window->ChartView()->chart()->axes()[0]->titleText(), QString("Time (s)")); // a model without units
        QCOMPARE(window->ChartView()->chart()->axes()[1]->titleText(), QString("Displacement"));
        QFile::remove(run.dir.filePath("curve_disp.out"));
        QVERIFY(!window->LoadCurve());
        QVERIFY(Status(window).startsWith("Cannot open file"));
        QCOMPARE(window->Shown().x.size(), 3u);
    }

    void ExportsTheIncrementalDynamicAnalysisShown()
    {
        Run run;
        TestWindow w;
        w->session().analysis.AnalysisType = 2;
        CurvesWindow* window = Open(w);
        // A suite whose runs of record b all failed: its line has no point.
        window->ShowIda({{"a", {0.01, 0.03}, {0.5, 1}}, {"b", {}, {}}});
        QCOMPARE(window->ChartView()->chart()->title(), QString("Incremental dynamic analysis"));
        w.chooser->saveAnswers = QStringList({run.dir.filePath("ida.csv"), run.dir.filePath("ida.png")});
        window->findChild<QPushButton*>("ExportCsvButton")->click();
        QCOMPARE(QString::fromStdString(ReadWholeFile(run.dir.filePath("ida.csv").toStdString())),
                 QString("record,scale,peak_displacement\na,0.5,0.01\na,1,0.03\n"));
        window->findChild<QPushButton*>("ExportPngButton")->click();
        QVERIFY(!QImage(run.dir.filePath("ida.png")).isNull());

        // A suite without a converged run: nothing to export.
        window->ShowIda({{"b", {}, {}}});
        window->findChild<QPushButton*>("ExportCsvButton")->click();
        QCOMPARE(Status(window), QString("No curve to export"));

        // A run's curve loaded after it is what the export writes.
        window->ShowIda({{"a", {0.01}, {0.5}}});
        QVERIFY(window->LoadCurve());
        QVERIFY(window->ShownIda().empty());
        w.chooser->saveAnswers = QStringList({run.dir.filePath("curve.csv")});
        window->findChild<QPushButton*>("ExportCsvButton")->click();
        QVERIFY(ReadWholeFile(run.dir.filePath("curve.csv").toStdString()).starts_with("displacement,base_shear\n"));
    }

    // Opening the window paints its chart: empty (no run, or a run without
    // steps), with a curve, and with curves whose values are all equal; Qt
    // never warns of an axis range of nan.
    void OpensWithoutAnAxisRangeOfNan()
    {
        Run run;
        TestWindow w;
        CurvesWindow* window = nullptr;
        const auto openWith = [&](int analysisType, const char* disp, const char* reactions) {
            WriteWholeFile(run.dir.filePath("curve_disp.out").toStdString(), disp);
            WriteWholeFile(run.dir.filePath("curve_reactions.out").toStdString(), reactions);
            w->session().analysis.AnalysisType = analysisType;
            capturedMessages.clear();
            previousHandler = qInstallMessageHandler(CaptureMessage);
            window = Open(w);
            window->ChartView()->grab();
            QCoreApplication::processEvents();
            qInstallMessageHandler(previousHandler);
            return capturedMessages.filter("nan", Qt::CaseInsensitive);
        };
        const struct {
            int analysisType;
            const char* disp;
            const char* reactions;
            std::size_t steps;
        } cases[] = {
            {4, "", "", 0},                                        // no curve: an empty chart
            {2, "", "", 0},                                        // a run without steps
            {2, "1 0.001\n2 0.002\n", "1 -10 -5\n2 -20 -8\n", 2}, // a curve
            {2, "1 0\n", "1 0 0\n", 1},                          // nothing moved
            {5, "1 0.002\n2 0.002\n", "", 2},                     // a flat time history
            {5, "1 0\n", "", 1},                                  // one point at rest
        };
        for (const auto& c : cases) {
            const QStringList nan = openWith(c.analysisType, c.disp, c.reactions);
            QVERIFY2(nan.isEmpty(), qPrintable(QString("type %1, \"%2\": %3").arg(c.analysisType).arg(c.disp, nan.join('\n'))));
            QCOMPARE(window->Shown().x.size(), c.steps);
            for (QAbstractAxis* axis : window->ChartView()->chart()->axes()) {
                const auto* values = qobject_cast<QValueAxis*>(axis);
                QVERIFY(std::isfinite(values->min()) && std::isfinite(values->max()) && values->min() < values->max());
            }
            window->close();
        }
    }

    // A user's whole nonlinear pushover: the laws in the material dialog, the
    // analysis and the curve recorders in theirs, Generate and Save, Run
    // OpenSEES (the real solver), then Post > Curves on the run's folder.
    void NonlinearPushoverThroughTheWindows()
    {
        if (!QFileInfo(RealSolverPath()).isExecutable())
            QSKIP(qPrintable("the real OpenSees is not at " + RealSolverPath() + " (set MIRELO_TEST_OPENSEES)"));
        TestWindow w;
        SetSolverSettingPath({});
        qputenv("MIRELO_OPENSEES", RealSolverPath().toUtf8());
        w.OpenThroughMenu(ExamplePath("rc-portal-pushover.s2k"));
        const auto child = [](QWidget* parent, const char* name) { return parent->findChild<QWidget*>(name); };
        const auto click = [&](QWidget* parent, const char* name) { qobject_cast<QPushButton*>(child(parent, name))->click(); };

        QDialog* materials = w.Open("ToolButton6", "TForm3");
        for (const auto& [row, type] : {std::pair{0, kConcrete02}, {1, kSteel02}}) {
            qobject_cast<QListWidget*>(child(materials, "ListBox1"))->setCurrentRow(row);
            qobject_cast<QComboBox*>(child(materials, "ComboBox1"))->setCurrentIndex(type - 1);
            click(materials, "Button1");
        }
        QDialog* analysis = w.Open("ToolButton19", "TForm7");
        qobject_cast<QComboBox*>(child(analysis, "ComboBox1"))->setCurrentIndex(2); // Gravity+PushOver
        qobject_cast<QComboBox*>(child(analysis, "ComboBox3"))->setCurrentIndex(1); // pushed by PUSH
        for (const auto& [box, text] : {std::pair{"Edit8", "2"}, {"Edit3", "3"}, {"Edit4", "0.0005"}})
            Type(qobject_cast<QLineEdit*>(child(analysis, box)), text); // bars of STEEL, joint 3, 0.5 mm a step
        click(analysis, "Button1");
        QDialog* recorders = w.Open("ToolButton24", "TForm8");
        qobject_cast<QCheckBox*>(child(recorders, "CheckBox6"))->setChecked(true);
        click(recorders, "Button1");

        QTemporaryDir dir;
        const QString script = dir.filePath("pushover.tcl");
        QDialog* tcl = w.Open("ToolButton8", "TForm6");
        click(tcl, "Button3");
        w.chooser->saveAnswers << script;
        click(tcl, "Button2");
        QCOMPARE(w.messenger->messages, QStringList());

        w.chooser->answers << script;
        w->findChild<QAction*>("RunOpenSEES1")->trigger();
        auto* run = w->findChild<SolverWindow*>("SolverWindow");
        QVERIFY(run);
        QVERIFY(QTest::qWaitFor([&] { return !run->findChild<QPushButton*>("StopButton")->isEnabled(); }, 60000));
        const QString verdict = run->findChild<QLabel*>("VerdictLabel")->text();
        QVERIFY2(verdict.startsWith("Finished cleanly"), qPrintable(verdict));

        w->session().analysis.AnalysisType = 1; // the run describes its own curve
        CurvesWindow* curves = Open(w);
        QVERIFY2(Status(curves).startsWith("100 steps; peak base shear ") && Status(curves).contains(" kN at 0.0"),
                 qPrintable(Status(curves)));
        const Curve& curve = curves->Shown();
        QCOMPARE(curve.kind, CurveKind::Pushover);
        QVERIFY(std::abs(curve.x.back() - 0.05) < 1e-4); // joint 3 reached 50 mm
        const double initial = curve.y.front() / curve.x.front(), secant = curve.y.back() / curve.x.back();
        QVERIFY2(secant < 0.8 * initial, qPrintable(QString("secant %1, initial %2").arg(secant).arg(initial)));
    }
};

} // namespace

QTEST_MAIN(CurvesWindowTest)
#include "CurvesWindowTest.moc"
