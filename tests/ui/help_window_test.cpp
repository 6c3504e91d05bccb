// The help window: its definition, the help text line by line, the focus that never stays on a
// text box, its placement beside the start-up window and the one-window rule of both Help
// buttons, and the website button.
// Mouse clicks go through the window system, so they land where a real pointer would.
#define QTEST_QPA_MOUSE_HANDLING

#include "FakeStartupSettings.h"
#include "WindowTestSupport.h"
#include "ui/common/Fonts.h"
#include "ui/common/Twips.h"
#include "ui/help/ArrowBox.h"
#include "ui/help/DisplayTextBox.h"
#include "ui/help/HelpWindow.h"
#include "ui/help/HelpWindowOpener.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QUrl>
#include <QWheelEvent>
#include <QtTest>
#include <algorithm>

using namespace kestrelink;
using namespace kestrelink::ui;
using namespace kestrelink::ui::testing;

namespace {

// A start-up window that sits where the test puts it.
class MovableStartup : public testing::FakeStartupSettings {
public:
    QPoint topLeft{100, 80};
    QPoint outerTopLeft() const override { return topLeft; }
};

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

const QString kCrLf = QStringLiteral("\r\n");

} // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT

private:
    static HelpWindow* openActive(HelpWindowOpener& opener) {
        HelpWindow* window = opener.open();
        if (!QTest::qWaitForWindowActive(window))
            qWarning("help window did not become active");
        return window;
    }

    static void settleDeletes() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

    static QStringList storedLines(const QString& text) {
        QStringList lines = text.split(kCrLf);
        // Every line ends with CR LF, so the split leaves one empty piece after the last.
        if (lines.isEmpty() || !lines.last().isEmpty())
            return {};
        lines.removeLast();
        return lines;
    }

private slots:
    void init() { QApplication::clipboard()->clear(); }

    void definesTheWindow() {
        MovableStartup startup;
        HelpWindow window(startup);

        QCOMPARE(window.windowTitle(),
                 QStringLiteral("Kestrelink® Connection Game Help -- How To Play"));
        QCOMPARE(window.size(), QSize(468, 372));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QVERIFY(!(window.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(window.windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(!window.windowIcon().isNull());
        QVERIFY(!window.isModal());

        auto* title = control<QLabel>(window, "Label2");
        QCOMPARE(title->text(), QStringLiteral("How To Play The Kestrelink® Game"));
        QVERIFY(title->font().bold());
        QVERIFY(title->alignment() & Qt::AlignHCenter);

        auto* website = control<QPushButton>(window, "cmdVisitOrvane");
        QCOMPARE(website->text(),
                 QStringLiteral("Visit our Website for the best in PC to PC Connection and "
                                "Networking Products  HTTP://WWW.ORVANE.COM"));
        QCOMPARE(website->toolTip(),
                 QStringLiteral("Go ahead -- Check out our great PC to PC Connection Products"));
        QVERIFY(website->font().bold());

        auto* close = control<QPushButton>(window, "cmdClose");
        QCOMPARE(close->text(), QStringLiteral("Close"));
        QCOMPARE(close->toolTip(), QStringLiteral("Close Help Window"));
        QVERIFY(close->font().bold());

        auto* help = control<DisplayTextBox>(window, "Text2");
        QVERIFY(help->font().bold());
        QCOMPARE(help->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

        auto* arrows = control<ArrowBox>(window, "Text1");
        QCOMPARE(arrows->ink(), QColor(255, 0, 0));
        QCOMPARE(arrows->palette().color(QPalette::Window), QColor(192, 192, 192));

        auto* credits = control<DisplayTextBox>(window, "Text3");
        QCOMPARE(credits->frameShape(), QFrame::NoFrame);
        QCOMPARE(credits->palette().color(QPalette::Base), toQColor(kMenuBar));
        QVERIFY(!credits->font().bold());
        const QStringList creditLines = storedLines(credits->text());
        QCOMPARE(creditLines.size(), 3);
        QVERIFY(creditLines.at(0).contains(QStringLiteral("Kestrelink")));
        QVERIFY(creditLines.at(0).endsWith(QStringLiteral("V.1.0 Alpha 3-18-2002")));
    }

    void placesControlsAtTheirTwips_data() {
        addPlacementColumns();
        const auto row = addPlacementRow;
        row("Label2", "HelpWindow", {60, 180, 6855, 495});
        row("Text2", "HelpWindow", {120, 720, 6795, 2895});
        row("cmdVisitOrvane", "HelpWindow", {120, 3780, 4395, 975});
        row("frmForm3PC0", "HelpWindow", {4620, 3720, 2295, 975});
        row("form3PC0", "frmForm3PC0", {120, 240, 660, 615});
        row("form3PC1", "frmForm3PC0", {1500, 240, 660, 615});
        row("Text1", "frmForm3PC0", {840, 420, 615, 255});
        row("Text3", "HelpWindow", {120, 4920, 5595, 675});
        row("cmdClose", "HelpWindow", {5880, 4920, 1035, 615});
    }

    void placesControlsAtTheirTwips() {
        MovableStartup startup;
        HelpWindow window(startup);
        checkPlacement(window);
    }

    void holdsTheHelpTextLineByLine() {
        MovableStartup startup;
        HelpWindow window(startup);
        auto* help = control<DisplayTextBox>(window, "Text2");
        const QString text = help->text();

        QVERIFY(text.endsWith(kCrLf));
        const QStringList lines = storedLines(text);
        QCOMPARE(lines.size(), 66);
        for (const QString& line : lines)
            QVERIFY2(!line.contains(QLatin1Char('\r')) && !line.contains(QLatin1Char('\n')),
                     qPrintable(line));

        const auto at = [&lines](int number) { return lines.at(number - 1); };
        QCOMPARE(at(1), QStringLiteral("Main Start-up Window"));
        QCOMPARE(at(2), QString(42, QLatin1Char('-')));
        QCOMPARE(at(24), at(2));
        QCOMPARE(at(3), QStringLiteral("Select Beginner level of play to start -- Select "
                                       "Advanced to hide Cable "));
        QCOMPARE(at(6),
                 QStringLiteral("Set the \"Number of PCs to Connect\" using the scroll bar -- "));
        QCOMPARE(at(13), QStringLiteral("to create a random number of colors each time you "
                                        "press \"New Game\"."));
        QCOMPARE(at(23), QStringLiteral("Game Window"));
        QCOMPARE(at(33),
                 QStringLiteral("[New Came] button creates new game with new randomized PC and "));
        QCOMPARE(at(39), QStringLiteral("correctly"));
        QCOMPARE(at(46), QStringLiteral("(bottom timer on right) "));
        QCOMPARE(at(58), QStringLiteral("Good Luck ... And don't have too much fun !"));
        QCOMPARE(at(61), QStringLiteral("Visit our Website HTTP://WWW.ORVANE.COM for the best "
                                        "in PC to PC "));
        QCOMPARE(at(64),
                 QStringLiteral("Kestrelink® Connection Game - Alpha Version 1.0 (3-18-2002)"));
        QVERIFY(at(65).startsWith(QStringLiteral("Please send e-mail to ")));
        QVERIFY(at(65).endsWith(QStringLiteral(" regarding any bugs")));
        QVERIFY(at(65).contains(QLatin1Char('@')));
        QCOMPARE(at(66),
                 QStringLiteral("or problems you find as well as any suggestions you may have."));
        for (int empty : {5,  8,  11, 14, 17, 19, 21, 22, 26, 29, 32, 35,
                          37, 40, 42, 44, 47, 50, 53, 56, 57, 59, 60, 63})
            QVERIFY2(at(empty).isEmpty(), qPrintable(QString::number(empty)));

        // What the player reads is the same text, line for line.
        QCOMPARE(help->toPlainText(), QString(text).replace(kCrLf, QStringLiteral("\n")));
    }

    void opensWithTheFocusOnTheWebsiteButton() {
        MovableStartup startup;
        HelpWindowOpener opener(startup);
        HelpWindow* window = openActive(opener);
        auto* website = control<QWidget>(*window, "cmdVisitOrvane");
        auto* close = control<QWidget>(*window, "cmdClose");
        QCOMPARE(QApplication::focusWidget(), website);

        // Tab skips the credits and, coming round to the help text, lands on the button again;
        // Shift+Tab reaches the help text at once, which hands the focus straight back.
        QWindow* handle = window->windowHandle();
        QTest::keyClick(handle, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), close);
        QTest::keyClick(handle, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), website);
        QTest::keyClick(handle, Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), website);
    }

    void clickingATextBoxLeavesTheFocusOnTheWebsiteButton_data() {
        QTest::addColumn<QString>("name");
        QTest::newRow("arrows") << QStringLiteral("Text1");
        QTest::newRow("help text") << QStringLiteral("Text2");
        QTest::newRow("credits") << QStringLiteral("Text3");
    }

    void clickingATextBoxLeavesTheFocusOnTheWebsiteButton() {
        QFETCH(QString, name);
        MovableStartup startup;
        HelpWindowOpener opener(startup);
        HelpWindow* window = openActive(opener);
        auto* close = control<QWidget>(*window, "cmdClose");
        close->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), close);

        auto* box = window->findChild<QWidget*>(name);
        QVERIFY(box != nullptr);
        auto* area = qobject_cast<QAbstractScrollArea*>(box);
        QWidget* target = area ? area->viewport() : box;
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(10, 6));
        QCOMPARE(QApplication::focusWidget(), control<QWidget>(*window, "cmdVisitOrvane"));
        QVERIFY(!box->hasFocus());
    }

    void typingChangesNoText() {
        MovableStartup startup;
        HelpWindowOpener opener(startup);
        HelpWindow* window = openActive(opener);
        auto* help = control<DisplayTextBox>(*window, "Text2");
        auto* credits = control<DisplayTextBox>(*window, "Text3");
        const QString helpBefore = help->text();
        const QString shownBefore = help->toPlainText();
        const QString creditsBefore = credits->toPlainText();
        QApplication::clipboard()->setText(QStringLiteral("pasted"));

        QTest::mouseClick(help->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("typed"));
        // Even keys sent to the boxes themselves must not edit them.
        for (DisplayTextBox* box : {help, credits}) {
            QTest::keyClicks(box, QStringLiteral("typed"));
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(box, Qt::Key_Delete);
            QTest::keyClick(box, Qt::Key_Backspace);
            QTest::keyClick(box, Qt::Key_Return);
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
        }
        QCOMPARE(help->text(), helpBefore);
        QCOMPARE(help->toPlainText(), shownBefore);
        QCOMPARE(credits->toPlainText(), creditsBefore);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("pasted"));
        QVERIFY(!help->textCursor().hasSelection());
    }

    void helpTextScrollsWithoutTakingTheFocus() {
        MovableStartup startup;
        HelpWindowOpener opener(startup);
        HelpWindow* window = openActive(opener);
        auto* help = control<DisplayTextBox>(*window, "Text2");
        QScrollBar* bar = help->verticalScrollBar();
        QVERIFY(bar->isVisible());
        QVERIFY(bar->maximum() > 0);
        QCOMPARE(bar->value(), 0);

        const QPointF inside(help->viewport()->rect().center());
        QWheelEvent wheel(inside, help->viewport()->mapToGlobal(inside), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(help->viewport(), &wheel);
        const int afterWheel = bar->value();
        QVERIFY(afterWheel > 0);

        // A click on the bar's lower track pages down.
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() - 30));
        QVERIFY(bar->value() > afterWheel);
        QCOMPARE(QApplication::focusWidget(), control<QWidget>(*window, "cmdVisitOrvane"));
    }

    void helpButtonsShareOneWindowThatKeepsItsPlace() {
        MovableStartup startup;
        HelpWindowOpener opener(startup);
        QVERIFY(opener.window() == nullptr);

        HelpWindow* first = openActive(opener);
        QCOMPARE(first->frameGeometry().topLeft(), QPoint(133, 113));
        QVERIFY(first->testAttribute(Qt::WA_DeleteOnClose));
        QVERIFY(first->parentWidget() == nullptr);

        // The player moves it, and the start-up window moves too; Help only raises it.
        first->move(300, 200);
        startup.topLeft = QPoint(10, 20);
        HelpWindow* second = opener.open();
        QCOMPARE(second, first);
        QVERIFY(second->isVisible());
        QCOMPARE(second->frameGeometry().topLeft(), QPoint(300, 200));
        const QWidgetList windows = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(windows.begin(), windows.end(),
                               [](QWidget* w) { return qobject_cast<HelpWindow*>(w) != nullptr; }),
                 1);
    }

    void reopensBesideTheStartupWindowAfterClosing() {
        MovableStartup startup;
        HelpWindowOpener opener(startup);
        HelpWindow* window = openActive(opener);
        window->move(300, 200);

        QTest::mouseClick(control<QPushButton>(*window, "cmdClose"), Qt::LeftButton);
        settleDeletes();
        QVERIFY(opener.window() == nullptr);

        startup.topLeft = QPoint(40, 50);
        window = openActive(opener);
        QCOMPARE(window->frameGeometry().topLeft(), QPoint(73, 83));

        // The close box unloads it the same way.
        window->move(300, 200);
        window->close();
        settleDeletes();
        QVERIFY(opener.window() == nullptr);
        window = opener.open();
        QCOMPARE(window->frameGeometry().topLeft(), QPoint(73, 83));
    }

    void staysOnScreenWhenTheStartupWindowIsNowhereToBeSeen() {
        MovableStartup startup;
        startup.topLeft = QPoint(-20000, -20000);
        HelpWindowOpener opener(startup);
        HelpWindow* window = opener.open();
        QScreen* screen = QGuiApplication::primaryScreen();
        QVERIFY(screen->availableGeometry().contains(window->frameGeometry()));
    }

    void anOpenHelpWindowGoesWithItsOpener() {
        MovableStartup startup;
        QPointer<HelpWindow> window;
        {
            HelpWindowOpener opener(startup);
            window = opener.open();
            QVERIFY(!window.isNull());
        }
        QVERIFY(window.isNull());
    }

    void websiteButtonOpensTheAddressOncePerClick() {
        MovableStartup startup;
        HelpWindowOpener opener(startup);
        HelpWindow* window = openActive(opener);
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher, "open");
        auto* button = control<QPushButton>(*window, "cmdVisitOrvane");
        for (int click = 0; click < 3; ++click)
            QTest::mouseClick(button, Qt::LeftButton);
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        QCOMPARE(catcher.opened.size(), 3);
        for (const QUrl& url : catcher.opened)
            QCOMPARE(url, QUrl(QStringLiteral("http://www.orvane.com")));
        QVERIFY(window->isVisible());
    }
};

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
