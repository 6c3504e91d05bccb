// A board square painted at the screen's scale (each run sets QT_SCALE_FACTOR): its fill colour
// stays inside its sunken edge, with no stripe of it outside the edge and no gap in it; a colour
// symbol is crisp, inside the fill, and the same wherever the square stands.
#include "game/ColorSymbol.h"
#include "game/Palette.h"
#include "ui/common/ColorSymbols.h"
#include "ui/common/DesignPalette.h"
#include "ui/common/Fonts.h"
#include "ui/common/Twips.h"
#include "ui/game/CableConnector.h"

#include <QImage>
#include <QPixmap>
#include <QtTest>
#include <cmath>

using namespace kestrelink;
using namespace kestrelink::ui;

namespace {

// A connector square of `color` at `at` on a board of its own, as painted on this screen, and
// the device pixels inside its edge.
QImage squareAt(QPoint at, Color color, QRect* inside = nullptr) {
    QWidget board;
    applyDesignPalette(board);
    board.resize(60, 70);
    auto* square = new CableConnector(0, 1, &board);
    square->setTwipRect(TwipRect{static_cast<float>(toTwips(at.x())),
                                 static_cast<float>(toTwips(at.y())), 195, 195});
    square->setBackColor(color);
    board.show();
    const QImage image = board.grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (inside != nullptr) {
        const qreal scale = image.devicePixelRatio();
        const QRectF inner = QRectF(square->geometry()).adjusted(2, 2, -2, -2);
        *inside =
            QRect(QPoint(int(std::ceil(inner.left() * scale)), int(std::ceil(inner.top() * scale))),
                  QPoint(int(std::floor(inner.right() * scale)) - 1,
                         int(std::floor(inner.bottom() * scale)) - 1));
    }
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
        QWidget board;
        applyDesignPalette(board);
        board.resize(60, 70);
        auto* square = new CableConnector(0, 1, &board);
        square->setTwipRect(TwipRect{static_cast<float>(toTwips(at.x())),
                                     static_cast<float>(toTwips(at.y())), 195, 195});
        const QColor yellow(255, 255, 0);
        square->setBackColor(0x0000FFFF);
        board.show();

        const QImage image = board.grab().toImage();
        const qreal scale = image.devicePixelRatio();
        // Inside the two-pixel edge, in device pixels.
        const QRectF inner = QRectF(square->geometry()).adjusted(2, 2, -2, -2);
        const QRect allowed(
            QPoint(int(std::floor(inner.left() * scale)), int(std::floor(inner.top() * scale))),
            QPoint(int(std::ceil(inner.right() * scale)) - 1,
                   int(std::ceil(inner.bottom() * scale)) - 1));
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

    // Each symbol at an even and an odd place: its ink keeps a margin of the colour all round,
    // is the same pixel for pixel at both places, and, unless round, has no pixel that is
    // neither ink nor colour.
    void aSymbolIsCrispAndTheSameWhereverItStands_data() {
        QTest::addColumn<Color>("color");
        for (Color color : paletteColors())
            QTest::newRow(std::string(*colorName(color)).c_str()) << color;
    }

    void aSymbolIsCrispAndTheSameWhereverItStands() {
        QFETCH(Color, color);
        setColorSymbolsShown(true);
        const QRgb fill = toQColor(color).rgb();
        const QRgb ink = toQColor(symbolInk(color)).rgb();
        const bool round =
            colorSymbol(color) == ColorSymbol::Disc || colorSymbol(color) == ColorSymbol::Ring;
        QImage drawn[2];
        for (int place = 0; place < 2; ++place) {
            QRect inside;
            const QImage image =
                squareAt(place == 0 ? QPoint(20, 30) : QPoint(21, 33), color, &inside);
            QRect inked;
            for (int y = inside.top(); y <= inside.bottom(); ++y)
                for (int x = inside.left(); x <= inside.right(); ++x) {
                    const QRgb pixel = image.pixel(x, y);
                    if (pixel != fill)
                        inked |= QRect(x, y, 1, 1);
                    QVERIFY2(round || pixel == fill || pixel == ink,
                             qPrintable(QStringLiteral("blurred at %1,%2").arg(x).arg(y)));
                }
            QVERIFY(!inked.isEmpty());
            const QRect around = inked.adjusted(-1, -1, 1, 1);
            for (int y = around.top(); y <= around.bottom(); ++y)
                for (int x = around.left(); x <= around.right(); ++x)
                    if (!inked.contains(x, y))
                        QVERIFY2(image.pixel(x, y) == fill,
                                 qPrintable(QStringLiteral("no margin at %1,%2").arg(x).arg(y)));
            drawn[place] = image.copy(inked);
        }
        setColorSymbolsShown(false);
        QCOMPARE(drawn[0], drawn[1]);
    }
};

QTEST_MAIN(BoardRenderingTest)
#include "board_rendering_test.moc"
