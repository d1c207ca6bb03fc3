#include "app/Session.h"

namespace mirelo {

void InitDefaults(Session& session)
{
    session.S2kLines = TextLines();
    session.view = ViewState(); // Scale 5, the layer defaults, no load shown, range +-0.0001
    session.model.SectionPalette = DefaultSectionPalette();
}

} // namespace mirelo
