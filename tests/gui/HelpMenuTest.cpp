// The Help menu: the tutorial that ships with the program, opened through the
// desktop, and "About".
#include "GuiTestSupport.h"

#include "Version.h"
#include "gui/main/AboutDialog.h"
#include "gui/main/HelpLinks.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <exception>

using namespace mirelo;
using namespace mirelo::test;

namespace {

class RecordingOpener : public UrlOpener {
public:
    explicit RecordingOpener(QList<QUrl>& opened, bool succeeds) : opened_(opened), succeeds_(succeeds) {}
    bool Open(const QUrl& url) override
    {
        opened_ << url;
        return succeeds_;
    }

private:
    QList<QUrl>& opened_;
    bool succeeds_;
};

QString SourceTutorial()
{
    return QString(MIRELO_SOURCE_DIR) + "/docs/tutorial.html";
}

} // namespace

class HelpMenuTest : public QObject {
    Q_OBJECT

private slots:
    void tutorialOpensThroughTheDesktop()
    {
        TestWindow w;
        QList<QUrl> opened;
        w->SetUrlOpener(std::make_unique<RecordingOpener>(opened, true));
        w->findChild<QAction*>("Manuel1")->trigger();
        QCOMPARE(opened.size(), 1);
        QVERIFY(opened[0].isLocalFile());
        QVERIFY2(opened[0].toLocalFile().endsWith("/docs/tutorial.html"), qPrintable(opened[0].toString()));
        QVERIFY(QFileInfo::exists(opened[0].toLocalFile()));
        QVERIFY(w.messenger->messages.isEmpty());
    }

    void aDesktopWithoutABrowserIsReported()
    {
        TestWindow w;
        QList<QUrl> opened;
        w->SetUrlOpener(std::make_unique<RecordingOpener>(opened, false));
        w->findChild<QAction*>("Manuel1")->trigger();
        QCOMPARE(w.messenger->messages.size(), 1);
        QVERIFY(w.messenger->messages[0].startsWith("No program to show web pages was found. The tutorial is "));
        QVERIFY(w.messenger->messages[0].contains("tutorial.html"));
    }

    // The first candidate that exists wins; none names every place tried.
    void findTutorial()
    {
        QTemporaryDir dir;
        const QString second = dir.filePath("b.html");
        QFile file(second);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QCOMPARE(FindTutorial({dir.filePath("a.html"), second, SourceTutorial()}), second);
        const QStringList candidates = TutorialCandidates(dir.filePath("bin"));
        QCOMPARE(candidates.first(), dir.filePath("bin/docs/tutorial.html"));
        try {
            FindTutorial({dir.filePath("a.html"), dir.filePath("c.html")});
            QFAIL("a missing tutorial was found");
        } catch (const std::exception& error) {
            QCOMPARE(QString::fromUtf8(error.what()), "The tutorial was not found; looked for " + dir.filePath("a.html")
                                                          + ", " + dir.filePath("c.html") + ".");
        }
    }

    // Every picture and page the tutorial points to ships beside it, and the
    // menu commands it names exist.
    void tutorialLinksResolve()
    {
        QFile file(SourceTutorial());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString page = QString::fromUtf8(file.readAll());
        const QRegularExpression link("(?:src|href)=\"([^\"#:]+)\"");
        int local = 0;
        for (const QRegularExpressionMatch& m : link.globalMatch(page)) {
            ++local;
            QVERIFY2(QFileInfo::exists(QDir(MIRELO_SOURCE_DIR "/docs").filePath(m.captured(1))),
                     qPrintable(m.captured(1)));
        }
        QVERIFY(local >= 2);
        TestWindow w;
        const QRegularExpression command("<kbd>([^<]+) &gt; ([^<]+)</kbd>");
        int commands = 0;
        for (const QRegularExpressionMatch& m : command.globalMatch(page)) {
            ++commands;
            bool present = false;
            for (QAction* item : w->findChildren<QAction*>())
                present = present || item->text() == m.captured(2);
            QVERIFY2(present, qPrintable(m.captured(0)));
        }
        QVERIFY(commands >= 4);
    }

    void aboutShowsVersionLicenceAndOpenSees()
    {
        TestWindow w;
        w->findChild<QAction*>("About1")->trigger();
        auto* dialog = w->findChild<AboutDialog*>("AboutDialog");
        QVERIFY(dialog && dialog->isVisible());
        const QString text = dialog->findChild<QLabel*>("AboutText")->text();
        QVERIFY(text.contains(QString("Mirelo ") + kVersion));
        QVERIFY(text.contains("MIT licence"));
        QVERIFY(text.contains("https://opensees.berkeley.edu"));
        QVERIFY(text.contains("https://github.com/OpenSees/OpenSees"));
        QVERIFY(QFileInfo::exists(QString(MIRELO_SOURCE_DIR) + "/LICENSE"));
    }
};

QTEST_MAIN(HelpMenuTest)
#include "HelpMenuTest.moc"
