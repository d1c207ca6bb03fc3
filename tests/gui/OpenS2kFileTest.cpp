// The open command: import, counts in the status bar, zoom; failures keep the
// model the user had; odd models and window sizes do not crash.
#include "GuiTestSupport.h"

#include "gui/main/DrawingArea.h"
#include "gui/main/ModelStatusBar.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QTableWidget>
#include <QToolButton>
#include <QUrl>

using namespace mirelo;
using namespace mirelo::test;

namespace {

bool EveryJointInside(MainWindow& window)
{
    const Model& model = window.session().model;
    const QSize area = window.drawingArea().size();
    for (std::int32_t k = 1; k <= model.Joints.count; ++k) {
        const ScreenPoint joint = window.projection().joints[static_cast<std::size_t>(k)];
        if (joint.x < 0 || joint.x >= area.width() || joint.y < 0 || joint.y >= area.height())
            return false;
    }
    return true;
}

} // namespace

class OpenS2kFileTest : public QObject {
    Q_OBJECT

private slots:
    void importShowsCountsAndFitsTheModel()
    {
        TestWindow w;
        w.OpenThroughMenu(ExamplePath("rc-frame-building.s2k"));
        QCOMPARE(w.chooser->filters, QStringList({"SAP2000 text file, version 6 or tables|*.s2k;*.$2k;*.txt|All files|*"}));
        QVERIFY(w.messenger->messages.isEmpty());
        // joints, frames, shells, solids, materials, frame sections, shell sections
        QCOMPARE(w.CountPanels(), QStringList({"51", "87", "21", "0", "2", "4", "2"}));
        QCOMPARE(w->session().model.Joints.count, 51);
        QVERIFY(!w->session().S2kLines.empty());
        QVERIFY(w->session().view.Scale != 5.0);
        QVERIFY(EveryJointInside(*w));
    }

    void toolButtonAndMenuItemOpenAlike()
    {
        TempS2k portal(kPortalS2k);
        TestWindow w;
        w.chooser->answers << portal.path();
        w.Button("ToolButton1")->click();
        QCOMPARE(w.CountPanels(), QStringList({"4", "3", "0", "0", "1", "2", "0"}));
        QCOMPARE(w.chooser->filters.size(), 1);
    }

    void fileFiltersInQtForm()
    {
        QCOMPARE(QtNameFilter("s2k file|*.s2k"), QString("s2k file (*.s2k *.S2K)"));
        QCOMPARE(QtNameFilter("OpenSEES tcl(*.tcl)|*.tcl|all|*"),
                 QString("OpenSEES tcl(*.tcl) (*.tcl *.TCL);;all (*)"));
        QCOMPARE(QtNameFilter("text|*.txt;*.out"), QString("text (*.txt *.TXT *.out *.OUT)"));
    }

    void cancelKeepsEverything()
    {
        TempS2k portal(kPortalS2k);
        TestWindow w;
        w.OpenThroughMenu(portal.path());
        w->session().view.Scale = 123;
        w->session().model.FrameSections[1].divideX = 9; // an edit a re-import would lose
        w.chooser->answers << QString();
        w->findChild<QAction*>("ImportSap2000txtfile1")->trigger();
        QCOMPARE(w->session().view.Scale, 123.0);
        QCOMPARE(w->session().model.FrameSections[1].divideX, 9);
        QVERIFY(w.messenger->messages.isEmpty());
    }

    void failedImportShowsTheMessageAndKeepsTheModel()
    {
        TempS2k portal(kPortalS2k);
        TempS2k broken("SYSTEM\n\nJOINT\n  1  X=0  Y=abc  Z=0\n\n", "broken.s2k");
        TestWindow w;
        w.OpenThroughMenu(portal.path());
        const std::size_t lines = w->session().S2kLines.size();
        const double scale = w->session().view.Scale;

        w.OpenThroughMenu(broken.path());
        QCOMPARE(w.messenger->messages.size(), 1);
        QCOMPARE(w.messenger->messages[0],
                 broken.path() + ": 'abc' is not a valid floating point value (JOINT section, line 4, field Y)");
        QCOMPARE(w.CountPanels(), QStringList({"4", "3", "0", "0", "1", "2", "0"}));
        QCOMPARE(w->session().model.Joints.count, 4);
        QCOMPARE(w->session().S2kLines.size(), lines);
        QCOMPARE(w->session().view.Scale, scale);
        QVERIFY(!w.messenger->waitCursorDuringMessage);
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void missingFileIsReported()
    {
        TestWindow w;
        w.OpenThroughMenu("/nonexistent/folder/model.s2k");
        QCOMPARE(w.messenger->messages.size(), 1);
        QVERIFY2(w.messenger->messages[0].startsWith("Cannot open file \"/nonexistent/folder/model.s2k\""),
                 qPrintable(w.messenger->messages[0]));
        QCOMPARE(w.Panel(3), QString());
    }

    void modelWithoutJoints()
    {
        TempS2k empty("SYSTEM\n\nMATERIAL\n  NAME=STEEL  IDES=S\n    T=0  E=2E5  U=0.3\n\n");
        TestWindow w;
        w.OpenThroughMenu(empty.path());
        QVERIFY(w.messenger->messages.isEmpty());
        QCOMPARE(w.CountPanels(), QStringList({"0", "0", "0", "0", "1", "0", "0"}));
        QCOMPARE(w->session().model.Joints.count, -1);
        QCOMPARE(w->session().view.Scale, 5.0); // nothing to fit
        for (const char* button : {"ToolButton13", "ToolButton10", "ToolButton11", "ToolButton12"})
            w.Button(button)->click();
        QCOMPARE(w->session().view.Scale, 5.0);
        QCOMPARE(w->session().view.PlanAngle, 90.0); // the YZ view still sets its angles
        QVERIFY(w.messenger->messages.isEmpty());
    }

    void jointsOnOnePointZoomToScaleOne()
    {
        TempS2k point("SYSTEM\n\nJOINT\n  1  X=700  Y=300  Z=20\n  2  X=700  Y=300  Z=20\n  3  X=700  Y=300  Z=20\n\n");
        TestWindow w;
        w.OpenThroughMenu(point.path());
        QVERIFY(w.messenger->messages.isEmpty());
        QCOMPARE(w.Panel(3), QString("3"));
        QCOMPARE(w->session().view.Scale, 1.0);
        // Centred on the point: the pan is its projected position.
        QCOMPARE(w->session().view.PanX, 700.0);
        QCOMPARE(w->session().view.PanY, -300.0);
    }

    void everyExampleOpensAndFits()
    {
        const QStringList examples = QDir(ExamplePath("")).entryList({"*.s2k"});
        QVERIFY(!examples.isEmpty());
        TestWindow w;
        for (const QString& name : examples) {
            w.OpenThroughMenu(ExamplePath(name));
            QVERIFY2(w.messenger->messages.isEmpty(), qPrintable(name));
            QVERIFY2(w.Panel(3).toInt() > 0, qPrintable(name));
            w.Button("ToolButton11")->click();
            QVERIFY2(EveryJointInside(*w), qPrintable(name));
        }
    }

    // Bytes that are no s2k text, and coordinates far beyond any screen.
    void oddFilesDoNotCrash()
    {
        QByteArray garbage;
        for (int i = 0; i < 4096; ++i)
            garbage.append(static_cast<char>((i * 7919) % 256));
        TempS2k binary(QString::fromLatin1(garbage), "binary.s2k");
        TempS2k huge("SYSTEM\n\nJOINT\n  1  X=0  Y=0  Z=0\n  2  X=1E300  Y=-1E300  Z=1E300\n\n"
                     "FRAME\n  1  J=1,2  SEC=B  NSEG=1  ANG=0\n\n",
                     "huge.s2k");
        TestWindow w;
        w.OpenThroughMenu(binary.path());
        w.OpenThroughMenu(huge.path());
        for (const char* button : {"ToolButton13", "ToolButton10", "ToolButton11", "ToolButton12"})
            w.Button(button)->click();
        QVERIFY(std::isfinite(w->session().view.Scale));
        for (const QString& message : w.messenger->messages)
            QVERIFY2(!message.isEmpty(), "an error without a message");
    }

    void surfaceFollowsTheWindowDownToTinySizes()
    {
        TempS2k portal(kPortalS2k);
        TestWindow w;
        w.OpenThroughMenu(portal.path());
        w->resize(800, 500);
        QTRY_COMPARE(w->drawingArea().Canvas().size(), w->drawingArea().size());
        for (QSize size : {QSize(1, 1), QSize(0, 0), QSize(40, 30)}) {
            w->resize(size);
            QCoreApplication::processEvents();
            for (const char* button : {"ToolButton13", "ToolButton10", "ToolButton11", "ToolButton12", "ToolButton2"})
                w.Button(button)->click();
            QVERIFY(!w->drawingArea().Canvas().isNull());
            QVERIFY(std::isfinite(w->session().view.Scale) && w->session().view.Scale > 0);
        }
        w->resize(900, 600);
        w.Button("ToolButton13")->click();
        QVERIFY(EveryJointInside(*w));
        QVERIFY(w.messenger->messages.isEmpty());
    }

    // A table export opens as a version-6 file does; what the conversion left
    // out is said in the status bar and once in a message, and the sheet of a
    // frame names its joints by their labels.
    void aTableExportOpensWithItsNotesAndNames()
    {
        TempS2k tables("TABLE:  \"PROGRAM CONTROL\"\n   CurrUnits=\"KN, m, C\"\n"
                       "TABLE:  \"JOINT COORDINATES\"\n   Joint=A1   XorR=0   Y=0   Z=0\n   Joint=B1   XorR=0   Y=0   Z=3\n"
                       "   Joint=B2   XorR=5   Y=0   Z=3\n"
                       "TABLE:  \"CONNECTIVITY - FRAME\"\n   Frame=C1   JointI=A1   JointJ=B1\n   Frame=G1   JointI=B1   JointJ=B2\n"
                       "TABLE:  \"GRID LINES\"\n   GridID=A\nEND TABLE DATA\n",
                       "building.s2k");
        TestWindow w;
        w.OpenThroughMenu(tables.path());
        QVERIFY(w.messenger->messages.isEmpty());
        QCOMPARE(w.CountPanels(), QStringList({"3", "2", "0", "0", "0", "0", "0"}));
        QCOMPARE(w->session().S2kLines[0], std::string_view("SYSTEM")); // the converted text
        QCOMPARE(w.messenger->notes.size(), 1);
        QVERIFY(w.messenger->notes[0].contains("Tables not read: GRID LINES"));
        auto* statusBar = Child<ModelStatusBar>(w.window.get(), "StatusBar1");
        QVERIFY(statusBar->NoteText().contains("Read from the table text: 3 joints, 2 frames"));

        w->session().view.SelectedFrame = 2;
        auto* sheet = Child<QDialog>(w.window.get(), "TForm9");
        sheet->show();
        auto* grid = Child<QTableWidget>(sheet, "StringGrid1");
        QCOMPARE(grid->item(0, 1)->text(), QString("2 (G1)"));
        QCOMPARE(grid->item(1, 1)->text(), QString("2 (B1)"));
        QCOMPARE(grid->item(2, 1)->text(), QString("3 (B2)"));
        sheet->close();

        // A version-6 file cut off inside its LOAD section: its model comes
        // with the warning; a whole one clears the note.
        TempS2k cut(QString(kPortalS2k).section("\nEND", 0, 0) + "\n  NAME=WIND\n    TYPE=FORCE\n      ", "cut.s2k");
        w.OpenThroughMenu(cut.path());
        QCOMPARE(w.messenger->notes.size(), 2);
        QVERIFY(w.messenger->notes[1].startsWith("The file ends without its END line after the LOAD section"));
        QCOMPARE(statusBar->NoteText(), w.messenger->notes[1]);
        TempS2k portal(kPortalS2k);
        w.OpenThroughMenu(portal.path());
        QCOMPARE(w.messenger->notes.size(), 2);
        QCOMPARE(statusBar->NoteText(), QString());
    }

    void droppingAnS2kFileOpensIt()
    {
        TempS2k portal(kPortalS2k);
        TestWindow w;
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(portal.path())});
        QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w.window.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(w.window.get(), &drop);
        QCOMPARE(w.Panel(3), QString("4"));
    }

    void otherFilesAreNotTakenByADrop()
    {
        TestWindow w;
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile("/tmp/picture.png")});
        QDragEnterEvent enter(QPoint(100, 100), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        enter.setAccepted(false);
        QCoreApplication::sendEvent(w.window.get(), &enter);
        QVERIFY(!enter.isAccepted());
    }

    void importDropsTheSelectionOfTheOldModel()
    {
        TempS2k portal(kPortalS2k);
        TestWindow w;
        w.OpenThroughMenu(portal.path());
        w->session().view.SelectedFrame = 3;
        w->session().view.LoadCaseShown = 2;
        TempS2k single("SYSTEM\n\nJOINT\n  1  X=0  Y=0  Z=0\n  2  X=10  Y=0  Z=0\n\n"
                       "FRAME\n  1  J=1,2  SEC=B  NSEG=1  ANG=0\n\n",
                       "single.s2k");
        w.OpenThroughMenu(single.path());
        QVERIFY(w.messenger->messages.isEmpty());
        QCOMPARE(w->session().view.SelectedFrame, 0);
        QCOMPARE(w->session().view.LoadCaseShown, 0); // the new model has no load cases
    }

    // Settings that name the old model's load cases and joints do not carry
    // over to the next model: an import starts from the start values.
    void importStartsTheSettingsAnew()
    {
        TempS2k portal(kPortalS2k);
        TestWindow w;
        w.OpenThroughMenu(portal.path());
        AnalysisSettings& analysis = w->session().analysis;
        analysis.AnalysisType = 3;
        analysis.LoadCase = 2;
        analysis.PushoverCase = 2;
        analysis.ControlNode = 4;
        analysis.ControlDisp = 0.0005;
        w->session().recorders.RecordCurves = 1;
        w.OpenThroughMenu(portal.path());
        const AnalysisSettings start;
        QCOMPARE(analysis.AnalysisType, start.AnalysisType);
        QCOMPARE(analysis.LoadCase, start.LoadCase);
        QCOMPARE(analysis.PushoverCase, start.PushoverCase);
        QCOMPARE(analysis.ControlNode, start.ControlNode);
        QCOMPARE(analysis.ControlDisp, start.ControlDisp);
        QCOMPARE(w->session().recorders.RecordCurves, RecorderSettings().RecordCurves);
    }
};

QTEST_MAIN(OpenS2kFileTest)
#include "OpenS2kFileTest.moc"
