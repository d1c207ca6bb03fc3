// File dialogs start in the folder last used for their kind of file, in this
// run and the next; the solver's script dialog starts where a script was saved.
// Everything the program remembers lives in one store.
#include "GuiTestSupport.h"

#include "gui/common/ProgramSettings.h"
#include "gui/main/AppSetup.h"
#include "gui/solver/SolverLocator.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace mirelo;
using namespace mirelo::test;

class FileFoldersTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        SetUpApplication(*qApp);
        // A solver is found, so "Run OpenSEES" asks for the script.
        qputenv("MIRELO_OPENSEES", QByteArray(MIRELO_SOURCE_DIR) + "/tests/solver/standin-opensees");
    }

    void eachKindStartsWhereItsLastFileWas()
    {
        QTemporaryDir models, pictures;
        TempS2k portal(kPortalS2k);
        const QString modelFolder = QFileInfo(portal.path()).absolutePath();
        TestWindow w;
        QAction* open = w->findChild<QAction*>("ImportSap2000txtfile1");
        QAction* picture = w->findChild<QAction*>("ExportPicture1");
        open->trigger(); // nothing remembered yet: the working directory, then cancelled
        QCOMPARE(w.chooser->folders.last(), QDir::currentPath());
        w.OpenThroughMenu(portal.path());
        picture->trigger();
        QCOMPARE(w.chooser->saveFolders.last(), QDir::currentPath()); // a picture is another kind
        w.chooser->saveAnswers << pictures.filePath("portal.png");
        picture->trigger();
        QVERIFY(QFile::exists(pictures.filePath("portal.png")));

        const struct {
            QAction* action;
            const QStringList& asked;
            QString folder;
        } next[] = {{open, w.chooser->folders, modelFolder}, {picture, w.chooser->saveFolders, pictures.path()}};
        for (const auto& n : next) {
            n.action->trigger();
            QCOMPARE(n.asked.last(), n.folder);
        }
        // The next run of the program starts there too.
        TestWindow again(true);
        again->findChild<QAction*>("ImportSap2000txtfile1")->trigger();
        QCOMPARE(again.chooser->folders.last(), modelFolder);
        again->findChild<QAction*>("ExportPicture1")->trigger();
        QCOMPARE(again.chooser->saveFolders.last(), pictures.path());
        QVERIFY(again.messenger->messages.isEmpty());
    }

    void aFolderThatIsGoneFallsBackToTheWorkingDirectory()
    {
        QString gone;
        {
            QTemporaryDir folder;
            TestWindow w;
            w.chooser->saveAnswers << folder.filePath("x.png");
            w->findChild<QAction*>("ExportPicture1")->trigger();
            QCOMPARE(RememberedFolder(FileKind::Picture), folder.path());
            gone = folder.path();
        }
        QVERIFY(!QFileInfo::exists(gone));
        QCOMPARE(RememberedFolder(FileKind::Picture), QString());
        TestWindow again(true);
        again->findChild<QAction*>("ExportPicture1")->trigger();
        QCOMPARE(again.chooser->saveFolders.last(), QDir::currentPath());
    }

    void theSolversDialogStartsWhereTheScriptWasSaved()
    {
        TempS2k portal(kPortalS2k);
        QTemporaryDir run;
        TestWindow w;
        w.OpenThroughMenu(portal.path());
        QDialog* script = w.Open("ToolButton8", "TForm6");
        Child<QPushButton>(script, "Button3")->click(); // Generate
        w.chooser->saveAnswers << run.filePath("portal.tcl");
        Child<QPushButton>(script, "Button2")->click(); // Save
        QVERIFY(QFile::exists(run.filePath("portal.tcl")));
        w->findChild<QAction*>("RunOpenSEES1")->trigger(); // cancelled
        QCOMPARE(w.chooser->filters.last(), QString("tcl file|*.tcl"));
        QCOMPARE(w.chooser->folders.last(), run.path());
        QVERIFY(w.messenger->messages.isEmpty());
    }

    // The solver's path, the recent files and the folders share one store,
    // whatever title the application shows ("Kavu").
    void everythingRememberedIsInOneStore()
    {
        TempS2k portal(kPortalS2k);
        QTemporaryDir pictures;
        const QString solver = QStringLiteral(MIRELO_SOURCE_DIR "/tests/solver/standin-opensees");
        TestWindow w;
        SetSolverSettingPath(solver);
        w.OpenThroughMenu(portal.path());
        w.chooser->saveAnswers << pictures.filePath("portal.png");
        w->findChild<QAction*>("ExportPicture1")->trigger();

        const ProgramSettings store;
        QCOMPARE(store.value("solver/path").toString(), solver);
        QCOMPARE(store.value("recentFiles").toStringList(), QStringList{QFileInfo(portal.path()).canonicalFilePath()});
        QCOMPARE(store.value("folders/pictures").toString(), pictures.path());
        QCOMPARE(QSettings(QSettings::NativeFormat, QSettings::UserScope, "Mirelo", "Kavu").allKeys(), QStringList());
        SetSolverSettingPath({});
    }

    // Earlier builds kept the solver's path in a store named after the title:
    // it moves into the one store, where a path already set there wins.
    void aSolverPathKeptUnderTheTitleIsTakenOver()
    {
        UseTemporarySettings();
        auto keepUnderTitle = [](const QString& path) {
            QSettings(QSettings::NativeFormat, QSettings::UserScope, "Mirelo", "Kavu").setValue("solver/path", path);
        };
        keepUnderTitle("/opt/opensees/OpenSees");
        QCOMPARE(SolverSettingPath(), QString("/opt/opensees/OpenSees"));
        QCOMPARE(QSettings(QSettings::NativeFormat, QSettings::UserScope, "Mirelo", "Kavu").allKeys(), QStringList());
        keepUnderTitle("/older/OpenSees");
        QCOMPARE(SolverSettingPath(), QString("/opt/opensees/OpenSees"));
        SetSolverSettingPath({});
    }
};

QTEST_MAIN(FileFoldersTest)
#include "FileFoldersTest.moc"
