// The game window from the keyboard alone, with keys that type no character: Tab visits every
// command, time box and connector and rings a focused connector without touching the board's
// look; the arrow keys move between neighbouring connectors; the menu on a cable connector plugs,
// unplugs and marks as a drop or a click would; Alt and a letter run the commands; none of these
// keys offers the report.
#include "FakeStartupSettings.h"
#include "tests/core/SteppedTime.h"
#include "ui/game/GameWindow.h"

#include <QApplication>
#include <QMenu>
#include <QtTest>
#include <memory>

using namespace kestrelink;
using namespace kestrelink::ui;

namespace {

std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    // A click into a time box hands the focus on at the next turn of the event loop.
    QCoreApplication::processEvents();
}

QString focusName() {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

QString pcName(int c) {
    return QStringLiteral("PC %1, connector %2").arg(c / 2 + 1).arg(c % 2 + 1);
}

} // namespace

class GameKeyboardTest : public QObject {
    Q_OBJECT

    GameState state;
    ui::testing::FakeStartupSettings settings;
    kestrelink::testing::SteppedTime time{Clock::from_time_t(1'700'000'000)};
    StdRandomSource random{11};
    std::unique_ptr<GameWindow> window;
    bool reportOffered = false;

    void open(bool advanced = false) {
        state = GameState{};
        settings.advanced = advanced;
        window = std::make_unique<GameWindow>(state, settings, random, time);
        window->Form_Load();
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        control(QStringLiteral("cmdNewGame"))->setFocus(Qt::TabFocusReason);
    }
    QWidget* control(const QString& name) const {
        auto* found = window->findChild<QWidget*>(name);
        if (found == nullptr)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    QWidget* cable(int j) const { return control(QStringLiteral("TheCableConnector%1").arg(j)); }
    void focusCable(int j) {
        cable(j)->setFocus(Qt::TabFocusReason);
        QVERIFY(cable(j)->hasFocus());
    }
    // Opens the focused control's menu with `key`, chooses the item `choice` (none: Escape)
    // and returns every item's text.
    QStringList menu(const QString& choice, Qt::Key key = Qt::Key_Menu,
                     Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QStringList items;
        bool shown = false;
        QTimer::singleShot(0, [&] {
            auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (popup == nullptr)
                return;
            shown = true;
            QAction* picked = nullptr;
            for (QAction* action : popup->actions()) {
                if (action->isSeparator())
                    continue;
                items << action->text();
                if (action->text() == choice)
                    picked = action;
            }
            popup->setActiveAction(picked);
            QTest::keyClick(popup, picked ? Qt::Key_Return : Qt::Key_Escape);
        });
        press(key, modifiers);
        // The headless platform gives the window no activation back from a popup, as a
        // desktop does.
        if (window->isVisible()) {
            window->activateWindow();
            if (!QTest::qWaitForWindowActive(window.get()))
                return {QStringLiteral("(window not active again)")};
        }
        return shown ? items : QStringList{QStringLiteral("(no menu)")};
    }

private slots:
    void init() {
        reportOffered = false;
        // A report box would sit modal; seeing one at all is the failure.
        connect(qApp, &QApplication::focusChanged, this, [this] {
            if (QApplication::activeModalWidget() != nullptr) {
                reportOffered = true;
                QApplication::activeModalWidget()->close();
            }
        });
    }
    void cleanup() {
        window.reset();
        disconnect(qApp, &QApplication::focusChanged, this, nullptr);
        QVERIFY(!reportOffered);
    }

    void tabVisitsEveryStopAndRingsOnlyTheFocusedConnector() {
        open();
        const QImage before = window->grab().toImage();
        QStringList expected{QStringLiteral("cmdRestartCurrentGame"),
                             QStringLiteral("cmdShowSolution"),
                             QStringLiteral("cmdHelp"),
                             QStringLiteral("cmdQuit"),
                             QStringLiteral("txtCurrentTime"),
                             QStringLiteral("txtStartingTime"),
                             QStringLiteral("txtEndingTimeTime"),
                             QStringLiteral("txtElapsedTime")};
        for (int c = 0; c < 8; ++c)
            expected << QStringLiteral("ThePcConnector%1").arg(c);
        for (int j = 0; j < 8; ++j)
            expected << QStringLiteral("TheCableConnector%1").arg(j);
        expected << QStringLiteral("cmdNewGame");
        QStringList visited;
        QImage onCable;
        for (qsizetype i = 0; i < expected.size(); ++i) {
            press(Qt::Key_Tab);
            visited << focusName();
            if (visited.last() == QStringLiteral("TheCableConnector2"))
                onCable = window->grab().toImage();
        }
        QCOMPARE(visited, expected);
        press(Qt::Key_Backtab);
        QCOMPARE(focusName(), QStringLiteral("TheCableConnector7"));
        press(Qt::Key_Tab);

        // The ring lies around the connector, which itself looks as it did; nothing else moved,
        // and once the focus has left the board it is exactly as before.
        const qreal ratio = window->devicePixelRatioF();
        const QRect connector = cable(2)->geometry();
        const QRect ringed(QPointF(connector.topLeft() * ratio).toPoint() - QPoint(3, 3),
                           QPointF(connector.bottomRight() * ratio).toPoint() + QPoint(3, 3));
        const QRect inside(QPointF(connector.topLeft() * ratio).toPoint(),
                           QSize(connector.size() * ratio));
        // Below the command buttons, whose own focus look moves with the focus.
        const int boardTop = qRound(control(QStringLiteral("txtCurrentTime"))->y() * ratio);
        int changed = 0;
        for (int y = boardTop; y < before.height(); ++y)
            for (int x = 0; x < before.width(); ++x)
                if (before.pixel(x, y) != onCable.pixel(x, y)) {
                    ++changed;
                    QVERIFY2(ringed.contains(x, y) && !inside.contains(x, y),
                             qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
                }
        QVERIFY(changed > 0);
        const QRect board(0, boardTop, before.width(), before.height() - boardTop);
        QCOMPARE(window->grab().toImage().copy(board), before.copy(board));
    }

    void theMenuPlugsUnplugsAndMarksAsADropOrAClickWould() {
        open();
        const int c = 3;
        const int j = state.puzzle.SolutionPlan[at(c)][1];
        focusCable(j);
        const QStringList items = menu(QStringLiteral("Plug into ") + pcName(c));
        QVERIFY2(items.contains(QStringLiteral("Plug into ") + pcName(c)),
                 qPrintable(items.join('|')));
        QCOMPARE(items.mid(items.size() - 5),
                 (QStringList{"New Game", "Restart Game", "Show Solution", "Help", "Quit Game"}));
        QCOMPARE(state.board.PcConnectorPlug[at(c)][0], j);
        QCOMPARE(QApplication::focusWidget(), cable(j));

        // Shift+F10 opens the same menu; the plugged connector can be unplugged.
        QVERIFY(menu(QStringLiteral("Unplug"), Qt::Key_F10, Qt::ShiftModifier)
                    .contains(QStringLiteral("Unplug")));
        QCOMPARE(state.board.PcConnectorPlug[at(c)][0], kNone);
        // Escape takes nothing.
        menu(QString());
        QCOMPARE(state.board.PcConnectorPlug[at(c)][0], kNone);

        // A wrong wiring: every PC connector plugged, two plugs of one colour swapped where
        // that breaks the ring. Then the menu marks the focused connector's cable.
        for (int a = 0; a < 8 && state.look.verdict != Verdict::Wrong; ++a)
            for (int b = a + 1; b < 8 && state.look.verdict != Verdict::Wrong; ++b) {
                if (state.puzzle.pcConnectorColors[at(a)] != state.puzzle.pcConnectorColors[at(b)])
                    continue;
                window->cmdRestartCurrentGame_Click();
                for (int p = 0; p < 8; ++p)
                    window->ThePcConnectorArea_DragDrop(
                        p, state.puzzle.SolutionPlan[at(p == a   ? b
                                                        : p == b ? a
                                                                 : p)][1]);
            }
        QCOMPARE(state.look.verdict, Verdict::Wrong);
        focusCable(j);
        const std::size_t segment = at(3 * (j / 2));
        QCOMPARE(state.look.segmentColors[segment], kRed);
        QVERIFY(menu(QStringLiteral("Mark this cable")).contains(QStringLiteral("Unplug")));
        QCOMPARE(state.look.segmentColors[segment], kBlack);
        QCOMPARE(state.look.segmentColors[at(3 * ((j / 2 + 1) % 4))], kRed);
    }

    void whileCoveredTheMenuOffersEveryFreeConnectorAndAMisfitStaysHome() {
        open(true);
        const int j = 0;
        int misfit = 0;
        while (state.puzzle.pcConnectorColors[at(misfit)] == state.puzzle.cableConnectorColors[0])
            ++misfit;
        focusCable(j);
        const TwipRect home = state.board.cableConnectors[0];
        const QStringList items = menu(QStringLiteral("Plug into ") + pcName(misfit));
        QCOMPARE(items.size(), 8 + 5);
        for (int c = 0; c < 8; ++c)
            QCOMPARE(items.at(c), QStringLiteral("Plug into ") + pcName(c));
        QCOMPARE(state.board.cableConnectors[0].left, home.left);
        QCOMPARE(state.board.PcConnectorPlug[at(misfit)][0], kNone);
    }

    // Along the row of cable connectors, over to the nearer column of PC connectors, down it,
    // across to the other column, up to the cables and down again; where nothing lies that way
    // the focus stays. The board itself is not touched.
    void arrowsWalkTheRowsAndColumns() {
        open();
        const auto plugs = state.board.PcConnectorPlug;
        focusCable(0);
        const std::vector<std::pair<Qt::Key, const char*>> walk{
            {Qt::Key_Right, "TheCableConnector2"}, {Qt::Key_Down, "TheCableConnector3"},
            {Qt::Key_Up, "TheCableConnector2"},    {Qt::Key_Right, "TheCableConnector4"},
            {Qt::Key_Right, "TheCableConnector6"}, {Qt::Key_Right, "ThePcConnector2"},
            {Qt::Key_Down, "ThePcConnector3"},     {Qt::Key_Down, "ThePcConnector6"},
            {Qt::Key_Down, "ThePcConnector7"},     {Qt::Key_Down, "ThePcConnector7"},
            {Qt::Key_Left, "ThePcConnector5"},     {Qt::Key_Up, "ThePcConnector4"},
            {Qt::Key_Up, "ThePcConnector1"},       {Qt::Key_Up, "ThePcConnector0"},
            {Qt::Key_Up, "TheCableConnector1"},    {Qt::Key_Left, "ThePcConnector0"},
        };
        QStringList expected, visited;
        for (const auto& [key, name] : walk) {
            press(key);
            expected << QString::fromLatin1(name);
            visited << focusName();
        }
        QCOMPARE(visited, expected);
        QCOMPARE(state.board.PcConnectorPlug, plugs);
    }

    void altAndALetterRunTheCommands() {
        open();
        press(Qt::Key_S, Qt::AltModifier);
        QCOMPARE(state.look.verdict, Verdict::Correct);
        press(Qt::Key_R, Qt::AltModifier);
        QCOMPARE(state.look.verdict, Verdict::Incomplete);
        const auto plan = state.puzzle.SolutionPlan;
        press(Qt::Key_N, Qt::AltModifier);
        QVERIFY(state.puzzle.SolutionPlan != plan);
        // From the menu of any control as well.
        control(QStringLiteral("txtStartingTime"))->setFocus(Qt::TabFocusReason);
        QCOMPARE(menu(QStringLiteral("Show Solution")).size(), 5);
        QCOMPARE(state.look.verdict, Verdict::Correct);
        press(Qt::Key_Q, Qt::AltModifier);
        QVERIFY(!window->isVisible());
    }
};

QTEST_MAIN(GameKeyboardTest)
#include "game_keyboard_test.moc"
