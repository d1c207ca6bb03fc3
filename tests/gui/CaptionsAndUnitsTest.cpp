// The captions in one language (English, or Chinese under a Chinese locale,
// the controls found by the same object names) and the units beside the boxes.
#include "GuiTestSupport.h"

#include "gui/main/AppSetup.h"
#include "model/MaterialLaws.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTest>

using namespace mirelo;
using namespace mirelo::test;

namespace {

struct Captions {
    const char* materialTitle;
    const char* plasticGroup;
    const char* elasticItem;
    const char* ok;
    const char* close;
    const char* rectangle;
};

void CheckCaptions(const Captions& expected)
{
    TestWindow w;
    w.OpenThroughMenu(ExamplePath("rc-portal-pushover.s2k"));
    QDialog* materials = w.Open("ToolButton6", "TForm3");
    QCOMPARE(materials->windowTitle(), QString::fromUtf8(expected.materialTitle));
    QCOMPARE(Child<QGroupBox>(materials, "GroupBox2")->title(), QString::fromUtf8(expected.plasticGroup));
    QCOMPARE(Child<QComboBox>(materials, "ComboBox1")->itemText(0), QString::fromUtf8(expected.elasticItem));
    QCOMPARE(Child<QComboBox>(materials, "ComboBox1")->itemText(4), QString("Concrete02")); // the solver's name
    QCOMPARE(Child<QPushButton>(materials, "Button1")->text(), QString::fromUtf8(expected.ok));
    QCOMPARE(Child<QPushButton>(materials, "Button2")->text(), QString::fromUtf8(expected.close));
    QDialog* sections = w.Open("ToolButton5", "TForm2");
    QCOMPARE(Child<QComboBox>(sections, "ComboBox2")->itemText(0), QString::fromUtf8(expected.rectangle));
}

} // namespace

class CaptionsAndUnitsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { UseTemporarySettings(); }

    void captionsAreEnglishByDefault()
    {
        QVERIFY(!LoadTranslation(*qApp, QLocale(QLocale::English, QLocale::UnitedStates)));
        CheckCaptions({"Material Database", "Elastoplastic Material", "Elastic", "OK", "Close", "Rectangle"});
    }

    void aChineseLocaleLoadsTheChineseCaptions()
    {
        QVERIFY(LoadTranslation(*qApp, QLocale(QLocale::Chinese, QLocale::China)));
        CheckCaptions({"材料数据库", "弹塑性材料", "弹性材料", "确定", "关闭", "矩形"});
        // Back to English: the translation is replaced, not added to.
        QVERIFY(!LoadTranslation(*qApp, QLocale(QLocale::English, QLocale::UnitedStates)));
        CheckCaptions({"Material Database", "Elastoplastic Material", "Elastic", "OK", "Close", "Rectangle"});
    }

    void everyBoxShowsItsUnitFromTheModelsUnits()
    {
        TestWindow w;
        w.OpenThroughMenu(ExamplePath("rc-portal-pushover.s2k")); // kN and m
        const struct {
            const char* button;
            const char* window;
            const char* label;
            const char* unit;
        } units[] = {
            {"ToolButton6", "TForm3", "Edit9Unit", "kN/m²"},  {"ToolButton6", "TForm3", "Edit2Unit", "kN/m²"},
            {"ToolButton6", "TForm3", "FyUnit", "kN/m²"},     {"ToolButton6", "TForm3", "fpcUnit", "kN/m²"},
            {"ToolButton5", "TForm2", "Edit6Unit", "m"},      {"ToolButton5", "TForm2", "Edit10Unit", "m"},
            {"ToolButton5", "TForm2", "Edit12Unit", "m²"},    {"ToolButton19", "TForm7", "Edit4Unit", "m"},
        };
        for (const auto& u : units)
            QCOMPARE(Child<QLabel>(w.Open(u.button, u.window), u.label)->text(), QString::fromUtf8(u.unit));
        // Pure numbers have none: Poisson's ratio, a strain.
        QDialog* materials = w->findChild<QDialog*>("TForm3");
        QVERIFY(materials->findChild<QLabel*>("Edit3Unit") == nullptr);
        QVERIFY(materials->findChild<QLabel*>("epsc0Unit") == nullptr);

        // Another model, another unit: the boxes follow.
        TempS2k millimetres(kPortalS2k);
        w.OpenThroughMenu(millimetres.path());
        QCOMPARE(Child<QLabel>(w.Open("ToolButton6", "TForm3"), "Edit9Unit")->text(), QString::fromUtf8("N/mm²"));
    }

    void aBoxShowsSixDigitsAndAnUntouchedOneKeepsTheStoredValue()
    {
        TestWindow w;
        w.OpenThroughMenu(ExamplePath("rc-portal-pushover.s2k"));
        Material& conc = MaterialNamed(w->session().model, "CONC");
        conc.elasticModulus = 25123456.789012345;
        QDialog* d = w.Open("ToolButton6", "TForm3");
        QCOMPARE(Child<QLineEdit>(d, "Edit9")->text(), QString("25123500"));
        Child<QPushButton>(d, "Button1")->click();
        QCOMPARE(MaterialNamed(w->session().model, "CONC").elasticModulus, 25123456.789012345);
    }
};

QTEST_MAIN(CaptionsAndUnitsTest)
#include "CaptionsAndUnitsTest.moc"
