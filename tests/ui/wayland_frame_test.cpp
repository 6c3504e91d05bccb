// What the windows do on Wayland, tried on the headless platform: the caption frame stands for
// its window (title, size, showing, closing, going), and a fixed window that is maximised or
// made full-screen comes back at its size.
#include "ui/common/CaptionFrame.h"
#include "ui/common/FixedWindowStates.h"
#include "ui/common/WindowFrame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <QtTest>
#include <algorithm>

using namespace kestrelink::ui;

namespace {

class Client : public QWidget {
public:
    bool refuse = false;
    int closeEvents = 0;

protected:
    void closeEvent(QCloseEvent* event) override {
        ++closeEvents;
        event->setAccepted(!refuse);
    }
};

} // namespace

class WaylandFrameTest : public QObject {
    Q_OBJECT

private slots:
    // Whatever a test did, once its windows have gone no frame is left behind.
    void cleanup() {
        QTRY_VERIFY(!std::any_of(
            QApplication::topLevelWidgets().cbegin(), QApplication::topLevelWidgets().cend(),
            [](QWidget* widget) { return qobject_cast<CaptionFrame*>(widget) != nullptr; }));
    }

    void theFrameCarriesTheClientsTitleAndSize() {
        Client client;
        client.setWindowTitle(QStringLiteral("First"));
        CaptionFrame* frame = CaptionFrame::wrap(client);
        QCOMPARE(CaptionFrame::of(client), frame);
        QCOMPARE(frame->windowTitle(), QStringLiteral("First"));
        client.setWindowTitle(QStringLiteral("Second"));
        QCOMPARE(frame->windowTitle(), QStringLiteral("Second"));

        client.setFixedSize(300, 200);
        QCOMPARE(frameExtent(client), CaptionFrame::extent());
        client.show();
        QVERIFY(frame->isVisible());
        QVERIFY(client.isVisible());
        QCOMPARE(frame->size(), QSize(300, 200) + CaptionFrame::extent());
        client.setFixedSize(320, 180);
        QCOMPARE(frame->size(), QSize(320, 180) + CaptionFrame::extent());
        QCOMPARE(frame->minimumSize(), frame->maximumSize());
        // Placing the window places its frame; the client stays where the frame put it.
        const QPoint inside = client.pos();
        moveOuterTo(client, QPoint(40, 30));
        QCOMPARE(client.pos(), inside);
        QCOMPARE(outerTopLeft(client), frame->frameGeometry().topLeft());
    }

    // The close box and the compositor close the frame; the client decides, as on any desktop.
    void closingGoesThroughTheClient_data() {
        QTest::addColumn<bool>("byFrame");
        QTest::addColumn<bool>("refuse");
        QTest::addColumn<bool>("open");
        QTest::newRow("close box, accepted") << true << false << false;
        QTest::newRow("close box, refused") << true << true << true;
        QTest::newRow("the window closes itself") << false << false << false;
    }
    void closingGoesThroughTheClient() {
        QFETCH(bool, byFrame);
        QFETCH(bool, refuse);
        QFETCH(bool, open);
        Client client;
        client.refuse = refuse;
        CaptionFrame* frame = CaptionFrame::wrap(client);
        client.show();
        if (byFrame)
            frame->close();
        else
            client.close();
        QCOMPARE(client.closeEvents, 1);
        QCOMPARE(frame->isVisible(), open);
        QCOMPARE(client.isVisible(), open);
    }

    void aWindowDeletedOnCloseTakesItsFrameAlong() {
        auto* client = new Client;
        client->setAttribute(Qt::WA_DeleteOnClose);
        QPointer<CaptionFrame> frame = CaptionFrame::wrap(*client);
        client->show();
        frame->close();
        QTRY_VERIFY(frame.isNull());
    }

    // A modal box is answered by being hidden, as by Escape, rather than left waiting unseen.
    void aFixedWindowIsNotLeftMaximisedOrFullScreen_data() {
        QTest::addColumn<bool>("fixed");
        QTest::addColumn<bool>("modal");
        QTest::addColumn<Qt::WindowState>("state");
        QTest::addColumn<Qt::WindowState>("after");
        QTest::newRow("fixed, maximised")
            << true << false << Qt::WindowMaximized << Qt::WindowNoState;
        QTest::newRow("fixed, full screen")
            << true << false << Qt::WindowFullScreen << Qt::WindowNoState;
        QTest::newRow("fixed modal box")
            << true << true << Qt::WindowMaximized << Qt::WindowNoState;
        QTest::newRow("resizable") << false << false << Qt::WindowMaximized << Qt::WindowMaximized;
    }
    void aFixedWindowIsNotLeftMaximisedOrFullScreen() {
        QFETCH(bool, fixed);
        QFETCH(bool, modal);
        QFETCH(Qt::WindowState, state);
        QFETCH(Qt::WindowState, after);
        keepFixedWindowsNormal();
        QDialog window;
        if (fixed)
            window.setFixedSize(240, 120);
        else
            window.resize(240, 120);
        if (modal) {
            QTimer::singleShot(0, &window, [&window, state] { window.setWindowState(state); });
            QCOMPARE(window.exec(), int(QDialog::Rejected));
            QVERIFY(!window.isVisible());
            QCOMPARE(window.windowState(), after);
            return;
        }
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.setWindowState(state);
        QTRY_COMPARE(window.windowState(), after);
        QTest::qWait(50);
        QCOMPARE(window.windowState(), after);
        QVERIFY(window.isVisible());
        QVERIFY(window.updatesEnabled());
        if (fixed)
            QCOMPARE(window.size(), QSize(240, 120));
    }
};

QTEST_MAIN(WaylandFrameTest)
#include "wayland_frame_test.moc"
