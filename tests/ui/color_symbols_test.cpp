// The colour-symbol aid on the board: ten shapes that differ as drawn at 13 pixels, each
// connector carrying its colour's shape only when the aid is on, covers hiding it, and the drag's
// picture showing it.
#include "FakeStartupSettings.h"
#include "game/ColorSymbol.h"
#include "game/GameState.h"
#include "game/Palette.h"
#include "game/RandomSource.h"
#include "ui/common/ColorSymbols.h"
#include "ui/common/DesignPalette.h"
#include "ui/common/Fonts.h"
#include "ui/game/CableConnector.h"
#include "ui/game/GameWindow.h"

#include <QBitArray>
#include <QImage>
#include <QtTest>
#include <map>

using namespace kestrelink;
using namespace kestrelink::ui;

namespace {

constexpr int kSquare = 13; // a connector square at scale 1
constexpr int kPatch = 9;   // its colour patch, inside the two-pixel edge

int distance(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

// The patch's pixels that lie nearer the colour's ink than the colour itself, read from a
// picture of the connector square whose top-left corner is at `corner`.
QBitArray inkMask(const QImage& image, QPoint corner, Color color) {
    const QRgb fill = toQColor(color).rgb();
    const QRgb ink = toQColor(symbolInk(color)).rgb();
    QBitArray mask(kPatch * kPatch);
    for (int y = 0; y < kPatch; ++y)
        for (int x = 0; x < kPatch; ++x) {
            const QRgb pixel = image.pixel(corner + QPoint(2 + x, 2 + y));
            mask.setBit(y * kPatch + x, distance(pixel, ink) < distance(pixel, fill));
        }
    return mask;
}

// Every pixel of the patch shows the colour and nothing else.
bool plain(const QImage& image, QPoint corner, QRgb fill) {
    for (int y = 0; y < kPatch; ++y)
        for (int x = 0; x < kPatch; ++x)
            if (image.pixel(corner + QPoint(2 + x, 2 + y)) != fill)
                return false;
    return true;
}

QImage picture(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Each palette colour's ink mask on a lone cable connector.
std::map<Color, QBitArray> drawnSymbols() {
    QWidget board;
    applyDesignPalette(board);
    board.resize(kSquare, kSquare);
    auto* square = new CableConnector(0, 1, &board);
    square->setTwipRect(TwipRect{0, 0, 195, 195});
    board.show();
    std::map<Color, QBitArray> masks;
    for (Color color : paletteColors()) {
        square->setBackColor(color);
        masks[color] = inkMask(picture(*square), {}, color);
    }
    return masks;
}

struct AidOn {
    AidOn() { setColorSymbolsShown(true); }
    ~AidOn() { setColorSymbolsShown(false); }
};

} // namespace

class ColorSymbolsTest : public QObject {
    Q_OBJECT

private slots:
    // Told apart by shape alone, as a player who sees no difference in the colours must: any
    // two differ in at least a whole stroke (plus and dash, the closest, in the plus's upright
    // arms), and each leaves a ring of its colour around it.
    void theTenSymbolsDifferAtThirteenPixels() {
        AidOn aid;
        const auto masks = drawnSymbols();
        int closest = kPatch * kPatch;
        for (auto a = masks.begin(); a != masks.end(); ++a) {
            QVERIFY(a->second.count(true) >= 7);
            for (int i = 0; i < kPatch; ++i)
                for (int edge : {i, kPatch * (kPatch - 1) + i, i * kPatch, i * kPatch + kPatch - 1})
                    QVERIFY2(!a->second.testBit(edge), "ink on the patch's outer ring");
            for (auto b = std::next(a); b != masks.end(); ++b)
                closest = std::min(closest, int((a->second ^ b->second).count(true)));
        }
        qInfo("closest pair differs in %d of %d pixels", closest, kPatch * kPatch);
        QVERIFY(closest >= 6);
    }

    // A 16-PC game in all ten colours: without the aid every patch is plain colour, as it has
    // always been; with it every PC connector, cable connector and drag picture carries its
    // colour's symbol, and at the Advanced level the covers show neither colour nor ink.
    void everyConnectorCarriesItsColoursSymbolOnlyWithTheAid_data() {
        QTest::addColumn<bool>("aid");
        QTest::addColumn<bool>("advanced");
        QTest::newRow("without the aid") << false << false;
        QTest::newRow("without the aid, covered") << false << true;
        QTest::newRow("with the aid") << true << false;
        QTest::newRow("with the aid, covered") << true << true;
    }

    void everyConnectorCarriesItsColoursSymbolOnlyWithTheAid() {
        QFETCH(bool, aid);
        QFETCH(bool, advanced);
        std::map<Color, QBitArray> symbols;
        {
            AidOn on;
            symbols = drawnSymbols();
        }
        setColorSymbolsShown(aid);
        GameState state;
        state.NumberOfPCs = 16;
        testing::FakeStartupSettings settings;
        settings.colorCount = QStringLiteral("10");
        settings.advanced = advanced;
        StdRandomSource random(17);
        GameWindow window(state, settings, random);
        window.Form_Load();
        window.show();
        // One plug on a PC connector: a connector away from home looks as it does at home.
        window.ThePcConnectorArea_DragDrop(0, state.puzzle.SolutionPlan[0][1]);

        const QImage board = picture(window);
        const QRgb face = toQColor(kButtonFace).rgb();
        int carrying = 0;
        for (int i = 0; i < 2 * state.NumberOfPCs; ++i) {
            const auto at = std::size_t(i);
            for (const auto& [name, color] :
                 {std::pair{QStringLiteral("ThePcConnector%1"), state.puzzle.pcConnectorColors[at]},
                  std::pair{QStringLiteral("TheCableConnector%1"),
                            state.puzzle.cableConnectorColors[at]}}) {
                auto* square = window.findChild<QWidget*>(name.arg(i));
                QVERIFY(square != nullptr);
                const QPoint corner = square->mapTo(&window, QPoint());
                const QImage own = picture(*square);
                const QString what = name.arg(i);
                if (!aid) {
                    QVERIFY2(plain(own, {}, toQColor(color).rgb()), qPrintable(what));
                } else {
                    QVERIFY2(inkMask(own, {}, color) == symbols.at(color), qPrintable(what));
                    ++carrying;
                }
                const bool covered = advanced && what.startsWith(QLatin1String("TheCable")) &&
                                     i != state.puzzle.SolutionPlan[0][1];
                if (covered)
                    QVERIFY2(plain(board, corner, face),
                             qPrintable(what + " shows under its cover"));
                else
                    QVERIFY2(plain(board, corner, toQColor(color).rgb()) == !aid,
                             qPrintable(what + " on the board"));
            }
            auto* cable =
                window.findChild<CableConnector*>(QStringLiteral("TheCableConnector%1").arg(i));
            const QImage drag =
                cable->dragPicture().toImage().convertToFormat(QImage::Format_RGB32);
            const Color color = state.puzzle.cableConnectorColors[at];
            if (aid)
                QVERIFY(inkMask(drag, {}, color) == symbols.at(color));
            else
                QVERIFY(plain(cable->dragPicture().toImage(), {}, qRgba(0, 0, 0, 0)));
        }
        QCOMPARE(carrying, aid ? 4 * state.NumberOfPCs : 0);
        setColorSymbolsShown(false);
    }
};

QTEST_MAIN(ColorSymbolsTest)
#include "color_symbols_test.moc"
