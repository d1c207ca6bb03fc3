#pragma once

#include "common/TextLines.h"
#include "model/Model.h"
#include "results/RecorderFile.h"
#include "results/ResultSet.h"
#include "script/AnalysisSettings.h"
#include "session/ViewState.h"

namespace mirelo {

// Everything one run of a program holds: the loaded s2k text, the model, the
// analysis and recorder settings, the loaded results and the viewer's state.
// The main window owns one and hands it by reference to the dialogs;
// mirelo-cli builds one per command. Two sessions never share anything.
struct Session {
    TextLines S2kLines;
    Model model;
    AnalysisSettings analysis;
    RecorderSettings recorders;
    ViewState view;
    ResultSet results;             // what drawing shows with the model
    RecorderFileCache resultFiles; // result files read so far, kept while unchanged
};

// Gives every setting its start value: an empty line list, the start-up camera,
// layer switches and result range, the analysis and recorder settings, and the
// section colour table.
void InitDefaults(Session& session);

} // namespace mirelo
