// mirelo-cli picture: the drawing of a model, with a loaded result, as a PNG
// file, painted off-screen by the same code as the drawing area.
#include "cli/ForcePicture.h"
#include "cli/ResultOptions.h"

#include "common/NumberText.h"
#include "view/ContourLayer.h"
#include "view/Picture.h"

#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <memory>
#include <ostream>

namespace mirelo::cli {

namespace {

struct PictureOptions {
    std::string s2kPath, outputPath;
    PictureView view = PictureView::XZ;
    QSize size{1024, 768};
    std::optional<double> scale;
    ResultOptions results;
    std::optional<ForceQuantity> forces;
    std::optional<ContourQuantity> contour;
};

PictureView ViewNamed(const std::string& name)
{
    if (name == "xy")
        return PictureView::XY;
    if (name == "xz")
        return PictureView::XZ;
    if (name == "yz")
        return PictureView::YZ;
    if (name == "3d")
        return PictureView::ThreeD;
    throw UsageError{"--view takes xy, xz, yz or 3d, not '" + name + "'"};
}

QSize SizeNamed(const std::string& text)
{
    const std::size_t x = text.find('x');
    try {
        if (x != std::string::npos) {
            const std::int32_t w = ParseInteger(std::string_view(text).substr(0, x));
            const std::int32_t h = ParseInteger(std::string_view(text).substr(x + 1));
            if (w >= 16 && h >= 16 && w <= 8192 && h <= 8192)
                return {w, h};
        }
    } catch (const ConversionError&) {
    }
    throw UsageError{"--size takes WIDTHxHEIGHT, each 16 to 8192 pixels, not '" + text + "'"};
}

PictureOptions ParsePictureArguments(const Arguments& args)
{
    PictureOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (TakeResultOption(args, i, options.results))
            continue;
        const std::string& arg = args[i];
        const auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size())
                throw UsageError{arg + " needs a value"};
            return args[++i];
        };
        if (arg == "-o")
            options.outputPath = value();
        else if (arg == "--view")
            options.view = ViewNamed(value());
        else if (arg == "--size")
            options.size = SizeNamed(value());
        else if (arg == "--forces")
            options.forces = ForceQuantityNamed(value());
        else if (arg == "--contour") {
            const std::string& name = value();
            options.contour = ContourQuantityNamed(name);
            if (!options.contour)
                throw UsageError{"--contour takes u, ux, uy or uz, not '" + name + "'"};
        } else if (arg == "--results")
            options.results.request.folder = value();
        else if (arg == "--scale") {
            const std::string& text = value();
            try {
                options.scale = ParseReal(text);
            } catch (const ConversionError&) {
                throw UsageError{"--scale takes a number, not '" + text + "'"};
            }
        } else if (arg.starts_with("-") && arg.size() > 1)
            throw UsageError{"unknown option '" + arg + "'"};
        else if (options.s2kPath.empty())
            options.s2kPath = arg;
        else
            throw UsageError{"picture takes one s2k file"};
    }
    if (options.s2kPath.empty() || options.outputPath.empty())
        throw UsageError{"picture needs an s2k file and -o OUT.png"};
    CheckResultOptions(options.results);
    return options;
}

// Qt's notes about the platform (no runtime folder, no size hints) say nothing
// about the picture; the command reports its own failures.
void QuietQtNotes(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg || type == QtCriticalMsg)
        std::fprintf(stderr, "mirelo-cli: %s\n", qPrintable(message));
}

// Text needs a QGuiApplication; without a display the off-screen platform serves.
std::unique_ptr<QGuiApplication> GuiApplication()
{
    if (QGuiApplication::instance())
        return nullptr;
    qInstallMessageHandler(QuietQtNotes);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "mirelo-cli";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

int RunPicture(const Arguments& args, std::ostream&)
{
    PictureOptions options = ParsePictureArguments(args);
    Session session = ResultSession(options.s2kPath, options.results);
    ViewState& view = session.view;
    const ResultRequest& request = options.results.request;
    if (options.contour && (request.folder.empty() || options.forces))
        throw UsageError{"--contour colours loaded displacements: give --results DIR, without --forces"};
    if (options.forces) {
        if (request.folder.empty() || request.mode || request.frameEnds)
            throw UsageError{"--forces draws a load step of loaded results: give --results DIR, without --mode and --section"};
        ShowForceDiagram(session, options.results, *options.forces, options.scale);
    } else if (!request.folder.empty()) {
        LoadResults(session, request);
        view.DeformScale = options.scale ? *options.scale : SuggestedDeformScale(session.model, session.results);
        view.LayerFlags.ShowHingeCircles = request.frameEnds != nullptr;
    } else if (options.scale) {
        throw UsageError{"--scale scales loaded results: give --results DIR"};
    }
    if (options.contour)
        view.ContourShown = *options.contour;
    const auto app = GuiApplication();
    const QImage image = RenderPicture(session.model, session.results, view, options.view, options.size);
    if (!image.save(QFile::decodeName(options.outputPath.c_str()), "PNG"))
        throw FileError::CannotOpen(options.outputPath, "The picture could not be written.");
    return 0;
}

} // namespace mirelo::cli
