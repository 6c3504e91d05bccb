// Loads the game's catalogue from the program's resources and Qt's from where Qt keeps them.
#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kestrelink::app {

namespace {

bool install(QCoreApplication& app, const QLocale& locale, const QString& name,
             const QString& folder) {
    auto* translator = new QTranslator(&app);
    if (translator->load(locale, name, QStringLiteral("_"), folder) &&
        QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

bool installTranslations(QCoreApplication& app, const QLocale& locale) {
    install(app, locale, QStringLiteral("qt"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return install(app, locale, QStringLiteral("kestrelink"), QStringLiteral(":/i18n"));
}

} // namespace kestrelink::app
