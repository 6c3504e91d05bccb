// What a screen reader finds in the three windows, read in-process through Qt's accessibility
// interfaces: names, roles and states, the board's descriptions following a drop, and the
// verdict's announcement as an event that a bridge built into this test hears.
#include "FakeStartupSettings.h"
#include "game/GameState.h"
#include "game/Palette.h"
#include "game/RandomSource.h"
#include "tests/core/SteppedTime.h"
#include "ui/game/CableConnector.h"
#include "ui/game/CableLayer.h"
#include "ui/game/DropArea.h"
#include "ui/game/GameWindow.h"
#include "ui/game/PictogramControl.h"
#include "ui/help/HelpWindow.h"
#include "ui/startup/MainStartupWindow.h"

#include <QAccessible>
#include <QAccessibleBridge>
#include <QAccessibleBridgePlugin>
#include <QLineEdit>
#include <QScrollBar>
#include <QtPlugin>
#include <QtTest>
#include <algorithm>
#include <memory>

using namespace kestrelink;
using namespace kestrelink::ui;

namespace {

struct HeardEvent {
    QAccessible::Event type;
    QObject* object;
    QString name;
};

QList<HeardEvent>& heard() {
    static QList<HeardEvent> events;
    return events;
}

// Qt hands every accessibility event to its bridges, with or without a screen reader.
class RecordingBridge : public QAccessibleBridge {
public:
    void setRootObject(QAccessibleInterface*) override {}
    void notifyAccessibilityUpdate(QAccessibleEvent* event) override {
        QAccessibleInterface* node = event->accessibleInterface();
        heard() << HeardEvent{event->type(), event->object(),
                              node ? node->text(QAccessible::Name) : QString()};
    }
};

QList<HeardEvent> heardAbout(QAccessible::Event type, const QObject* object) {
    QList<HeardEvent> found;
    for (const HeardEvent& event : heard())
        if (event.type == type && event.object == object)
            found << event;
    return found;
}

QAccessibleInterface* nodeOf(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

QList<QAccessibleInterface*> treeOf(QObject* window) {
    QList<QAccessibleInterface*> nodes{nodeOf(window)};
    for (qsizetype i = 0; i < nodes.size(); ++i)
        for (int c = 0; c < nodes[i]->childCount(); ++c)
            nodes << nodes[i]->child(c);
    return nodes;
}

bool isInteractive(const QAccessibleInterface* node) {
    static const QList<QAccessible::Role> roles{QAccessible::Button,       QAccessible::CheckBox,
                                                QAccessible::RadioButton,  QAccessible::ScrollBar,
                                                QAccessible::EditableText, QAccessible::List};
    return roles.contains(node->role()) || node->state().focusable;
}

// Every interactive node has a name, and the window is a frame named by its caption.
void checkWindowTree(QWidget& window) {
    QAccessibleInterface* root = nodeOf(&window);
    QCOMPARE(root->role(), QAccessible::Window);
    QCOMPARE(root->text(QAccessible::Name), window.windowTitle());
    for (QAccessibleInterface* node : treeOf(&window))
        QVERIFY2(!isInteractive(node) || !node->text(QAccessible::Name).isEmpty(),
                 qPrintable(node->object()->objectName()));
}

bool inTree(QWidget& window, QObject* object) {
    for (QAccessibleInterface* node : treeOf(&window))
        if (node->object() == object)
            return true;
    return false;
}

QString description(QObject* object) {
    return nodeOf(object)->text(QAccessible::Description);
}

QString colourOf(Color color) {
    return QString::fromUtf8(colorName(color).value().data());
}

} // namespace

class RecordingBridgePlugin : public QAccessibleBridgePlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QAccessibleBridgeFactoryInterface_iid FILE "recording-bridge.json")
public:
    QAccessibleBridge* create(const QString&) override { return new RecordingBridge; }
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
        heard().clear();
    }

    int solutionPlug(int c) const {
        return state.puzzle.SolutionPlan[static_cast<std::size_t>(c)][1];
    }

    // From the solved board, swaps two same-coloured plugs until the ring breaks.
    bool wireWrongly() {
        window->cmdShowSolution_Click();
        const int count = state.connectorCount();
        for (int a = 0; a < count; ++a) {
            for (int b = a + 1; b < count; ++b) {
                const int ja = solutionPlug(a);
                const int jb = solutionPlug(b);
                if (window->TheCableConnector(ja)->backColor() !=
                    window->TheCableConnector(jb)->backColor())
                    continue;
                window->TheCableConnector_Click(ja);
                window->TheCableConnector_Click(jb);
                window->ThePcConnectorArea_DragDrop(b, ja);
                window->ThePcConnectorArea_DragDrop(a, jb);
                if (state.look.verdict == Verdict::Wrong)
                    return true;
                window->cmdShowSolution_Click();
            }
        }
        return false;
    }

private slots:
    void cleanup() { window.reset(); }

    void theGameWindowNamesEveryPartOfTheBoard() {
        open();
        checkWindowTree(*window);
        // Everything a screen reader meets here has a name, interactive or not; the layers,
        // the drop areas and the cover-ups are no part of the tree.
        for (QAccessibleInterface* node : treeOf(window.get()))
            QVERIFY2(!node->text(QAccessible::Name).isEmpty(),
                     qPrintable(node->object()->objectName()));
        QVERIFY(!inTree(*window, window->TheCable()));
        QVERIFY(!inTree(*window, window->lblCoverUpCableBackground()));

        for (int p = 0; p < 4; ++p) {
            QAccessibleInterface* pc = nodeOf(window->txtThePC(p));
            QVERIFY(inTree(*window, window->txtThePC(p)));
            QCOMPARE(pc->role(), QAccessible::Graphic);
            QCOMPARE(pc->text(QAccessible::Name), QStringLiteral("PC %1").arg(p + 1));
            QVERIFY(!pc->state().disabled);
        }
        for (int c = 0; c < 8; ++c) {
            const auto i = static_cast<std::size_t>(c);
            QVERIFY(!inTree(*window, window->ThePcConnectorArea(c)));
            QVERIFY(!inTree(*window, window->CableCoverUp(c)));
            QAccessibleInterface* pcConnector = nodeOf(window->ThePcConnector(c));
            QCOMPARE(pcConnector->text(QAccessible::Name),
                     QStringLiteral("PC %1, connector %2").arg(c / 2 + 1).arg(c % 2 + 1));
            QCOMPARE(pcConnector->text(QAccessible::Description),
                     colourOf(state.puzzle.pcConnectorColors[i]) + QStringLiteral(", free"));
            QAccessibleInterface* cableConnector = nodeOf(window->TheCableConnector(c));
            QCOMPARE(cableConnector->role(), QAccessible::Graphic);
            QCOMPARE(cableConnector->text(QAccessible::Name),
                     QStringLiteral("Cable connector %1").arg(c + 1));
            QCOMPARE(cableConnector->text(QAccessible::Description),
                     QStringLiteral("Cable %1, %2, at home")
                         .arg(c / 2 + 1)
                         .arg(colourOf(state.puzzle.cableConnectorColors[i])));
        }

        const QList<std::pair<QLineEdit*, QString>> timeBoxes{
            {window->txtCurrentTime(), QStringLiteral("Current time")},
            {window->txtStartingTime(), QStringLiteral("Starting time")},
            {window->txtEndingTimeTime(), QStringLiteral("Ending time")},
            {window->txtElapsedTime(), QStringLiteral("Elapsed time")}};
        for (const auto& [box, name] : timeBoxes) {
            QAccessibleInterface* node = nodeOf(box);
            QCOMPARE(node->text(QAccessible::Name), name);
            QCOMPARE(node->text(QAccessible::Value), box->text());
            QVERIFY(node->state().readOnly);
            QVERIFY(!node->state().editable);
            QCOMPARE(node->textInterface()->text(0, 2), box->text().left(2));
        }
        for (FaceLabel* face : {window->lblSmile1(), window->lblSmile2()})
            QCOMPARE(nodeOf(face)->text(QAccessible::Name), QStringLiteral("Smiling face"));
        for (FaceLabel* face : {window->lblFrown1(), window->lblFrown2()}) {
            QCOMPARE(nodeOf(face)->text(QAccessible::Name), QStringLiteral("Frowning face"));
            QVERIFY(nodeOf(face)->state().invisible);
        }
    }

    void aDropAndAnUnplugChangeBothConnectorsDescriptions() {
        open();
        const int j = solutionPlug(3);
        const QString colour = colourOf(state.puzzle.pcConnectorColors[3]);
        window->ThePcConnectorArea_DragDrop(3, j);
        QCOMPARE(description(window->ThePcConnector(3)),
                 colour + QStringLiteral(", holds cable connector %1").arg(j + 1));
        QCOMPARE(description(window->TheCableConnector(j)),
                 QStringLiteral("Cable %1, %2, plugged into PC 2, connector 2")
                     .arg(j / 2 + 1)
                     .arg(colour));
        QCOMPARE(heardAbout(QAccessible::DescriptionChanged, window->ThePcConnector(3)).size(), 1);
        QCOMPARE(heardAbout(QAccessible::DescriptionChanged, window->TheCableConnector(j)).size(),
                 1);
        // No other description changed, so no other is said again.
        const auto descriptionChanges =
            std::count_if(heard().cbegin(), heard().cend(), [](const HeardEvent& event) {
                return event.type == QAccessible::DescriptionChanged;
            });
        QCOMPARE(descriptionChanges, 2);

        window->TheCableConnector_Click(j);
        QCOMPARE(description(window->ThePcConnector(3)), colour + QStringLiteral(", free"));
        QCOMPARE(description(window->TheCableConnector(j)),
                 QStringLiteral("Cable %1, %2, at home").arg(j / 2 + 1).arg(colour));
    }

    void aCoveredConnectorHidesItsColourUntilTheCoversLift() {
        open(true);
        const QString colour = colourOf(state.puzzle.cableConnectorColors[0]);
        QCOMPARE(description(window->TheCableConnector(0)),
                 QStringLiteral("Cable 1, covered, at home"));
        window->lblCoverUpCableBackground_MouseMove();
        QCOMPARE(description(window->TheCableConnector(0)),
                 QStringLiteral("Cable 1, %1, at home").arg(colour));
    }

    void theVerdictIsReadWithoutPaddingAndAnnounced() {
        open();
        CaptionLabel* message = window->lblCongratulations();
        window->cmdShowSolution_Click();
        const QString congratulations =
            QStringLiteral("Congratulations !!!\nYou have correctly connected the PCs");
        QCOMPARE(nodeOf(message)->text(QAccessible::Name), congratulations);
        QVERIFY(message->caption().startsWith(QStringLiteral("             Congratulations")));
        const QList<HeardEvent> alerts = heardAbout(QAccessible::Alert, message);
        QCOMPARE(alerts.size(), 1);
        QCOMPARE(alerts.first().name, congratulations);
        QVERIFY(!nodeOf(window->lblSmile1())->state().invisible);

        // The animation and a repeated verdict are no news.
        heard().clear();
        window->timerCableAnimation_Timer();
        window->ReDrawCables();
        QVERIFY(heardAbout(QAccessible::Alert, message).isEmpty());

        QVERIFY(wireWrongly());
        const QList<HeardEvent> sorry = heardAbout(QAccessible::Alert, message);
        QVERIFY(!sorry.isEmpty());
        QCOMPARE(sorry.last().name, QStringLiteral("Sorry\nThe PCs are not connected correctly"));
    }

    void theStartUpAndHelpWindowsNameTheirControls() {
        GameState startupState;
        MainStartupWindow startup(startupState);
        checkWindowTree(startup);
        for (const char* name : {"HScroll1", "txtGamePCs"})
            QCOMPARE(
                nodeOf(startup.findChild<QWidget*>(QLatin1String(name)))->text(QAccessible::Name),
                QStringLiteral("Number of PCs to Connect"));
        for (const char* name : {"HScroll2", "txtColorCount"})
            QCOMPARE(
                nodeOf(startup.findChild<QWidget*>(QLatin1String(name)))->text(QAccessible::Name),
                QStringLiteral("Number of Colors to use"));
        QAccessible::State count = nodeOf(startup.findChild<QLineEdit*>("txtColorCount"))->state();
        QVERIFY(count.readOnly && !count.editable && !count.disabled);
        // The ring picture and the hidden listings are not read out.
        for (QAccessibleInterface* node : treeOf(&startup)) {
            const QString name = node->object()->objectName();
            QVERIFY2(!name.startsWith(QStringLiteral("frmForm3PC")) &&
                         !name.startsWith(QStringLiteral("txtForm3")) &&
                         !name.startsWith(QStringLiteral("lstDebug")),
                     qPrintable(name));
        }

        HelpWindow help(settings);
        checkWindowTree(help);
        QAccessibleInterface* text = nodeOf(help.findChild<QWidget*>("Text2"));
        QCOMPARE(text->text(QAccessible::Name), QStringLiteral("Help text"));
        QVERIFY(text->text(QAccessible::Value).startsWith(QStringLiteral("Main Start-up Window")));
        // The arrows between the two PCs are part of one named picture.
        int pictures = 0;
        for (QAccessibleInterface* node : treeOf(&help)) {
            QVERIFY(node->object()->objectName() != QStringLiteral("Text1"));
            if (node->role() == QAccessible::Graphic) {
                ++pictures;
                QCOMPARE(node->text(QAccessible::Name), QStringLiteral("Two PCs joined by arrows"));
            }
        }
        QCOMPARE(pictures, 1);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
