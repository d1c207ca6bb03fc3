#pragma once

#include <QSettings>

namespace mirelo {

// The one store of everything the program remembers between runs: the
// solver's path, the recent files, the folder of each file kind. It has its
// own organisation and application name, apart from the title the program
// shows, so every part opens the same store; tests point it at a temporary
// folder.
class ProgramSettings : public QSettings {
public:
    ProgramSettings();
};

} // namespace mirelo
