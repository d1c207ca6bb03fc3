#include "gui/main/AppSetup.h"

#include "Version.h"

#include <QApplication>
#include <QFont>
#include <QLocale>
#include <QTranslator>

#include <memory>

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
    LoadTranslation(application, QLocale());
}

bool LoadTranslation(QCoreApplication& application, const QLocale& locale)
{
    static const char* const kTranslatorName = "MireloTranslator";
    if (auto* old = application.findChild<QTranslator*>(kTranslatorName)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    auto translator = std::make_unique<QTranslator>(&application);
    translator->setObjectName(kTranslatorName);
    if (!translator->load(locale, QStringLiteral("mirelo"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        return false;
    QCoreApplication::installTranslator(translator.release());
    return true;
}

} // namespace mirelo
