// "Post > Force" and "Post > Reactions": the windows read the step the
// results show from a run of a simply supported beam (files the real solver
// wrote), set what the drawing shows, and say what failed without losing what
// was shown.
#include "GuiTestSupport.h"

#include "gui/common/SettingBoxes.h"
#include "gui/results/ResultStepBar.h"
#include "session/ResultLoading.h"
#include "view/ReactionArrows.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

using namespace mirelo;
using namespace mirelo::test;

namespace {

// The beam of 6 m under 5 kN/m on two supports, and its run of two load steps
// (load factors 0.5 and 1), loaded at step 1.
struct BeamRun {
    TestWindow w;
    QString folder = QStringLiteral(MIRELO_SOURCE_DIR "/tests/gui/data/simple-beam-run");

    BeamRun()
    {
        w->OpenS2kPath(QStringLiteral(MIRELO_SOURCE_DIR "/tests/results/data/simple-beam-uniform.s2k"));
        LoadNodeDisplacements(w->session(), QFile::encodeName(folder).toStdString(), 1);
    }

    QDialog* Open(const char* item, const char* window)
    {
        w->findChild<QAction*>(item)->trigger();
        auto* dialog = Child<QDialog>(&*w, window);
        return dialog->isVisible() ? dialog : nullptr;
    }

    // The drawing's pixel at `down` pixels below the middle of the beam.
    QColor UnderBeam(int down)
    {
        const Projection& at = w->projection();
        return w.PixelAt((at.joints[1].x + at.joints[2].x) / 2, at.joints[1].y + down);
    }
};

void Choose(QComboBox* box, int index)
{
    box->setCurrentIndex(index);
    emit box->activated(index);
}

} // namespace

class ForceWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { UseTemporarySettings(); }

    void theForceWindowDrawsTheShownStepsMomentOnTheTensionSide()
    {
        BeamRun run;
        QDialog* window = run.Open("Force1", "ForceDiagramWindow");
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QString("Force Diagram"));
        const ViewState& view = run.w->session().view;
        const ResultSet& results = run.w->session().results;
        // Step 1 of the results shown: load factor 0.5, so wL²/8 = 2.5 · 36 / 8 = 11.25.
        QCOMPARE(results.forces.step, std::int64_t(1));
        QCOMPARE(Child<QLabel>(window, "StatusLabel")->text(), QString("Step 1 of 2, time 0.5"));
        QVERIFY(view.ShowForces);
        QCOMPARE(view.ForceShown, ForceQuantity::My);
        QCOMPARE(Child<QComboBox>(window, "QuantityBox")->currentText(), QString("Moment My"));
        QCOMPARE(Child<QLineEdit>(window, "ScaleEdit")->text(), QString("0.0533333")); // a tenth of 6 over 11.25
        // In the elevation the sagging moment lies under the beam, red.
        run.w->ShowStandardView(StandardView::XZ);
        const QColor under = run.UnderBeam(8), over = run.UnderBeam(-8);
        QVERIFY2(under.red() > under.blue() + 40, qPrintable(under.name()));
        QCOMPARE(over, QColor(Qt::white));

        // Another quantity starts at its own scale: Vz ends at 7.5, a tenth of 6 over 7.5.
        Choose(Child<QComboBox>(window, "QuantityBox"), 3);
        QCOMPARE(view.ForceShown, ForceQuantity::Vz);
        QCOMPARE(Child<QLineEdit>(window, "ScaleEdit")->text(), QString("0.08"));
        Child<QCheckBox>(window, "ShowValuesCheck")->setChecked(true);
        QVERIFY(view.ShowForceValues);
        Choose(Child<QComboBox>(window, "ContourBox"), 4);
        QCOMPARE(view.ContourShown, ContourQuantity::UZ);
        Choose(Child<QComboBox>(window, "QuantityBox"), 0);
        QVERIFY(!view.ShowForces);
        QVERIFY(run.w.messenger->messages.isEmpty());
    }

    void badScalesAndFoldersAreSaidAndChangeNothing()
    {
        BeamRun run;
        QDialog* window = run.Open("Force1", "ForceDiagramWindow");
        const ViewState& view = run.w->session().view;
        const double scale = view.ForceScale;
        auto* status = Child<QLabel>(window, "StatusLabel");
        for (const char* typed : {"abc", "0", ""}) {
            Type(Child<QLineEdit>(window, "ScaleEdit"), typed);
            Child<QPushButton>(window, "ApplyScaleButton")->click();
            QVERIFY2(!status->text().isEmpty(), typed);
            QCOMPARE(view.ForceScale, scale);
        }
        QVERIFY(status->text().contains("not a valid floating point value"));
        Type(Child<QLineEdit>(window, "ScaleEdit"), "0.5");
        Child<QPushButton>(window, "ApplyScaleButton")->click();
        QCOMPARE(view.ForceScale, 0.5);

        run.w.chooser->answers << run.folder + "/none/node0.out";
        Child<QPushButton>(window, "FolderButton")->click();
        QVERIFY2(status->text().startsWith("Cannot open file"), qPrintable(status->text()));
        QCOMPARE(run.w->session().results.forces.step, std::int64_t(1)); // the forces shown stay
        QVERIFY(run.w.messenger->messages.isEmpty());
    }

    void theReactionsTableBalancesTheAppliedLoad()
    {
        BeamRun run;
        // Before any run or choice there is no folder to read; the window says so.
        run.w->session().results = {};
        QDialog* window = run.Open("Reactions1", "ReactionsWindow");
        QVERIFY(window);
        QVERIFY2(Child<QLabel>(window, "StatusLabel")->text().startsWith("Choose the run's folder first"),
                 qPrintable(Child<QLabel>(window, "StatusLabel")->text()));
        run.w.chooser->answers << run.folder + "/node0.out";
        Child<QPushButton>(window, "FolderButton")->click();
        QCOMPARE(Child<QLabel>(window, "StatusLabel")->text(), QString("Step 2 of 2"));
        QCOMPARE(Child<QLabel>(window, "FolderLabel")->text(), QDir::toNativeSeparators(run.folder));
        QCOMPARE(run.w->session().results.loaded.step, std::int64_t(2)); // the drawing shows the same step
        auto* table = Child<QTableWidget>(window, "ReactionTable");
        QCOMPARE(table->rowCount(), 3);
        QCOMPARE(table->horizontalHeaderItem(3)->text(), QString("FZ (kN)"));
        QCOMPARE(table->horizontalHeaderItem(5)->text(), QString("MY (kN\u00b7m)"));
        const QStringList expected[] = {{"1", "0.000", "0.000", "15.000", "0.000", "0.000", "0.000"},
                                        {"2", "0.000", "0.000", "15.000", "0.000", "0.000", "0.000"},
                                        {"Total", "0.000", "0.000", "30.000", "0.000", "\u221290.000", "0.000"}};
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column < 7; ++column)
                QCOMPARE(table->item(row, column)->text(), expected[row][column]);
        const QString check = Child<QLabel>(window, "EquilibriumLabel")->text();
        QVERIFY2(check.contains(QString("\u03a3 FZ = 30.000 kN, applied \u221230.000 kN")), qPrintable(check));
        QVERIFY2(check.contains(QString("\u03a3 MY = \u221290.000 kN\u00b7m, applied 90.000 kN\u00b7m")), qPrintable(check));

        // The arrows push the supports up, and the switch takes them away.
        run.w->ShowStandardView(StandardView::XZ);
        const ScreenPoint support = run.w->projection().joints[1];
        QCOMPARE(run.w.PixelAt(support.x, support.y + kReactionArrowLength / 2), kReactionColour);
        Child<QCheckBox>(window, "ShowInDrawingCheck")->setChecked(false);
        QVERIFY(!run.w->session().view.ShowReactions);
        QVERIFY(run.w.PixelAt(support.x, support.y + kReactionArrowLength / 2) != kReactionColour);
    }

    // Another step on the step bar: the table, the force window and the
    // drawing all show it, the arrows off or on.
    void bothWindowsFollowTheStepBar()
    {
        BeamRun run;
        QDialog* forces = run.Open("Force1", "ForceDiagramWindow");
        QDialog* reactions = run.Open("Reactions1", "ReactionsWindow");
        Child<QCheckBox>(reactions, "ShowInDrawingCheck")->setChecked(false);
        auto* steps = Child<ResultStepBar>(&*run.w, "ResultStepBar");
        const ResultSet& results = run.w->session().results;
        for (const std::int32_t step : {2, 1}) {
            steps->ShowStep({step, std::nullopt});
            QCOMPARE(results.loaded.step, std::int64_t(step));
            QCOMPARE(results.forces.step, std::int64_t(step));
            QCOMPARE(results.reactions.step, std::int64_t(step));
            QCOMPARE(Child<QLabel>(forces, "StatusLabel")->text(),
                     QString("Step %1 of 2, time %2").arg(step).arg(step == 1 ? "0.5" : "1"));
            QCOMPARE(Child<QLabel>(reactions, "StatusLabel")->text(), QString("Step %1 of 2").arg(step));
            // Half the load at step 1: 7.5 kN on each support, 15 at step 2.
            QCOMPARE(Child<QTableWidget>(reactions, "ReactionTable")->item(0, 3)->text(),
                     QString(step == 1 ? "7.500" : "15.000"));
        }
        QVERIFY(run.w.messenger->messages.isEmpty());
    }
};

QTEST_MAIN(ForceWindowsTest)
#include "ForceWindowsTest.moc"
