// Start-up: the application title, the main window's layout, its command map
// and the start values of the session.
#include "GuiTestSupport.h"

#include "gui/main/AppSetup.h"
#include "gui/main/DrawingArea.h"
#include "gui/main/ModelStatusBar.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

using namespace mirelo;
using namespace mirelo::test;

namespace {

struct MenuEntry {
    const char* name; // "-" for a separator
    const char* caption;
    bool enabled;
};

// The items of one menu in order, as "name caption enabled" lines.
QStringList Describe(QMenu* menu)
{
    QStringList lines;
    for (QAction* item : menu->actions())
        lines << (item->isSeparator() ? QString("-")
                                      : item->objectName() + " " + item->text() + (item->isEnabled() ? " on" : " off"));
    return lines;
}

QStringList Describe(std::initializer_list<MenuEntry> entries)
{
    QStringList lines;
    for (const MenuEntry& e : entries)
        lines << (QString(e.name) == "-" ? QString("-")
                                         : QString(e.name) + " " + e.caption + (e.enabled ? " on" : " off"));
    return lines;
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { SetUpApplication(*qApp); }

    void applicationAndWindowTitles()
    {
        QCOMPARE(QApplication::applicationDisplayName(), QString("Kavu"));
        TestWindow w;
        QCOMPARE(w->objectName(), QString("TForm1"));
        QCOMPARE(w->windowTitle(), QString("Mirelo"));
        QCOMPARE(w->size(), QSize(1116, 739));
    }

    void sessionStartsWithEveryDefault()
    {
        TestWindow w;
        const Session& s = w->session();
        QCOMPARE(s.view.Scale, 5.0);
        QCOMPARE(s.view.PanX, 0.0);
        QCOMPARE(s.view.PlanAngle, 0.0);
        QCOMPARE(s.view.TiltAngle, 0.0);
        QCOMPARE(s.view.MouseMode, 0);
        QCOMPARE(s.view.SelectedFrame, 0);
        QCOMPARE(s.view.LoadCaseShown, 0);
        QCOMPARE(s.view.LoadTypeShown, 0);
        QCOMPARE(s.view.DeformScale, 0.0);
        QCOMPARE(s.view.HingeMax, 0.0001);
        QCOMPARE(s.view.HingeMin, -0.0001);
        const LayerSwitches& f = s.view.LayerFlags;
        const bool on[] = {f.ShowNodes, f.ShowFrames, f.ShowSupports, f.ShowShells, f.ShowReleases, f.ShowSolids};
        const bool off[] = {f.ShowNodeLabels, f.ShowFrameLabels,  f.ShowFrameAxes,  f.ShowDiaphragms,
                            f.ShowHingeCircles, f.ShowShellLabels, f.ShowSolidLabels};
        for (bool flag : on)
            QVERIFY(flag);
        for (bool flag : off)
            QVERIFY(!flag);
        QVERIFY(s.S2kLines.empty());
        QCOMPARE(s.model.Joints.count, 0);
        QCOMPARE(s.model.Frames.count, 0);
        QCOMPARE(s.model.SectionPalette[4], RgbColour(0, 94, 31));
        QCOMPARE(s.model.SectionPalette[16], RgbColour(255, 0, 255));
        QCOMPARE(s.model.SectionPalette[17], 0);
        QCOMPARE(s.analysis.AnalysisType, 1);
        QCOMPARE(s.analysis.LoadCase, 1);
        QCOMPARE(s.analysis.PushoverCase, 1);
        QCOMPARE(s.analysis.LoadSteps, 100);
        QCOMPARE(s.analysis.AnalysisSteps, 100);
        QCOMPARE(s.analysis.LoadFactor, 1.0);
        QCOMPARE(s.analysis.ControlDisp, 0.1);
        QCOMPARE(s.analysis.ControlDof, 1);
        QCOMPARE(s.analysis.ControlNode, 1);
        QCOMPARE(s.analysis.ModeCount, 12);
        QCOMPARE(s.analysis.RebarMaterialNo, 1);
        QCOMPARE(s.analysis.IntegrationPoints, 3);
        QCOMPARE(s.analysis.UseAggregator, kFlagOff);
        QVERIFY(s.recorders.RecordNodeDisp != kFlagOff);
        QCOMPARE(s.recorders.RecordElementForce, kFlagOff);
        QCOMPARE(s.recorders.RecordSectionDeformation, kFlagOff);
        QCOMPARE(s.recorders.RecordSectionStressStrain, kFlagOff);
        QCOMPARE(s.recorders.RecordModeShapes, kFlagOff);
    }

    void theStatusNamesTheViewShownAtStartUp()
    {
        TestWindow w;
        QCOMPARE(w->statusPanels().PlaneText(), QString("XY view: all planes"));
        w.OpenThroughMenu(ExamplePath("rc-frame-building.s2k"));
        const Model& model = w->session().model;
        // A plan: a column's foot and head fall on one pixel.
        std::int32_t column = 0;
        for (std::int32_t f = 1; f <= model.Frames.count && column == 0; ++f) {
            const Joint& i = model.Joints[model.Frames[f].jointI];
            const Joint& j = model.Joints[model.Frames[f].jointJ];
            if (i.x == j.x && i.y == j.y && i.z != j.z)
                column = f;
        }
        QVERIFY(column != 0);
        const Frame& c = model.Frames[column];
        const std::vector<ScreenPoint>& joints = w->projection().joints;
        QCOMPARE(joints[static_cast<std::size_t>(c.jointI)], joints[static_cast<std::size_t>(c.jointJ)]);
        QCOMPARE(w->statusPanels().PlaneText(), QString("XY view: all planes"));
        // The storeys can be stepped through at once, as after "XY View".
        w->findChild<QAction*>("NextPlane1")->trigger();
        QCOMPARE(w->statusPanels().PlaneText(), QString("Z = 0.000 (1 of 4)"));
    }

    void twoWindowsShareNothing()
    {
        TestWindow a;
        TestWindow b;
        a->session().view.Scale = 42;
        QCOMPARE(b->session().view.Scale, 5.0);
    }

    void statusBarHasSeventeenPanelsAndNoCountsYet()
    {
        TestWindow w;
        QVERIFY(w->findChild<ModelStatusBar*>("StatusBar1"));
        const QStringList expected = {"Operation", "", "Node", "", "Frame", "", "Shell", "", "Solid",
                                      "",          "Mat", "", "Fsec", "", "Wsec", "", ""};
        QCOMPARE(ModelStatusBar::kPanelCount, 17);
        for (int i = 0; i < ModelStatusBar::kPanelCount; ++i)
            QCOMPARE(w.Panel(i), expected[i]);
    }

    void toolbarHasEveryButtonInOrder()
    {
        TestWindow w;
        auto* toolBar = w->findChild<QToolBar*>("ToolBar1");
        QVERIFY(toolBar);
        QStringList names;
        for (QAction* action : toolBar->actions()) {
            if (action->isSeparator()) {
                names << action->objectName();
                continue;
            }
            QWidget* button = toolBar->widgetForAction(action);
            names << button->objectName();
            QVERIFY2(!action->icon().isNull(), qPrintable(button->objectName()));
            QVERIFY2(!action->toolTip().isEmpty(), qPrintable(button->objectName()));
        }
        const QStringList expected = {"ToolButton1",  "ToolButton7",  "ToolButton5",  "ToolButton6",  "ToolButton14",
                                      "ToolButton10", "ToolButton11", "ToolButton12", "ToolButton13", "ToolButton15",
                                      "ToolButton4",  "ToolButton3",  "ToolButton2",  "ToolButton18", "ToolButton16",
                                      "ToolButton9",  "ToolButton17", "ToolButton30", "ToolButton29", "ToolButton19",
                                      "ToolButton24", "ToolButton8",  "ToolButton26", "ToolButton27", "ToolButton25"};
        QCOMPARE(names, expected);
        QCOMPARE(w.Button("ToolButton13")->toolTip(), QString("Zoom All"));
        QCOMPARE(w.Button("ToolButton17")->toolTip(), QString("Select Elem"));
        QVERIFY(w.Button("ToolButton26")->isEnabled());
        for (const char* now : {"ToolButton5", "ToolButton6", "ToolButton19", "ToolButton24", "ToolButton8",
                                "ToolButton26", "ToolButton27", "ToolButton25"})
            QVERIFY2(w.Button(now)->isEnabled(), now);
    }

    void menusFollowTheCommandMap()
    {
        TestWindow w;
        auto* bar = w->findChild<QMenuBar*>("MainMenu1");
        QVERIFY(bar);
        QStringList titles;
        for (QAction* menu : bar->actions())
            titles << menu->text();
        QCOMPARE(titles, QStringList({"File", "Edit", "View", "Define", "Gen_tcl", "Post", "Help"}));

        QCOMPARE(Describe(w->findChild<QMenu*>("File1")),
                 Describe({{"New1", "New", true},
                           {"OpenProject1", "Open Project...", true},
                           {"SaveProject1", "Save Project", true},
                           {"SaveProjectAs1", "Save Project As...", true},
                           {"-", "", false},
                           {"ImportSap2000txtfile1", "Import Sap2000 txt file", true},
                           {"ExportPicture1", "Export Picture...", true},
                           {"-", "", false},
                           {"Sap2000V14toSap2000v6s2k1", "Sap2000V14 to Sap2000 v6 (s2k)", true},
                           {"-", "", false},
                           {"RecentFiles1", "Recent Files", false}, // nothing opened yet
                           {"-", "", false},
                           {"Exit1", "Exit", true}}));
        // Nothing to undo or redo yet.
        QCOMPARE(Describe(w->findChild<QMenu*>("Edit1")), Describe({{"Undo1", "Undo", false}, {"Redo1", "Redo", false}}));
        QCOMPARE(Describe(w->findChild<QMenu*>("View1")),
                 Describe({{"Pan1", "Pan", true},
                           {"ZoomAll1", "Zoom All", true},
                           {"RotateView1", "Rotate View", true},
                           {"Refresh1", "Refresh", true},
                           {"-", "", false},
                           {"XYView1", "XY View", true},
                           {"XZView1", "XZ View", true},
                           {"YZView1", "YZ View", true},
                           {"-", "", false},
                           {"ViewOption1", "View Option", true},
                           {"ShowLoads1", "Show Load", true},
                           {"-", "", false},
                           {"IsometricView1", "3-D View (Isometric)", true},
                           {"NextPlane1", "Next Plane", true},
                           {"PreviousPlane1", "Previous Plane", true},
                           {"AllPlanes1", "All Planes", true},
                           {"-", "", false},
                           {"ZoomIn1", "Zoom In", true},
                           {"ZoomOut1", "Zoom Out", true},
                           {"-", "", false},
                           {"HideLoads1", "Hide Loads", true},
                           {"AxisTriad1", "Axis Triad", true},
                           {"Legend1", "Legend", true}}));
        QCOMPARE(Describe(w->findChild<QMenu*>("Define1")),
                 Describe({{"FrameSection1", "Frame Section", true},
                           {"Material1", "Material", true},
                           {"-", "", false},
                           {"RecorderSetting1", "Recorder Setting", true},
                           {"AnalysisCase1", "Analysis Case", true}}));
        QCOMPARE(Describe(w->findChild<QMenu*>("Gentcl1")),
                 Describe({{"OpenSEEStclFile1", "OpenSEES tcl File", true},
                           {"-", "", false},
                           {"RunOpenSEES1", "Run OpenSEES", true},
                           {"RunSuite1", "Run Suite", true},
                           {"SolverSetting1", "Solver Setting", true}}));
        QCOMPARE(Describe(w->findChild<QMenu*>("Post1")),
                 Describe({{"Deform1", "Deformation", true},
                           {"Force1", "Force", true},
                           {"Reactions1", "Reactions", true},
                           {"Curves1", "Curves", true}}));
        QCOMPARE(Describe(w->findChild<QMenu*>("Help1")),
                 Describe({{"Manuel1", "Mirelo Tutorial", true}, {"-", "", false}, {"About1", "About", true}}));
    }

    void keyboardShortcuts()
    {
        TestWindow w;
        const auto shortcut = [&](const char* item) { return w->findChild<QAction*>(item)->shortcut(); };
        QCOMPARE(shortcut("ImportSap2000txtfile1"), QKeySequence(QKeySequence::Open));
        QCOMPARE(shortcut("ZoomAll1"), QKeySequence("Ctrl+0"));
        QCOMPARE(shortcut("XYView1"), QKeySequence("Ctrl+1"));
        QCOMPARE(shortcut("XZView1"), QKeySequence("Ctrl+2"));
        QCOMPARE(shortcut("YZView1"), QKeySequence("Ctrl+3"));
        QCOMPARE(shortcut("Refresh1"), QKeySequence("F5"));
        QCOMPARE(shortcut("Exit1"), QKeySequence("Ctrl+Q"));
        QCOMPARE(shortcut("IsometricView1"), QKeySequence("Ctrl+4"));
        QCOMPARE(shortcut("NextPlane1"), QKeySequence("PgUp"));
        QCOMPARE(shortcut("PreviousPlane1"), QKeySequence("PgDown"));
        QCOMPARE(shortcut("AllPlanes1"), QKeySequence("Home"));
        QCOMPARE(shortcut("HideLoads1"), QKeySequence("Ctrl+H"));
        QCOMPARE(shortcut("ZoomIn1"), QKeySequence("+"));
        QCOMPARE(shortcut("ZoomOut1"), QKeySequence("-"));
        QCOMPARE(shortcut("PanLeft"), QKeySequence("Left"));
    }

    void exitClosesTheWindow()
    {
        TestWindow w;
        QVERIFY(w->isVisible());
        w->findChild<QAction*>("Exit1")->trigger();
        QVERIFY(!w->isVisible());
    }

    // The first showing runs "Refresh": the white area with its banner.
    void firstShowingPaintsTheBanner()
    {
        TestWindow w;
        const QImage& canvas = w->drawingArea().Canvas();
        QCOMPARE(canvas.size(), w->drawingArea().size());
        QCOMPARE(w.PixelAt(canvas.width() / 2, canvas.height() / 2), QColor(Qt::white));
        QCOMPARE(w.PixelAt(0, canvas.height() / 2), QColor(Qt::black)); // the border
        int dark = 0;
        for (int y = 5; y < 30; ++y)
            for (int x = 8; x < 150; ++x)
                dark += w.PixelAt(x, y).lightness() < 128 ? 1 : 0;
        QVERIFY2(dark > 20, "the banner title is not painted");
    }

    void everyDialogIsCreatedHidden()
    {
        TestWindow w;
        for (const char* form : {"TForm4", "TForm5", "TForm9", "SolverSettingDialog", "AboutDialog"}) {
            auto* dialog = w->findChild<QWidget*>(form);
            QVERIFY2(dialog, form);
            QVERIFY2(!dialog->isVisible(), form);
        }
    }
};

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
