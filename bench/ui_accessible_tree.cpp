// Prints what a screen reader is told about each window: the accessible tree of the start-up
// window, the help window, a game window at 4 PCs, a message box and the report's input box,
// with every node's role, name, description, value and states, and counts the nodes and the
// unnamed interactive ones; then counts what one plug and the win it completes tell a screen
// reader. Run with QT_QPA_PLATFORM=offscreen.
#include "game/GameState.h"
#include "game/RandomSource.h"
#include "tests/ui/FakeStartupSettings.h"
#include "ui/game/GameWindow.h"
#include "ui/help/HelpWindow.h"
#include "ui/startup/MainStartupWindow.h"

#include <QAccessible>
#include <QAccessibleBridgePlugin>
#include <QApplication>
#include <QInputDialog>
#include <QMap>
#include <QMessageBox>
#include <QMetaEnum>
#include <QSet>
#include <QtPlugin>
#include <cstdio>

using namespace kestrelink;

namespace {

QString statesOf(const QAccessible::State& s) {
    QStringList set;
    const auto add = [&set](bool on, const char* name) {
        if (on)
            set << QLatin1String(name);
    };
    add(s.invisible, "invisible");
    add(s.disabled, "disabled");
    add(s.focusable, "focusable");
    add(s.focused, "focused");
    add(s.checkable, "checkable");
    add(s.checked, "checked");
    add(s.readOnly, "read-only");
    add(s.editable, "editable");
    add(s.multiLine, "multi-line");
    add(s.selectable, "selectable");
    add(s.defaultButton, "default");
    add(s.active, "active");
    add(s.modal, "modal");
    return set.join(QLatin1Char(' '));
}

bool isInteractive(const QAccessibleInterface& node) {
    switch (node.role()) {
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ScrollBar:
    case QAccessible::Slider:
    case QAccessible::EditableText:
    case QAccessible::List:
    case QAccessible::ComboBox:
        return true;
    default:
        return node.state().focusable;
    }
}

struct Counts {
    int nodes = 0;
    int unnamedInteractive = 0;
};

QString oneLine(QString text) {
    text.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    if (text.size() > 70)
        text = text.left(67) + QStringLiteral("...");
    return text;
}

void print(QAccessibleInterface* node, int depth, Counts& counts) {
    ++counts.nodes;
    const QString name = node->text(QAccessible::Name);
    const bool flagged = name.isEmpty() && isInteractive(*node);
    if (flagged)
        ++counts.unnamedInteractive;
    const char* role = QMetaEnum::fromType<QAccessible::Role>().valueToKey(node->role());
    QString line = QString(depth * 2, QLatin1Char(' ')) + QLatin1String(role ? role : "?");
    line += QStringLiteral(" \"%1\"").arg(oneLine(name));
    const QString description = node->text(QAccessible::Description);
    if (!description.isEmpty())
        line += QStringLiteral(" desc=\"%1\"").arg(oneLine(description));
    const QString value = node->text(QAccessible::Value);
    if (!value.isEmpty())
        line += QStringLiteral(" value=\"%1\"").arg(oneLine(value));
    const QString states = statesOf(node->state());
    if (!states.isEmpty())
        line += QStringLiteral(" [%1]").arg(states);
    if (flagged)
        line += QStringLiteral("  <-- unnamed interactive");
    std::printf("%s\n", qPrintable(line));
    for (int i = 0; i < node->childCount(); ++i)
        if (QAccessibleInterface* child = node->child(i))
            print(child, depth + 1, counts);
}

// What the accessibility events of one action amount to: events by type, and the objects
// renamed.
struct Heard {
    QMap<QString, int> events;
    QSet<QObject*> renamed;
};
Heard* listening = nullptr;

// Qt hands every accessibility event to its bridges, with or without a screen reader; this one
// counts them while an action runs.
class CountingBridge : public QAccessibleBridge {
public:
    void setRootObject(QAccessibleInterface*) override {}
    void notifyAccessibilityUpdate(QAccessibleEvent* event) override {
        if (listening == nullptr)
            return;
        const char* type = QMetaEnum::fromType<QAccessible::Event>().valueToKey(event->type());
        ++listening->events[QLatin1String(type ? type : "?")];
        if (event->type() == QAccessible::NameChanged)
            listening->renamed << event->object();
    }
};

template <typename Action> void count(const char* title, Action action) {
    Heard heard;
    // What earlier steps left waiting is not this action's.
    QCoreApplication::processEvents();
    listening = &heard;
    action();
    QCoreApplication::processEvents();
    listening = nullptr;
    int total = 0;
    QStringList kinds;
    for (auto it = heard.events.cbegin(); it != heard.events.cend(); ++it) {
        total += it.value();
        kinds << QStringLiteral("%1 %2").arg(it.value()).arg(it.key());
    }
    std::printf("== %s: %d events (%s), %d objects renamed\n", title, total,
                qPrintable(kinds.join(QStringLiteral(", "))), int(heard.renamed.size()));
}

void dump(const char* title, QWidget& window) {
    std::printf("== %s\n", title);
    Counts counts;
    print(QAccessible::queryAccessibleInterface(&window), 0, counts);
    std::printf("-- %d nodes, %d unnamed interactive\n\n", counts.nodes, counts.unnamedInteractive);
}

} // namespace

class CountingBridgePlugin : public QAccessibleBridgePlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QAccessibleBridgeFactoryInterface_iid FILE "counting-bridge.json")
public:
    // Qt keeps the bridges it is given to the end of the run.
    QAccessibleBridge* create(const QString&) override {
        static CountingBridge bridge;
        return &bridge;
    }
};

Q_IMPORT_PLUGIN(CountingBridgePlugin)

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    GameState state;
    ui::MainStartupWindow startup(state);
    startup.show();
    dump("start-up window", startup);

    ui::testing::FakeStartupSettings settings;
    settings.colorCount = QStringLiteral("5");
    settings.pcCount = QStringLiteral("4");

    ui::HelpWindow help(settings);
    help.show();
    dump("help window", help);

    GameState gameState;
    StdRandomSource random(2026);
    ui::GameWindow game(gameState, settings, random);
    game.Form_Load();
    game.show();
    dump("game window, 4 PCs", game);
    // The first plug of the solution, then every other one, the last of which wins.
    const auto plannedOn = [&gameState](int c) {
        return gameState.puzzle.SolutionPlan[static_cast<std::size_t>(c)][1];
    };
    count("one plug", [&] { game.ThePcConnectorArea_DragDrop(0, plannedOn(0)); });
    count("the other plugs, the last one winning", [&] {
        for (int c = 1; c < gameState.connectorCount(); ++c)
            game.ThePcConnectorArea_DragDrop(c, plannedOn(c));
    });
    std::printf("\n");

    QMessageBox box(QMessageBox::Critical, QStringLiteral("Kestrelink"),
                    QStringLiteral("Your Screen Settings are not large enough to support the "
                                   "window size needed for these game settings\n\nPlease "
                                   "select fewer PCs or increase your screen resolution"),
                    QMessageBox::Ok);
    box.show();
    dump("message box", box);

    QInputDialog input;
    input.setWindowTitle(QStringLiteral("Kestrelink Game Settings Dump"));
    input.setLabelText(QStringLiteral("Enter the filename you wish to use and Press the OK "
                                      "Button if you wish to dump the current game settings"));
    input.setTextValue(QStringLiteral("/tmp/KestrelinkGameSettingsFile.txt"));
    input.show();
    dump("input box", input);
    return 0;
}

#include "ui_accessible_tree.moc"
