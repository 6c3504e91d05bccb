// The start-up window and the game window together: Play Now, the lock on the settings, the
// settings frame's offer to close or raise the game, and closing the windows in any order.
#include "GameWindowParts.h"
#include "WindowTestSupport.h"
#include "game/GameState.h"
#include "ui/game/BoardControl.h"
#include "ui/game/GameWindow.h"
#include "ui/startup/GameWindowHost.h"
#include "ui/startup/MainStartupWindow.h"

#include <QApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

using namespace kestrelink;
using namespace kestrelink::ui;
using namespace kestrelink::ui::testing;
using kestrelink::ui::testing::control;

namespace {

const char* const kSettings[] = {"PlayLevel0", "PlayLevel1", "chkUseRandomColorCount",
                                 "HScroll1",   "HScroll2",   "cmdPlay",
                                 "Label1"};

bool settingsEnabled(QWidget& window, bool enabled) {
    for (const char* name : kSettings)
        if (control<QWidget>(window, name)->isEnabled() != enabled)
            return false;
    return true;
}

// Answers the Yes/No/Cancel box that a click on a locked setting brings up.
void answerOffer(QMessageBox::StandardButton answer, bool* shown) {
    QTimer::singleShot(0, [answer, shown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            *shown = true;
            box->button(answer)->click();
        }
    });
}

// A click through the window system, which finds what lies under the pointer.
void clickOn(QWidget& window, const char* name) {
    QWidget* target = control<QWidget>(window, name);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                      target->mapTo(&window, QPoint(5, 5)));
    // Keeps the next click from counting as the second half of a double click.
    QTest::qWait(QApplication::doubleClickInterval() + 50);
}

void flushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class PlayNowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void playNowOpensTheGameAndLocksTheSettings() {
        GameState state;
        MainStartupWindow startup(state);
        startup.show();
        QVERIFY(QTest::qWaitForWindowExposed(&startup));
        control<QRadioButton>(startup, "PlayLevel1")->setChecked(true);
        control<QScrollBar>(startup, "HScroll1")->setValue(6);

        QTest::mouseClick(control<QPushButton>(startup, "cmdPlay"), Qt::LeftButton);
        GameWindow* game = startup.gameWindowHost().window();
        QVERIFY(game != nullptr);
        QVERIFY(game->isVisible());
        QVERIFY(state.GameWindowIsOpen);
        QCOMPARE(createdPcCount(*game), 6);
        QVERIFY(CableCoverUp(*game, 11)->isVisible());
        QVERIFY(settingsEnabled(startup, false));
        QVERIFY(!control<QWidget>(startup, "txtGamePCs")->isEnabled());
        QCOMPARE(control<QListWidget>(startup, "lstDebug")->count(), 30);
        QCOMPARE(control<QListWidget>(startup, "lstDebug1")->count(), 30);

        // "No" leaves the game as it is; "Yes" closes it and hands the settings back.
        bool shown = false;
        answerOffer(QMessageBox::No, &shown);
        clickOn(startup, "HScroll1");
        QVERIFY(shown);
        QVERIFY(startup.gameWindowHost().isOpen() && game->isVisible());

        shown = false;
        answerOffer(QMessageBox::Yes, &shown);
        clickOn(startup, "PlayLevel0");
        QVERIFY(shown);
        flushDeletes();
        QVERIFY(!startup.gameWindowHost().isOpen());
        QVERIFY(!state.GameWindowIsOpen);
        QVERIFY(settingsEnabled(startup, true));
        QVERIFY(!control<QWidget>(startup, "txtGamePCs")->isEnabled());

        // Play Now again builds a fresh window.
        QTest::mouseClick(control<QPushButton>(startup, "cmdPlay"), Qt::LeftButton);
        QVERIFY(startup.gameWindowHost().isOpen());
        QCOMPARE(createdPcCount(*startup.gameWindowHost().window()), 6);
    }

    void aFreshGameWindowInheritsNoVerdict() {
        GameState state;
        MainStartupWindow startup(state);
        startup.show();
        QTest::mouseClick(control<QPushButton>(startup, "cmdPlay"), Qt::LeftButton);
        GameWindow* game = startup.gameWindowHost().window();
        QVERIFY(game != nullptr);
        control<QPushButton>(*game, "cmdShowSolution")->click();
        QVERIFY(state.board.AllPcConnectorsPlugged && state.board.PcRingIsCorrect);
        game->close();
        flushDeletes();

        QTest::mouseClick(control<QPushButton>(startup, "cmdPlay"), Qt::LeftButton);
        QVERIFY(startup.gameWindowHost().isOpen());
        QVERIFY(!state.board.AllPcConnectorsPlugged);
        QVERIFY(!state.board.PcRingIsCorrect);
    }

    void bothHelpButtonsShareOneHelpWindow() {
        GameState state;
        MainStartupWindow startup(state);
        startup.show();
        QVERIFY(QTest::qWaitForWindowExposed(&startup));
        QTest::mouseClick(control<QPushButton>(startup, "cmdPlay"), Qt::LeftButton);
        GameWindow* game = startup.gameWindowHost().window();
        QVERIFY(game != nullptr);

        // From the game window, the help window still opens beside the start-up window.
        cmdHelp(*game)->click();
        const auto helps = [] {
            QList<QWidget*> found;
            for (QWidget* top : QApplication::topLevelWidgets())
                if (top->objectName() == QStringLiteral("HelpWindow") && top->isVisible())
                    found << top;
            return found;
        };
        QCOMPARE(helps().size(), 1);
        QWidget* help = helps().first();
        QCOMPARE(help->pos(), startup.outerTopLeft() + QPoint(33, 33));

        help->move(help->pos() + QPoint(40, 0));
        const QPoint moved = help->pos();
        QTest::mouseClick(control<QPushButton>(startup, "cmdHelp"), Qt::LeftButton);
        QCOMPARE(helps().size(), 1);
        QCOMPARE(helps().first()->pos(), moved);

        // Closing the game leaves the help window open.
        game->close();
        flushDeletes();
        QCOMPARE(helps().size(), 1);
    }

    void closingTheStartUpWindowFirstLeavesTheGameRunning() {
        GameState state;
        MainStartupWindow startup(state);
        startup.show();
        QVERIFY(QTest::qWaitForWindowExposed(&startup));
        QTest::mouseClick(control<QPushButton>(startup, "cmdPlay"), Qt::LeftButton);
        QPointer<GameWindow> game = startup.gameWindowHost().window();
        QVERIFY(game);

        startup.close();
        QVERIFY(!startup.isVisible());
        QVERIFY(game->isVisible());

        // The game's closing steps reach the hidden start-up window without showing it.
        game->close();
        flushDeletes();
        QVERIFY(game.isNull());
        QVERIFY(!state.GameWindowIsOpen);
        QVERIFY(!startup.isVisible());
        QVERIFY(settingsEnabled(startup, true));
    }
};

QTEST_MAIN(PlayNowTest)
#include "play_now_test.moc"
