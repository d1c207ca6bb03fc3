// mirelo_curves_screenshot OUTPUT.png MODEL.s2k RUN_DIR ANALYSIS_TYPE: shows
// the curves window on the run in RUN_DIR of the model (its script made with
// that analysis type and RecordCurves=1) and saves the window's picture. Run
// it under xvfb-run to refresh docs/curves.png.
#include "gui/main/AppSetup.h"
#include "gui/common/FileChooser.h"
#include "session/Session.h"
#include "model/ImportS2k.h"
#include "gui/results/CurvesWindow.h"

#include <QApplication>
#include <QTest>

#include <cstdio>

using namespace mirelo;

namespace {

class NoFiles : public FileChooser {
protected:
    std::optional<QString> AskOpen(const QString&, const QString&) override { return std::nullopt; }
    std::optional<QString> AskSave(const QString&, const QString&) override { return std::nullopt; }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    SetUpApplication(application);
    if (argc != 5) {
        std::fprintf(stderr, "usage: mirelo_curves_screenshot OUTPUT.png MODEL.s2k RUN_DIR ANALYSIS_TYPE\n");
        return 1;
    }
    Session session;
    InitDefaults(session);
    try {
        session.model = ImportS2kFile(argv[2]).model;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "mirelo_curves_screenshot: %s\n", error.what());
        return 1;
    }
    session.analysis.AnalysisType = QString::fromLocal8Bit(argv[4]).toInt();
    NoFiles files;
    CurvesWindow window(session, files);
    window.SetFolder(QString::fromLocal8Bit(argv[3]));
    window.show();
    if (!QTest::qWaitForWindowExposed(&window) || !window.LoadCurve())
        return 1;
    QTest::qWait(200);
    return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
