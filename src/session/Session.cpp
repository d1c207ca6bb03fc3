#include "session/Session.h"

namespace mirelo {

void InitDefaults(Session& session)
{
    session.S2kLines = TextLines();
    session.analysis = AnalysisSettings();   // load control, case 1, 100 steps, 12 modes, 3 points
    session.recorders = RecorderSettings(); // node displacements only
    session.view = ViewState(); // Scale 5, the layer defaults, no load shown, range +-0.0001
    session.model.SectionPalette = DefaultSectionPalette();
}

} // namespace mirelo
