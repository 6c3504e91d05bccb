// Starts the game: one shared state for the run and the start-up window, which leads to the rest.
#include "KestrelinkConfig.h"
#include "app/CommandLine.h"
#include "app/DisplayFailureGuard.h"
#include "app/Translations.h"
#include "game/GameState.h"
#include "ui/common/ColorSymbols.h"
#include "ui/common/Pictograms.h"
#include "ui/startup/MainStartupWindow.h"

#include <QApplication>
#include <QLocale>
#include <QProcessEnvironment>
#include <cstdio>
#include <optional>

namespace {

void setIdentity() {
    // No display name: Qt would append it to the title of every window whose caption does not
    // already end with it, and each window's caption is fixed.
    QCoreApplication::setApplicationName(QStringLiteral("Kestrelink"));
    QCoreApplication::setApplicationVersion(QStringLiteral(KESTRELINK_VERSION));
}

} // namespace

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    using kestrelink::app::CommandLineRequest;
    auto request = kestrelink::app::commandLineRequest(arguments);
    if (request == CommandLineRequest::Play &&
        !kestrelink::app::displayGiven(arguments, environment))
        request = CommandLineRequest::NoDisplay;
    if (request != CommandLineRequest::Play) {
        // Answered without the windowing system, so that they work where there is no display.
        QCoreApplication app(argc, argv);
        setIdentity();
        kestrelink::app::installTranslations(app, QLocale());
        const bool failed = request == CommandLineRequest::NoDisplay;
        std::fputs(kestrelink::app::commandLineAnswer(request).toLocal8Bit().constData(),
                   failed ? stderr : stdout);
        return failed ? 1 : 0;
    }

    const QString platform = kestrelink::app::platformToAskFor(
        arguments, environment, kestrelink::app::waylandPlatformInstalled(environment));
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform.toLatin1());

    std::optional<kestrelink::app::DisplayFailureGuard> displayFailureGuard(std::in_place);
    QApplication app(argc, argv);
    displayFailureGuard.reset();
    setIdentity();
    // The desktop matches the running game to its menu entry and icon by this.
    QGuiApplication::setDesktopFileName(QStringLiteral(KESTRELINK_APP_ID));
    kestrelink::app::installTranslations(app, QLocale());
    kestrelink::ui::findInstalledIcons(QCoreApplication::applicationDirPath());
    QApplication::setWindowIcon(kestrelink::ui::windowIcon());
    kestrelink::ui::setColorSymbolsShown(kestrelink::app::colorSymbolsRequested(arguments));

    kestrelink::GameState state;
    kestrelink::ui::MainStartupWindow startupWindow(state);
    startupWindow.show();
    return QApplication::exec();
}
