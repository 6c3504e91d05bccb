// Loads the game's catalogue from the program's resources and Qt's from where Qt keeps them.
#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace kestrelink::app {

namespace {

std::unique_ptr<QTranslator> load(const QLocale& locale, const QString& name,
                                  const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, name, QStringLiteral("_"), folder))
        return nullptr;
    return translator;
}

void install(QCoreApplication& app, std::unique_ptr<QTranslator> translator) {
    if (translator && QCoreApplication::installTranslator(translator.get()))
        translator.release()->setParent(&app);
}

} // namespace

bool installTranslations(QCoreApplication& app, const QLocale& locale) {
    // Qt's catalogue only serves a game that speaks the language too: where the game has none,
    // its message boxes keep their English buttons beside the English texts, and a start in
    // English reads no catalogue at all.
    auto game = load(locale, QStringLiteral("kestrelink"), QStringLiteral(":/i18n"));
    if (!game)
        return false;
    // The game's catalogue goes in last, so that it is asked first.
    install(app,
            load(locale, QStringLiteral("qt"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    install(app, std::move(game));
    return true;
}

} // namespace kestrelink::app
