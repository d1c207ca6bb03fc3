// mirelo_screenshot OUTPUT.png MODEL.s2k: opens the model in the main window,
// turns it to a three-dimensional view and saves the window's picture. Run it
// under xvfb-run to refresh docs/screenshot.png.
#include "app/AppSetup.h"
#include "app/DrawingArea.h"
#include "app/MainWindow.h"

#include <QApplication>
#include <QPixmap>
#include <QTest>

#include <algorithm>
#include <cstdio>

using namespace mirelo;

namespace {

// Shifts the pan so the projected joints sit in the middle of the area.
void CentreModel(MainWindow& window)
{
    const Model& model = window.session().model;
    int minX = model.Joints[1].screenX, maxX = minX, minY = model.Joints[1].screenY, maxY = minY;
    for (std::int32_t k = 2; k <= model.Joints.count; ++k) {
        minX = std::min(minX, model.Joints[k].screenX);
        maxX = std::max(maxX, model.Joints[k].screenX);
        minY = std::min(minY, model.Joints[k].screenY);
        maxY = std::max(maxY, model.Joints[k].screenY);
    }
    ViewState& view = window.session().view;
    view.PanX += ((minX + maxX) / 2.0 - window.drawingArea().width() / 2.0) * view.Scale;
    view.PanY += ((minY + maxY) / 2.0 - window.drawingArea().height() / 2.0) * view.Scale;
}

} // namespace

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
    CentreModel(window);
    window.Redraw();
    QTest::qWait(200);
    return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
