// A board square painted at the screen's scale (each run sets QT_SCALE_FACTOR): its fill colour
// stays inside its sunken edge, with no stripe of it outside the edge and no gap in it.
#include "ui/common/DesignPalette.h"
#include "ui/common/Twips.h"
#include "ui/game/CableConnector.h"

#include <QImage>
#include <QPixmap>
#include <QtTest>
#include <cmath>

using namespace kestrelink;
using namespace kestrelink::ui;

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
};

QTEST_MAIN(BoardRenderingTest)
#include "board_rendering_test.moc"
