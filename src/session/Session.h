#pragma once

#include "common/TextLines.h"
#include "model/Model.h"
#include "results/RecorderFile.h"
#include "script/AnalysisSettings.h"
#include "session/ViewState.h"

namespace mirelo {

// What the joints' displacement fields hold: nothing, a load step or a mode.
struct LoadedResults {
    enum class Kind { None, LoadStep, ModeShape };
    Kind kind = Kind::None;
    std::string folder;
    std::int64_t step = 0;      // the line read
    std::int64_t stepCount = 0; // lines of the first file
    std::int32_t mode = 0;
};

// Everything one run of the program holds: the loaded s2k text, the model, the
// analysis and recorder settings and the viewer's state. The main window owns it and hands it by reference to the
// dialogs; two sessions never share anything.
struct Session {
    TextLines S2kLines;
    Model model;
    AnalysisSettings analysis;
    RecorderSettings recorders;
    ViewState view;
    RecorderFileCache resultFiles; // result files read so far, kept while unchanged
    LoadedResults loadedResults;   // what the joints' displacement fields hold
};

// Gives every setting its start value: an empty line list, the start-up camera,
// layer switches and result range, the analysis and recorder settings, and the
// section colour table.
void InitDefaults(Session& session);

} // namespace mirelo
