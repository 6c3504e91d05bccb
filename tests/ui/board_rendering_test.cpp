// A board square painted at the screen's scale (each run sets QT_SCALE_FACTOR): its fill colour
// stays inside its sunken edge, with no stripe of it outside the edge and no gap in it; the colour
// symbols are crisp, unlike each other, inside the fill and the same wherever a square stands.
#include "game/ColorSymbol.h"
#include "game/Palette.h"
#include "ui/common/ColorSymbols.h"
#include "ui/common/DesignPalette.h"
#include "ui/common/Fonts.h"
#include "ui/common/Twips.h"
#include "ui/game/CableConnector.h"

#include <QBitArray>
#include <QImage>
#include <QPixmap>
#include <QtTest>
#include <cmath>

using namespace kestrelink;
using namespace kestrelink::ui;

namespace {

// A connector square of `color` at `at` on a board of its own, as painted on this screen, and
// the part inside its two-pixel edge in device pixels.
QImage squareAt(QPoint at, Color color, QRectF& inner) {
    QWidget board;
    applyDesignPalette(board);
    board.resize(60, 70);
    auto* square = new CableConnector(0, 1, &board);
    square->setTwipRect(TwipRect{static_cast<float>(toTwips(at.x())),
                                 static_cast<float>(toTwips(at.y())), 195, 195});
    square->setBackColor(color);
    board.show();
    const QImage image = board.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const qreal scale = image.devicePixelRatio();
    const QRectF edge = QRectF(square->geometry()).adjusted(2, 2, -2, -2);
    inner = QRectF(edge.topLeft() * scale, edge.size() * scale);
    return image;
}

} // namespace

class BoardRenderingTest : public QObject {
    Q_OBJECT

private slots:
    void theFillStaysInsideTheEdge_data() {
        QTest::addColumn<QPoint>("at");
        // Odd and even pixel positions fall differently on a fractional scale.
        QTest::newRow("even") << QPoint(20, 30);
        QTest::newRow("odd") << QPoint(21, 33);
    }

    void theFillStaysInsideTheEdge() {
        QFETCH(QPoint, at);
        const QColor yellow(255, 255, 0);
        QRectF inner;
        const QImage image = squareAt(at, 0x0000FFFF, inner);
        const qreal scale = image.devicePixelRatio();
        const QRect allowed(
            QPoint(int(std::floor(inner.left())), int(std::floor(inner.top()))),
            QPoint(int(std::ceil(inner.right())) - 1, int(std::ceil(inner.bottom())) - 1));
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == yellow)
                    QVERIFY2(allowed.contains(x, y),
                             qPrintable(QStringLiteral("fill at %1,%2 outside the edge, scale %3")
                                            .arg(x)
                                            .arg(y)
                                            .arg(scale)));
        // Whole device pixels well inside are all fill.
        for (int y = allowed.top() + 1; y < allowed.bottom(); ++y)
            for (int x = allowed.left() + 1; x < allowed.right(); ++x)
                QCOMPARE(image.pixelColor(x, y), yellow);
    }

    // With the aid on, each symbol at an even and an odd place: crisp (unless round, every pixel
    // is ink or colour), ringed by its colour, the same at both places, and unlike every other in
    // at least a stroke's length of pixels (plus and dash, the closest, differ by the plus's
    // upright arms).
    void theSymbolsAreCrispDistinctAndTheSameEverywhere() {
        setColorSymbolsShown(true);
        std::vector<QBitArray> masks;
        int strokeLength = 0;
        for (Color color : paletteColors()) {
            const QRgb fill = toQColor(color).rgb();
            const QRgb ink = toQColor(symbolInk(color)).rgb();
            const bool round =
                colorSymbol(color) == ColorSymbol::Dot || colorSymbol(color) == ColorSymbol::Ring;
            QImage drawn[2];
            for (int place = 0; place < 2; ++place) {
                QRectF inner;
                const QImage image =
                    squareAt(place == 0 ? QPoint(20, 30) : QPoint(21, 33), color, inner);
                const QRect inside(
                    QPoint(int(std::ceil(inner.left())), int(std::ceil(inner.top()))),
                    QPoint(int(std::floor(inner.right())) - 1,
                           int(std::floor(inner.bottom())) - 1));
                QBitArray mask(inside.width() * inside.height());
                QRect inked;
                for (int i = 0; i < mask.size(); ++i) {
                    const QPoint at =
                        inside.topLeft() + QPoint(i % inside.width(), i / inside.width());
                    const QRgb pixel = image.pixel(at);
                    QVERIFY2(round || pixel == fill || pixel == ink, "a blurred pixel");
                    mask.setBit(i, pixel != fill);
                    if (pixel != fill)
                        inked |= QRect(at, QSize(1, 1));
                }
                const QRect around = inked.adjusted(-1, -1, 1, 1);
                for (int y = around.top(); y <= around.bottom(); ++y)
                    for (int x = around.left(); x <= around.right(); ++x)
                        QVERIFY2(inked.contains(x, y) || image.pixel(x, y) == fill, "no margin");
                drawn[place] = image.copy(inked);
                if (place == 0)
                    masks.push_back(mask);
                if (colorSymbol(color) == ColorSymbol::Bar)
                    strokeLength = inked.height();
            }
            QCOMPARE(drawn[0], drawn[1]);
        }
        setColorSymbolsShown(false);
        for (std::size_t a = 0; a < masks.size(); ++a)
            for (std::size_t b = a + 1; b < masks.size(); ++b)
                QVERIFY((masks[a] ^ masks[b]).count(true) >= strokeLength - 1);
    }
};

QTEST_MAIN(BoardRenderingTest)
#include "board_rendering_test.moc"
