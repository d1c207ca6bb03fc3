// "Frame Section (Nonlinear)" and the material dialog.
#include "GuiTestSupport.h"

#include "model/MaterialLaws.h"
#include "model/SectionSettings.h"
#include "script/ScriptGenerator.h"
#include "gui/sections/FrameSectionDialog.h"
#include "view/SectionPreview.h"

#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

using namespace mirelo;
using namespace mirelo::test;

namespace {

FrameSectionDialog* OpenSections(TestWindow& w)
{
    return static_cast<FrameSectionDialog*>(w.Open("ToolButton5", "TForm2"));
}

QImage PreviewOf(const FrameSection& section)
{
    QImage image(200, 200, QImage::Format_RGB32);
    DrawSectionPreview(section, image);
    return image;
}

// A model whose one material has E 300 and Poisson's ratio 0.2.
const char* const kSoftMaterial = R"(SYSTEM

JOINT
  1  X=0  Y=0  Z=0

MATERIAL
  NAME=SOFT  IDES=C  M=0  W=0
    T=0  E=300  U=.2  A=0
  NAME=HARD  IDES=S  M=0  W=0
    T=0  E=2.5  U=.3333  A=0

)";

} // namespace

class SectionDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheFirstSection()
    {
        TestWindow w;
        TempS2k model(kPortalS2k);
        w.OpenThroughMenu(model.path());
        FrameSectionDialog* d = OpenSections(w);
        QCOMPARE(d->windowTitle(), QString("Frame Section (Nonlinear)"));
        auto* list = Child<QListWidget>(d, "ListBox1");
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(1)->text(), QString("EBEAM"));
        QCOMPARE(list->currentRow(), 0);
        const std::pair<const char*, const char*> lists[] = {
            {"ComboBox6", "Nonlinear BeamColumn"}, {"ComboBox1", "NCOL"}, {"ComboBox2", "Rectangle"},
            {"ComboBox4", "CONC"}, {"ComboBox5", "Linear"}, {"ComboBox3", "Column Section"}};
        for (const auto& [name, text] : lists)
            QCOMPARE(Child<QComboBox>(d, name)->currentText(), QString::fromUtf8(text));
        QVERIFY(!Child<QComboBox>(d, "ComboBox2")->isEnabled());
        QCOMPARE(Child<QComboBox>(d, "ComboBox5")->itemText(2), QString("Corotational "));
        const std::pair<const char*, const char*> boxes[] = {
            {"Edit6", "500"}, {"Edit2", "500"}, {"Edit3", "0"},  {"Edit11", "0"},    {"Edit1", "5"},
            {"Edit7", "5"},   {"Edit8", "5"},   {"Edit9", "5"},  {"Edit10", "35"},   {"Edit12", "1000"},
            {"Edit13", "1000"}};
        for (const auto& [name, text] : boxes)
            QCOMPARE(Child<QLineEdit>(d, name)->text(), QString(text));
        QVERIFY(Child<QLineEdit>(d, "Edit6")->isReadOnly());
        QVERIFY(!Child<QPushButton>(d, "Button4")->isEnabled()); // "Import" and "Export" have no action
        QCOMPARE(d->Picture(), PreviewOf(w->session().model.FrameSections[1]));
        QVERIFY(w.messenger->messages.isEmpty());
    }

    // OK stores every box at once, the picture follows, the fibres wait for Generate.
    void okStoresTheSectionAndRedrawsThePicture()
    {
        TestWindow w;
        TempS2k model(kPortalS2k);
        w.OpenThroughMenu(model.path());
        FrameSectionDialog* d = OpenSections(w);
        const QImage before = d->Picture();
        Child<QComboBox>(d, "ComboBox3")->setCurrentIndex(0); // Beam Section
        Child<QComboBox>(d, "ComboBox5")->setCurrentIndex(1); // P-Delta
        Child<QComboBox>(d, "ComboBox6")->setCurrentIndex(2); // Disp BeamColumn
        Type(Child<QLineEdit>(d, "Edit1"), "4");
        Type(Child<QLineEdit>(d, "Edit8"), "3");
        Type(Child<QLineEdit>(d, "Edit10"), "40.5");
        Type(Child<QLineEdit>(d, "Edit12"), "900");
        Child<QPushButton>(d, "Button2")->click();
        QVERIFY(w.messenger->messages.isEmpty());
        QVERIFY(d->isVisible()); // OK does not close
        const FrameSection& s = w->session().model.FrameSections[1];
        QCOMPARE(s.sectionUse, kBeamSection);
        QCOMPARE(s.geomTransf, kPDelta);
        QCOMPARE(s.elementKind, kDispBeamColumn);
        QCOMPARE(s.divideX, 4);
        QCOMPARE(s.barNumX, 3);
        QCOMPARE(s.cover, 40.5);
        QCOMPARE(s.barAreaX, 900.0);
        QCOMPARE(s.fiberCount, 0);
        QVERIFY(d->Picture() != before);
        QCOMPARE(d->Picture(), PreviewOf(s));
        QCOMPARE(SectionPreviewCaption(s), QString("NUM OF FIBERS = 28")); // 4 x 5 + 3 + 5
    }

    void okWithABadBoxStoresNothing()
    {
        TestWindow w;
        TempS2k model(kPortalS2k);
        w.OpenThroughMenu(model.path());
        FrameSectionDialog* d = OpenSections(w);
        Child<QComboBox>(d, "ComboBox3")->setCurrentIndex(0);
        Type(Child<QLineEdit>(d, "Edit1"), "8");
        Type(Child<QLineEdit>(d, "Edit13"), "x");
        Child<QPushButton>(d, "Button2")->click();
        QCOMPARE(w.messenger->messages, QStringList{"Section NCOL: Y-Bar(Bot): 'x' is not a valid floating point value"});
        QCOMPARE(d->focusWidget(), Child<QLineEdit>(d, "Edit13"));
        const FrameSection& s = w->session().model.FrameSections[1];
        QCOMPARE(s.divideX, 5);
        QCOMPARE(s.sectionUse, kColumnSection);
    }

    // An edit stays when another section is picked and shows again, picture
    // included, on coming back; the colour reaches the section only with OK.
    void editsStayAcrossSectionsUntilOk()
    {
        TestWindow w;
        TempS2k model(kPortalS2k);
        w.OpenThroughMenu(model.path());
        FrameSectionDialog* d = OpenSections(w);
        auto* list = Child<QListWidget>(d, "ListBox1");
        const FrameSection stored = w->session().model.FrameSections[1];
        const std::int32_t green = RgbColour(0, 200, 0);
        w.colours->answers = {green};
        QTest::mouseClick(Child<QWidget>(d, "Shape1"), Qt::LeftButton);
        QCOMPARE(w.colours->asked, std::vector<std::int32_t>{stored.colour});
        Type(Child<QLineEdit>(d, "Edit1"), "9");
        Child<QComboBox>(d, "ComboBox3")->setCurrentIndex(0); // Beam Section
        FrameSection edited = stored;
        edited.divideX = 9;
        edited.sectionUse = kBeamSection;
        QCOMPARE(d->Picture(), PreviewOf(edited)); // the picture follows the boxes

        list->setCurrentRow(1);
        QVERIFY(list->item(0)->font().italic()); // an edit not stored
        QVERIFY(!list->item(1)->font().italic());
        QCOMPARE(Child<QLineEdit>(d, "Edit6")->text(), QString("600"));
        QCOMPARE(Child<QLineEdit>(d, "Edit1")->text(), QString("5"));
        QCOMPARE(Child<QComboBox>(d, "ComboBox3")->currentIndex(), 1);
        list->setCurrentRow(0);
        QCOMPARE(Child<QLineEdit>(d, "Edit1")->text(), QString("9"));
        QCOMPARE(Child<QComboBox>(d, "ComboBox3")->currentIndex(), 0);
        QCOMPARE(d->Picture(), PreviewOf(edited));
        const FrameSection& s = w->session().model.FrameSections[1];
        QCOMPARE(s.divideX, 5);
        QCOMPARE(s.colour, stored.colour);

        Child<QPushButton>(d, "Button2")->click();
        QVERIFY(!list->item(0)->font().italic());
        QCOMPARE(s.divideX, 9);
        QCOMPARE(s.sectionUse, kBeamSection);
        QCOMPARE(s.colour, green);
        QCOMPARE(s.divideY, stored.divideY); // untouched boxes keep the exact value
        QVERIFY(w.messenger->messages.isEmpty());
    }

    // OK checks every edited section first: a bad one is shown with its box
    // named and focused and nothing is stored; mended, both are stored at once.
    void okStoresEveryEditedSectionOrNone()
    {
        TestWindow w;
        TempS2k model(kPortalS2k);
        w.OpenThroughMenu(model.path());
        FrameSectionDialog* d = OpenSections(w);
        auto* list = Child<QListWidget>(d, "ListBox1");
        const Model& m = w->session().model;
        Type(Child<QLineEdit>(d, "Edit1"), "4");
        list->setCurrentRow(1);
        Child<QComboBox>(d, "ComboBox6")->setCurrentIndex(1); // Nonlinear BeamColumn
        Type(Child<QLineEdit>(d, "Edit7"), "-2");
        list->setCurrentRow(0);
        Child<QPushButton>(d, "Button2")->click();
        QCOMPARE(w.messenger->messages,
                 QStringList{"Section EBEAM: Divide FY (divideY) must be at least 1, not -2"});
        QCOMPARE(list->currentRow(), 1);
        QCOMPARE(d->focusWidget(), Child<QLineEdit>(d, "Edit7"));
        QCOMPARE(Child<QLineEdit>(d, "Edit7")->text(), QString("-2"));
        QCOMPARE(m.FrameSections[1].divideX, 5);
        QCOMPARE(m.FrameSections[2].elementKind, kElasticBeamColumn);
        QCOMPARE(m.FrameSections[2].divideY, 5);

        w.messenger->messages.clear();
        Type(Child<QLineEdit>(d, "Edit7"), "3");
        Child<QPushButton>(d, "Button2")->click();
        QVERIFY(w.messenger->messages.isEmpty());
        QCOMPARE(m.FrameSections[1].divideX, 4);
        QCOMPARE(m.FrameSections[2].elementKind, kNonlinearBeamColumn);
        QCOMPARE(m.FrameSections[2].divideY, 3);
        QCOMPARE(d->Picture(), PreviewOf(m.FrameSections[2]));
    }

    // Close (the dialog's cancel) and closing the window store no edit; the
    // next showing shows the sections as stored.
    void closeStoresNone()
    {
        TestWindow w;
        TempS2k model(kPortalS2k);
        w.OpenThroughMenu(model.path());
        FrameSectionDialog* d = OpenSections(w);
        auto* list = Child<QListWidget>(d, "ListBox1");
        const Model& m = w->session().model;
        const std::int32_t colour = m.FrameSections[2].colour;
        for (const bool byButton : {true, false}) {
            Type(Child<QLineEdit>(d, "Edit8"), "7");
            list->setCurrentRow(1);
            w.colours->answers = {RgbColour(0, 0, 0)};
            QTest::mouseClick(Child<QWidget>(d, "Shape1"), Qt::LeftButton);
            Type(Child<QLineEdit>(d, "Edit10"), "50");
            if (byButton)
                Child<QPushButton>(d, "Button1")->click();
            else
                d->close();
            QVERIFY(!d->isVisible());
            QCOMPARE(m.FrameSections[1].barNumX, 5);
            QCOMPARE(m.FrameSections[2].cover, 35.0);
            QCOMPARE(m.FrameSections[2].colour, colour);
            d = OpenSections(w);
            QCOMPARE(Child<QLineEdit>(d, "Edit8")->text(), QString("5"));
            list->setCurrentRow(1);
            QCOMPARE(Child<QLineEdit>(d, "Edit10")->text(), QString("35"));
            list->setCurrentRow(0);
        }
        QVERIFY(w.messenger->messages.isEmpty());
    }

    // A spring section (kind 7) has no Frame Type item: none is selected and
    // OK keeps it a spring.
    void aSpringStaysASpring()
    {
        TestWindow w;
        w.OpenThroughMenu(ExamplePath("portal-frame-spring-bases.s2k"));
        FrameSectionDialog* d = OpenSections(w);
        Child<QListWidget>(d, "ListBox1")->setCurrentRow(2);
        QCOMPARE(Child<QComboBox>(d, "ComboBox1")->currentText(), QString("RBASE"));
        QCOMPARE(Child<QComboBox>(d, "ComboBox6")->currentIndex(), -1);
        QCOMPARE(Child<QComboBox>(d, "ComboBox6")->placeholderText(), QString("Rotational spring (zeroLength)"));
        Type(Child<QLineEdit>(d, "Edit1"), "2");
        Child<QPushButton>(d, "Button2")->click();
        QCOMPARE(w->session().model.FrameSections[3].elementKind, kRotationalSpring);
        QCOMPARE(w->session().model.FrameSections[3].divideX, 2);
        QVERIFY(w.messenger->messages.isEmpty());
    }

    // Without frame sections the list, the boxes and the picture are empty
    // and OK does nothing.
    void noSectionsNothingToStore()
    {
        TestWindow w;
        TempS2k model(kPortalS2k);
        w.OpenThroughMenu(model.path());
        FrameSectionDialog* d = OpenSections(w);
        w.OpenThroughMenu(ExamplePath("solid-block.s2k")); // the open window follows the new model
        QCOMPARE(Child<QListWidget>(d, "ListBox1")->count(), 0);
        QCOMPARE(Child<QLineEdit>(d, "Edit1")->text(), QString());
        QCOMPARE(Child<QComboBox>(d, "ComboBox6")->currentIndex(), -1);
        Child<QPushButton>(d, "Button2")->click();
        QVERIFY(w.messenger->messages.isEmpty());
        QCOMPARE(d->Picture().pixelColor(100, 100), QColor(255, 255, 255));
    }

    void materialViewerShowsTheMaterials()
    {
        TestWindow w;
        TempS2k model(kSoftMaterial);
        w.OpenThroughMenu(model.path());
        QDialog* d = w.Open("ToolButton6", "TForm3");
        QCOMPARE(d->windowTitle(), QString("Material Database"));
        QCOMPARE(Child<QGroupBox>(d, "GroupBox1")->title(), QString("Material Properties (Elastic)"));
        QCOMPARE(Child<QGroupBox>(d, "GroupBox2")->title(), QString("Elastoplastic Material"));
        auto* list = Child<QListWidget>(d, "ListBox1");
        QCOMPARE(list->count(), 2);
        const std::pair<const char*, const char*> first[] = {
            {"Edit1", "SOFT"}, {"Edit9", "300"}, {"Edit2", "125"}, {"Edit3", "0.2"}};
        for (const auto& [name, text] : first)
            QCOMPARE(Child<QLineEdit>(d, name)->text(), QString(text));
        QCOMPARE(Child<QComboBox>(d, "ComboBox1")->currentText(), QString("Elastic"));
        QCOMPARE(Child<QComboBox>(d, "ComboBox1")->count(), 5);
        // The digits each value needs, up to six: G = 2.5 / 2.6666.
        list->setCurrentRow(1);
        const std::pair<const char*, const char*> second[] = {
            {"Edit1", "HARD"}, {"Edit9", "2.5"}, {"Edit2", "0.937523"}, {"Edit3", "0.3333"}};
        for (const auto& [name, text] : second)
            QCOMPARE(Child<QLineEdit>(d, name)->text(), QString(text));
        Child<QPushButton>(d, "Button2")->click();
        QVERIFY(!d->isVisible());
        QCOMPARE(Child<QPushButton>(d, "Button2")->text(), QString("Close"));

        // A model without materials empties the list and the boxes.
        TempS2k bare("SYSTEM\n\nJOINT\n  1  X=0  Y=0  Z=0\n\n");
        w.OpenThroughMenu(bare.path());
        d = w.Open("ToolButton6", "TForm3");
        QCOMPARE(list->count(), 0);
        QCOMPARE(Child<QLineEdit>(d, "Edit9")->text(), QString());
        QVERIFY(w.messenger->messages.isEmpty());
    }

    // E and ν are edited, G follows as E / (2 (1 + ν)) while typing and on
    // OK; a bad value is named, gets the focus, and nothing is stored.
    void materialDialogEditsEAndPoisson()
    {
        TestWindow w;
        TempS2k file(kSoftMaterial);
        w.OpenThroughMenu(file.path());
        QDialog* d = w.Open("ToolButton6", "TForm3");
        const auto box = [&](const char* name) { return Child<QLineEdit>(d, name); };
        const auto ok = [&] { Child<QPushButton>(d, "Button1")->click(); };
        Material& soft = w->session().model.Materials[1];
        QVERIFY(!box("Edit9")->isReadOnly());
        QVERIFY(!box("Edit3")->isReadOnly());
        QVERIFY(box("Edit2")->isReadOnly());

        Type(box("Edit9"), "600");
        QCOMPARE(box("Edit2")->text(), QString("250")); // before OK
        QCOMPARE(soft.elasticModulus, 300.0);
        ok();
        QCOMPARE(w.messenger->messages, QStringList());
        QCOMPARE(soft.elasticModulus, 600.0);
        QCOMPARE(soft.poisson, 0.2);
        QCOMPARE(soft.shearModulus, 250.0);
        Type(box("Edit3"), "0.25");
        QCOMPARE(box("Edit2")->text(), QString("240"));
        Type(box("Edit3"), "0.5");
        QCOMPARE(box("Edit2")->text(), QString()); // no G for an unsound ν
        Type(box("Edit3"), "0.25");
        ok();
        QCOMPARE(soft.poisson, 0.25);
        QCOMPARE(soft.shearModulus, 240.0);
        const std::pair<const char*, const char*> shown[] = {{"Edit9", "600"}, {"Edit2", "240"}, {"Edit3", "0.25"}};
        for (const auto& [name, text] : shown)
            QCOMPARE(box(name)->text(), QString(text));

        const struct {
            const char* box;
            const char* text;
            const char* message;
        } failures[] = {
            {"Edit9", "abc", "E (elastic modulus): 'abc' is not a valid floating point value"},
            {"Edit9", "0", "Material SOFT: E must be positive, not 0"},
            {"Edit9", "-600", "Material SOFT: E must be positive, not -600"},
            {"Edit3", "0.5", "Material SOFT: U must be greater than -1 and less than 0.5, not 0.5"},
            {"Edit3", "-1", "Material SOFT: U must be greater than -1 and less than 0.5, not -1"},
            {"Edit3", "", "U (Poisson's ratio): '' is not a valid floating point value"},
        };
        const Material before = soft;
        for (const auto& f : failures) {
            w.messenger->messages.clear();
            Type(box("Edit9"), "700"); // a sound edit beside the bad one: not stored either
            Type(box(f.box), f.text);
            ok();
            QCOMPARE(w.messenger->messages, QStringList{f.message});
            QCOMPARE(d->focusWidget(), box(f.box));
            QCOMPARE(soft.elasticModulus, before.elasticModulus);
            QCOMPARE(soft.poisson, before.poisson);
            QCOMPARE(soft.shearModulus, before.shearModulus);
        }
        // A sound E with an unsound law of the chosen type stores nothing.
        w.messenger->messages.clear();
        Type(box("Edit3"), "0.25");
        Child<QComboBox>(d, "ComboBox1")->setCurrentIndex(1); // Steel01
        Type(box("Fy"), "-5");
        ok();
        QCOMPARE(w.messenger->messages, QStringList{"Material SOFT (Steel01): Fy must be positive, not -5"});
        QCOMPARE(d->focusWidget(), box("Fy"));
        QCOMPARE(soft.elasticModulus, 600.0);
        QCOMPARE(soft.materialType, kElasticMaterial);

        // HARD shows E 2.5: a ν edited alone keeps E exactly.
        Child<QListWidget>(d, "ListBox1")->setCurrentRow(1);
        QCOMPARE(box("Edit9")->text(), QString("2.5"));
        Type(box("Edit3"), "0.25");
        ok();
        const Material& hard = w->session().model.Materials[2];
        QCOMPARE(hard.elasticModulus, 2.5);
        QCOMPARE(hard.shearModulus, 1.0);

        const ScriptResult script = GenerateScript(w->session().model, w->session().analysis, w->session().recorders);
        QVERIFY(script.lines.Join("\n").find("\nuniaxialMaterial Elastic 1 6.000E+002\n") != std::string::npos);
    }

    // The type list chooses which parameters show; OK checks the shown boxes
    // and the law before anything is stored, and the next script writes it.
    void materialDialogSetsANonlinearLaw()
    {
        TestWindow w;
        w.OpenThroughMenu(ExamplePath("rc-portal-pushover.s2k"));
        QDialog* d = w.Open("ToolButton6", "TForm3");
        auto* type = Child<QComboBox>(d, "ComboBox1");
        const auto box = [&](const char* name) { return Child<QLineEdit>(d, name); };
        const auto click = [&](const char* name) { Child<QPushButton>(d, name)->click(); };
        QCOMPARE(type->currentIndex(), 0);
        QVERIFY(!Child<QWidget>(d, "ElasticHint")->isHidden());
        QVERIFY(!box("fpc")->isVisibleTo(d));

        // CONC: Concrete02 with the start values from FC = 30 MPa, then fpc edited.
        type->setCurrentIndex(4);
        QVERIFY(Child<QWidget>(d, "ElasticHint")->isHidden());
        const std::pair<const char*, const char*> concrete[] = {{"fpc", "-30000"}, {"epsc0", "-0.002"},
                                                                {"fpcu", "-6000"}, {"epsU", "-0.0035"},
                                                                {"lambda", "0.1"}, {"ft", "3000"},
                                                                {"Ets", "1500000"}};
        for (const auto& [name, text] : concrete) {
            QVERIFY(box(name)->isVisibleTo(d));
            QCOMPARE(box(name)->text(), QString(text));
        }
        QVERIFY(!box("Fy")->isVisibleTo(d));
        Type(box("fpc"), "-25123.4");
        click("Button1");
        QCOMPARE(w.messenger->messages, QStringList());
        Model& model = w->session().model;
        QCOMPARE(model.Materials[1].materialType, kConcrete02);
        QCOMPARE(model.Materials[1].law.fpc, -25123.4);
        QCOMPARE(model.Materials[1].law.epsc0, -0.002); // untouched boxes keep the exact value

        // STEEL: a bad box, then an unsound law, store nothing and take the focus.
        Child<QListWidget>(d, "ListBox1")->setCurrentRow(1);
        type->setCurrentIndex(3);
        Type(box("fpc"), "x"); // not a Steel02 box: not read
        const Material before = model.Materials[2];
        struct Failure {
            const char* box;
            const char* text;
            const char* message;
        };
        const Failure failures[] = {
            {"Fy", "abc", "Fy (yield stress): 'abc' is not a valid floating point value"},
            {"Fy", "-5", "Material STEEL (Steel02): Fy must be positive, not -5"},
            {"R0", "0", "Material STEEL (Steel02): R0 must be positive, not 0"},
        };
        for (const Failure& f : failures) {
            w.messenger->messages.clear();
            Type(box("Fy"), "450000");
            Type(box(f.box), f.text);
            click("Button1");
            QCOMPARE(w.messenger->messages, QStringList{f.message});
            QCOMPARE(d->focusWidget(), box(f.box));
            QCOMPARE(model.Materials[2].materialType, before.materialType);
            QCOMPARE(model.Materials[2].law.Fy, before.law.Fy);
            Type(box(f.box), QString::fromStdString(FormatGeneral(before.law.*FindSetting(MaterialLawFields(),
                                                                                          f.box)->real)));
        }
        w.messenger->messages.clear();
        click("Button1");
        QCOMPARE(w.messenger->messages, QStringList());
        QCOMPARE(model.Materials[2].materialType, kSteel02);
        QCOMPARE(model.Materials[2].law.Fy, 450000.0);

        // Another material shown drops unstored edits; the stored law shows again.
        Type(box("Fy"), "1");
        Child<QListWidget>(d, "ListBox1")->setCurrentRow(0);
        Child<QListWidget>(d, "ListBox1")->setCurrentRow(1);
        QCOMPARE(box("Fy")->text(), QString("450000"));

        const ScriptResult script = GenerateScript(model, w->session().analysis, w->session().recorders);
        std::vector<std::string> materials;
        for (std::size_t k = 0; k < script.lines.size(); ++k)
            if (script.lines[k].starts_with("uniaxialMaterial"))
                materials.emplace_back(script.lines[k]);
        QCOMPARE(materials.size(), std::size_t(2));
        QCOMPARE(QString::fromStdString(materials[0]),
                 QString("uniaxialMaterial Concrete02 1 -2.51234E+004 -2.000E-003 -6.000E+003 -3.500E-003 "
                         "1.000E-001 3.000E+003 1.500E+006"));
        QCOMPARE(QString::fromStdString(materials[1]),
                 QString("uniaxialMaterial Steel02 2 4.500E+005 2.000E+008 1.000E-002 1.800E+001 "
                         "9.250E-001 1.500E-001"));
    }
};

QTEST_MAIN(SectionDialogsTest)
#include "SectionDialogsTest.moc"
