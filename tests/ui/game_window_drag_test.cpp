// Real drags on the game window (run on the "minimal" platform, where QDrag works in-process):
// a whole game played with the mouse, and what a drop means on each kind of control.
#include "FakeStartupSettings.h"
#include "GameWindowParts.h"
#include "game/GameState.h"
#include "ui/game/BoardControl.h"
#include "ui/game/CableConnector.h"
#include "ui/game/CableLayer.h"
#include "ui/game/DropArea.h"
#include "ui/game/GameWindow.h"
#include "ui/game/PictogramControl.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

using namespace kestrelink;
using namespace kestrelink::ui;
using namespace kestrelink::ui::testing;
using kestrelink::ui::testing::FakeStartupSettings;

namespace {

QPoint centreIn(const GameWindow& window, const QWidget* widget) {
    return widget->mapTo(&window, widget->rect().center());
}

// Presses the left button on `from`, moves in steps to `to` and releases there. The press
// blocks inside the drag until the release, so the moves and the release are queued first.
// `whileOver` runs once the pointer has arrived, before the release.
void drag(GameWindow& window, QPoint from, QPoint to, std::function<void()> whileOver = {}) {
    QWindow* handle = window.windowHandle();
    QTimer::singleShot(0, [=] {
        constexpr int kSteps = 5;
        for (int s = 1; s <= kSteps; ++s)
            QTest::mouseMove(handle, from + (to - from) * s / kSteps);
        if (whileOver)
            whileOver();
        QTest::mouseRelease(handle, Qt::LeftButton, {}, to);
    });
    QTest::mousePress(handle, Qt::LeftButton, {}, from);
}

} // namespace

class GameWindowDragTest : public QObject {
    Q_OBJECT

private:
    GameState state;
    FakeStartupSettings settings;
    StdRandomSource random{11};
    std::unique_ptr<GameWindow> window;

    void open(int n, bool advanced = false) {
        state = GameState{};
        state.NumberOfPCs = static_cast<std::int16_t>(n);
        settings = FakeStartupSettings{};
        settings.advanced = advanced;
        // Built directly rather than through Play Now: the minimal platform's screen is small.
        window = std::make_unique<GameWindow>(state, settings, random);
        window->Form_Load();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    int fittingConnector(int c) const {
        return state.puzzle.SolutionPlan[static_cast<std::size_t>(c)][1];
    }

    // Drags the solution's connector onto PC connector c, releasing over the coloured square.
    void plug(int c) {
        drag(*window, centreIn(*window, TheCableConnector(*window, fittingConnector(c))),
             centreIn(*window, ThePcConnector(*window, c)));
    }

private slots:
    void cleanup() { window.reset(); }

    void aWholeGamePlayedWithTheMouse_data() {
        QTest::addColumn<int>("n");
        QTest::newRow("4 PCs") << 4;
        QTest::newRow("7 PCs") << 7;
    }

    void aWholeGamePlayedWithTheMouse() {
        QFETCH(int, n);
        open(n);
        for (int c = 0; c < 2 * n; ++c) {
            const int j = fittingConnector(c);
            DropArea* area = ThePcConnectorArea(*window, c);
            Color highlight = kBlack;
            drag(*window, centreIn(*window, TheCableConnector(*window, j)), centreIn(*window, area),
                 [&] { highlight = area->backColor(); });
            QCOMPARE(highlight, kRed);
            QCOMPARE(area->backColor(), kButtonFace);
            QCOMPARE(state.board.PcConnectorPlug[static_cast<std::size_t>(c)][0], std::int16_t(j));
            if (c < 2 * n - 1)
                QVERIFY(!state.board.AllPcConnectorsPlugged);
        }
        QVERIFY(lblCongratulations(*window)->caption().contains(QStringLiteral("Congratulations")));
        QVERIFY(lblSmile1(*window)->isVisible() && lblSmile2(*window)->isVisible());
        for (int i = 0; i < 3 * n; ++i)
            QCOMPARE(TheCable(*window)->color(i), kWhite);
        QVERIFY(timerCableAnimation(*window)->isActive());
        QVERIFY(state.clock.GameIsFinished);
        QVERIFY(txtEndingTimeTime(*window)->text() != QStringLiteral("Running"));
    }

    void aDropOnTheSquareCountsAsOnItsArea() {
        open(4);
        plug(3);
        QCOMPARE(state.board.PcConnectorPlug[3][0], std::int16_t(fittingConnector(3)));
    }

    void aDropOnAPcPictureSendsTheConnectorHome() {
        open(4);
        plug(0);
        const int j = fittingConnector(0);
        const TwipRect home{float(state.board.CableConnectorHome[std::size_t(j)][1]),
                            float(state.board.CableConnectorHome[std::size_t(j)][0]), 195, 195};
        drag(*window, centreIn(*window, TheCableConnector(*window, j)),
             centreIn(*window, txtThePC(*window, 1)));
        QCOMPARE(TheCableConnector(*window, j)->twipRect(), home);
        QCOMPARE(state.board.PcConnectorPlug[0][0], std::int16_t(kNone));
    }

    void aDropOnAnotherControlChangesNothing() {
        open(4);
        plug(0);
        const int j = fittingConnector(0);
        const int other = j == 0 ? 1 : 0;
        const TwipPoint plugged = TheCableConnector(*window, j)->twipTopLeft();
        const QList<QWidget*> targets = {TheCableConnector(*window, other),
                                         lblCoverUpCableBackground(*window), cmdHelp(*window),
                                         txtElapsedTime(*window), lblCongratulations(*window)};
        for (QWidget* target : targets) {
            drag(*window, centreIn(*window, TheCableConnector(*window, j)),
                 centreIn(*window, target));
            QCOMPARE(TheCableConnector(*window, j)->twipTopLeft(), plugged);
            QCOMPARE(state.board.PcConnectorPlug[0][0], std::int16_t(j));
        }
        // Pressing and releasing without moving drops the connector on itself: nothing.
        const QPoint on = centreIn(*window, TheCableConnector(*window, j));
        drag(*window, on, on);
        QCOMPARE(TheCableConnector(*window, j)->twipTopLeft(), plugged);
    }

    void aMisfitShowsNoHighlightAndStaysPut() {
        open(4);
        int c = -1;
        int misfit = -1;
        for (int pc = 0; pc < 8 && misfit < 0; ++pc)
            for (int j = 0; j < 8; ++j)
                if (TheCableConnector(*window, j)->backColor() !=
                    ThePcConnector(*window, pc)->backColor()) {
                    c = pc;
                    misfit = j;
                    break;
                }
        if (misfit < 0)
            QSKIP("every connector has the same colour in this puzzle");
        const TwipPoint before = TheCableConnector(*window, misfit)->twipTopLeft();
        Color highlight = kRed;
        drag(*window, centreIn(*window, TheCableConnector(*window, misfit)),
             centreIn(*window, ThePcConnectorArea(*window, c)),
             [&] { highlight = ThePcConnectorArea(*window, c)->backColor(); });
        QCOMPARE(highlight, kButtonFace);
        QCOMPARE(TheCableConnector(*window, misfit)->twipTopLeft(), before);
    }

    void aCoveredConnectorCanStillBeDragged() {
        open(4, true);
        QVERIFY(CableCoverUp(*window, fittingConnector(2))->isVisible());
        plug(2);
        QCOMPARE(state.board.PcConnectorPlug[2][0], std::int16_t(fittingConnector(2)));
    }
};

QTEST_MAIN(GameWindowDragTest)
#include "game_window_drag_test.moc"
