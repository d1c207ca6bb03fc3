#include "gui/main/AppSetup.h"

#include "Version.h"

#include <QApplication>
#include <QFont>

namespace mirelo {

void SetUpApplication(QApplication& application)
{
    application.setOrganizationName("Mirelo");
    application.setApplicationName("Kavu");
    application.setApplicationDisplayName("Kavu");
    application.setApplicationVersion(QString::fromLatin1(kVersion));
    const QStringList sans = {"Liberation Sans", "Arimo", "DejaVu Sans"};
    QFont::insertSubstitutions("MS Sans Serif", sans);
    QFont::insertSubstitutions("Arial", sans);
}

} // namespace mirelo
