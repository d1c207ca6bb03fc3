// "Analysis Setting" and "Recorder Setting".
#include "GuiTestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace mirelo;
using namespace mirelo::test;

class SettingsDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void analysisDialogShowsTheStartValues()
    {
        TestWindow w;
        QDialog* d = w.Open("ToolButton19", "TForm7");
        QCOMPARE(d->windowTitle(), QString("Analysis Setting"));
        const std::pair<const char*, const char*> texts[] = {
            {"Edit1", "100"}, {"Edit2", "1.00E+000"}, {"Edit3", "1"},   {"Edit4", "1.00E-001"}, {"Edit5", "1"},
            {"Edit6", "100"}, {"Edit7", "3"},         {"Edit8", "1"},   {"Edit9", "12"}};
        for (const auto& [name, text] : texts)
            QCOMPARE(Child<QLineEdit>(d, name)->text(), QString(text));
        QCOMPARE(Child<QComboBox>(d, "ComboBox1")->currentText(), QString("Single Load Control"));
        QCOMPARE(Child<QComboBox>(d, "ComboBox1")->count(), 7);
        QCOMPARE(Child<QComboBox>(d, "ComboBox1")->itemText(6), QString("MultipleSupport Excitation"));
        QVERIFY(!Child<QCheckBox>(d, "CheckBox2")->isChecked());
        QCOMPARE(Child<QCheckBox>(d, "CheckBox2")->text(), QString("Torsional Constant and Shear Area"));
        // No model: the two case lists are empty and without a selection.
        QCOMPARE(Child<QComboBox>(d, "ComboBox2")->count(), 0);
        QCOMPARE(Child<QComboBox>(d, "ComboBox3")->currentIndex(), -1);

        const std::pair<const char*, const char*> captions[] = {
            {"Label1", "Analysis Type"}, {"Label2", "Load Case"},     {"Label3", "Load Steps"},
            {"Label4", "Load Factor"},   {"Label5", "Load Vector"},   {"Label6", "Control Node"},
            {"Label7", "Control Disp"},  {"Label8", "Control Dof"},   {"Label9", "Analysis Step"},
            {"Label10", "Force/Disp Beam Column numIntgrPts"},        {"Label11", "Rebar Material Number"},
            {"Label12", "Modal Number"}};
        for (const auto& [name, text] : captions)
            QCOMPARE(Child<QLabel>(d, name)->text(), QString(text));
        const std::pair<const char*, const char*> groups[] = {{"GroupBox1", "Load Control Case (Const)"},
                                                              {"GroupBox2", "Disp Control Case (Linear)"},
                                                              {"GroupBox3", "Nonlinear Setting"},
                                                              {"GroupBox4", "Section Aggregator"},
                                                              {"GroupBox5", "Modal Number"}};
        for (const auto& [name, text] : groups)
            QCOMPARE(Child<QGroupBox>(d, name)->title(), QString(text));
    }

    void okStoresEveryBox()
    {
        TestWindow w;
        w.OpenThroughMenu(ExamplePath("rc-frame-building.s2k"));
        QDialog* d = w.Open("ToolButton19", "TForm7");
        QCOMPARE(Child<QComboBox>(d, "ComboBox2")->itemText(1), QString("LIVE"));
        QCOMPARE(Child<QComboBox>(d, "ComboBox2")->currentText(), QString("DEAD"));
        Child<QComboBox>(d, "ComboBox1")->setCurrentIndex(2);
        Child<QComboBox>(d, "ComboBox3")->setCurrentIndex(1);
        const std::pair<const char*, const char*> typed[] = {
            {"Edit1", "20"}, {"Edit2", "0.5"}, {"Edit3", "40"}, {"Edit4", "2.5E-3"}, {"Edit5", "2"},
            {"Edit6", "300"}, {"Edit7", "5"},  {"Edit8", "2"},  {"Edit9", "6"}};
        for (const auto& [name, text] : typed)
            Type(Child<QLineEdit>(d, name), text);
        Child<QCheckBox>(d, "CheckBox2")->setChecked(true);
        Child<QPushButton>(d, "Button1")->click();

        QVERIFY(w.messenger->messages.isEmpty());
        QVERIFY(!d->isVisible());
        const AnalysisSettings& a = w->session().analysis;
        QCOMPARE(a.AnalysisType, 3);
        QCOMPARE(a.LoadCase, 1);
        QCOMPARE(a.PushoverCase, 2);
        QCOMPARE(a.LoadSteps, 20);
        QCOMPARE(a.LoadFactor, 0.5);
        QCOMPARE(a.ControlNode, 40);
        QCOMPARE(a.ControlDisp, 2.5E-3);
        QCOMPARE(a.ControlDof, 2);
        QCOMPARE(a.AnalysisSteps, 300);
        QCOMPARE(a.IntegrationPoints, 5);
        QCOMPARE(a.RebarMaterialNo, 2);
        QCOMPARE(a.ModeCount, 6);
        QCOMPARE(a.UseAggregator, kFlagOn);

        // The next showing reloads every box from the settings.
        d = w.Open("ToolButton19", "TForm7");
        QCOMPARE(Child<QLineEdit>(d, "Edit4")->text(), QString("2.50E-003"));
        QCOMPARE(Child<QLineEdit>(d, "Edit9")->text(), QString("6"));
        QCOMPARE(Child<QComboBox>(d, "ComboBox1")->currentText(), QString("Gravity+PushOver"));
    }

    // One bad box and nothing is stored; the message names the box, which has
    // the focus, and the dialog stays open.
    void okWithABadBoxStoresNothing_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("letters in Analysis Step") << "Edit6" << "ten" << "Analysis Step: 'ten' is not a valid integer value";
        QTest::newRow("comma in Load Factor") << "Edit2" << "1,5" << "Load Factor: '1,5' is not a valid floating point value";
        QTest::newRow("empty Modal Number") << "Edit9" << "" << "Modal Number: '' is not a valid integer value";
        QTest::newRow("dof 7") << "Edit5" << "7" << "Control Dof takes 1 to 6, not '7'";
    }
    void okWithABadBoxStoresNothing()
    {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, message);
        TestWindow w;
        QDialog* d = w.Open("ToolButton19", "TForm7");
        Type(Child<QLineEdit>(d, "Edit1"), "50");
        Type(Child<QLineEdit>(d, "Edit8"), "4");
        Child<QComboBox>(d, "ComboBox1")->setCurrentIndex(3);
        Child<QCheckBox>(d, "CheckBox2")->setChecked(true);
        Type(Child<QLineEdit>(d, qPrintable(box)), text);
        Child<QPushButton>(d, "Button1")->click();

        QCOMPARE(w.messenger->messages, QStringList{message});
        QVERIFY(d->isVisible());
        QCOMPARE(d->focusWidget(), Child<QLineEdit>(d, qPrintable(box)));
        const AnalysisSettings& a = w->session().analysis;
        QCOMPARE(a.LoadSteps, 100);
        QCOMPARE(a.RebarMaterialNo, 1);
        QCOMPARE(a.AnalysisType, 1);
        QCOMPARE(a.UseAggregator, kFlagOff);
        QCOMPARE(a.ModeCount, 12);
    }

    void anUntouchedValueKeepsItsFullPrecision()
    {
        TestWindow w;
        w->session().analysis.LoadFactor = 1.2345;
        w->session().analysis.ControlDisp = 0.0123456789;
        QDialog* d = w.Open("ToolButton19", "TForm7");
        QCOMPARE(Child<QLineEdit>(d, "Edit2")->text(), QString("1.23E+000"));
        QCOMPARE(Child<QLineEdit>(d, "Edit4")->text(), QString("1.23E-002"));
        Child<QPushButton>(d, "Button1")->click();
        QCOMPARE(w->session().analysis.LoadFactor, 1.2345);
        QCOMPARE(w->session().analysis.ControlDisp, 0.0123456789);
        // Typed over, the box's own text is what counts.
        d = w.Open("ToolButton19", "TForm7");
        Type(Child<QLineEdit>(d, "Edit2"), "1.23E+000");
        Child<QPushButton>(d, "Button1")->click();
        QCOMPARE(w->session().analysis.LoadFactor, 1.23);
        QCOMPARE(w->session().analysis.ControlDisp, 0.0123456789);
    }

    // A case number the model does not have shows no selection, and OK then
    // stores 0; closing by the frame stores nothing.
    void caseListsFollowTheModel()
    {
        TestWindow w;
        w.OpenThroughMenu(ExamplePath("rc-frame-building.s2k"));
        w->session().analysis.LoadCase = 5;
        QDialog* d = w.Open("ToolButton19", "TForm7");
        QCOMPARE(Child<QComboBox>(d, "ComboBox2")->currentIndex(), -1);
        QCOMPARE(Child<QComboBox>(d, "ComboBox3")->currentText(), QString("DEAD"));
        Type(Child<QLineEdit>(d, "Edit1"), "7");
        d->close();
        QCOMPARE(w->session().analysis.LoadSteps, 100);
        d = w.Open("ToolButton19", "TForm7");
        QCOMPARE(Child<QLineEdit>(d, "Edit1")->text(), QString("100"));
        Child<QPushButton>(d, "Button1")->click();
        QCOMPARE(w->session().analysis.LoadCase, 0);
        QCOMPARE(w->session().analysis.PushoverCase, 1);

        // An open dialog follows a newly opened model.
        d = w.Open("ToolButton19", "TForm7");
        QCOMPARE(Child<QComboBox>(d, "ComboBox3")->count(), w->session().model.LoadCaseCount);
        QVERIFY(w->session().model.LoadCaseCount >= 2);
        TempS2k noCases("SYSTEM\n\nJOINT\n  1  X=0  Y=0  Z=0\n\n");
        w.OpenThroughMenu(noCases.path());
        QCOMPARE(Child<QComboBox>(d, "ComboBox3")->count(), 0);
    }

    void recorderDialogShowsAndStoresTheFlags()
    {
        TestWindow w;
        QDialog* d = w.Open("ToolButton24", "TForm8");
        QCOMPARE(d->windowTitle(), QString("Recorder Setting"));
        QCOMPARE(Child<QGroupBox>(d, "GroupBox1")->title(), QString("Output(Recorder Setting)"));
        const char* const captions[] = {"Displacement of All Nodes", "Element Force of All Frames",
                                        "Force/Disp Beam Column Section Deformation",
                                        "Force/Disp Beam Column Section  Stress-Strain", "Modal Shape"};
        for (int i = 0; i < 5; ++i) {
            auto* box = Child<QCheckBox>(d, qPrintable(QString("CheckBox%1").arg(i + 1)));
            QCOMPARE(box->text(), QString(captions[i]));
            QCOMPARE(box->isChecked(), i == 0); // only the node displacements at start-up
        }
        Child<QCheckBox>(d, "CheckBox1")->setChecked(false);
        Child<QCheckBox>(d, "CheckBox5")->setChecked(true);
        d->close(); // by the frame: nothing stored
        QCOMPARE(w->session().recorders.RecordNodeDisp, kFlagOn);
        d = w.Open("ToolButton24", "TForm8");
        QVERIFY(Child<QCheckBox>(d, "CheckBox1")->isChecked());
        Child<QCheckBox>(d, "CheckBox1")->setChecked(false);
        Child<QCheckBox>(d, "CheckBox3")->setChecked(true);
        Child<QPushButton>(d, "Button1")->click();
        QVERIFY(!d->isVisible());
        const RecorderSettings& r = w->session().recorders;
        QCOMPARE(r.RecordNodeDisp, kFlagOff);
        QCOMPARE(r.RecordElementForce, kFlagOff);
        QCOMPARE(r.RecordSectionDeformation, kFlagOn);
        QCOMPARE(r.RecordModeShapes, kFlagOff);
    }

    // The menu items open the same windows as their buttons.
    void menuItemsOpenTheWindows()
    {
        TestWindow w;
        const std::pair<const char*, const char*> items[] = {{"FrameSection1", "TForm2"},   {"Material1", "TForm3"},
                                                             {"OpenSEEStclFile1", "TForm6"}, {"AnalysisCase1", "TForm7"},
                                                             {"RecorderSetting1", "TForm8"}};
        for (const auto& [item, window] : items) {
            w->findChild<QAction*>(item)->trigger();
            QVERIFY2(w->findChild<QDialog*>(window)->isVisible(), item);
        }
        QVERIFY(w.messenger->messages.isEmpty());
    }
};

QTEST_MAIN(SettingsDialogsTest)
#include "SettingsDialogsTest.moc"
