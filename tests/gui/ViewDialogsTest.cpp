// "View Option", "Show Load" and "Refresh".
#include "GuiTestSupport.h"

#include "gui/main/DrawingArea.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace mirelo;
using namespace mirelo::test;

namespace {

// Whether any pixel of the box around (x, y) has the colour.
bool ColourNear(TestWindow& w, int x, int y, const QColor& colour, int width = 40, int height = 16)
{
    const QImage& canvas = w->drawingArea().Canvas();
    for (int py = std::max(y, 0); py < std::min(y + height, canvas.height()); ++py)
        for (int px = std::max(x, 0); px < std::min(x + width, canvas.width()); ++px)
            if (canvas.pixelColor(px, py) == colour)
                return true;
    return false;
}

template <typename T>
T* Find(QWidget* dialog, const char* name)
{
    T* widget = dialog->findChild<T*>(name);
    if (!widget)
        qFatal("no %s in %s", name, qPrintable(dialog->objectName()));
    return widget;
}

} // namespace

class ViewDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void viewOptionShowsTheLayerSwitches()
    {
        TestWindow w;
        w.Button("ToolButton9")->click();
        auto* dialog = w->findChild<QDialog*>("TForm4");
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->windowTitle(), QString("View Option"));
        QCOMPARE(Find<QGroupBox>(dialog, "GroupBox1")->title(), QString("Object View"));
        const char* const captions[] = {"Node",          "Node Labels",   "Frame",        "Frame Labels", "Frame Axis",
                                        "Node Support",  "Diaphragms",    "Hinge Circle", "Shell Element",
                                        "Shell Labels",  "Moment Release", "Solid Element", "Solid Label"};
        const bool ticked[] = {true, false, true, false, false, true, false, false, true, false, true, true, false};
        for (int i = 0; i < 13; ++i) {
            auto* box = Find<QCheckBox>(dialog, qPrintable(QString("CheckBox%1").arg(i + 1)));
            QCOMPARE(box->text(), QString(captions[i]));
            QCOMPARE(box->isChecked(), ticked[i]);
        }
        QCOMPARE(Find<QPushButton>(dialog, "Button1")->text(), QString("OK"));
        QCOMPARE(Find<QPushButton>(dialog, "Button2")->text(), QString("Cancel"));
    }

    void viewOptionOkAppliesAndRedraws()
    {
        TempS2k portal(kPortalS2k);
        TestWindow w;
        w.OpenThroughMenu(portal.path());
        const ScreenPoint beam = w->projection().frameMids[2];
        QCOMPARE(w.PixelAt(beam.x, beam.y), QColor(0, 0, 255)); // EBEAM's colour

        w->findChild<QAction*>("ViewOption1")->trigger();
        auto* dialog = w->findChild<QDialog*>("TForm4");
        Find<QCheckBox>(dialog, "CheckBox3")->setChecked(false); // "Frame"
        Find<QCheckBox>(dialog, "CheckBox2")->setChecked(true);  // "Node Labels"
        Find<QPushButton>(dialog, "Button1")->click();
        QVERIFY(!dialog->isVisible());
        QVERIFY(!w->session().view.LayerFlags.ShowFrames);
        QVERIFY(w->session().view.LayerFlags.ShowNodeLabels);
        QCOMPARE(w.PixelAt(beam.x, beam.y), QColor(Qt::white));
    }

    void viewOptionCancelKeepsTheSwitches()
    {
        TestWindow w;
        w.Button("ToolButton9")->click();
        auto* dialog = w->findChild<QDialog*>("TForm4");
        Find<QCheckBox>(dialog, "CheckBox1")->setChecked(false);
        Find<QPushButton>(dialog, "Button2")->click();
        QVERIFY(!dialog->isVisible());
        QVERIFY(w->session().view.LayerFlags.ShowNodes);
        w.Button("ToolButton9")->click();
        QVERIFY(Find<QCheckBox>(dialog, "CheckBox1")->isChecked()); // shown again from the switches
    }

    // An empty result range fails in the section-result layer: the message is
    // shown and the layers before it stay on the picture.
    void aFailingRedrawIsShownAndKeepsWhatWasPainted()
    {
        TempS2k portal(kPortalS2k);
        TestWindow w;
        w.OpenThroughMenu(portal.path());
        ViewState& view = w->session().view;
        view.HingeMax = view.HingeMin = 0;
        w.Button("ToolButton9")->click();
        auto* dialog = w->findChild<QDialog*>("TForm4");
        Find<QCheckBox>(dialog, "CheckBox8")->setChecked(true); // "Hinge Circle"
        Find<QPushButton>(dialog, "Button1")->click();
        QVERIFY(view.LayerFlags.ShowHingeCircles);
        QCOMPARE(w.messenger->messages, QStringList({"Invalid floating point operation"}));
        const ScreenPoint beam = w->projection().frameMids[2];
        QCOMPARE(w.PixelAt(beam.x, beam.y), QColor(0, 0, 255));

        w.Button("ToolButton13")->click(); // a long command: the wait cursor is gone before the message
        QCOMPARE(w.messenger->messages.size(), 2);
        QVERIFY(!w.messenger->waitCursorDuringMessage);
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }

    void showLoadListsTheCasesAndLabelsPointForces()
    {
        TempS2k portal(kPortalS2k);
        TestWindow w;
        w.OpenThroughMenu(portal.path());
        w.Button("ToolButton16")->click();
        auto* dialog = w->findChild<QDialog*>("TForm5");
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->windowTitle(), QString("Show Load"));
        auto* type = Find<QComboBox>(dialog, "ComboBox1");
        auto* loadCase = Find<QComboBox>(dialog, "ComboBox2");
        QCOMPARE(type->currentText(), QString("Point Force"));
        QCOMPARE(type->count(), 2);
        QCOMPARE(loadCase->count(), 2);
        QCOMPARE(loadCase->itemText(0), QString("DEAD"));
        QCOMPARE(loadCase->itemText(1), QString("LIVE"));
        QCOMPARE(loadCase->currentIndex(), 0);
        auto* display = Find<QComboBox>(dialog, "ComboBox3");
        QCOMPARE(display->currentText(), QString("Arrows"));
        QCOMPARE(display->count(), 2);
        display->setCurrentIndex(1); // the text labels

        Find<QPushButton>(dialog, "Button2")->click(); // "OK"
        QVERIFY(!dialog->isVisible());
        QCOMPARE(w->session().view.LoadCaseShown, 1);
        QCOMPARE(w->session().view.LoadTypeShown, 1);
        const ScreenPoint loaded = w->projection().joints[2];
        QVERIFY(ColourNear(w, loaded.x, loaded.y, QColor(240, 240, 240)));
    }

    void elementLoadsOfTheSecondCase()
    {
        TempS2k portal(kPortalS2k);
        TestWindow w;
        w.OpenThroughMenu(portal.path());
        w->findChild<QAction*>("ShowLoads1")->trigger();
        auto* dialog = w->findChild<QDialog*>("TForm5");
        Find<QComboBox>(dialog, "ComboBox1")->setCurrentIndex(1);
        Find<QComboBox>(dialog, "ComboBox2")->setCurrentIndex(1);
        Find<QComboBox>(dialog, "ComboBox3")->setCurrentIndex(1);
        Find<QPushButton>(dialog, "Button2")->click();
        QCOMPARE(w->session().view.LoadCaseShown, 2);
        QCOMPARE(w->session().view.LoadTypeShown, 2);
        const ScreenPoint beam = w->projection().frameMids[2];
        QVERIFY(ColourNear(w, beam.x, beam.y, QColor(255, 255, 0)));
    }

    void showLoadCancelChangesNothing()
    {
        TempS2k portal(kPortalS2k);
        TestWindow w;
        w.OpenThroughMenu(portal.path());
        w.Button("ToolButton16")->click();
        auto* dialog = w->findChild<QDialog*>("TForm5");
        Find<QComboBox>(dialog, "ComboBox2")->setCurrentIndex(1);
        Find<QPushButton>(dialog, "Button1")->click();
        QVERIFY(!dialog->isVisible());
        QCOMPARE(w->session().view.LoadCaseShown, 0);
        QCOMPARE(w->session().view.LoadTypeShown, 0);
    }

    void noLoadCasesShowNone()
    {
        TestWindow w;
        w.Button("ToolButton16")->click();
        auto* dialog = w->findChild<QDialog*>("TForm5");
        QCOMPARE(Find<QComboBox>(dialog, "ComboBox2")->count(), 0);
        Find<QPushButton>(dialog, "Button2")->click();
        QCOMPARE(w->session().view.LoadCaseShown, 0);
        QCOMPARE(w->session().view.LoadTypeShown, 1);
        QVERIFY(w.messenger->messages.isEmpty());
    }

    void refreshHidesTheLabelsAndTheFirstCaseComesBack()
    {
        TempS2k portal(kPortalS2k);
        TestWindow w;
        w.OpenThroughMenu(portal.path());
        w.Button("ToolButton16")->click();
        auto* dialog = w->findChild<QDialog*>("TForm5");
        Find<QComboBox>(dialog, "ComboBox1")->setCurrentIndex(1);
        Find<QComboBox>(dialog, "ComboBox2")->setCurrentIndex(1);
        Find<QPushButton>(dialog, "Button2")->click();
        QCOMPARE(w->session().view.LoadCaseShown, 2);

        w.Button("ToolButton2")->click();
        QCOMPARE(w->session().view.LoadCaseShown, 0);
        const ScreenPoint beam = w->projection().frameMids[2];
        QVERIFY(!ColourNear(w, beam.x + 3, beam.y + 3, QColor(255, 255, 0)));
        w->session().view.LoadCaseShown = 2;
        w->findChild<QAction*>("Refresh1")->trigger();
        QCOMPARE(w->session().view.LoadCaseShown, 0);

        w.Button("ToolButton16")->click();
        QCOMPARE(Find<QComboBox>(dialog, "ComboBox2")->currentIndex(), 0);
        QCOMPARE(Find<QComboBox>(dialog, "ComboBox1")->currentText(), QString("Element Load"));
    }
};

QTEST_MAIN(ViewDialogsTest)
#include "ViewDialogsTest.moc"
