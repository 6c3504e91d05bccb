// The colour-symbol aid in a 16-PC game of ten colours: without it every connector is the plain
// colour it has always been; with it every PC connector, cable connector and drag picture carries
// its colour's symbol; at the Advanced level the covers show neither colour nor symbol.
#include "FakeStartupSettings.h"
#include "game/GameState.h"
#include "game/Palette.h"
#include "game/RandomSource.h"
#include "ui/common/ColorSymbols.h"
#include "ui/common/DesignPalette.h"
#include "ui/common/Fonts.h"
#include "ui/game/CableConnector.h"
#include "ui/game/GameWindow.h"

#include <QtTest>
#include <map>

using namespace kestrelink;
using namespace kestrelink::ui;

namespace {

// The colour patch inside the two-pixel edge of a square whose corner is at `corner` (scale 1).
QImage patchOf(const QImage& image, QPoint corner = {}) {
    return image.copy(QRect(corner + QPoint(2, 2), QSize(9, 9)))
        .convertToFormat(QImage::Format_RGB32);
}

QImage plainPatch(Color color) {
    QImage patch(9, 9, QImage::Format_RGB32);
    patch.fill(toQColor(color));
    return patch;
}

} // namespace

class ColorSymbolsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { setColorSymbolsShown(false); }

    void everyConnectorShowsItsColoursSymbolOnlyWithTheAid_data() {
        QTest::addColumn<bool>("aid");
        QTest::addColumn<bool>("advanced");
        QTest::newRow("without") << false << false;
        QTest::newRow("without, covered") << false << true;
        QTest::newRow("with") << true << false;
        QTest::newRow("with, covered") << true << true;
    }

    void everyConnectorShowsItsColoursSymbolOnlyWithTheAid() {
        QFETCH(bool, aid);
        QFETCH(bool, advanced);
        setColorSymbolsShown(aid);
        // What every connector of each colour must show: its patch on a lone square.
        std::map<Color, QImage> expected;
        QWidget lone;
        applyDesignPalette(lone);
        auto* square = new CableConnector(0, 1, &lone);
        square->setTwipRect(TwipRect{0, 0, 195, 195});
        lone.show();
        for (Color color : paletteColors()) {
            square->setBackColor(color);
            expected[color] = patchOf(square->grab().toImage());
            QCOMPARE(expected[color] == plainPatch(color), !aid);
        }

        GameState state;
        state.NumberOfPCs = 16;
        testing::FakeStartupSettings settings;
        settings.colorCount = QStringLiteral("10");
        settings.advanced = advanced;
        StdRandomSource random(17);
        GameWindow window(state, settings, random);
        window.Form_Load();
        window.show();
        // A plugged connector leaves its cover behind and looks as it did at home.
        const int plugged = state.puzzle.SolutionPlan[0][1];
        window.ThePcConnectorArea_DragDrop(0, plugged);
        const QImage board = window.grab().toImage();
        for (int i = 0; i < 2 * state.NumberOfPCs; ++i) {
            const auto at = std::size_t(i);
            const Color pcColor = state.puzzle.pcConnectorColors[at];
            const Color cableColor = state.puzzle.cableConnectorColors[at];
            auto* pc = window.findChild<QWidget*>(QStringLiteral("ThePcConnector%1").arg(i));
            auto* cable =
                window.findChild<CableConnector*>(QStringLiteral("TheCableConnector%1").arg(i));
            QVERIFY(pc != nullptr && cable != nullptr);
            QVERIFY2(patchOf(board, pc->mapTo(&window, QPoint())) == expected.at(pcColor),
                     qPrintable(pc->objectName()));
            const bool covered = advanced && i != plugged;
            QVERIFY2(patchOf(board, cable->mapTo(&window, QPoint())) ==
                         (covered ? plainPatch(kButtonFace) : expected.at(cableColor)),
                     qPrintable(cable->objectName()));
            const QImage drag = cable->dragPicture().toImage();
            if (aid)
                QCOMPARE(patchOf(drag), expected.at(cableColor));
            else
                QCOMPARE(drag.pixelColor(6, 6).alpha(), 0);
        }
    }
};

QTEST_MAIN(ColorSymbolsTest)
#include "color_symbols_test.moc"
