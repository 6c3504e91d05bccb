// Times what a player waits for on the game window at 16 PCs: Play Now until the window is
// first painted, and one move of a connector with its ReDrawCables (cables, scan, ring walk,
// verdict) and the repaint it causes. Run it on a real display or under xvfb-run.
#include "game/GameState.h"
#include "game/RandomSource.h"
#include "tests/ui/FakeStartupSettings.h"
#include "ui/game/GameWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    using namespace kestrelink;
    ui::testing::FakeStartupSettings settings;
    settings.colorCount = QStringLiteral("6");
    settings.pcCount = QStringLiteral("16");

    StdRandomSource random(1);

    std::vector<double> openTimes;
    std::vector<double> redrawTimes;
    for (int run = 0; run < 20; ++run) {
        GameState state;
        state.NumberOfPCs = 16;
        QElapsedTimer timer;
        timer.start();
        auto* window = new ui::GameWindow(state, settings, random);
        window->Form_Load();
        window->show();
        while (window->windowHandle() == nullptr || !window->windowHandle()->isExposed())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        window->repaint(); // the first paint, done now rather than at the next event loop turn
        openTimes.push_back(double(timer.nsecsElapsed()) / 1e6);

        // A full board, then redraws with the repaint each one causes.
        for (int c = 0; c < state.connectorCount(); ++c)
            window->ThePcConnectorArea_DragDrop(c, state.puzzle.SolutionPlan[std::size_t(c)][1]);
        // Each step unplugs or replugs one connector, so the verdict and every cable's colour
        // change, and the whole board is repainted.
        const int j = state.puzzle.SolutionPlan[0][1];
        for (int i = 0; i < 10; ++i) {
            timer.restart();
            if (i % 2 == 0)
                window->TheCableConnector_Click(j);
            else
                window->ThePcConnectorArea_DragDrop(0, j);
            // The whole window repainted: an upper bound, as the event loop repaints only the
            // parts the move made dirty.
            window->repaint();
            redrawTimes.push_back(double(timer.nsecsElapsed()) / 1e6);
        }
        delete window;
    }
    std::printf("game window at 16 PCs, Play Now to first paint: median %.2f ms (max %.2f ms)\n",
                median(openTimes), *std::max_element(openTimes.begin(), openTimes.end()));
    std::printf("move, ReDrawCables and repaint at 16 PCs: median %.3f ms (max %.3f ms)\n",
                median(redrawTimes), *std::max_element(redrawTimes.begin(), redrawTimes.end()));
    return 0;
}
