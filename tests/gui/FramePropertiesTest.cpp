// Select mode, frame picking, the yellow highlight and "Frame Properties".
#include "GuiTestSupport.h"

#include "gui/main/DrawingArea.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

using namespace mirelo;
using namespace mirelo::test;

namespace {

const QColor kYellow(255, 255, 0);
const QColor kBlue(0, 0, 255);

// A spring (kind 7) and a frame whose section is missing, both in the XY plane.
const char* const kOddFramesS2k = R"(SYSTEM

JOINT
  1  X=0  Y=0  Z=0
  2  X=0  Y=3000  Z=0
  3  X=5000  Y=3000  Z=0

FRAME SECTION
  NAME=RSPRING  MAT=NONE  SH=R  T=1,1

FRAME
  1  J=1,2  SEC=RSPRING  NSEG=1  ANG=0
  2  J=2,3  SEC=MISSING  NSEG=1  ANG=0

)";

class FrameSheet {
public:
    explicit FrameSheet(MainWindow& window) : dialog(window.findChild<QDialog*>("TForm9"))
    {
        grid = dialog->findChild<QTableWidget*>("StringGrid1");
        edit = dialog->findChild<QLineEdit*>("Edit1");
    }
    QString Cell(int row, int column) const
    {
        const QTableWidgetItem* item = grid->item(row, column);
        return item ? item->text() : QString();
    }
    QStringList Values() const
    {
        QStringList values;
        for (int row = 0; row < 10; ++row)
            values << Cell(row, 1);
        return values;
    }

    QDialog* dialog;
    QTableWidget* grid;
    QLineEdit* edit;
};

struct PortalInSelectMode {
    PortalInSelectMode()
    {
        w.OpenThroughMenu(portal.path());
        w.Button("ToolButton11")->click(); // the XZ view, where the portal stands
        w.Button("ToolButton17")->click();
    }
    QPoint Mid(int frame)
    {
        const ScreenPoint mid = w->projection().frameMids[static_cast<std::size_t>(frame)];
        return {mid.x, mid.y};
    }
    void Click(QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(&w->drawingArea(), button, {}, at);
    }
    TempS2k portal{kPortalS2k};
    TestWindow w;
};

} // namespace

class FramePropertiesTest : public QObject {
    Q_OBJECT

private slots:
    void sheetLayout()
    {
        TestWindow w;
        FrameSheet sheet(*w);
        QCOMPARE(sheet.dialog->windowTitle(), QString("Frame Properties"));
        QVERIFY(sheet.dialog->font().bold());
        QCOMPARE(sheet.dialog->findChild<QLabel*>("Label1")->text(), QString("Frame Label"));
        QVERIFY(sheet.edit->isReadOnly());
        QCOMPARE(sheet.dialog->findChild<QPushButton*>("Button1")->text(), QString("Refresh"));
        QCOMPARE(sheet.dialog->findChild<QPushButton*>("Button2")->text(), QString("OK"));
        QCOMPARE(sheet.grid->rowCount(), 11);
        QCOMPARE(sheet.grid->columnCount(), 2);
        QCOMPARE(sheet.grid->columnWidth(0), 120);
        QCOMPARE(sheet.grid->columnWidth(1), 110);
        QCOMPARE(sheet.grid->editTriggers(), QAbstractItemView::NoEditTriggers);
        const QStringList captions = {"Label",    "Node i", "Node j",   "Angle",        "Section",
                                      "Element Type", "Material", "Length", "Releases", "Local 2 axis"};
        for (int row = 0; row < 11; ++row)
            QCOMPARE(sheet.Cell(row, 0), row < 10 ? captions[row] : QString());
    }

    void pickShowsTheSheetAndTheHighlight()
    {
        PortalInSelectMode p;
        const QPoint mid = p.Mid(2);
        QCOMPARE(p.w.PixelAt(mid.x(), mid.y()), kBlue);
        p.Click(mid);
        QCOMPARE(p.w->session().view.SelectedFrame, 2);
        QCOMPARE(p.w->session().view.MouseMode, 101);
        FrameSheet sheet(*p.w);
        QVERIFY(sheet.dialog->isVisible());
        QCOMPARE(sheet.edit->text(), QString("2"));
        // A 5 m beam along X turned 22.5 degrees: local 2 leans from +Z towards -Y.
        QCOMPARE(sheet.Values(), QStringList({"2", "2", "3", "22.5", "EBEAM", "Elastic BeamColumn (1)", "CONC",
                                              "5000 mm", "none", "(0, -0.3827, 0.9239)"}));
        QCOMPARE(p.w.PixelAt(mid.x(), mid.y()), kYellow);
        QCOMPARE(p.w.PixelAt(mid.x(), mid.y() + 2), kYellow); // five pixels wide
    }

    void pickAlongTheBeam()
    {
        PortalInSelectMode p;
        const ScreenPoint i = p.w->projection().joints[2];
        const ScreenPoint j = p.w->projection().joints[3];
        const QPoint quarter((3 * i.x + j.x) / 4, (3 * i.y + j.y) / 4); // far from the midpoint
        p.Click(quarter + QPoint(0, 6));
        QCOMPARE(p.w->session().view.SelectedFrame, 0);
        QVERIFY(!FrameSheet(*p.w).dialog->isVisible());
        p.Click(quarter + QPoint(0, 5));
        QCOMPARE(p.w->session().view.SelectedFrame, 2);
        QCOMPARE(FrameSheet(*p.w).edit->text(), QString("2"));
        QCOMPARE(p.w.PixelAt(quarter.x(), quarter.y()), kYellow);
    }

    void clickingEmptySpaceKeepsTheDialogAndTheOldHighlight()
    {
        PortalInSelectMode p;
        const QPoint mid = p.Mid(1);
        p.Click(mid);
        QCOMPARE(p.w->session().view.SelectedFrame, 1);
        p.Click(QPoint(2, 2));
        QCOMPARE(p.w->session().view.SelectedFrame, 0);
        QVERIFY(FrameSheet(*p.w).dialog->isVisible());
        QCOMPARE(p.w.PixelAt(mid.x(), mid.y()), kYellow); // no redraw on a miss
    }

    void aPickWhileOpenMovesTheSheetWithTheHighlight()
    {
        PortalInSelectMode p;
        p.Click(p.Mid(1));
        FrameSheet sheet(*p.w);
        QCOMPARE(sheet.Values(), QStringList({"1", "1", "2", "0", "NCOL", "Nonlinear BeamColumn (2)", "CONC", "3000 mm",
                                              "none", "(1, 0, 0)"}));
        p.Click(p.Mid(3));
        QCOMPARE(p.w->session().view.SelectedFrame, 3);
        QCOMPARE(sheet.edit->text(), QString("3"));
        QCOMPARE(sheet.Values().mid(0, 8), QStringList({"3", "4", "3", "90", "NCOL", "Nonlinear BeamColumn (2)", "CONC",
                                                        "3000 mm"}));
        QCOMPARE(p.w.PixelAt(p.Mid(3).x(), p.Mid(3).y()), kYellow);
        QCOMPARE(p.w.PixelAt(p.Mid(1).x(), p.Mid(1).y()), QColor(255, 0, 0)); // frame 1 back in its colour
        sheet.dialog->findChild<QPushButton*>("Button1")->click(); // "Refresh" re-reads Edit1
        QCOMPARE(sheet.Cell(0, 1), QString("3"));
    }

    void everyWayOfClosingDropsTheSelection_data()
    {
        QTest::addColumn<int>("how");
        QTest::newRow("OK") << 0;
        QTest::newRow("close box") << 1;
        QTest::newRow("Escape") << 2;
    }

    void everyWayOfClosingDropsTheSelection()
    {
        QFETCH(int, how);
        PortalInSelectMode p;
        const QPoint mid = p.Mid(2);
        p.Click(mid);
        FrameSheet sheet(*p.w);
        if (how == 0)
            sheet.dialog->findChild<QPushButton*>("Button2")->click();
        else if (how == 1)
            sheet.dialog->close();
        else
            QTest::keyClick(sheet.dialog, Qt::Key_Escape);
        QVERIFY(!sheet.dialog->isVisible());
        QCOMPARE(p.w->session().view.SelectedFrame, 0);
        QCOMPARE(p.w.PixelAt(mid.x(), mid.y()), kBlue);
    }

    void hiddenFramesHideTheHighlight()
    {
        PortalInSelectMode p;
        const QPoint mid = p.Mid(2);
        p.w->session().view.LayerFlags.ShowFrames = false;
        p.Click(mid);
        QCOMPARE(p.w->session().view.SelectedFrame, 2);
        QCOMPARE(p.w.PixelAt(mid.x(), mid.y()), QColor(Qt::white));
    }

    void rightClickPicksThenLeavesSelectMode()
    {
        PortalInSelectMode p;
        p.Click(p.Mid(3), Qt::RightButton);
        QCOMPARE(p.w->session().view.SelectedFrame, 3);
        QCOMPARE(p.w->session().view.MouseMode, 0);
        QCOMPARE(p.w.Panel(1), QString("None"));
        QVERIFY(FrameSheet(*p.w).dialog->isVisible());
    }

    void springsAndFramesWithoutASection()
    {
        TempS2k odd(kOddFramesS2k);
        TestWindow w;
        w.OpenThroughMenu(odd.path());
        QVERIFY(w.messenger->messages.isEmpty());
        w.Button("ToolButton17")->click();
        const ScreenPoint spring = w->projection().frameMids[1];
        QTest::mouseClick(&w->drawingArea(), Qt::LeftButton, {}, QPoint(spring.x, spring.y));
        FrameSheet sheet(*w);
        QCOMPARE(sheet.Values(), QStringList({"1", "1", "2", "0", "RSPRING", "Rotational spring (7)", "", "3000", "none", "(0, 0, 1)"}));
        // The release circle covers the midpoint; the highlight shows along the line.
        const ScreenPoint hingeI = w->projection().hingesI[1];
        QCOMPARE(w.PixelAt(hingeI.x, hingeI.y), kYellow);

        sheet.dialog->close();
        const ScreenPoint orphan = w->projection().frameMids[2];
        QTest::mouseClick(&w->drawingArea(), Qt::LeftButton, {}, QPoint(orphan.x, orphan.y));
        QCOMPARE(sheet.Values(), QStringList({"2", "2", "3", "0", "", "", "", "5000", "none", "(0, 0, 1)"}));
        QVERIFY(w.messenger->messages.isEmpty());
    }

    void anImportClosesTheSheet()
    {
        PortalInSelectMode p;
        p.Click(p.Mid(2));
        p.w.OpenThroughMenu(p.portal.path());
        QVERIFY(!FrameSheet(*p.w).dialog->isVisible());
        QCOMPARE(p.w->session().view.SelectedFrame, 0);
    }
};

QTEST_MAIN(FramePropertiesTest)
#include "FramePropertiesTest.moc"
