#pragma once

#include <QIcon>

namespace mirelo {

// The pictures of the main toolbar, drawn at start-up so the program carries no
// image files. Each picture is 20 x 20 (with a double-size copy for dense screens).
enum class ToolbarPicture {
    Open,
    FrameSection,
    Material,
    XYView,
    XZView,
    YZView,
    ZoomAll,
    Rotate,
    Pan,
    Refresh,
    ShowLoad,
    ViewOption,
    Select,
    Idle,
    Analysis,
    Recorder,
    Script,
    RunSolver,
    ClearResults,
    Results,
};

QIcon ToolbarIcon(ToolbarPicture picture);

} // namespace mirelo
