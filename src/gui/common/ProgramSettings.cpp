#include "gui/common/ProgramSettings.h"

#include <QStringList>

namespace mirelo {

namespace {

// Earlier builds kept the solver's path in a store named after the title
// ("Kavu"); what is found there moves into the one store once, so no setting
// is lost.
void TakeOverTitleStore(QSettings& store)
{
    QSettings titleStore(QSettings::NativeFormat, QSettings::UserScope, "Mirelo", "Kavu");
    const QStringList keys = titleStore.allKeys();
    if (keys.isEmpty())
        return;
    for (const QString& key : keys) {
        if (!store.contains(key))
            store.setValue(key, titleStore.value(key));
    }
    titleStore.clear();
}

} // namespace

ProgramSettings::ProgramSettings()
    : QSettings(QSettings::NativeFormat, QSettings::UserScope, "Mirelo", "Mirelo")
{
    TakeOverTitleStore(*this);
}

} // namespace mirelo
