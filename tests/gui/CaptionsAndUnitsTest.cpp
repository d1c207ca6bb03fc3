// The captions in one language (English, or Chinese under a Chinese locale,
// the controls found by the same object names) and the units beside the boxes.
#include "GuiTestSupport.h"

#include "gui/main/AppSetup.h"
#include "model/MaterialLaws.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QToolButton>
#include <QTest>
#include <QTranslator>

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

// A translation of every caption into itself between marks: a text the
// windows show without the marks did not pass through the translation.
class MarkingTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (source == nullptr || *source == '\0' || QByteArray(context).startsWith('Q'))
            return {}; // Qt's own captions are Qt's affair
        return QStringLiteral("<<%1>>").arg(QString::fromUtf8(source));
    }
    bool isEmpty() const override { return false; }
};

// Whether a shown text is a caption that bypassed the translation: words left
// once the marked parts, numbers and units are taken out.
bool BypassesTranslation(const QString& text)
{
    // Greedy: a marked text may hold marked parts (a list joined by a marked " and ").
    static const QRegularExpression marked(QStringLiteral("<<.*>>"), QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression units(QStringLiteral("\\b(kN|N|m|mm|s)(/m|/mm)?[²³]?\\b"));
    QString rest = text;
    rest.remove(marked).remove(units);
    return rest.contains(QRegularExpression(QStringLiteral("[A-Za-z]{2,}")));
}

// Every caption the main window and the windows it made at start show:
// titles, labels, buttons, group titles, list items, placeholders, menu items
// and tooltips. The model's names, the solver's material names and the
// recent files are data; the boxes' values and the panes' texts are not looked
// at; a button box's standard buttons take Qt's own translation.
QStringList CaptionsBypassingTranslation(MainWindow* window)
{
    QStringList data;
    const Model& model = window->session().model;
    for (std::int32_t k = 1; k <= model.FrameSections.count; ++k)
        data << QString::fromStdString(model.FrameSections[k].name);
    for (std::int32_t k = 1; k <= model.Materials.count; ++k)
        data << QString::fromStdString(model.Materials[k].name);
    for (const std::string& name : model.LoadCaseNames)
        data << QString::fromStdString(name);
    for (const auto& name : kMaterialTypeNames)
        data << QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    QStringList found;
    const auto check = [&found, &data](const QObject* where, const QString& text) {
        if (!data.contains(text) && BypassesTranslation(text))
            found << QStringLiteral("%1: %2").arg(where->objectName(), text);
    };
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (qobject_cast<QDialogButtonBox*>(w->parentWidget()))
            continue;
        if (w->isWindow())
            check(w, w->windowTitle());
        check(w, w->toolTip());
        if (auto* label = qobject_cast<QLabel*>(w))
            check(w, label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            check(w, button->text());
        if (auto* group = qobject_cast<QGroupBox*>(w))
            check(w, group->title());
        if (auto* box = qobject_cast<QLineEdit*>(w))
            check(w, box->placeholderText());
        if (auto* combo = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < combo->count(); ++i)
                check(w, combo->itemText(i));
        if (auto* table = qobject_cast<QTableWidget*>(w))
            for (int c = 0; c < table->columnCount(); ++c)
                if (const QTableWidgetItem* header = table->horizontalHeaderItem(c))
                    check(w, header->text());
    }
    for (QAction* action : window->findChildren<QAction*>()) {
        if (action->objectName().startsWith("RecentFile"))
            continue;
        check(action, action->text());
        check(action, action->toolTip());
    }
    return found;
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

    // Qt's standard buttons follow the program's language, and go back with it.
    void standardButtonsFollowTheLanguage()
    {
        const auto okOfSolverSetting = [] {
            TestWindow w;
            w->findChild<QAction*>("SolverSetting1")->trigger();
            return Child<QPushButton>(w.window.get(), "OkButton")->text();
        };
        const QString english = okOfSolverSetting();
        QVERIFY(LoadTranslation(*qApp, QLocale(QLocale::Chinese, QLocale::China)));
        QCOMPARE(okOfSolverSetting(), QString::fromUtf8("确定"));
        QVERIFY(!LoadTranslation(*qApp, QLocale(QLocale::English, QLocale::UnitedStates)));
        QCOMPARE(okOfSolverSetting(), english);
        QVERIFY(english.contains("OK"));
    }

    // Built under a translation that marks every caption, each window shows
    // only marked captions: none bypasses the translation.
    void noCaptionBypassesTheTranslation()
    {
        MarkingTranslator marking;
        QCoreApplication::installTranslator(&marking);
        {
            TestWindow w;
            w.OpenThroughMenu(ExamplePath("rc-portal-pushover.s2k"));
            for (const char* button : {"ToolButton6", "ToolButton5", "ToolButton19", "ToolButton24", "ToolButton25"})
                w.Button(button)->click(); // the dialogs show the model
            const QStringList bypassing = CaptionsBypassingTranslation(w.window.get());
            QVERIFY2(bypassing.isEmpty(), qPrintable(bypassing.join('\n')));
            QVERIFY(w->findChild<QAction*>("Undo1")->text().startsWith("<<Undo>>")); // the marks are there
        }
        QCoreApplication::removeTranslator(&marking);
    }

    // The step's kind in the user's language, the section's name as it stands.
    void undoStepsAreNamedInTheUsersLanguage()
    {
        QVERIFY(LoadTranslation(*qApp, QLocale(QLocale::Chinese, QLocale::China)));
        TestWindow w;
        w.OpenThroughMenu(ExamplePath("rc-portal-pushover.s2k"));
        QDialog* sections = w.Open("ToolButton5", "TForm2");
        Type(Child<QLineEdit>(sections, "Edit1"), "9");
        Child<QPushButton>(sections, "Button2")->click();
        QCOMPARE(w->findChild<QAction*>("Undo1")->text(), QString::fromUtf8("撤销 框架截面 NCOL400"));
        w->findChild<QAction*>("Undo1")->trigger();
        QCOMPARE(w->findChild<QAction*>("Redo1")->text(), QString::fromUtf8("重做 框架截面 NCOL400"));
        QVERIFY(!LoadTranslation(*qApp, QLocale(QLocale::English, QLocale::UnitedStates)));
    }

    // Shown with six significant digits; an untouched box keeps the exact
    // value, a typed one takes what was typed.
    void theResultRangeBoxesShowSixDigitsAndKeepTheExactValue()
    {
        TestWindow w;
        w.OpenThroughMenu(ExamplePath("rc-portal-pushover.s2k"));
        ViewState& view = w->session().view;
        view.HingeMax = 0.00123456789012345;
        view.HingeMin = -98765.4321098765;
        QDialog* results = w.Open("ToolButton25", "TForm10");
        QCOMPARE(Child<QLineEdit>(results, "Edit3")->text(), QString("0.00123457"));
        QCOMPARE(Child<QLineEdit>(results, "Edit4")->text(), QString("-98765.4"));
        // The range's unit follows the quantity: none for a strain, per metre for a curvature.
        auto* quantity = Child<QComboBox>(results, "ComboBox1");
        for (const auto& [index, unit] : {std::pair{0, ""}, std::pair{1, "1/m"}, std::pair{2, "1/m"}, std::pair{0, ""}}) {
            quantity->setCurrentIndex(index);
            QCOMPARE(Child<QLabel>(results, "Edit3Unit")->text(), QString(unit));
            QCOMPARE(Child<QLabel>(results, "Edit4Unit")->text(), QString(unit));
        }
        Child<QPushButton>(results, "Button2")->click();
        QCOMPARE(view.HingeMax, 0.00123456789012345);
        QCOMPARE(view.HingeMin, -98765.4321098765);

        results = w.Open("ToolButton25", "TForm10");
        Type(Child<QLineEdit>(results, "Edit3"), "0.002");
        Child<QPushButton>(results, "Button2")->click();
        QCOMPARE(view.HingeMax, 0.002);
        QCOMPARE(view.HingeMin, -98765.4321098765);
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
