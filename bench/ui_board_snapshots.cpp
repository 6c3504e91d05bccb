// Writes pictures of the windows in fixed states (seeded deals, clock boxes blanked) so that two
// builds can be compared pixel for pixel: the start-up and help windows, and the game window's
// fresh, covered and lifted, wrong, marked and solved boards at 4 and 16 PCs. Run with
// QT_QPA_PLATFORM=offscreen and an output folder; --dark first sets a dark desktop palette, as a
// dark theme would, to show that the windows keep their own colours; --color-symbols turns on
// the colour-symbol aid and adds a picture of the ten palette colours on cable connectors.
#include "game/GameState.h"
#include "game/Palette.h"
#include "game/RandomSource.h"
#include "tests/ui/FakeStartupSettings.h"
#include "tests/ui/GameWindowParts.h"
#include "ui/common/ColorSymbols.h"
#include "ui/common/DesignPalette.h"
#include "ui/common/Twips.h"
#include "ui/game/BoardControl.h"
#include "ui/game/CableConnector.h"
#include "ui/game/CableLayer.h"
#include "ui/game/GameWindow.h"
#include "ui/help/HelpWindow.h"
#include "ui/startup/MainStartupWindow.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPalette>
#include <QPixmap>
#include <cstdio>

using namespace kestrelink;
using namespace kestrelink::ui::testing;

namespace {

void save(ui::GameWindow& window, const QString& folder, const QString& name) {
    for (const char* box :
         {"txtCurrentTime", "txtStartingTime", "txtEndingTimeTime", "txtElapsedTime"})
        window.findChild<QLineEdit*>(QLatin1String(box))->setText(QStringLiteral("--:--:--"));
    window.grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

bool frowning(ui::GameWindow& window) {
    return window.findChild<QWidget*>(QStringLiteral("lblFrown1"))->isVisibleTo(&window);
}

// From the solved board, swaps two same-coloured plugs until the wiring is no longer a ring.
bool wireWrongly(ui::GameWindow& window, const GameState& state) {
    const int count = 2 * state.NumberOfPCs;
    window.cmdShowSolution_Click();
    for (int a = 0; a < count; ++a) {
        for (int b = a + 1; b < count; ++b) {
            const int ja = state.puzzle.SolutionPlan[static_cast<std::size_t>(a)][1];
            const int jb = state.puzzle.SolutionPlan[static_cast<std::size_t>(b)][1];
            if (TheCableConnector(window, ja)->backColor() !=
                TheCableConnector(window, jb)->backColor())
                continue;
            window.TheCableConnector_Click(ja);
            window.TheCableConnector_Click(jb);
            window.ThePcConnectorArea_DragDrop(b, ja);
            window.ThePcConnectorArea_DragDrop(a, jb);
            if (frowning(window))
                return true;
            window.cmdShowSolution_Click();
        }
    }
    return false;
}

// A dark desktop palette of the usual kind: light text on dark grey.
QPalette darkDesktopPalette() {
    QPalette dark(QColor(53, 53, 53));
    dark.setColor(QPalette::Window, QColor(53, 53, 53));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(35, 35, 35));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Button, QColor(53, 53, 53));
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::Light, QColor(90, 90, 90));
    dark.setColor(QPalette::Midlight, QColor(70, 70, 70));
    dark.setColor(QPalette::Dark, QColor(20, 20, 20));
    dark.setColor(QPalette::Shadow, Qt::black);
    return dark;
}

// The palette's colours side by side on cable connectors, 4 pixels apart.
void saveSymbols(const QString& folder) {
    QWidget row;
    ui::applyDesignPalette(row);
    row.resize(4 + 17 * kPaletteSize, 21);
    for (int i = 0; i < kPaletteSize; ++i) {
        auto* connector = new ui::CableConnector(i, 1, &row);
        connector->setTwipRect(TwipRect{static_cast<float>(ui::toTwips(4 + 17 * i)),
                                        static_cast<float>(ui::toTwips(4)), 195, 195});
        connector->setBackColor(paletteColors()[static_cast<std::size_t>(i)]);
    }
    row.show();
    row.grab().save(QDir(folder).filePath(QStringLiteral("symbols.png")));
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.contains(QStringLiteral("--dark")))
        QApplication::setPalette(darkDesktopPalette());
    ui::setColorSymbolsShown(args.contains(QStringLiteral("--color-symbols")));
    QString folder = QStringLiteral(".");
    for (const QString& arg : args.mid(1))
        if (!arg.startsWith(QStringLiteral("--")))
            folder = arg;
    if (ui::colorSymbolsShown())
        saveSymbols(folder);
    {
        GameState state;
        ui::MainStartupWindow startup(state);
        startup.show();
        startup.grab().save(QDir(folder).filePath(QStringLiteral("startup.png")));
        ui::testing::FakeStartupSettings settings;
        ui::HelpWindow help(settings);
        help.show();
        help.grab().save(QDir(folder).filePath(QStringLiteral("help.png")));
    }
    for (int n : {4, 16}) {
        for (bool advanced : {false, true}) {
            GameState state;
            state.NumberOfPCs = static_cast<std::int16_t>(n);
            ui::testing::FakeStartupSettings settings;
            settings.colorCount = QStringLiteral("5");
            settings.advanced = advanced;
            StdRandomSource random(2026);
            ui::GameWindow window(state, settings, random);
            window.Form_Load();
            window.show();
            const QString stem = QStringLiteral("n%1-%2-").arg(n).arg(
                advanced ? QStringLiteral("advanced") : QStringLiteral("beginner"));
            save(window, folder, stem + QStringLiteral("fresh"));
            if (advanced) {
                window.lblCoverUpCableBackground_MouseMove();
                save(window, folder, stem + QStringLiteral("lifted"));
                window.Form_MouseMove();
            }
            window.ThePcConnectorArea_DragDrop(0, state.puzzle.SolutionPlan[0][1]);
            save(window, folder, stem + QStringLiteral("one-plug"));
            if (!wireWrongly(window, state)) {
                std::fprintf(stderr, "no wrong wiring found at %d PCs\n", n);
                return 1;
            }
            save(window, folder, stem + QStringLiteral("wrong"));
            const float y = TheCable(window)->line(3).y1;
            window.Form_MouseDown(y + 49);
            save(window, folder, stem + QStringLiteral("marked"));
            window.cmdShowSolution_Click();
            save(window, folder, stem + QStringLiteral("solved"));
            window.timerCableAnimation_Timer();
            window.timerCableAnimation_Timer();
            save(window, folder, stem + QStringLiteral("animated"));
            window.cmdRestartCurrentGame_Click();
            save(window, folder, stem + QStringLiteral("restarted"));
        }
    }
    return 0;
}
