#pragma once

#include "common/TextLines.h"
#include "model/Model.h"
#include "script/AnalysisSettings.h"
#include "view/ViewState.h"

namespace mirelo {

// Everything one run of the program holds: the loaded s2k text, the model, the
// analysis and recorder settings and the viewer's state. The main window owns it and hands it by reference to the
// dialogs; two sessions never share anything.
struct Session {
    TextLines S2kLines;
    Model model;
    AnalysisSettings analysis;
    RecorderSettings recorders;
    ViewState view;
};

// Gives every setting its start value: an empty line list, the start-up camera,
// layer switches and result range, the analysis and recorder settings, and the
// section colour table.
void InitDefaults(Session& session);

} // namespace mirelo
