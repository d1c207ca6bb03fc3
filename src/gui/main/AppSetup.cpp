#include "gui/main/AppSetup.h"

#include "Version.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
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

namespace {

// Replaces the translator named `name` by the file `base`_<language> in
// `folder`; none when there is no such file.
bool ReplaceTranslator(QCoreApplication& application, const char* name, const QLocale& locale, const QString& base,
                       const QString& folder)
{
    if (auto* old = application.findChild<QTranslator*>(name)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    auto translator = std::make_unique<QTranslator>(&application);
    translator->setObjectName(name);
    if (!translator->load(locale, base, QStringLiteral("_"), folder))
        return false;
    QCoreApplication::installTranslator(translator.release());
    return true;
}

} // namespace

bool LoadTranslation(QCoreApplication& application, const QLocale& locale)
{
    const bool ours = ReplaceTranslator(application, "MireloTranslator", locale, QStringLiteral("mirelo"),
                                        QStringLiteral(":/i18n"));
    // Qt's standard buttons (OK, Cancel, Close) follow the same language.
    ReplaceTranslator(application, "QtBaseTranslator", ours ? locale : QLocale(QLocale::English),
                      QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return ours;
}

} // namespace mirelo
