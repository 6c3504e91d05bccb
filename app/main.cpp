// Starts the game: one shared state for the run and the start-up window, which leads to the rest.
#include "game/GameState.h"
#include "ui/common/Pictograms.h"
#include "ui/startup/MainStartupWindow.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // No display name: Qt would append it to the title of every window whose caption does not
    // already end with it, and each window's caption is fixed.
    QApplication::setApplicationName(QStringLiteral("Kestrelink"));
    QApplication::setWindowIcon(kestrelink::ui::windowIcon());

    kestrelink::GameState state;
    kestrelink::ui::MainStartupWindow startupWindow(state);
    startupWindow.show();
    return QApplication::exec();
}
