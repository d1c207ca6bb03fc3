// mirelo_solver_screenshot OUTPUT.png SCRIPT.tcl [MODEL.s2k [RESULT.png]]: runs
// the solver on the script through "Run OpenSEES" as a user would (the solver
// the program finds: the Solver setting, MIRELO_OPENSEES, its folder, PATH),
// waits for the end and saves the solver window's picture; with RESULT.png it
// then presses "Load Last Step" and saves the main window's. Run it under
// xvfb-run to refresh docs/solver-window.png and docs/pushover-result.png.
#include "GuiTestSupport.h"

#include "gui/main/AppSetup.h"
#include "gui/solver/SolverRun.h"
#include "gui/solver/SolverWindow.h"

#include <QAction>
#include <QApplication>
#include <QPixmap>
#include <QPushButton>
#include <QTest>

#include <cstdio>

using namespace mirelo;

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    SetUpApplication(application);
    if (argc < 3 || argc > 5) {
        std::fprintf(stderr, "usage: mirelo_solver_screenshot OUTPUT.png SCRIPT.tcl [MODEL.s2k [RESULT.png]]\n");
        return 1;
    }
    test::TestWindow window;
    if (argc >= 4)
        window.OpenThroughMenu(QString::fromLocal8Bit(argv[3]));
    window.chooser->answers << QString::fromLocal8Bit(argv[2]);
    window->findChild<QAction*>("RunOpenSEES1")->trigger();
    for (const QString& message : window.messenger->messages)
        std::fprintf(stderr, "mirelo_solver_screenshot: %s\n", qPrintable(message));
    auto* solver = window->findChild<SolverWindow*>("SolverWindow");
    if (solver == nullptr)
        return 1;
    if (!QTest::qWaitFor([&] { return !solver->Run().IsRunning(); }, 600000))
        return 1;
    QTest::qWait(300);
    std::printf("%s\n", qPrintable(SolverVerdict(solver->Run().Outcome())));
    if (!solver->grab().save(QString::fromLocal8Bit(argv[1])))
        return 1;
    if (argc < 5)
        return 0;
    solver->findChild<QPushButton*>("LoadButton")->click();
    for (const QString& message : window.messenger->messages)
        std::fprintf(stderr, "mirelo_solver_screenshot: %s\n", qPrintable(message));
    window->ShowStandardView(StandardView::XZ);
    QTest::qWait(300);
    return window->grab().save(QString::fromLocal8Bit(argv[4])) ? 0 : 1;
}
