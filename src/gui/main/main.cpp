// mirelo: the desktop program. `mirelo [FILE.s2k | PROJECT.mirelo]` opens the file at start.
#include "Version.h"
#include "gui/main/AppSetup.h"
#include "gui/main/MainWindow.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <cstring>

namespace {

const char* const kUsage =
    "Usage: mirelo [FILE.s2k | PROJECT.mirelo]\n"
    "Mirelo: pre- and post-processor for OpenSees; imports SAP2000 s2k files.\n"
    "\n"
    "Arguments:\n"
    "  FILE.s2k       an s2k file to open at start\n"
    "  PROJECT.mirelo a project to open at start\n"
    "\n"
    "Options:\n"
    "  -h, --help     show this text\n"
    "  -v, --version  show the version\n"
    "Qt's own options (-platform, -style ...) are accepted as well.\n";

} // namespace

int main(int argc, char** argv)
{
    // Answered before the window system is reached, so they work without a display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-h") == 0 || std::strcmp(argv[i], "--help") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "-v") == 0 || std::strcmp(argv[i], "--version") == 0) {
            std::printf("mirelo %s\n", mirelo::kVersion);
            return 0;
        }
    }

    QApplication application(argc, argv); // takes Qt's own options out of the arguments
    mirelo::SetUpApplication(application);
    QCommandLineParser parser;
    parser.addPositionalArgument("file", "An s2k file or a project to open at start.", "[FILE.s2k | PROJECT.mirelo]");
    parser.process(application);

    mirelo::MainWindow window;
    window.show();
    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty())
        window.RunCommand([&] { window.OpenPath(files.front()); });
    return QApplication::exec();
}
