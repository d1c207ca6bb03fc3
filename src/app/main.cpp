// mirelo: the desktop program. `mirelo [FILE.s2k]` opens the file at start.
#include "app/AppSetup.h"
#include "app/MainWindow.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    mirelo::SetUpApplication(application);

    QCommandLineParser parser;
    parser.setApplicationDescription("Pre- and post-processor for OpenSees: imports SAP2000 s2k files.");
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument("file", "An s2k file to open at start.", "[FILE.s2k]");
    parser.process(application);

    mirelo::MainWindow window;
    window.show();
    const QStringList files = parser.positionalArguments();
    if (!files.isEmpty())
        window.RunCommand([&] { window.OpenS2kPath(files.front()); });
    return QApplication::exec();
}
