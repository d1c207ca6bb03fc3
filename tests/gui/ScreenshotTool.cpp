// mirelo_screenshot OUTPUT.png MODEL.s2k: opens the model in the main window,
// turns it to a three-dimensional view and saves the window's picture. Run it
// under xvfb-run to refresh docs/screenshot.png.
#include "app/AppSetup.h"
#include "app/DrawingArea.h"
#include "app/MainWindow.h"

#include <QApplication>
#include <QPixmap>
#include <QTest>

#include <cstdio>

using namespace mirelo;

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    SetUpApplication(application);
    if (argc != 3) {
        std::fprintf(stderr, "usage: mirelo_screenshot OUTPUT.png MODEL.s2k\n");
        return 1;
    }
    MainWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    try {
        window.OpenS2kPath(QString::fromLocal8Bit(argv[2]));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "mirelo_screenshot: %s\n", error.what());
        return 1;
    }
    ViewState& view = window.session().view;
    view.PlanAngle = 30;
    view.TiltAngle = -65;
    window.ToolButton13Click();
    QTest::qWait(200);
    return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
