// The game window headless: start-up for 4 to 16 PCs, the verdict as shown, the player's events
// reaching the board, the cover-ups, the commands, the clock boxes and the report key.
#include "FakeStartupSettings.h"
#include "GameWindowParts.h"
#include "game/BoardLayout.h"
#include "game/ClockText.h"
#include "game/GameState.h"
#include "tests/core/SteppedTime.h"
#include "ui/game/BoardControl.h"
#include "ui/game/CableConnector.h"
#include "ui/game/CableLayer.h"
#include "ui/game/DropArea.h"
#include "ui/game/GameWindow.h"
#include "ui/game/PictogramControl.h"
#include "ui/help/HelpWindowOpener.h"
#include "ui/startup/GameWindowHost.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

using namespace kestrelink;
using namespace kestrelink::ui;
using namespace kestrelink::ui::testing;
using kestrelink::ui::testing::FakeStartupSettings;

namespace {

const QString kInstruction = QStringLiteral(
    "Connect the PCs together using the cables so that all the PCs are connected and data can "
    "flow to all PCs -- Good Luck ... And don't have too much fun !!!");
const QString kSorry =
    QStringLiteral("                    Sorry \r\rThe PCs are not connected correctly");
const QString kCongratulations =
    QStringLiteral("             Congratulations !!!\r\rYou have correctly connected the PCs");

int indexInStack(const QWidget* widget) {
    return static_cast<int>(widget->parentWidget()->children().indexOf(widget));
}

bool allCablesAre(const GameWindow& window, Color color, int n) {
    for (int i = 0; i < 3 * n; ++i)
        if (TheCable(window)->color(i) != color)
            return false;
    return true;
}

// Puts cable connector j beside PC connector c regardless of colour, as a player could not.
void forcePlug(GameState& state, int j, int c) {
    const BoardLayout layout = layoutBoard(state.pcCount());
    const auto i = static_cast<std::size_t>(c);
    const TwipPoint snapped =
        snapPosition(layout.pcConnectors[i], layout.dropAreas[i].left > layout.dropAreas[0].left);
    TwipRect& connector = state.board.cableConnectors[static_cast<std::size_t>(j)];
    connector.left = snapped.x;
    connector.top = snapped.y;
}

void plugSolution(GameWindow& window, const GameState& state) {
    for (int c = 0; c < state.connectorCount(); ++c)
        window.ThePcConnectorArea_DragDrop(
            c, state.puzzle.SolutionPlan[static_cast<std::size_t>(c)][1]);
}

// Answers the next modal message box with `button` once it is up.
void answerNextMessageBox(QMessageBox::StandardButton button, QString* text = nullptr) {
    QTimer::singleShot(0, [button, text] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            answerNextMessageBox(button, text);
            return;
        }
        if (text != nullptr)
            *text = box->text();
        box->button(button)->click();
    });
}

QPoint overButtonPoint(const GameWindow& window) {
    return cmdHelp(window)->mapTo(&window, cmdHelp(window)->rect().center());
}

void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class GameWindowTest : public QObject {
    Q_OBJECT

private:
    GameState state;
    FakeStartupSettings settings;
    // The windows read this clock, so no test races a second boundary.
    kestrelink::testing::SteppedTime time{Clock::from_time_t(1'700'000'000)};
    std::unique_ptr<HelpWindowOpener> help;
    std::unique_ptr<GameWindowHost> host;

    GameWindow* open(int n, bool advanced = false) {
        state.NumberOfPCs = static_cast<std::int16_t>(n);
        settings.advanced = advanced;
        GameWindow* window = host->play();
        return window;
    }

private slots:
    void init() {
        state = GameState{};
        settings = FakeStartupSettings{};
        help = std::make_unique<HelpWindowOpener>(settings);
        host = std::make_unique<GameWindowHost>(state, settings, *help, nullptr, time);
    }

    void cleanup() {
        host.reset();
        help.reset();
        flushDeletes();
    }

    void startUpBuildsTheBoardForNPcs_data() {
        QTest::addColumn<int>("n");
        QTest::newRow("4 PCs") << 4;
        QTest::newRow("9 PCs") << 9;
        QTest::newRow("16 PCs") << 16;
    }

    void startUpBuildsTheBoardForNPcs() {
        QFETCH(int, n);
        state.NumberOfPCs = static_cast<std::int16_t>(n);
        StdRandomSource random(7);
        // Built directly: the headless screen is too small for the 16-PC window.
        GameWindow window(state, settings, random);
        window.Form_Load();

        QCOMPARE(window.windowTitle(),
                 QStringLiteral("Kestrelink® Connection Game - Playing Window"));
        QCOMPARE(createdConnectorCount(window), 2 * n);
        QCOMPARE(createdPcCount(window), n);
        QCOMPARE(TheCable(window)->segmentCount(), 3 * n);

        const BoardLayout layout = layoutBoard(n);
        for (int c = 0; c < 2 * n; ++c) {
            const auto i = static_cast<std::size_t>(c);
            QCOMPARE(ThePcConnector(window, c)->twipRect(), layout.pcConnectors[i]);
            QCOMPARE(ThePcConnectorArea(window, c)->twipRect(), layout.dropAreas[i]);
            QCOMPARE(TheCableConnector(window, c)->twipRect(), layout.cableConnectors[i]);
            QCOMPARE(CableCoverUp(window, c)->twipRect(), layout.cableConnectors[i]);
            QCOMPARE(state.board.CableConnectorHome[i][0],
                     std::lround(layout.cableConnectors[i].top));
            QCOMPARE(state.board.CableConnectorHome[i][1],
                     std::lround(layout.cableConnectors[i].left));
            QVERIFY(!CableCoverUp(window, c)->isVisibleTo(&window));
            QVERIFY(TheCableConnector(window, c)->isVisibleTo(&window));
            // The plan can always be followed by matching colours.
            const int j = state.puzzle.SolutionPlan[i][1];
            QCOMPARE(TheCableConnector(window, j)->backColor(),
                     ThePcConnector(window, c)->backColor());
            QCOMPARE(state.board.PcConnectorPlug[i][0], std::int16_t(kNone));
        }
        for (int p = 0; p < n; ++p)
            QCOMPARE(txtThePC(window, p)->twipRect(), layout.pcs[static_cast<std::size_t>(p)]);
        for (int i = 0; i < 3 * n; ++i) {
            QCOMPARE(TheCable(window)->line(i), layout.cableSegments[static_cast<std::size_t>(i)]);
            QVERIFY(TheCable(window)->isSegmentVisible(i));
        }
        QCOMPARE(lblCoverUpCableBackground(window)->twipRect().width, float(540 * n));

        QCOMPARE(lblCongratulations(window)->caption(), kInstruction);
        QCOMPARE(txtEndingTimeTime(window)->text(), QStringLiteral("Running"));
        QCOMPARE(txtElapsedTime(window)->text(), QStringLiteral("00:00:00"));
        QVERIFY(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d$"))
                    .match(txtCurrentTime(window)->text())
                    .hasMatch());
        QVERIFY(timerGameClock(window)->isActive());
        QVERIFY(!timerCableAnimation(window)->isActive());
        for (BoardControl* face : {static_cast<BoardControl*>(lblSmile1(window)),
                                   static_cast<BoardControl*>(lblSmile2(window)),
                                   static_cast<BoardControl*>(lblFrown1(window)),
                                   static_cast<BoardControl*>(lblFrown2(window))})
            QVERIFY(face->isHidden());

        QVERIFY(settings.locked);
        QVERIFY(state.GameWindowIsOpen);
        QCOMPARE(settings.pairingListing.size(), 5 * n);
        QCOMPARE(settings.cableListing.size(), 5 * n);

        // The window is as large as the layout says, up to the pixel the platform rounds to.
        QVERIFY(std::abs(outerWidthTwips(window) - layout.windowWidth) < 15);
        QVERIFY(std::abs(outerHeightTwips(window) - layout.windowHeight) < 15);
        // The right-hand time boxes follow the window's right edge.
        QCOMPARE(txtElapsedTime(window)->geometry().right() + 1,
                 qRound((outerWidthTwips(window) - 200) / 15.0));
    }

    void closingHandsTheSettingsBackAndPlayBuildsAFreshWindow() {
        QPointer<GameWindow> first = open(5);
        QVERIFY(first);
        QVERIFY(first->isVisible());
        QVERIFY(state.GameWindowIsOpen && settings.locked);

        first->close();
        flushDeletes();
        QVERIFY(first.isNull());
        QVERIFY(!state.GameWindowIsOpen);
        QVERIFY(!settings.locked);
        QCOMPARE(settings.unlockCalls, 1);

        QPointer<GameWindow> second = open(6);
        QVERIFY(second);
        QCOMPARE(createdConnectorCount(*second), 12);
        QCOMPARE(createdPcCount(*second), 6);
        QVERIFY(state.GameWindowIsOpen && settings.locked);

        // Quit Game closes it the same way.
        QTest::mouseClick(cmdQuit(*second), Qt::LeftButton);
        flushDeletes();
        QVERIFY(second.isNull());
        QVERIFY(!state.GameWindowIsOpen && !settings.locked);
    }

    void aWindowLargerThanTheScreenIsRefused() {
        QVERIFY(GameWindowHost::fitsOnScreen({800, 600}, {800, 600}));
        QVERIFY(!GameWindowHost::fitsOnScreen({801, 600}, {800, 600}));
        QVERIFY(!GameWindowHost::fitsOnScreen({800, 601}, {800, 600}));

        const QSize screen = QGuiApplication::primaryScreen()->size();
        if (screen.height() >= 625)
            QSKIP("the headless screen is large enough for 16 PCs");
        QString text;
        answerNextMessageBox(QMessageBox::Ok, &text);
        QVERIFY(open(16) == nullptr);
        flushDeletes();
        QCOMPARE(text, QStringLiteral("Your Screen Settings are not large enough to support the "
                                      "window size needed for these game settings\n\nPlease "
                                      "select fewer PCs or increase your screen resolution"));
        QVERIFY(!host->isOpen());
        QVERIFY(!state.GameWindowIsOpen);
        QVERIFY(!settings.locked);
    }

    // The game opens where the start-up window is, and a screen too small there refuses it
    // even when another screen would hold it.
    void theGameIsMeasuredOnTheStartupWindowsScreen() {
        const QList<QScreen*> screens = QGuiApplication::screens();
        if (screens.size() < 2)
            QSKIP("one screen only (game_window_two_screens gives two)");
        for (QScreen* screen : screens) {
            QWidget startup;
            startup.setScreen(screen);
            startup.move(screen->geometry().topLeft());
            host = std::make_unique<GameWindowHost>(state, settings, *help, &startup, time);
            const bool fits = screen->size().height() >= 625;
            if (!fits)
                answerNextMessageBox(QMessageBox::Ok);
            GameWindow* window = open(16);
            QCOMPARE(window != nullptr, fits);
            if (window != nullptr)
                QCOMPARE(window->screen(), screen);
            host.reset();
            flushDeletes();
        }
    }

    void advancedLevelCoversTheWaitingConnectors() {
        GameWindow* window = open(4, true);
        QVERIFY(window);
        for (int j = 0; j < 8; ++j) {
            QVERIFY(CableCoverUp(*window, j)->isVisible());
            QVERIFY(indexInStack(CableCoverUp(*window, j)) >
                    indexInStack(TheCableConnector(*window, j)));
            QVERIFY(indexInStack(TheCableConnector(*window, j)) > indexInStack(TheCable(*window)));
            QVERIFY(indexInStack(ThePcConnectorArea(*window, j)) < indexInStack(TheCable(*window)));
        }
        QVERIFY(indexInStack(lblCoverUpCableBackground(*window)) < indexInStack(TheCable(*window)));

        // The pointer entering the band lifts every cover-up; the bare window brings them back.
        QWindow* handle = window->windowHandle();
        const QPoint band = lblCoverUpCableBackground(*window)->geometry().center();
        QTest::mouseMove(handle, band);
        QTRY_VERIFY(state.look.CoverUpsLifted);
        for (int j = 0; j < 8; ++j)
            QVERIFY(!CableCoverUp(*window, j)->isVisible());
        // A move over a revealed connector changes nothing.
        QTest::mouseMove(handle, TheCableConnector(*window, 0)->geometry().center());
        QVERIFY(state.look.CoverUpsLifted);
        QTest::mouseMove(handle, QPoint(window->width() / 2, window->height() - 5));
        QTRY_VERIFY(!state.look.CoverUpsLifted);
        for (int j = 0; j < 8; ++j)
            QVERIFY(CableCoverUp(*window, j)->isVisible());
    }

    void beginnerLevelNeverShowsTheCoverUps() {
        GameWindow* window = open(4, false);
        window->lblCoverUpCableBackground_MouseMove();
        QVERIFY(!state.look.CoverUpsLifted);
        window->Form_MouseMove();
        for (int j = 0; j < 8; ++j)
            QVERIFY(!CableCoverUp(*window, j)->isVisible());
    }

    void plugging_the_solution_gives_the_correct_verdict() {
        GameWindow* window = open(5);
        plugSolution(*window, state);
        QCOMPARE(lblCongratulations(*window)->caption(), kCongratulations);
        QVERIFY(lblSmile1(*window)->isVisible() && lblSmile2(*window)->isVisible());
        QVERIFY(lblFrown1(*window)->isHidden() && lblFrown2(*window)->isHidden());
        QVERIFY(allCablesAre(*window, kWhite, 5));
        QVERIFY(timerCableAnimation(*window)->isActive());
        QVERIFY(state.clock.GameIsFinished && state.board.AllPcConnectorsPlugged &&
                state.board.PcRingIsCorrect);
        QCOMPARE(state.look.AnimatedCableIndex, std::int16_t(0));
        QVERIFY(txtEndingTimeTime(*window)->text() != QStringLiteral("Running"));
        for (int c = 0; c < 10; ++c)
            QCOMPARE(state.board.PlayerLinks[static_cast<std::size_t>(c)][0],
                     state.puzzle.SolutionPlan[static_cast<std::size_t>(c)][0]);

        // The animation: cable 0 turns black, cable 1 stays white, the index moves on.
        window->timerCableAnimation_Timer();
        QCOMPARE(TheCable(*window)->color(0), kBlack);
        QCOMPARE(TheCable(*window)->color(3), kWhite);
        QCOMPARE(state.look.AnimatedCableIndex, std::int16_t(1));

        // Taking one connector off stops it all: black cables, no faces, the clock runs on.
        const int j = state.puzzle.SolutionPlan[0][1];
        QTest::mouseClick(TheCableConnector(*window, j), Qt::RightButton);
        QCOMPARE(
            TheCableConnector(*window, j)->twipTopLeft(),
            (TwipPoint{float(state.board.CableConnectorHome[static_cast<std::size_t>(j)][1]),
                       float(state.board.CableConnectorHome[static_cast<std::size_t>(j)][0])}));
        QCOMPARE(state.board.PcConnectorPlug[0][0], std::int16_t(kNone));
        QCOMPARE(lblCongratulations(*window)->caption(), kInstruction);
        QVERIFY(allCablesAre(*window, kBlack, 5));
        QVERIFY(!timerCableAnimation(*window)->isActive());
        QVERIFY(!state.clock.GameIsFinished);
        QVERIFY(lblSmile1(*window)->isHidden());
    }

    void aWrongWiringIsMarkedCableByCable() {
        GameWindow* window = open(4);
        // Both ends of every cable on the two connectors of one PC: four loops, not one ring.
        for (int k = 0; k < 4; ++k) {
            forcePlug(state, 2 * k, 2 * k);
            forcePlug(state, 2 * k + 1, 2 * k + 1);
        }
        window->ReDrawCables();
        QCOMPARE(lblCongratulations(*window)->caption(), kSorry);
        QVERIFY(lblFrown1(*window)->isVisible() && lblFrown2(*window)->isVisible());
        QVERIFY(lblSmile1(*window)->isHidden());
        QVERIFY(allCablesAre(*window, kRed, 4));
        QVERIFY(!state.clock.GameIsFinished && !timerCableAnimation(*window)->isActive());

        // A real press on the bare window beside a cable's end toggles that cable alone.
        const float level = TheCable(*window)->line(0).y1;
        const QPoint beside(window->width() / 2, qRound(level / 15.0));
        QVERIFY(window->childAt(beside) == nullptr);
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, beside);
        for (int s = 0; s < 3; ++s)
            QCOMPARE(TheCable(*window)->color(s), kBlack);
        QCOMPARE(TheCable(*window)->color(3), kRed);

        // Any redraw paints every cable in the verdict's colour again.
        window->ReDrawCables();
        QVERIFY(allCablesAre(*window, kRed, 4));
    }

    // The rules are the board's; here the window passes drags and drops on and shows the result.
    void dragsAndDropsReachTheBoardAndTheViewFollows() {
        GameWindow* window = open(4);
        const int fitting = state.puzzle.SolutionPlan[2][1];
        window->ThePcConnectorArea_DragOver(2, fitting, DropArea::Enter);
        QCOMPARE(ThePcConnectorArea(*window, 2)->backColor(), kRed);
        window->ThePcConnectorArea_DragOver(2, fitting, DropArea::Leave);
        QCOMPARE(ThePcConnectorArea(*window, 2)->backColor(), kButtonFace);

        window->ThePcConnectorArea_DragDrop(2, fitting);
        QCOMPARE(TheCableConnector(*window, fitting)->twipTopLeft(), (TwipPoint{4065, 3240}));
        QCOMPARE(TheCable(*window)->line(3 * (fitting / 2) + fitting % 2).x1, 4065.0f + 97);
        window->Form_DragDrop(fitting);
        QCOMPARE(TheCableConnector(*window, fitting)->twipRect(),
                 layoutBoard(4).cableConnectors[static_cast<std::size_t>(fitting)]);
    }

    void dropEventsCarryOnlyThisWindowsConnectors() {
        GameWindow* window = open(4);
        const int j = state.puzzle.SolutionPlan[0][1];
        DropArea* area = ThePcConnectorArea(*window, 0);
        const QPoint inside = area->rect().center();

        // A foreign drag (text from another program) is refused, with no highlight.
        QMimeData text;
        text.setText(QStringLiteral("hello"));
        text.setUrls({QUrl(QStringLiteral("file:///etc/passwd"))});
        QDragEnterEvent foreignEnter(inside, Qt::CopyAction | Qt::MoveAction, &text, Qt::LeftButton,
                                     {});
        QApplication::sendEvent(area, &foreignEnter);
        QVERIFY(!foreignEnter.isAccepted());
        QCOMPARE(area->backColor(), kButtonFace);
        QDropEvent foreignDrop(inside, Qt::CopyAction, &text, Qt::LeftButton, {});
        QApplication::sendEvent(area, &foreignDrop);
        QVERIFY(!foreignDrop.isAccepted());
        QCOMPARE(state.board.PcConnectorPlug[0][0], std::int16_t(kNone));

        // Garbage under the connector's own format, and a connector of another window.
        auto bogus = std::make_unique<QMimeData>();
        bogus->setData(QStringLiteral("application/x-kestrelink-cable-connector"), "junk");
        QDragEnterEvent bogusEnter(inside, Qt::MoveAction, bogus.get(), Qt::LeftButton, {});
        QApplication::sendEvent(area, &bogusEnter);
        QVERIFY(!bogusEnter.isAccepted());
        GameState otherState;
        otherState.NumberOfPCs = 4;
        FakeStartupSettings otherSettings;
        StdRandomSource random(3);
        GameWindow other(otherState, otherSettings, random);
        std::unique_ptr<QMimeData> foreignConnector(other.dragDataOf(j));
        QDropEvent otherDrop(inside, Qt::MoveAction, foreignConnector.get(), Qt::LeftButton, {});
        QApplication::sendEvent(area, &otherDrop);
        QVERIFY(!otherDrop.isAccepted());
        QCOMPARE(state.board.PcConnectorPlug[0][0], std::int16_t(kNone));
        std::unique_ptr<QMimeData> outOfRange(window->dragDataOf(99));
        window->ThePcConnectorArea_DragDrop(0, 99);
        QDropEvent rangeDrop(inside, Qt::MoveAction, outOfRange.get(), Qt::LeftButton, {});
        QApplication::sendEvent(area, &rangeDrop);
        QCOMPARE(state.board.PcConnectorPlug[0][0], std::int16_t(kNone));

        // The real thing: enter highlights, the drop snaps and judges.
        std::unique_ptr<QMimeData> own(window->dragDataOf(j));
        QDragEnterEvent enter(inside, Qt::MoveAction, own.get(), Qt::LeftButton, {});
        QApplication::sendEvent(area, &enter);
        QVERIFY(enter.isAccepted());
        QCOMPARE(area->backColor(), kRed);
        QDropEvent drop(inside, Qt::MoveAction, own.get(), Qt::LeftButton, {});
        QApplication::sendEvent(area, &drop);
        QVERIFY(drop.isAccepted());
        QCOMPARE(area->backColor(), kButtonFace);
        QCOMPARE(state.board.PcConnectorPlug[0][0], std::int16_t(j));

        // On the window: over a button nothing happens; on the bare surface the connector
        // goes home. (Qt hands a drop only to the widget that took the drag's enter.)
        QDragEnterEvent windowEnter(overButtonPoint(*window), Qt::MoveAction, own.get(),
                                    Qt::LeftButton, {});
        QApplication::sendEvent(window, &windowEnter);
        QVERIFY(windowEnter.isAccepted());
        QDragMoveEvent moveOverButton(overButtonPoint(*window), Qt::MoveAction, own.get(),
                                      Qt::LeftButton, {});
        QApplication::sendEvent(window, &moveOverButton);
        QVERIFY(!moveOverButton.isAccepted());
        QDropEvent onButton(overButtonPoint(*window), Qt::MoveAction, own.get(), Qt::LeftButton,
                            {});
        QApplication::sendEvent(window, &onButton);
        QVERIFY(!onButton.isAccepted());
        QCOMPARE(state.board.PcConnectorPlug[0][0], std::int16_t(j));
        const QPoint bare(window->width() / 2, window->height() - 5);
        QVERIFY(window->childAt(bare) == nullptr);
        // A new drag: the drop above ended the previous one.
        QDragEnterEvent enterAgain(bare, Qt::MoveAction, own.get(), Qt::LeftButton, {});
        QApplication::sendEvent(window, &enterAgain);
        QDragMoveEvent moveOverSurface(bare, Qt::MoveAction, own.get(), Qt::LeftButton, {});
        QApplication::sendEvent(window, &moveOverSurface);
        QVERIFY(moveOverSurface.isAccepted());
        QDropEvent onSurface(bare, Qt::MoveAction, own.get(), Qt::LeftButton, {});
        QApplication::sendEvent(window, &onSurface);
        QVERIFY(onSurface.isAccepted());
        QCOMPARE(state.board.PcConnectorPlug[0][0], std::int16_t(kNone));
        QCOMPARE(TheCableConnector(*window, j)->twipRect(),
                 layoutBoard(4).cableConnectors[static_cast<std::size_t>(j)]);
    }

    void restartTakesEveryConnectorHome() {
        GameWindow* window = open(6);
        const auto homes = layoutBoard(6).cableConnectors;
        const std::vector<Color> colours = [&] {
            std::vector<Color> c;
            for (int j = 0; j < 12; ++j)
                c.push_back(TheCableConnector(*window, j)->backColor());
            return c;
        }();
        const auto plan = state.puzzle.SolutionPlan;
        plugSolution(*window, state);
        QVERIFY(state.clock.GameIsFinished);

        cmdRestartCurrentGame(*window)->click();
        for (int j = 0; j < 12; ++j) {
            QCOMPARE(TheCableConnector(*window, j)->twipRect(), homes[std::size_t(j)]);
            QVERIFY(TheCableConnector(*window, j)->isVisible());
            QCOMPARE(TheCableConnector(*window, j)->backColor(), colours[std::size_t(j)]);
        }
        for (int c = 0; c < 32; ++c)
            QCOMPARE(state.board.PcConnectorPlug[std::size_t(c)][0], std::int16_t(kNone));
        QCOMPARE(state.puzzle.SolutionPlan, plan);
        QCOMPARE(lblCongratulations(*window)->caption(), kInstruction);
        QVERIFY(allCablesAre(*window, kBlack, 6));
        QVERIFY(!timerCableAnimation(*window)->isActive());
        QVERIFY(lblSmile1(*window)->isHidden());
        QVERIFY(!state.clock.GameIsFinished);
        QCOMPARE(txtEndingTimeTime(*window)->text(), QStringLiteral("Running"));
        QCOMPARE(txtElapsedTime(*window)->text(), QStringLiteral("00:00:00"));
        // The risers stay where start-up put them.
        for (int k = 0; k < 6; ++k)
            QCOMPARE(TheCable(*window)->line(3 * k + 2).x1,
                     layoutBoard(6).cableSegments[std::size_t(3 * k + 2)].x1);
    }

    void showSolutionSolvesTheBoardAndStopsTheClock() {
        GameWindow* window = open(5);
        window->ThePcConnectorArea_DragDrop(3, state.puzzle.SolutionPlan[3][1]);
        cmdShowSolution(*window)->click();
        QCOMPARE(lblCongratulations(*window)->caption(), kCongratulations);
        QVERIFY(state.clock.GameIsFinished);
        QVERIFY(timerCableAnimation(*window)->isActive());
        QCOMPARE(txtElapsedTime(*window)->text(), QStringLiteral("00:00:00"));
        QCOMPARE(txtEndingTimeTime(*window)->text(), txtStartingTime(*window)->text());
        for (int c = 0; c < 10; ++c)
            QCOMPARE(state.board.PcConnectorPlug[std::size_t(c)][0],
                     state.puzzle.SolutionPlan[std::size_t(c)][1]);

        // Twice gives the same board and starts the animation over.
        window->timerCableAnimation_Timer();
        QCOMPARE(state.look.AnimatedCableIndex, std::int16_t(1));
        std::vector<TwipPoint> before;
        for (int j = 0; j < 10; ++j)
            before.push_back(TheCableConnector(*window, j)->twipTopLeft());
        cmdShowSolution(*window)->click();
        QCOMPARE(state.look.AnimatedCableIndex, std::int16_t(0));
        for (int j = 0; j < 10; ++j)
            QCOMPARE(TheCableConnector(*window, j)->twipTopLeft(), before[std::size_t(j)]);
    }

    void newGameDealsAFreshPuzzleInTheSameWindow() {
        GameWindow* window = open(7);
        const qsizetype controls = window->findChildren<QWidget*>().size();
        plugSolution(*window, state);
        QVERIFY(state.clock.GameIsFinished);
        QStringList listings;
        bool differs = false;
        for (int attempt = 0; attempt < 5 && !differs; ++attempt) {
            const auto plan = state.puzzle.SolutionPlan;
            cmdNewGame(*window)->click();
            differs = state.puzzle.SolutionPlan != plan;
        }
        QVERIFY(differs);
        QCOMPARE(window->findChildren<QWidget*>().size(), controls);
        QCOMPARE(createdPcCount(*window), 7);
        QVERIFY(!state.clock.GameIsFinished);
        QVERIFY(state.GameWindowIsOpen && settings.locked);
        QCOMPARE(txtEndingTimeTime(*window)->text(), QStringLiteral("Running"));
        QCOMPARE(lblCongratulations(*window)->caption(), kInstruction);
        for (int c = 0; c < 14; ++c) {
            const int j = state.puzzle.SolutionPlan[std::size_t(c)][1];
            QCOMPARE(TheCableConnector(*window, j)->backColor(),
                     ThePcConnector(*window, c)->backColor());
            QCOMPARE(state.board.PcConnectorPlug[std::size_t(c)][0], std::int16_t(kNone));
        }
    }

    void theClockTicksUntilTheBoardIsSolved() {
        GameWindow* window = open(4);
        time.advance(std::chrono::hours(25) + std::chrono::seconds(3));
        window->timerGameClock_Timer();
        QCOMPARE(txtElapsedTime(*window)->text(), QStringLiteral("01:00:03"));
        QCOMPARE(txtCurrentTime(*window)->text(),
                 QString::fromStdString(timeOfDayText(time.now())));
        plugSolution(*window, state);
        time.advance(std::chrono::seconds(10));
        window->timerGameClock_Timer();
        QCOMPARE(txtElapsedTime(*window)->text(), QStringLiteral("01:00:03"));
        // The time boxes only display.
        QVERIFY(txtElapsedTime(*window)->isReadOnly());
        QCOMPARE(txtElapsedTime(*window)->contextMenuPolicy(), Qt::NoContextMenu);

        // A time box never keeps the focus: it goes on to Help.
        window->activateWindow();
        txtElapsedTime(*window)->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(cmdHelp(*window)));
    }

    void anyCharacterKeyOffersTheGameReport() {
        state.AppPath = QDir::tempPath().toStdString();
        GameWindow* window = open(4);
        window->activateWindow();
        cmdNewGame(*window)->setFocus();
        QTRY_VERIFY(cmdNewGame(*window)->hasFocus());
        const auto plan = state.puzzle.SolutionPlan;

        // Enter on the focused New Game button offers the report and starts nothing.
        QString defaultName;
        QTimer::singleShot(0, [&defaultName] {
            auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr)
                return;
            defaultName = dialog->textValue();
            dialog->reject();
        });
        QTest::keyClick(cmdNewGame(*window), Qt::Key_Return);
        QCOMPARE(defaultName, QDir::tempPath() + QStringLiteral("/KestrelinkGameSettingsFile.txt"));
        QCOMPARE(state.puzzle.SolutionPlan, plan);

        // A letter anywhere, OK on a name: the report is written, 13 + 9N lines for a board
        // that is not fully plugged.
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("report.txt"));
        QTimer::singleShot(0, [&file] {
            auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr)
                return;
            dialog->setTextValue(file);
            dialog->accept();
        });
        QTest::keyClick(txtElapsedTime(*window), Qt::Key_A);
        QFile written(file);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray text = written.readAll();
        QCOMPARE(text.count("\r\n"), 13 + 9 * 4);
        QVERIFY(text.startsWith("Kestrelink Game Settings -- "));

        // Tab only moves the focus.
        bool offered = false;
        QTimer::singleShot(0, [&offered] {
            if (auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget())) {
                offered = true;
                dialog->reject();
            }
        });
        QTest::keyClick(cmdNewGame(*window), Qt::Key_Tab);
        QCoreApplication::processEvents();
        QVERIFY(!offered);
    }

    void colourNamesComeFromTheWindow() {
        GameWindow* window = open(4);
        std::string text = "unchanged";
        window->GetColorText(0x8000000F, text);
        QCOMPARE(text, std::string("Grey"));
        text = "unchanged";
        window->GetColorText(1, text);
        QCOMPARE(text, std::string("unchanged"));
    }
};

QTEST_MAIN(GameWindowTest)
#include "game_window_test.moc"
