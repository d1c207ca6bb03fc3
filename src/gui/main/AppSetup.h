#pragma once

class QCoreApplication;
class QApplication;
class QLocale;

namespace mirelo {

// The application's title ("Kavu"), its version, and legible stand-ins for the
// faces the windows ask for ("MS Sans Serif", "Arial") where those are not
// installed. The drawing picks its own label face (LabelFontFamily).
// The captions' translation into the user's language is loaded as well.
void SetUpApplication(QApplication& application);

// Loads the captions' translation for `locale` into the application, in place
// of one loaded before, with Qt's own for its standard buttons; English, the
// captions of the sources, needs none. Returns whether a translation of the
// program's captions was found.
bool LoadTranslation(QCoreApplication& application, const QLocale& locale);

} // namespace mirelo
