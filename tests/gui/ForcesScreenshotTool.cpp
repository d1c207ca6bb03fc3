// mirelo_forces_screenshot MODEL.s2k RUN LOADSTEPS DRAWING.png TABLE.png:
// opens the model, loads the last step of the load-control run in the folder
// RUN (made with LoadSteps=LOADSTEPS), opens "Post > Force" and "Post >
// Reactions" as a user would and saves the main window's picture (the moment
// diagram in the rotated view, before the reactions join it) and the
// reactions window's. Run it under
// xvfb-run to refresh docs/force-diagram-window.png and docs/reactions-window.png.
#include "GuiTestSupport.h"

#include "gui/main/AppSetup.h"
#include "session/ResultLoading.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QTest>

#include <cstdio>
#include <string>

using namespace mirelo;

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    SetUpApplication(application);
    if (argc != 6) {
        std::fprintf(stderr, "usage: mirelo_forces_screenshot MODEL.s2k RUN LOADSTEPS DRAWING.png TABLE.png\n");
        return 1;
    }
    test::TestWindow window;
    window->resize(1100, 760);
    window.OpenThroughMenu(QString::fromLocal8Bit(argv[1]));
    Session& session = window->session();
    session.analysis.LoadSteps = std::stoi(argv[3]);
    LoadNodeDisplacements(session, argv[2], std::nullopt);
    window->findChild<QAction*>("Force1")->trigger();
    window->ShowStandardView(StandardView::Isometric);
    QTest::qWait(300);
    const bool drawing = window->grab().save(QString::fromLocal8Bit(argv[4]));
    window->findChild<QAction*>("Reactions1")->trigger();
    QTest::qWait(300);
    for (const QString& message : window.messenger->messages)
        std::fprintf(stderr, "mirelo_forces_screenshot: %s\n", qPrintable(message));
    auto* reactions = window->findChild<QDialog*>("ReactionsWindow");
    return drawing && reactions && reactions->grab().save(QString::fromLocal8Bit(argv[5])) ? 0 : 1;
}
