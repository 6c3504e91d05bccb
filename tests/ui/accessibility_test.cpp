// What a screen reader finds in the three windows, read in-process through Qt's accessibility
// interfaces: names, roles and states, the board's names following a drop, and the verdict's
// notice as events that a bridge built into this test hears. (What a real screen reader makes
// of them is the screen-reader game's business.)
#include "FakeStartupSettings.h"
#include "GameWindowParts.h"
#include "game/Palette.h"
#include "tests/core/SteppedTime.h"
#include "ui/game/CableConnector.h"
#include "ui/game/CableLayer.h"
#include "ui/game/DropArea.h"
#include "ui/game/GameWindow.h"
#include "ui/game/PictogramControl.h"
#include "ui/help/HelpWindow.h"
#include "ui/startup/MainStartupWindow.h"

#include <QAccessible>
#include <QAccessibleBridgePlugin>
#include <QLineEdit>
#include <QtPlugin>
#include <QtTest>
#include <memory>

using namespace kestrelink;
using namespace kestrelink::ui;
using namespace kestrelink::ui::testing;

namespace {

struct HeardEvent {
    QAccessible::Event type;
    QObject* object;
    QString name;
};
QList<HeardEvent> heard;

// Qt hands every accessibility event to its bridges, with or without a screen reader.
class RecordingBridge : public QAccessibleBridge {
public:
    void setRootObject(QAccessibleInterface*) override {}
    void notifyAccessibilityUpdate(QAccessibleEvent* event) override {
        QAccessibleInterface* node = event->accessibleInterface();
        heard << HeardEvent{event->type(), event->object(),
                            node ? node->text(QAccessible::Name) : QString()};
    }
};

QList<HeardEvent> heardAbout(QAccessible::Event type, const QObject* object = nullptr) {
    QList<HeardEvent> found;
    for (const HeardEvent& event : heard)
        if (event.type == type && (object == nullptr || event.object == object))
            found << event;
    return found;
}

QString said(QObject* object, QAccessible::Text what = QAccessible::Name) {
    return QAccessible::queryAccessibleInterface(object)->text(what);
}

// The window is a frame named by its caption and every interactive node in it has a name (with
// `allNamed`, every node). `objects` gets the objects the tree holds.
void checkTree(QWidget& window, QSet<QObject*>& objects, bool allNamed = false) {
    QList<QAccessibleInterface*> nodes{QAccessible::queryAccessibleInterface(&window)};
    QCOMPARE_EQ(nodes.first()->role(), QAccessible::Window);
    QCOMPARE_EQ(nodes.first()->text(QAccessible::Name), window.windowTitle());
    static const QList<QAccessible::Role> interactive{
        QAccessible::Button,    QAccessible::CheckBox,     QAccessible::RadioButton,
        QAccessible::ScrollBar, QAccessible::EditableText, QAccessible::List};
    for (qsizetype i = 0; i < nodes.size(); ++i) {
        QAccessibleInterface* node = nodes[i];
        objects << node->object();
        if (allNamed || interactive.contains(node->role()) || node->state().focusable)
            QVERIFY2(!node->text(QAccessible::Name).isEmpty(),
                     qPrintable(node->object()->objectName()));
        for (int c = 0; c < node->childCount(); ++c)
            nodes << node->child(c);
    }
}

QString colourOf(Color color) {
    return QString::fromUtf8(colorName(color).value().data());
}

} // namespace

class RecordingBridgePlugin : public QAccessibleBridgePlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QAccessibleBridgeFactoryInterface_iid FILE "recording-bridge.json")
public:
    // Qt keeps the bridges it is given to the end of the run and never deletes them.
    QAccessibleBridge* create(const QString&) override {
        static RecordingBridge bridge;
        return &bridge;
    }
};

Q_IMPORT_PLUGIN(RecordingBridgePlugin)

class AccessibilityTest : public QObject {
    Q_OBJECT

private:
    GameState state;
    ui::testing::FakeStartupSettings settings;
    kestrelink::testing::SteppedTime time{Clock::from_time_t(1'700'000'000)};
    StdRandomSource random{2026};
    std::unique_ptr<GameWindow> window;

    void open(bool advanced = false) {
        state = GameState{};
        settings.advanced = advanced;
        window = std::make_unique<GameWindow>(state, settings, random, time);
        window->Form_Load();
        window->show();
        heard.clear();
    }
    QString colourOfCable(int j) const {
        return colourOf(state.puzzle.cableConnectorColors[static_cast<std::size_t>(j)]);
    }

private slots:
    void cleanup() { window.reset(); }

    void theBoardIsNamedAndDescribed() {
        open();
        QSet<QObject*> tree;
        checkTree(*window, tree, true);
        // Layers, drop areas and cover-ups are left out: the connectors speak for them.
        QVERIFY(!tree.contains(TheCable(*window)));
        QVERIFY(!tree.contains(lblCoverUpCableBackground(*window)));
        for (int c = 0; c < 8; ++c) {
            QVERIFY(!tree.contains(ThePcConnectorArea(*window, c)));
            QVERIFY(!tree.contains(CableCoverUp(*window, c)));
            for (QWidget* picture : std::initializer_list<QWidget*>{ThePcConnector(*window, c),
                                                                    TheCableConnector(*window, c),
                                                                    txtThePC(*window, c / 2)}) {
                QVERIFY(tree.contains(picture));
                QAccessibleInterface* node = QAccessible::queryAccessibleInterface(picture);
                QCOMPARE(node->role(), QAccessible::Graphic);
                QVERIFY(!node->state().disabled);
            }
        }
        QCOMPARE(said(txtThePC(*window, 2)), QStringLiteral("PC 3"));
        for (QLineEdit* box : {txtCurrentTime(*window), txtStartingTime(*window),
                               txtEndingTimeTime(*window), txtElapsedTime(*window)}) {
            QAccessibleInterface* node = QAccessible::queryAccessibleInterface(box);
            QCOMPARE(node->text(QAccessible::Value), box->text());
            QVERIFY(node->state().readOnly && !node->state().editable);
        }
        // The times that change with the game are in the names; those that tick are not.
        const QString start = txtStartingTime(*window)->text();
        QCOMPARE(said(txtStartingTime(*window)), QStringLiteral("Starting time ") + start);
        QCOMPARE(said(txtEndingTimeTime(*window)), QStringLiteral("Ending time Running"));
        QCOMPARE(said(txtCurrentTime(*window)), QStringLiteral("Current time"));
        QCOMPARE(said(txtElapsedTime(*window)), QStringLiteral("Elapsed time"));
        time.advance(std::chrono::seconds(5));
        window->timerGameClock_Timer();
        QVERIFY(heardAbout(QAccessible::NameChanged).isEmpty());
        window->cmdShowSolution_Click();
        QCOMPARE(said(txtElapsedTime(*window)),
                 QStringLiteral("Elapsed time ") + txtElapsedTime(*window)->text());
        QCOMPARE(said(txtEndingTimeTime(*window)),
                 QStringLiteral("Ending time ") + txtEndingTimeTime(*window)->text());
    }

    void aDropRenamesBothConnectorsAndNothingElse() {
        open();
        const int j = state.puzzle.SolutionPlan[3][1];
        const QString colour = colourOfCable(j);
        QCOMPARE(said(ThePcConnector(*window, 3)),
                 QStringLiteral("PC 2, connector 2, ") + colour + QStringLiteral(", free"));
        QCOMPARE(said(TheCableConnector(*window, j), QAccessible::Description),
                 QStringLiteral("Cable %1").arg(j / 2 + 1));
        window->ThePcConnectorArea_DragDrop(3, j);
        QCOMPARE(said(ThePcConnector(*window, 3)),
                 QStringLiteral("PC 2, connector 2, %1, holds cable connector %2")
                     .arg(colour)
                     .arg(j + 1));
        QCOMPARE(said(TheCableConnector(*window, j)),
                 QStringLiteral("Cable connector %1, %2, plugged into PC 2, connector 2")
                     .arg(j + 1)
                     .arg(colour));
        // Those two changed, and only those are news; descriptions stay as they were.
        QCOMPARE(heardAbout(QAccessible::NameChanged).size(), 2);
        QCOMPARE(heardAbout(QAccessible::NameChanged, ThePcConnector(*window, 3)).size(), 1);
        QVERIFY(heardAbout(QAccessible::DescriptionChanged).isEmpty());

        window->TheCableConnector_Click(j);
        QCOMPARE(said(ThePcConnector(*window, 3)),
                 QStringLiteral("PC 2, connector 2, ") + colour + QStringLiteral(", free"));
        QCOMPARE(said(TheCableConnector(*window, j)),
                 QStringLiteral("Cable connector %1, %2, at home").arg(j + 1).arg(colour));
    }

    void aCoveredConnectorHidesItsColourUntilTheCoversLift() {
        open(true);
        QCOMPARE(said(TheCableConnector(*window, 0)),
                 QStringLiteral("Cable connector 1, covered, at home"));
        window->lblCoverUpCableBackground_MouseMove();
        QCOMPARE(said(TheCableConnector(*window, 0)),
                 QStringLiteral("Cable connector 1, %1, at home").arg(colourOfCable(0)));
    }

    void theVerdictAppearsAsANoticeOncePerVerdict() {
        open();
        CaptionLabel* message = lblCongratulations(*window);
        auto* notice = window->findChild<QWidget*>(QStringLiteral("verdictNotice"));
        QVERIFY(notice != nullptr && notice->isHidden());
        QCOMPARE(QAccessible::queryAccessibleInterface(notice)->role(), QAccessible::Notification);
        window->cmdShowSolution_Click();
        const QString congratulations =
            QStringLiteral("Congratulations !!!\nYou have correctly connected the PCs");
        QCOMPARE(said(message), congratulations);
        QVERIFY(message->caption().startsWith(QStringLiteral("             Congratulations")));
        // Told once the handler is done.
        QTRY_COMPARE(heardAbout(QAccessible::ObjectShow, notice).size(), 1);
        QCOMPARE(heardAbout(QAccessible::ObjectShow, notice).first().name, congratulations);
        QVERIFY(!QAccessible::queryAccessibleInterface(lblSmile1(*window))->state().invisible);

        // The animation and the same verdict again are no news; taking a plug out ends it.
        heard.clear();
        window->timerCableAnimation_Timer();
        window->ReDrawCables();
        QCoreApplication::processEvents();
        QVERIFY(heardAbout(QAccessible::ObjectShow, notice).isEmpty());
        window->TheCableConnector_Click(0);
        QVERIFY(notice->isHidden());
    }

    void theStartUpAndHelpWindowsNameTheirControls() {
        GameState startupState;
        MainStartupWindow startup(startupState);
        startup.showPairingListing({QStringLiteral("1 2")});
        startup.showCableListing({QStringLiteral("1 2")});
        QSet<QObject*> tree;
        checkTree(startup, tree);
        const QList<std::pair<const char*, const char*>> counts{
            {"HScroll1", "Number of PCs to Connect"},
            {"txtGamePCs", "Number of PCs to Connect"},
            {"HScroll2", "Number of Colors to use"},
            {"txtColorCount", "Number of Colors to use"}};
        for (const auto& [control, name] : counts)
            QCOMPARE(said(startup.findChild<QWidget*>(QLatin1String(control))),
                     QLatin1String(name));
        const QAccessible::State box =
            QAccessible::queryAccessibleInterface(startup.findChild<QLineEdit*>("txtColorCount"))
                ->state();
        QVERIFY(box.readOnly && !box.editable && !box.disabled);
        // Neither the ring picture nor the hidden listings are read out.
        for (QObject* object : tree)
            QVERIFY2(!QRegularExpression(QStringLiteral("^(frmForm3PC|txtForm3|lstDebug)"))
                          .match(object->objectName())
                          .hasMatch(),
                     qPrintable(object->objectName()));

        HelpWindow help(settings);
        int pictures = 0;
        tree.clear();
        checkTree(help, tree);
        for (QObject* object : tree) {
            QVERIFY(object->objectName() != QStringLiteral("Text1"));
            if (QAccessible::queryAccessibleInterface(object)->role() == QAccessible::Graphic) {
                ++pictures;
                QCOMPARE(said(object), QStringLiteral("Two PCs joined by arrows"));
            }
        }
        QCOMPARE(pictures, 1);
        QCOMPARE(said(help.findChild<QWidget*>("Text2")), QStringLiteral("Help text"));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
