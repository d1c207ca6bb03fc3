// The desktop's project commands and Edit menu: a saved project opens with
// the same script byte for byte and the same view, also after a move; a
// changed model file keeps what still fits; a damaged project leaves the
// session as it was; unsaved changes are asked about; every dialog's OK is one
// undo step.
#include "GuiTestSupport.h"

#include "model/MaterialLaws.h"
#include "model/SectionSettings.h"
#include "project/SettingsHistory.h"
#include "script/ScriptGenerator.h"
#include "view/ViewValues.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace mirelo;
using namespace mirelo::test;

namespace {

const QString kPortal = "rc-portal-pushover.s2k";

void Trigger(TestWindow& w, const char* item)
{
    QAction* action = w->findChild<QAction*>(item);
    QVERIFY2(action != nullptr, item);
    action->trigger();
}

QString ScriptText(MainWindow& window)
{
    Session& s = window.session();
    return QString::fromStdString(GenerateScript(s.model, s.analysis, s.recorders).lines.Join("\n"));
}

SettingsSnapshot Settings(MainWindow& window)
{
    const Session& s = window.session();
    return CaptureSettings(s.model, s.analysis, s.recorders);
}

// The portal copied into `folder` and opened through the menu.
void OpenPortalCopy(TestWindow& w, const QString& folder)
{
    QFile::copy(ExamplePath(kPortal), folder + "/" + kPortal);
    w.OpenThroughMenu(folder + "/" + kPortal);
}

// An edit through each settings dialog and a turned view with a layer off.
void EditEverything(TestWindow& w)
{
    QDialog* sections = w.Open("ToolButton5", "TForm2");
    Type(Child<QLineEdit>(sections, "Edit1"), "9");
    Child<QPushButton>(sections, "Button2")->click();
    QDialog* materials = w.Open("ToolButton6", "TForm3");
    Type(Child<QLineEdit>(materials, "Edit9"), "25000000");
    Child<QPushButton>(materials, "Button1")->click();
    QDialog* analysis = w.Open("ToolButton19", "TForm7");
    Child<QComboBox>(analysis, "ComboBox1")->setCurrentIndex(2);
    Type(Child<QLineEdit>(analysis, "Edit7"), "3");
    Child<QPushButton>(analysis, "Button1")->click();
    QVERIFY(w.messenger->messages.isEmpty());
    ViewState& view = w->session().view;
    view.PlanAngle = 30;
    view.TiltAngle = -45;
    view.Scale *= 1.25;
    view.LayerFlags.ShowNodeLabels = true;
}

void SaveAs(TestWindow& w, const QString& path)
{
    w.chooser->saveAnswers.push_back(path);
    Trigger(w, "SaveProjectAs1");
}

void OpenProjectThroughMenu(TestWindow& w, const QString& path)
{
    w.chooser->answers.push_back(path);
    Trigger(w, "OpenProject1");
}

} // namespace

class ProjectCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { UseTemporarySettings(); }

    void aSavedProjectOpensWithTheSameScriptAndViewAlsoAfterAMove()
    {
        QTemporaryDir first;
        QString script;
        std::map<std::string, double> view;
        {
            TestWindow w;
            OpenPortalCopy(w, first.path());
            QCOMPARE(w->windowTitle(), QString("Mirelo - %1").arg(kPortal));
            EditEverything(w);
            QCOMPARE(w->windowTitle(), QString("Mirelo - %1*").arg(kPortal));
            SaveAs(w, first.path() + "/portal.mirelo");
            QVERIFY2(w.messenger->messages.isEmpty(), qPrintable(w.messenger->messages.join('\n')));
            QCOMPARE(w->windowTitle(), QString("Mirelo - portal.mirelo"));
            QVERIFY(!w->IsModified());
            script = ScriptText(*w);
            view = CaptureViewValues(w->session().view);
        }
        QTemporaryDir moved;
        for (const QString& name : {kPortal, QString("portal.mirelo")})
            QVERIFY(QFile::copy(first.path() + "/" + name, moved.path() + "/" + name));
        QVERIFY(QFile::remove(first.path() + "/" + kPortal)); // the absolute path would find nothing now

        TestWindow w(true);
        OpenProjectThroughMenu(w, moved.path() + "/portal.mirelo");
        QVERIFY2(w.messenger->messages.isEmpty(), qPrintable(w.messenger->messages.join('\n')));
        QVERIFY(w.messenger->notes.isEmpty());
        QCOMPARE(ScriptText(*w), script);
        QCOMPARE(CaptureViewValues(w->session().view), view);
        QCOMPARE(w->windowTitle(), QString("Mirelo - portal.mirelo"));
        QCOMPARE(QDir(w->RecentFileList().front()).canonicalPath(),
                 QDir(moved.path() + "/portal.mirelo").canonicalPath());

        // Save Project (Ctrl+S) saves to the project's file without asking
        // where, now naming the model where it is.
        Trigger(w, "SaveProject1");
        QVERIFY(w.chooser->saveFilters.isEmpty());
        QFile saved(moved.path() + "/portal.mirelo");
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray text = saved.readAll();
        QVERIFY(text.contains(QDir(moved.path()).absoluteFilePath(kPortal).toUtf8()));
        QVERIFY(!text.contains(first.path().toUtf8()));
    }

    void aChangedModelFileKeepsWhatStillFitsAndNamesTheRest()
    {
        QTemporaryDir folder;
        TestWindow w;
        OpenPortalCopy(w, folder.path());
        EditEverything(w);
        SaveAs(w, folder.path() + "/portal.mirelo");
        // The model loses its NCOL400 section (renamed) in another program.
        QFile model(folder.path() + "/" + kPortal);
        QVERIFY(model.open(QIODevice::ReadOnly));
        QByteArray text = model.readAll();
        model.close();
        text.replace("NCOL400", "NCOL450");
        QVERIFY(model.open(QIODevice::WriteOnly | QIODevice::Truncate));
        model.write(text);
        model.close();

        OpenProjectThroughMenu(w, folder.path() + "/portal.mirelo");
        QVERIFY2(w.messenger->messages.isEmpty(), qPrintable(w.messenger->messages.join('\n')));
        QCOMPARE(w.messenger->notes.size(), 1);
        QVERIFY(w.messenger->notes.front().contains("has changed since the project was saved"));
        QVERIFY(w.messenger->notes.front().contains("frame section NCOL400"));
        // What still fits is kept: the material's E and the analysis type.
        QCOMPARE(MaterialNamed(w->session().model, "CONC").elasticModulus, 25000000.0);
        QCOMPARE(w->session().analysis.AnalysisType, 3);
    }

    void aDamagedProjectIsRefusedAndTheSessionStaysAsItWas()
    {
        QTemporaryDir folder;
        TestWindow w;
        OpenPortalCopy(w, folder.path());
        EditEverything(w);
        const SettingsSnapshot settings = Settings(*w);
        const QString title = w->windowTitle();
        const struct {
            const char* text;
            const char* where;
        } cases[] = {
            {"{\n  \"format\": \"mirelo-project\",\n  \"version\": 1,\n  oops\n}\n", "line 4"},
            {"{\"format\": \"something-else\", \"version\": 1}\n", "format"},
            {"", "line 1"},
        };
        for (const auto& c : cases) {
            QFile damaged(folder.path() + "/damaged.mirelo");
            QVERIFY(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
            damaged.write(c.text);
            damaged.close();
            w.messenger->messages.clear();
            OpenProjectThroughMenu(w, damaged.fileName());
            QCOMPARE(w.messenger->messages.size(), 1);
            QVERIFY2(w.messenger->messages.front().contains("damaged.mirelo"), qPrintable(w.messenger->messages.front()));
            QVERIFY2(w.messenger->messages.front().contains(c.where), qPrintable(w.messenger->messages.front()));
            QVERIFY(Settings(*w) == settings);
            QCOMPARE(w->windowTitle(), title);
            QVERIFY(w->IsModified());
        }
    }

    void unsavedChangesAreAskedAboutBeforeTheyAreLeft()
    {
        QTemporaryDir folder;
        TestWindow w;
        OpenPortalCopy(w, folder.path());
        EditEverything(w);
        const SettingsSnapshot edited = Settings(*w);

        // Cancel: the import does not happen.
        w.messenger->saveAnswers = {SaveChoice::Cancel};
        w.OpenThroughMenu(ExamplePath("rc-frame-building.s2k"));
        QCOMPARE(w.messenger->saveQuestions, QStringList{kPortal});
        QVERIFY(Settings(*w) == edited);
        w.messenger->saveAnswers = {SaveChoice::Cancel};
        QVERIFY(!w->close());
        QVERIFY(w->isVisible());

        // Save: asked where, saved, then imported as a new project.
        w.messenger->saveAnswers = {SaveChoice::Save};
        w.chooser->saveAnswers.push_back(folder.path() + "/kept.mirelo");
        w.OpenThroughMenu(ExamplePath("rc-frame-building.s2k"));
        QVERIFY(QFile::exists(folder.path() + "/kept.mirelo"));
        QCOMPARE(w->windowTitle(), QString("Mirelo - rc-frame-building.s2k"));
        QCOMPARE(w->ProjectPath(), QString());
        QVERIFY(!w->IsModified());
        // The import starts everything anew: the analysis is back to its start.
        QCOMPARE(w->session().analysis.AnalysisType, AnalysisSettings().AnalysisType);

        // Closing without changes asks nothing; with changes, Discard closes.
        const qsizetype asked = w.messenger->saveQuestions.size();
        Trigger(w, "New1");
        QCOMPARE(w.messenger->saveQuestions.size(), asked);
        QCOMPARE(w->windowTitle(), QString("Mirelo"));
        QCOMPARE(w->session().model.Joints.count, 0);
    }

    void everyDialogsOkIsOneUndoStepWithItsName()
    {
        TestWindow w;
        w.OpenThroughMenu(ExamplePath(kPortal));
        QAction* undo = w->findChild<QAction*>("Undo1");
        QAction* redo = w->findChild<QAction*>("Redo1");
        QVERIFY(!undo->isEnabled() && !redo->isEnabled());
        QCOMPARE(undo->shortcut(), QKeySequence("Ctrl+Z"));
        QCOMPARE(redo->shortcut(), QKeySequence("Ctrl+Shift+Z"));

        const struct {
            const char* button;
            const char* window;
            const char* ok;
            const char* box;
            const char* text;
            const char* step;
        } dialogs[] = {
            {"ToolButton5", "TForm2", "Button2", "Edit1", "9", "Frame Section NCOL400"},
            {"ToolButton6", "TForm3", "Button1", "Edit9", "25000000", "Material CONC"},
            {"ToolButton19", "TForm7", "Button1", "Edit1", "50", "Analysis Setting"},
            {"ToolButton24", "TForm8", "Button1", nullptr, nullptr, "Recorder Setting"},
        };
        for (const auto& d : dialogs) {
            const SettingsSnapshot before = Settings(*w);
            QDialog* dialog = w.Open(d.button, d.window);
            if (d.box != nullptr)
                Type(Child<QLineEdit>(dialog, d.box), d.text);
            else
                Child<QCheckBox>(dialog, "CheckBox1")->click();
            Child<QPushButton>(dialog, d.ok)->click();
            QVERIFY2(w.messenger->messages.isEmpty(), qPrintable(w.messenger->messages.join('\n')));
            const SettingsSnapshot after = Settings(*w);
            QVERIFY2(!(after == before), d.step);
            QCOMPARE(undo->text(), QString("Undo %1").arg(d.step));
            QVERIFY(w->windowTitle().endsWith('*'));

            undo->trigger();
            QVERIFY2(Settings(*w) == before, d.step);
            QCOMPARE(redo->text(), QString("Redo %1").arg(d.step));
            redo->trigger();
            QVERIFY2(Settings(*w) == after, d.step);
        }
        // Undone back to the import: nothing is left unsaved.
        while (undo->isEnabled())
            undo->trigger();
        QVERIFY(!w->IsModified());
        QCOMPARE(w->windowTitle(), QString("Mirelo - %1").arg(kPortal));
    }
};

QTEST_MAIN(ProjectCommandsTest)
#include "ProjectCommandsTest.moc"
