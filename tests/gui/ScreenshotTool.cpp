// mirelo_screenshot OUTPUT.png MODEL.s2k [elevation]: opens the model in the
// main window and saves the window's picture: turned to a three-dimensional
// view, or with "elevation" the XZ view of the first grid line with the first
// load case's distributed loads as arrows. Run it under xvfb-run to refresh
// the pictures in docs/.
#include "gui/main/AppSetup.h"
#include "gui/main/DrawingArea.h"
#include "gui/main/MainWindow.h"
#include "gui/main/Messenger.h"
#include "view/PlaneStepping.h"

#include <QApplication>
#include <QPixmap>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <cstring>
#include <memory>

using namespace mirelo;

namespace {

// Messages go to standard error: nobody is there to close a box.
class PrintingMessenger : public mirelo::Messenger {
public:
    void ShowError(const QString& message) override { std::fprintf(stderr, "%s\n", qPrintable(message)); }
    void ShowNote(const QString& message) override { ShowError(message); }
    // Nothing is edited here, so nothing is ever left unsaved.
    mirelo::SaveChoice AskToSaveChanges(const QString&) override { return mirelo::SaveChoice::Discard; }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    SetUpApplication(application);
    if (argc != 3 && !(argc == 4 && std::strcmp(argv[3], "elevation") == 0)) {
        std::fprintf(stderr, "usage: mirelo_screenshot OUTPUT.png MODEL.s2k [elevation]\n");
        return 1;
    }
    // The opened file must not enter the user's list of recent files.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    MainWindow window(nullptr, std::make_unique<PrintingMessenger>());
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
    if (argc == 4) {
        window.ShowStandardView(StandardView::XZ);
        window.ShowNextPlane();
        view.LoadCaseShown = 1;
        view.LoadTypeShown = kShowElementLoads;
        window.Redraw();
    } else {
        window.ShowStandardView(StandardView::Isometric); // as "3-D" does, status bar included
    }
    QTest::qWait(200);
    return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
