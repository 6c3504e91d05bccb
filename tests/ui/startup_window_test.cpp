// The start-up window: its first state, the settings controls and what they write, the lock a
// running game puts on them, clicks on locked settings, the website button and Exit.
// Mouse clicks go through the window system, so they land where a real pointer would.
#define QTEST_QPA_MOUSE_HANDLING

#include "WindowTestSupport.h"
#include "game/GameState.h"
#include "game/RandomSource.h"
#include "tests/core/TestRandom.h"
#include "ui/common/Twips.h"
#include "ui/startup/MainStartupWindow.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTimer>
#include <QUrl>
#include <QtTest>
#include <set>
#include <utility>
#include <vector>

using namespace kestrelink;
using namespace kestrelink::ui;
using namespace kestrelink::ui::testing;
using kestrelink::testsupport::ScriptedRandomSource;

namespace {

// Records the order in which watched widgets change their enabled state.
class EnabledChangeRecorder : public QObject {
public:
    void watch(QWidget* widget) { widget->installEventFilter(this); }
    QStringList order;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::EnabledChange)
            order << watched->objectName();
        return false;
    }
};

class ClosingProbe : public QWidget {
public:
    int closeEvents = 0;

protected:
    void closeEvent(QCloseEvent* event) override {
        ++closeEvents;
        QWidget::closeEvent(event);
    }
};

struct SeenBox {
    bool shown = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    bool yesIsDefault = false;
};

// Once the click has opened the modal box, records it and answers with `answer`.
void answerNextMessageBox(SeenBox& seen, QMessageBox::StandardButton answer) {
    QTimer::singleShot(0, [&seen, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen.shown = true;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.buttons = box->standardButtons();
        seen.yesIsDefault = box->defaultButton() == box->button(QMessageBox::Yes);
        box->button(answer)->click();
    });
}

} // namespace

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened << url; }
};

class StartupWindowTest : public QObject {
    Q_OBJECT

private:
    static void showAndActivate(QWidget& window) {
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

private slots:
    void opensWithTheDefinedSettings() {
        GameState state;
        state.NumberOfPCs = 0;
        MainStartupWindow window(state);

        QCOMPARE(window.windowTitle(), QStringLiteral("Kestrelink® Connection Game"));
        QCOMPARE(window.size(), QSize(569, 430));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        const Qt::WindowFlags flags = window.windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));

        QVERIFY(control<QRadioButton>(window, "PlayLevel0")->isChecked());
        QVERIFY(!control<QRadioButton>(window, "PlayLevel1")->isChecked());
        QVERIFY(!window.advancedLevel());
        QCOMPARE(window.pcCountText(), QStringLiteral("4"));
        QCOMPARE(window.colorCountText(), QStringLiteral("4"));
        QVERIFY(!control<QCheckBox>(window, "chkUseRandomColorCount")->isChecked());
        QCOMPARE(state.NumberOfPCs, 4);
        QCOMPARE(QString::fromStdString(state.AppPath), QCoreApplication::applicationDirPath());

        // The counts are for display only.
        auto* pcs = control<QLineEdit>(window, "txtGamePCs");
        QVERIFY(!pcs->isEnabled());
        QCOMPARE(pcs->maxLength(), 2);
        QVERIFY(!control<QLineEdit>(window, "txtColorCount")->isEnabled());
        // The hidden listings' boxes wait for the first listing.
        QCOMPARE(window.findChild<QListWidget*>(), nullptr);

        showAndActivate(window);
        QCOMPARE(QApplication::focusWidget(), control<QWidget>(window, "PlayLevel0"));
    }

    void placesControlsAtTheirTwips_data() {
        addPlacementColumns();
        const auto row = addPlacementRow;
        row("lblKestrelinkGame", "MainStartupWindow", {60, 120, 8415, 795});
        row("Label4", "MainStartupWindow", {120, 2160, 4155, 2295});
        row("Frame1", "MainStartupWindow", {4500, 2160, 3975, 2355});
        row("cmdVisitOrvane", "MainStartupWindow", {4500, 4620, 3975, 1155});
        row("cmdExit", "MainStartupWindow", {6540, 5880, 1935, 495});
        row("lstDebug1", "MainStartupWindow", {1860, 6300, 1035, 6105});
        row("PlayLevel1", "Frame1", {2100, 300, 1575, 255});
        row("HScroll1", "Frame1", {1440, 660, 1635, 315});
        row("txtColorCount", "Frame1", {3180, 1110, 495, 345});
        row("cmdPlay", "Frame1", {180, 1620, 3615, 615});
        row("frmForm3PC2", "MainStartupWindow", {3000, 4620, 1215, 795});
        row("form3PC1", "frmForm3PC1", {0, 120, 660, 615});
        row("txtForm3PC5", "frmForm3PC2", {240, 180, 195, 195});
        row("txtForm3CableConnector0", "MainStartupWindow", {1080, 4740, 195, 195});
        row("txtForm3CableConnector7", "frmForm3PC3", {60, 480, 195, 195});
    }

    void placesControlsAtTheirTwips() {
        GameState state;
        MainStartupWindow window(state);
        window.showPairingListing({});
        window.showCableListing({});
        checkPlacement(window);
    }

    void levelButtonsAreExclusive() {
        GameState state;
        MainStartupWindow window(state);
        showAndActivate(window);
        QTest::mouseClick(control<QRadioButton>(window, "PlayLevel1"), Qt::LeftButton);
        QVERIFY(window.advancedLevel());
        QVERIFY(!control<QRadioButton>(window, "PlayLevel0")->isChecked());
        QTest::mouseClick(control<QRadioButton>(window, "PlayLevel0"), Qt::LeftButton);
        QVERIFY(!window.advancedLevel());
    }

    void pcCountFollowsItsScrollBar() {
        GameState state;
        MainStartupWindow window(state);
        auto* bar = control<QScrollBar>(window, "HScroll1");
        auto* text = control<QLineEdit>(window, "txtGamePCs");

        bar->triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(text->text(), QStringLiteral("16"));
        QCOMPARE(state.NumberOfPCs, 16);
        bar->triggerAction(QAbstractSlider::SliderToMinimum);
        QCOMPARE(text->text(), QStringLiteral("4"));
        QCOMPARE(state.NumberOfPCs, 4);

        // Dragging the thumb reports each value it passes.
        bar->setSliderDown(true);
        bar->setSliderPosition(9);
        QCOMPARE(state.NumberOfPCs, 9);
        bar->setSliderDown(false);
    }

    void scrollBarsStepByArrowAndTrack() {
        GameState state;
        MainStartupWindow window(state);
        showAndActivate(window);
        auto* pcs = control<QScrollBar>(window, "HScroll1");
        auto* colors = control<QScrollBar>(window, "HScroll2");

        // With the thumb at the left end, three quarters along is the track; the last pixels
        // are the right arrow.
        const auto trackPoint = [](QScrollBar* bar) {
            return QPoint(bar->width() * 3 / 4, bar->height() / 2);
        };
        const auto arrowPoint = [](QScrollBar* bar) {
            return QPoint(bar->width() - 3, bar->height() / 2);
        };
        QTest::mouseClick(pcs, Qt::LeftButton, {}, trackPoint(pcs));
        QCOMPARE(pcs->value(), 8);
        QTest::mouseClick(pcs, Qt::LeftButton, {}, arrowPoint(pcs));
        QCOMPARE(pcs->value(), 9);
        QCOMPARE(state.NumberOfPCs, 9);

        QTest::mouseClick(colors, Qt::LeftButton, {}, trackPoint(colors));
        QCOMPARE(colors->value(), 6);
        QCOMPARE(window.colorCountText(), QStringLiteral("6"));
        colors->triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(window.colorCountText(), QStringLiteral("10"));
    }

    void randomColorCountDrawsFourToNine() {
        GameState state;
        StdRandomSource random(20020318);
        MainStartupWindow window(state, random);
        auto* box = control<QCheckBox>(window, "chkUseRandomColorCount");
        auto* bar = control<QScrollBar>(window, "HScroll2");
        bar->setValue(7);

        std::set<int> seen;
        for (int round = 0; round < 300; ++round) {
            box->setChecked(true);
            bool isNumber = false;
            const int count = window.colorCountText().toInt(&isNumber);
            QVERIFY(isNumber);
            QVERIFY2(count >= 4 && count <= 9, qPrintable(window.colorCountText()));
            seen.insert(count);
            QCOMPARE(bar->value(), 7);
            box->setChecked(false);
            QCOMPARE(window.colorCountText(), QStringLiteral("7"));
        }
        QCOMPARE(seen.size(), std::size_t{6});
    }

    void randomColorCountMapsTheDrawOntoFourToNine() {
        GameState state;
        ScriptedRandomSource random({0, 5});
        MainStartupWindow window(state, random);
        auto* box = control<QCheckBox>(window, "chkUseRandomColorCount");
        box->setChecked(true);
        QCOMPARE(window.colorCountText(), QStringLiteral("4"));
        box->setChecked(false);
        box->setChecked(true);
        QCOMPARE(window.colorCountText(), QStringLiteral("9"));
        QCOMPARE(random.ranges(), (std::vector<int>{6, 6}));
        QCOMPARE(random.faults(), std::string());
    }

    void touchingColorScrollBarClearsRandomBox() {
        GameState state;
        ScriptedRandomSource random({1});
        MainStartupWindow window(state, random);
        showAndActivate(window);
        auto* box = control<QCheckBox>(window, "chkUseRandomColorCount");
        auto* bar = control<QScrollBar>(window, "HScroll2");

        // The wrapped text is part of the box: a click on it toggles the box.
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 10, box->height() / 2));
        QVERIFY(box->isChecked());
        QCOMPARE(window.colorCountText(), QStringLiteral("5"));

        bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QVERIFY(!box->isChecked());
        QCOMPARE(window.colorCountText(), QStringLiteral("5"));
        bar->triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(window.colorCountText(), QStringLiteral("10"));
    }

    void tabOrderFollowsTheDefinition() {
        GameState state;
        MainStartupWindow window(state);
        showAndActivate(window);

        const QStringList chain{
            "PlayLevel0",     "PlayLevel1", "cmdHelp",  "cmdExit",
            "cmdVisitOrvane", "cmdPlay",    "HScroll2", "chkUseRandomColorCount",
            "HScroll1"};
        QStringList linked;
        for (QWidget* w = control<QWidget>(window, "PlayLevel0"); linked.size() < 40;
             w = w->nextInFocusChain()) {
            if (chain.contains(w->objectName()))
                linked << w->objectName();
            if (linked.size() == chain.size())
                break;
        }
        QCOMPARE(linked, chain);

        // As with every group of option buttons, Tab stops only at the selected one.
        const auto walk = [] {
            QStringList visited{QApplication::focusWidget()->objectName()};
            for (int step = 0; step < 8; ++step) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                visited << QApplication::focusWidget()->objectName();
            }
            return visited;
        };
        QStringList expected = chain;
        expected.removeOne("PlayLevel1");
        expected << "PlayLevel0";
        QCOMPARE(walk(), expected);

        QTest::mouseClick(control<QRadioButton>(window, "PlayLevel1"), Qt::LeftButton);
        expected = chain;
        expected.removeOne("PlayLevel0");
        expected << "PlayLevel1";
        QCOMPARE(walk(), expected);
    }

    void lockAndUnlockInTheirOrder() {
        GameState state;
        MainStartupWindow window(state);
        EnabledChangeRecorder recorder;
        for (QWidget* child : window.findChildren<QWidget*>())
            recorder.watch(child);

        window.lockSettings();
        QCOMPARE(recorder.order, (QStringList{"PlayLevel0", "PlayLevel1", "HScroll1", "HScroll2",
                                              "cmdPlay", "Label1", "chkUseRandomColorCount"}));
        // txtGamePCs is disabled already and so reports no change.
        for (const char* name : {"cmdHelp", "cmdExit", "cmdVisitOrvane", "Frame1"})
            QVERIFY2(control<QWidget>(window, name)->isEnabled(), name);

        recorder.order.clear();
        window.unlockSettings();
        QCOMPARE(recorder.order, (QStringList{"PlayLevel0", "PlayLevel1", "chkUseRandomColorCount",
                                              "HScroll1", "HScroll2", "cmdPlay", "Label1"}));
        QVERIFY(!control<QWidget>(window, "txtGamePCs")->isEnabled());
        QVERIFY(!control<QWidget>(window, "txtColorCount")->isEnabled());
    }

    void listingsReplaceTheHiddenLists() {
        GameState state;
        MainStartupWindow window(state);
        window.showPairingListing({"first", "second"});
        window.showPairingListing({"third"});
        window.showCableListing({"cable"});
        auto* pairs = control<QListWidget>(window, "lstDebug");
        QCOMPARE(pairs->count(), 1);
        QCOMPARE(pairs->item(0)->text(), QStringLiteral("third"));
        auto* cables = control<QListWidget>(window, "lstDebug1");
        QCOMPARE(cables->item(0)->text(), QStringLiteral("cable"));
        QVERIFY(pairs->isHidden() && cables->isHidden());
        QCOMPARE(window.findChildren<QListWidget*>().size(), 2);
    }

    void frameClickWithoutGameDoesNothing() {
        GameState state;
        MainStartupWindow window(state);
        showAndActivate(window);
        auto* frame = control<QGroupBox>(window, "Frame1");
        QSignalSpy clicks(frame, SIGNAL(frameClicked()));

        SeenBox seen;
        answerNextMessageBox(seen, QMessageBox::Cancel);
        QTest::mouseClick(frame, Qt::LeftButton, {}, QPoint(100, 104));
        QTest::mouseClick(control<QWidget>(window, "txtColorCount"), Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(clicks.count(), 2);
        QVERIFY(!seen.shown);
    }

    void lockedSettingClickOffersToCloseTheGame() {
        GameState state;
        MainStartupWindow window(state);
        showAndActivate(window);
        window.lockSettings();
        state.GameWindowIsOpen = true;

        for (const char* name :
             {"PlayLevel0", "PlayLevel1", "Label1", "HScroll1", "txtGamePCs",
              "chkUseRandomColorCount", "HScroll2", "txtColorCount", "cmdPlay", "Frame1"}) {
            SeenBox seen;
            answerNextMessageBox(seen, QMessageBox::No);
            QTest::mouseClick(control<QWidget>(window, name), Qt::LeftButton, {}, QPoint(4, 4));
            QVERIFY2(seen.shown, name);
            QCOMPARE(seen.title, QStringLiteral("Kestrelink® Connection Game Info"));
            QCOMPARE(seen.text,
                     QStringLiteral("You must quit the currently running Game Window in order "
                                    "to change the Game Settings\n\nDo you want to close the "
                                    "current Game Window?\n\nPress YES to close the current "
                                    "Game Window\nPress NO to return to current Game Window\n"
                                    "Press Cancel to just quite this dialog box"));
            QCOMPARE(seen.icon, QMessageBox::Warning);
            QCOMPARE(seen.buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            QVERIFY(seen.yesIsDefault);
        }
        // "No" leaves the game and its lock as they were.
        QVERIFY(state.GameWindowIsOpen);
        QVERIFY(!control<QWidget>(window, "PlayLevel0")->isEnabled());
        QVERIFY(control<QRadioButton>(window, "PlayLevel0")->isChecked());
        QCOMPARE(window.pcCountText(), QStringLiteral("4"));

        // Controls outside the frame stay out of it.
        SeenBox seen;
        answerNextMessageBox(seen, QMessageBox::Cancel);
        QTest::mouseClick(control<QWidget>(window, "Label4"), Qt::LeftButton);
        QCoreApplication::processEvents();
        QVERIFY(!seen.shown);
    }

    void websiteButtonOpensTheAddressOncePerClick() {
        GameState state;
        MainStartupWindow window(state);
        showAndActivate(window);
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher, "open");
        auto* button = control<QPushButton>(window, "cmdVisitOrvane");
        QVERIFY(button->text().endsWith(QStringLiteral("... HTTP://WWW.ORVANE.COM")));
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::mouseClick(button, Qt::LeftButton);
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        QCOMPARE(catcher.opened.size(), 2);
        QCOMPARE(catcher.opened.at(0), QUrl(QStringLiteral("http://www.orvane.com")));
        QCOMPARE(catcher.opened.at(1), catcher.opened.at(0));
    }

    // Last: once the application has been told to exit, no further event loop may start.
    void exitLeavesWithoutClosingAnyWindow() {
        GameState state;
        MainStartupWindow window(state);
        ClosingProbe otherWindow;
        otherWindow.show();
        showAndActivate(window);

        QEventLoop loop;
        QTimer::singleShot(0, control<QPushButton>(window, "cmdExit"), &QPushButton::click);
        QTimer::singleShot(5000, &loop, [&loop] { loop.exit(1); });
        QCOMPARE(loop.exec(), 0);
        QCOMPARE(otherWindow.closeEvents, 0);
        QVERIFY(window.isVisible());
        QVERIFY(otherWindow.isVisible());
    }
};

QTEST_MAIN(StartupWindowTest)
#include "startup_window_test.moc"
