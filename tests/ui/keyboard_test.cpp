// The start-up and help windows from the keyboard alone: the count bars step by one with the
// arrow keys and show their focus, Return presses the focused button, and the help text scrolls
// while the focus stays on its button.
#include "game/GameState.h"
#include "ui/help/HelpWindow.h"
#include "ui/startup/GameWindowHost.h"
#include "ui/startup/MainStartupWindow.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QPointer>
#include <QScrollBar>
#include <QtTest>
#include <memory>

using namespace kestrelink;
using namespace kestrelink::ui;

namespace {

// Keys go where the keyboard's would: to the focus of the active window.
void press(Qt::Key key, int times = 1) {
    for (int i = 0; i < times; ++i)
        QTest::keyClick(QApplication::focusWidget(), key);
}

QString focusName() {
    return QApplication::focusWidget()->objectName();
}

// Return on the focused Help button opens the help window, active.
QPointer<HelpWindow> helpFromReturn() {
    press(Qt::Key_Return);
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* help = qobject_cast<HelpWindow*>(window); help && help->isVisible())
            return QTest::qWaitForWindowActive(help) ? help : nullptr;
    return nullptr;
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

    GameState state;
    std::unique_ptr<MainStartupWindow> startup;

private slots:
    void init() {
        startup = std::make_unique<MainStartupWindow>(state);
        startup->show();
        startup->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(startup.get()));
    }
    void cleanup() { startup.reset(); }

    void aPlayerChoosesReadsTheHelpAndPlaysWithTheKeyboardAlone() {
        // Tab stops: Beginner, Help, Exit, the website, Play Now, colours, random box, PCs.
        press(Qt::Key_Tab, 5);
        press(Qt::Key_Right, 2);
        press(Qt::Key_Left);
        QCOMPARE(startup->colorCountText(), QStringLiteral("5"));
        press(Qt::Key_Tab, 2);
        press(Qt::Key_Right, 4);
        press(Qt::Key_Up);
        QCOMPARE(startup->pcCountText(), QStringLiteral("7"));

        press(Qt::Key_Tab, 2);
        QPointer<HelpWindow> help = helpFromReturn();
        QVERIFY(help);
        QScrollBar* bar = help->findChild<QAbstractScrollArea*>("Text2")->verticalScrollBar();
        press(Qt::Key_PageDown);
        const int page = bar->value();
        QVERIFY(page > 1);
        press(Qt::Key_Down);
        QCOMPARE(bar->value(), page + 1);
        press(Qt::Key_Up, 2);
        press(Qt::Key_Left);
        press(Qt::Key_Right);
        QCOMPARE(bar->value(), page - 1);
        QCOMPARE(focusName(), QStringLiteral("cmdVisitOrvane"));
        press(Qt::Key_Tab);
        press(Qt::Key_Space);
        QTRY_VERIFY(help.isNull() || !help->isVisible());

        // The desktop gives the keyboard back to the start-up window, its focus on Help.
        startup->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(startup.get()));
        press(Qt::Key_Tab, 3);
        press(Qt::Key_Return);
        QVERIFY(startup->gameWindowHost().window() != nullptr);
        QCOMPARE(state.pcCount(), 7);
        QCOMPARE(state.settings.ColorCount, 5);
        startup->gameWindowHost().close();
    }

    void escapeClosesTheHelpWindow() {
        press(Qt::Key_Tab);
        QPointer<HelpWindow> help = helpFromReturn();
        QVERIFY(help);
        press(Qt::Key_Escape);
        QTRY_VERIFY(help.isNull() || !help->isVisible());
    }

    void aCountBarShowsWhenItHasTheKeyboardFocus() {
        auto* bar = startup->findChild<QScrollBar*>("HScroll1");
        const QImage unfocused = bar->grab().toImage();
        // Backwards from Beginner, the first stop is the PC count.
        press(Qt::Key_Backtab);
        QVERIFY(bar->hasFocus());
        QVERIFY(bar->grab().toImage() != unfocused);
        press(Qt::Key_Tab);
        QCOMPARE(bar->grab().toImage(), unfocused);
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
