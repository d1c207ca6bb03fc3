#pragma once

class QApplication;

namespace mirelo {

// The application's title ("Kavu"), its version, and legible stand-ins for the
// faces the windows ask for ("MS Sans Serif", "Arial") where those are not
// installed. The drawing picks its own label face (LabelFontFamily).
void SetUpApplication(QApplication& application);

} // namespace mirelo
