// "Deformation Shape", the step bar, "Clear Results", "Export Picture" and the result loading of a session.
#include "GuiTestSupport.h"

#include "gui/main/DrawingArea.h"
#include "session/ResultLoading.h"
#include "gui/results/ResultStepBar.h"
#include "gui/results/ResultsDialog.h"
#include "session/ResultCaption.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QToolButton>

using namespace mirelo;
using namespace mirelo::test;

namespace {

void Write(const QDir& dir, const QString& name, const QByteArray& text)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        qFatal("cannot write %s", qPrintable(name));
}

// The portal's 4 joints over three steps: joint k moves (10 s k, 0, -s) at step s.
QByteArray NodeSteps()
{
    QByteArray text;
    for (int s = 1; s <= 3; ++s) {
        text += QByteArray::number(s);
        for (int k = 1; k <= 4; ++k)
            text += " " + QByteArray::number(10 * s * k) + " 0 " + QByteArray::number(-s);
        text += "\n";
    }
    return text;
}

// The portal's two columns over three steps: at step s the axial strain of
// column 1 is s at its first section and -s at its last, all else 0.
void WriteSectionSteps(const QDir& dir)
{
    QByteArray first, last;
    for (int s = 1; s <= 3; ++s) {
        first += QByteArray::number(s) + " " + QByteArray::number(s) + " 0 0 0 0 0 0 0\n";
        last += QByteArray::number(s) + " " + QByteArray::number(-s) + " 0 0 0 0 0 0 0\n";
    }
    Write(dir, "ele0_secs.out", first);
    Write(dir, "ele0_secn.out", last);
}

struct ResultsFixture {
    TestWindow w;
    TempS2k s2k{kPortalS2k};
    QTemporaryDir results;
    ResultsDialog* dialog = nullptr;

    ResultsFixture()
    {
        w.OpenThroughMenu(s2k.path());
        Write(QDir(results.path()), "node0.out", NodeSteps());
        w.Button("ToolButton25")->click();
        dialog = w->findChild<ResultsDialog*>("TForm10");
        // The run folder, chosen once through any file in it.
        w.chooser->answers.push_back(QDir(results.path()).filePath("node0.out"));
        Child<QPushButton>(dialog, "FolderButton")->click();
        asked = w.chooser->filters.size();
    }
    qsizetype asked = 0; // file dialogs shown so far
    QLineEdit* Box(const char* name) { return Child<QLineEdit>(dialog, name); }
    void Load(const char* button) { Child<QPushButton>(dialog, button)->click(); }
    Session& session() { return w->session(); }
    ResultStepBar& bar() { return w->stepBar(); }
    QSlider* slider() { return Child<QSlider>(&bar(), "StepSlider"); }
    QString stepLabel() { return Child<QLabel>(&bar(), "StepLabel")->text(); }
};

} // namespace

class ResultsDialogTest : public QObject {
    Q_OBJECT

private slots:
    void controlsAndDefaults()
    {
        ResultsFixture f;
        QVERIFY(f.dialog && f.dialog->isVisible());
        QCOMPARE(f.dialog->windowTitle(), QString("Deformation Shape"));
        const struct {
            const char* name;
            const char* caption;
        } buttons[] = {{"Button1", "Load Node Deform Data"}, {"Button4", "Load Sec Deform Data"},
                       {"Button5", "Load Model Shape"},      {"Button2", "OK"},
                       {"Button3", "Cancel"},                {"FolderButton", "Folder..."}};
        for (const auto& b : buttons)
            QCOMPARE(Child<QPushButton>(f.dialog, b.name)->text(), QString(b.caption));
        const struct {
            const char* name;
            const char* text;
        } boxes[] = {{"Edit2", "1"}, {"Edit1", "1"}, {"Edit5", "1"}, {"Edit3", "0.0001"}, {"Edit4", "-0.0001"}};
        for (const auto& b : boxes)
            QCOMPARE(f.Box(b.name)->text(), QString(b.text));
        QStringList groups;
        for (const char* g : {"GroupBox1", "GroupBox2", "GroupBox3", "GroupBox4"})
            groups << Child<QGroupBox>(f.dialog, g)->title();
        QCOMPARE(groups, QStringList({"Load Step", "Disp Scaling", "Modal Shape", "Section Deformation"}));
        auto* combo = Child<QComboBox>(f.dialog, "ComboBox1");
        QCOMPARE(combo->currentText(), QString("Axial Strain"));
        QCOMPARE(combo->count(), 3);
        QCOMPARE(combo->itemText(2), QString("Curvature Ky"));
        QCOMPARE(Child<QLabel>(f.dialog, "Image1")->pixmap().size(), QSize(155, 40));
        QCOMPARE(Child<QLabel>(f.dialog, "LoadedLabel")->text(), QString("No displacements loaded"));
        QCOMPARE(Child<QLabel>(f.dialog, "FolderLabel")->text(), f.results.path());
        QVERIFY(!f.bar().isVisible()); // nothing to step through yet
    }

    void aLoadedStepIsDrawnAtOnceAndOkTakesTheScale()
    {
        ResultsFixture f;
        f.session().view.Scale = 5;
        f.session().view.PlanAngle = 0;
        f.session().view.TiltAngle = -90; // XZ: model X to the right
        f.session().view.LayerFlags.ShowFrames = f.session().view.LayerFlags.ShowSupports = false; // dots alone
        f.session().view.ShowUndeformed = false;
        f.w->Redraw();
        const std::int32_t before = f.w->projection().joints[1].x;
        f.Box("Edit2")->setText("1");
        f.Load("Button1");
        QCOMPARE(f.w.chooser->filters.size(), f.asked); // the folder is not asked for again
        QCOMPARE(JointDisplacement(f.session().results, 1).x, 10.0);
        QCOMPARE(JointDisplacement(f.session().results, 4).z, -1.0);
        // A scale of 0 would not move anything: the suggested one, 5000 / 10 / 40 to one digit.
        QCOMPARE(f.session().view.DeformScale, 10.0);
        QCOMPARE(f.w->projection().joints[1].x, before + 20);
        QVERIFY(Child<QLabel>(f.dialog, "LoadedLabel")->text().startsWith("Displacements of load step 1 of 3"));
        QVERIFY(f.bar().isVisible());
        QCOMPARE(f.stepLabel(), QString("Step 1 of 3"));
        f.Box("Edit1")->setText("1");
        Child<QPushButton>(f.dialog, "Button2")->click();
        QVERIFY(!f.dialog->isVisible());
        QCOMPARE(f.session().view.DeformScale, 1.0);
        const ScreenPoint joint = f.w->projection().joints[1];
        QCOMPARE(joint.x, before + 2); // 10 units at Scale 5
        QCOMPARE(f.w.PixelAt(joint.x, joint.y), QColor(0, 0, 255));
        QVERIFY(f.w.messenger->messages.isEmpty());
    }

    void aFailedLoadChangesNothing()
    {
        ResultsFixture f;
        f.Box("Edit2")->setText("2");
        f.Load("Button1");
        QCOMPARE(JointDisplacement(f.session().results, 2).x, 40.0);
        // Step 9 is beyond the file: the message says how many steps it holds; step 2 stays.
        f.Box("Edit2")->setText("9");
        f.Load("Button1");
        QCOMPARE(f.w.messenger->messages.size(), 1);
        QVERIFY2(f.w.messenger->messages[0].contains("Load step 9 is not in") &&
                     f.w.messenger->messages[0].contains("which holds 3 steps"),
                 qPrintable(f.w.messenger->messages[0]));
        // A second file that is broken: the first file's joints are not touched either.
        Write(QDir(f.results.path()), "node0.out", "1 1 1 1 2 2 2 3 3 3 4 4 x\n");
        f.Box("Edit2")->setText("1");
        f.Load("Button1");
        QVERIFY(f.w.messenger->messages.last().contains("field 13: joint 4 UZ"));
        QCOMPARE(JointDisplacement(f.session().results, 1).x, 20.0);
        QCOMPARE(f.session().results.loaded.step, 2);
        // Not a number in "Load Step".
        f.Box("Edit2")->setText("two");
        Child<QPushButton>(f.dialog, "Button1")->click();
        QCOMPARE(f.w.messenger->messages.last(), QString("'two' is not a valid integer value"));
        QCOMPARE(f.session().results.loaded.step, 2);
        QCOMPARE(f.w.chooser->filters.size(), f.asked);
    }

    void okTakesAllThreeBoxesOrNone()
    {
        ResultsFixture f;
        const ViewState before = f.session().view;
        f.Box("Edit3")->setText("0.5");
        f.Box("Edit4")->setText("-0.5");
        f.Box("Edit1")->setText("ten");
        Child<QPushButton>(f.dialog, "Button2")->click();
        QCOMPARE(f.w.messenger->messages.last(), QString("'ten' is not a valid floating point value"));
        QVERIFY(f.dialog->isVisible());
        QCOMPARE(f.session().view.HingeMax, before.HingeMax);
        QCOMPARE(f.session().view.HingeMin, before.HingeMin);
        QCOMPARE(f.session().view.DeformScale, before.DeformScale);
        f.Box("Edit1")->setText("100");
        Child<QPushButton>(f.dialog, "Button2")->click();
        QCOMPARE(f.session().view.HingeMax, 0.5);
        QCOMPARE(f.session().view.HingeMin, -0.5);
        QCOMPARE(f.session().view.DeformScale, 100.0);
        // Cancel takes nothing.
        f.w.Button("ToolButton25")->click();
        f.Box("Edit1")->setText("7");
        Child<QPushButton>(f.dialog, "Button3")->click();
        QCOMPARE(f.session().view.DeformScale, 100.0);
    }

    void sectionDeformationsFillTheRangeBoxes()
    {
        ResultsFixture f;
        // Frames 1 and 3 are nonlinear columns (4 values per section), frame 2 an elastic beam (none).
        const QDir dir(f.results.path());
        Write(dir, "ele0_secs.out", "1 0.5 0.001 2 0 0.25 0.002 3 0\n");
        Write(dir, "ele0_secn.out", "1 -0.75 0.003 4 0 0.125 0.004 5 0\n");
        f.session().view.ShowResultCaption = false; // the discs alone
        Child<QComboBox>(f.dialog, "ComboBox1")->setCurrentIndex(1); // "Curvature Kz"
        f.Load("Button4");
        QVERIFY(f.session().view.LayerFlags.ShowHingeCircles);
        QCOMPARE(f.session().results.sections.step, 1); // the step the joints show
        QCOMPARE(SectionValueAtI(f.session().results, 1), 0.001);
        QCOMPARE(SectionValueAtJ(f.session().results, 3), 0.004);
        QCOMPARE(SectionValueAtI(f.session().results, 2), 0.0);
        QCOMPARE(f.Box("Edit3")->text(), QString("0.004"));
        QCOMPARE(f.Box("Edit4")->text(), QString("0")); // the elastic beam counts with its 0
        QCOMPARE(f.session().view.HingeMax, 0.004);
        // OK draws the discs in the classes of t = value / 0.004, halves to even: 0.25 gives class 2.
        f.session().view.LayerFlags.ShowHingeCircles = true;
        f.session().view.ShowLegend = false; // it would cover the discs in the upper right
        f.w->ShowStandardView(StandardView::XZ); // the portal's plane
        Child<QPushButton>(f.dialog, "Button2")->click();
        const auto disc = [&](std::int32_t frame, bool atI) {
            const Projection& at = f.w->projection();
            const ScreenPoint hinge = (atI ? at.hingesI : at.hingesJ)[static_cast<std::size_t>(frame)];
            return f.w.PixelAt(hinge.x, hinge.y);
        };
        QCOMPARE(disc(1, true), QColor(255, 255, 0)); // 0.001: t = 0.25, class 2
        QCOMPARE(disc(1, false), QColor(0, 255, 255)); // 0.003: t = 0.75, class 4
        QCOMPARE(disc(3, true), QColor(0, 255, 0));    // 0.002: class 3
        QCOMPARE(disc(3, false), QColor(255, 0, 255)); // 0.004: class 6
        QCOMPARE(disc(2, true), QColor(255, 0, 0));    // the elastic beam's 0: class 1
        f.w.Button("ToolButton25")->click();
        Child<QComboBox>(f.dialog, "ComboBox1")->setCurrentIndex(0); // shown at once, the range kept
        QCOMPARE(SectionValueAtI(f.session().results, 1), 0.5);
        QCOMPARE(f.Box("Edit3")->text(), QString("0.004"));
        f.Load("Button4");
        QCOMPARE(f.Box("Edit3")->text(), QString("0.5"));
        QCOMPARE(f.Box("Edit4")->text(), QString("-0.75"));
    }

    void modeShapeWithItsPeriods()
    {
        ResultsFixture f;
        const QDir dir(f.results.path());
        Write(dir, "eigen2_node0.out", "0 1 0 0 2 0 0 3 0 0 4 0 0\n");
        Write(dir, "Periods.txt", "    39.47841760435743     157.91367041742973  \n");
        f.Box("Edit2")->setText("3"); // a mode takes its first line whatever the step
        f.Box("Edit5")->setText("2");
        f.Load("Button5");
        QCOMPARE(JointDisplacement(f.session().results, 3).x, 3.0);
        auto* periods = Child<QListWidget>(f.dialog, "PeriodList");
        QCOMPARE(periods->count(), 2);
        QCOMPARE(periods->item(0)->text(), QString("Mode 1: T = 1 s")); // 2 pi / sqrt(4 pi^2)
        QCOMPARE(periods->item(1)->text(), QString("Mode 2: T = 0.5 s"));
        QCOMPARE(periods->currentRow(), 1);
        QCOMPARE(Child<QLabel>(f.dialog, "LoadedLabel")->text().left(12), QString("Mode shape 2"));
    }

    // Every quantity shown, the step box, the slider, the bar's label and the
    // caption name one step: after loading, moving the slider, playing and stopping.
    void oneStepEverywhere()
    {
        ResultsFixture f;
        const QDir dir(f.results.path());
        WriteSectionSteps(dir);
        f.Box("Edit1")->setText("3");
        Child<QPushButton>(f.dialog, "Button2")->click(); // scale 3
        f.w.Button("ToolButton25")->click();
        f.Box("Edit2")->setText("2");
        f.Load("Button4"); // the section marks with the step
        const auto check = [&](std::int64_t step) {
            const Session& s = f.session();
            QCOMPARE(s.results.loaded.step, step);
            QCOMPARE(s.results.sections.step, step);
            QCOMPARE(SectionValueAtI(s.results, 1), static_cast<double>(step));
            QCOMPARE(JointDisplacement(s.results, 1).x, 10.0 * static_cast<double>(step));
            QCOMPARE(f.slider()->value(), static_cast<int>(step));
            QCOMPARE(f.Box("Edit2")->text(), QString::number(step));
            QCOMPARE(f.stepLabel(), QString("Step %1 of 3").arg(step));
            const std::vector<std::string> caption = ResultCaptionLines(s.model, s.results, s.view);
            QCOMPARE(caption.size(), std::size_t{4});
            QCOMPARE(QString::fromStdString(caption[0]),
                     QString("Displacement, step %1 of 3, load factor %1, scale 3").arg(step));
            QCOMPARE(QString::fromStdString(caption[1]),
                     QString("largest %1 mm at joint 4").arg(std::hypot(40.0 * static_cast<double>(step), step), 0, 'g', 4));
            QCOMPARE(QString::fromStdString(caption[2]), QString("Axial Strain at frame ends, step %1 of 3").arg(step));
        };
        check(2);
        f.slider()->setValue(3);
        check(3);
        Child<QToolButton>(&f.bar(), "StepBackButton")->click();
        check(2);

        auto* animate = Child<QToolButton>(&f.bar(), "AnimateButton");
        QCOMPARE(animate->text(), QString("Animate"));
        animate->click();
        QVERIFY(f.bar().animating());
        std::vector<std::int64_t> steps;
        for (int frame = 0; frame < 4; ++frame) {
            f.bar().AnimationFrame();
            steps.push_back(f.session().results.loaded.step);
        }
        QCOMPARE(steps, (std::vector<std::int64_t>{3, 1, 2, 3}));
        check(3);
        QTRY_VERIFY_WITH_TIMEOUT(f.session().results.loaded.step == 1, 2000); // the timer plays on by itself
        animate->click();
        QVERIFY(!f.bar().animating());
        check(f.session().results.loaded.step);
        QVERIFY(f.w.messenger->messages.isEmpty());

        // A step whose section file is short fails as a whole: everything stays on the step before.
        Write(dir, "ele0_secn.out", "1 -1 0 0 0 0 0 0 0\n");
        f.session().resultFiles = RecorderFileCache();
        f.slider()->setValue(1);
        f.slider()->setValue(3);
        QVERIFY(f.w.messenger->messages.last().contains("ele0_secn.out"));
        check(1);
    }

    void marksSwitchedOnInTheViewOptionsComeWithTheStepShown()
    {
        ResultsFixture f;
        WriteSectionSteps(QDir(f.results.path()));
        f.Box("Edit2")->setText("2");
        f.Load("Button1");
        QVERIFY(f.session().results.sections.atI.empty()); // the marks are not shown: not read
        f.w.Button("ToolButton9")->click();
        auto* options = f.w->findChild<QDialog*>("TForm4");
        Child<QCheckBox>(options, "CheckBox8")->setChecked(true); // "Hinge Circle"
        Child<QPushButton>(options, "Button1")->click();
        QVERIFY(f.w.messenger->messages.isEmpty());
        QCOMPARE(f.session().results.sections.step, 2);
        QCOMPARE(SectionValueAtI(f.session().results, 1), 2.0);
    }

    void theBarSitsUnderTheDrawingAndSwingsAMode()
    {
        ResultsFixture f;
        f.Load("Button1");
        QCOMPARE(f.w->toolBarArea(&f.bar()), Qt::BottomToolBarArea);
        const QRect drawing(f.w->drawingArea().mapTo(&*f.w, QPoint(0, 0)), f.w->drawingArea().size());
        const QRect bar(f.bar().mapTo(&*f.w, QPoint(0, 0)), f.bar().size());
        QVERIFY(!drawing.intersects(bar));

        Write(QDir(f.results.path()), "eigen1_node0.out", "0 1 0 0 1 0 0 1 0 0 1 0 0\n");
        f.Box("Edit5")->setText("1");
        f.Load("Button5");
        QCOMPARE(f.stepLabel(), QString("Mode 1"));
        QVERIFY(!f.slider()->isEnabled());
        f.session().view.DeformScale = 3;
        auto* animate = Child<QToolButton>(&f.bar(), "AnimateButton");
        animate->click();
        std::vector<double> scales;
        for (int frame = 0; frame < 40; frame += 10) {
            for (int k = 0; k < 10; ++k)
                f.bar().AnimationFrame();
            scales.push_back(f.session().view.DeformScale);
        }
        QCOMPARE(scales, (std::vector<double>{3, 0, -3, 0})); // frames 10, 20, 30, 40 of a 40-frame swing
        animate->click(); // stopping leaves the full scale
        QVERIFY(!f.bar().animating());
        QCOMPARE(f.session().view.DeformScale, 3.0);
        // Step forward to a mode the run did not write: said, and mode 1 stays.
        Child<QToolButton>(&f.bar(), "StepForwardButton")->click();
        QVERIFY(f.w.messenger->messages.last().contains("eigen2_node0.out"));
        QCOMPARE(f.session().results.loaded.mode, 1);
    }

    void clearResultsKeepsScaleAndRange()
    {
        ResultsFixture f;
        f.Load("Button1");
        Child<QPushButton>(f.dialog, "Button2")->click();
        f.session().view.HingeMax = 2;
        f.w.Button("ToolButton27")->click();
        for (std::int32_t k = 1; k <= 4; ++k)
            QCOMPARE(JointDisplacement(f.session().results, k).x, 0.0);
        QCOMPARE(f.session().view.DeformScale, 1.0);
        QCOMPARE(f.session().view.HingeMax, 2.0);
        QCOMPARE(f.session().results.loaded.kind, LoadedResults::Kind::None);
        QVERIFY(!f.bar().isVisible());
    }

    void loadLastStepAfterARun()
    {
        ResultsFixture f;
        f.dialog->close();
        Session& s = f.session();
        LoadLastStepResults(s, f.results.path().toStdString());
        QCOMPARE(s.results.loaded.step, 3);
        QCOMPARE(JointDisplacement(s.results, 4).x, 120.0);
        // The portal is 5000 wide; the largest move 120: a tenth of 5000 / 120 is 4.17, shown as 4.
        QCOMPARE(s.view.DeformScale, 4.0);
        s.view.DeformScale = 25;
        QVERIFY_THROWS_EXCEPTION(Error, LoadLastStepResults(s, QDir(f.results.path()).filePath("none").toStdString()));
        QCOMPARE(s.view.DeformScale, 25.0);
        QCOMPARE(JointDisplacement(s.results, 4).x, 120.0);
        // The dialog shows the scale that another command set.
        f.w.Button("ToolButton25")->click();
        QCOMPARE(f.Box("Edit1")->text(), QString("25"));
        QCOMPARE(SuggestedDeformScale(Model(), ResultSet()), 1.0);
    }

    void exportPictureWritesTheDrawingArea()
    {
        ResultsFixture f;
        QTemporaryDir out;
        const QString path = QDir(out.path()).filePath("picture.png");
        f.w.chooser->saveAnswers.push_back(path);
        f.w->findChild<QAction*>("ExportPicture1")->trigger();
        QVERIFY(f.w.messenger->messages.isEmpty());
        const QImage saved(path);
        QCOMPARE(saved.size(), f.w->drawingArea().Canvas().size());
        QCOMPARE(saved.convertToFormat(QImage::Format_RGB32), f.w->drawingArea().Canvas().convertToFormat(QImage::Format_RGB32));
        f.w.chooser->saveAnswers.push_back(QDir(out.path()).filePath("missing/folder/picture.png"));
        f.w->findChild<QAction*>("ExportPicture1")->trigger();
        QVERIFY(f.w.messenger->messages.last().startsWith("Cannot save file"));
    }
};

QTEST_MAIN(ResultsDialogTest)
#include "ResultsDialogTest.moc"
