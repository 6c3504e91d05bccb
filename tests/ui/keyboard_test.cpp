// The start-up and help windows from the keyboard alone: the count bars step by one with the
// arrow keys and show their focus, Return presses the focused button, and the help text scrolls
// while the focus stays on its button.
#include "game/GameState.h"
#include "ui/game/GameWindow.h"
#include "ui/help/HelpWindow.h"
#include "ui/startup/GameWindowHost.h"
#include "ui/startup/MainStartupWindow.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QPointer>
#include <QScrollBar>
#include <QtTest>

using namespace kestrelink;
using namespace kestrelink::ui;

namespace {

// Keys go where the keyboard's would: to the focus of the active window.
void press(Qt::Key key, int times = 1) {
    for (int i = 0; i < times; ++i)
        QTest::keyClick(QApplication::focusWidget(), key);
}

QString focusName() {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

HelpWindow* openHelpWindow() {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* help = qobject_cast<HelpWindow*>(window); help && help->isVisible())
            return help;
    return nullptr;
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private:
    static void showAndActivate(QWidget& window) {
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void aPlayerChoosesReadsTheHelpAndPlaysWithTheKeyboardAlone() {
        GameState state;
        MainStartupWindow startup(state);
        showAndActivate(startup);
        QCOMPARE(focusName(), QStringLiteral("PlayLevel0"));

        // Tab stops: Beginner, Help, Exit, the website, Play Now, the colours, the random box,
        // the PCs.
        press(Qt::Key_Tab, 5);
        QCOMPARE(focusName(), QStringLiteral("HScroll2"));
        press(Qt::Key_Right, 2);
        press(Qt::Key_Left);
        QCOMPARE(startup.colorCountText(), QStringLiteral("5"));
        press(Qt::Key_Tab, 2);
        QCOMPARE(focusName(), QStringLiteral("HScroll1"));
        press(Qt::Key_Right, 4);
        press(Qt::Key_Up);
        QCOMPARE(startup.pcCountText(), QStringLiteral("7"));

        press(Qt::Key_Tab, 2);
        QCOMPARE(focusName(), QStringLiteral("cmdHelp"));
        press(Qt::Key_Return);
        QPointer<HelpWindow> help = openHelpWindow();
        QVERIFY(help);
        QVERIFY(QTest::qWaitForWindowActive(help));
        QCOMPARE(focusName(), QStringLiteral("cmdVisitOrvane"));

        QScrollBar* bar = help->findChild<QAbstractScrollArea*>("Text2")->verticalScrollBar();
        press(Qt::Key_PageDown);
        const int page = bar->value();
        QVERIFY(page > 1);
        press(Qt::Key_Down);
        QCOMPARE(bar->value(), page + 1);
        press(Qt::Key_Up, 2);
        QCOMPARE(bar->value(), page - 1);
        press(Qt::Key_Left);
        press(Qt::Key_Right);
        press(Qt::Key_PageUp);
        QCOMPARE(bar->value(), 0);
        QCOMPARE(focusName(), QStringLiteral("cmdVisitOrvane"));

        press(Qt::Key_Tab);
        QCOMPARE(focusName(), QStringLiteral("cmdClose"));
        press(Qt::Key_Space);
        QTRY_VERIFY(help.isNull() || !help->isVisible());

        // The desktop gives the keyboard back to the start-up window, its focus where it was.
        startup.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&startup));
        QCOMPARE(focusName(), QStringLiteral("cmdHelp"));
        press(Qt::Key_Tab, 3);
        QCOMPARE(focusName(), QStringLiteral("cmdPlay"));
        press(Qt::Key_Return);
        QVERIFY(startup.gameWindowHost().window() != nullptr);
        QCOMPARE(state.pcCount(), 7);
        QCOMPARE(state.settings.ColorCount, 5);
        startup.gameWindowHost().close();
    }

    void escapeClosesTheHelpWindow() {
        GameState state;
        MainStartupWindow startup(state);
        showAndActivate(startup);
        startup.findChild<QWidget*>("cmdHelp")->setFocus();
        press(Qt::Key_Return);
        QPointer<HelpWindow> help = openHelpWindow();
        QVERIFY(help);
        QVERIFY(QTest::qWaitForWindowActive(help));
        press(Qt::Key_Escape);
        QTRY_VERIFY(help.isNull() || !help->isVisible());
    }

    void aCountBarShowsWhenItHasTheKeyboardFocus() {
        GameState state;
        MainStartupWindow startup(state);
        showAndActivate(startup);
        auto* bar = startup.findChild<QScrollBar*>("HScroll1");
        const QImage unfocused = bar->grab().toImage();
        // Backwards from Beginner, the first stop is the PC count.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QVERIFY(bar->hasFocus());
        QVERIFY(bar->grab().toImage() != unfocused);
        press(Qt::Key_Tab);
        QCOMPARE(bar->grab().toImage(), unfocused);
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
