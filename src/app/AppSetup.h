#pragma once

class QApplication;

namespace mirelo {

// The application's title ("Kavu"), version, and legible stand-ins for the
// Windows font faces the windows name where those faces are not installed.
void SetUpApplication(QApplication& application);

} // namespace mirelo
