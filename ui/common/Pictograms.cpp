// The program's pictograms as vector paths, and the window icon drawn pixel by pixel.
#include "ui/common/Pictograms.h"

#include "KestrelinkConfig.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>

namespace kestrelink::ui {

namespace {

// Maps a design drawn in a `designWidth` x `designHeight` grid onto the largest rectangle of the
// same proportions that fits centred in `box`.
void fitDesign(QPainter& painter, const QRectF& box, double designWidth, double designHeight) {
    const double scale = std::min(box.width() / designWidth, box.height() / designHeight);
    painter.translate(box.center().x() - designWidth * scale / 2.0,
                      box.center().y() - designHeight * scale / 2.0);
    painter.scale(scale, scale);
}

// The computer in a 100 x 100 grid: a monitor with a thick bezel on a short stand, standing on
// a flat desktop case with two drive slots and a power light. The holes are cut out (odd-even
// fill), so whatever lies beneath shows through them as it does through a glyph.
QPainterPath computerBody() {
    QPainterPath path;
    path.setFillRule(Qt::OddEvenFill);
    path.addRoundedRect(QRectF(12, 2, 76, 58), 6, 6);
    path.addRoundedRect(QRectF(21, 11, 58, 40), 2, 2);

    QPainterPath stand;
    stand.moveTo(42, 59);
    stand.lineTo(58, 59);
    stand.lineTo(62, 69);
    stand.lineTo(38, 69);
    stand.closeSubpath();

    QPainterPath caseUnit;
    caseUnit.setFillRule(Qt::OddEvenFill);
    caseUnit.addRoundedRect(QRectF(3, 68, 94, 30), 3, 3);
    caseUnit.addRect(QRectF(52, 75, 36, 5));
    caseUnit.addRect(QRectF(52, 85, 36, 5));
    caseUnit.addEllipse(QPointF(17, 83), 5, 5);

    return path.united(stand).united(caseUnit);
}

// The screen, tinted so that the monitor reads as a lit screen rather than an empty frame.
QRectF computerScreen() {
    return {21, 11, 58, 40};
}

// One heavy arrow pointing right in a 13 x 10 grid: a thick shaft and a head of full height.
QPainterPath rightArrow() {
    QPainterPath path;
    path.moveTo(0, 3);
    path.lineTo(7, 3);
    path.lineTo(7, 0);
    path.lineTo(13, 5);
    path.lineTo(7, 10);
    path.lineTo(7, 7);
    path.lineTo(0, 7);
    path.closeSubpath();
    return path;
}

// Where a colour symbol goes, in whole device pixels: a square box `size` wide at (left, top),
// drawn with strokes `stroke` wide.
struct SymbolBox {
    int left;
    int top;
    int size;
    int stroke;
};

// At scale 1 the box is 7 pixels with 1-pixel strokes, in a patch of 9; other scales grow both.
// Size and stroke share their parity, so that a stroke through the middle fills whole pixels.
SymbolBox symbolBox(const QRectF& devicePatch, qreal scale) {
    const int stroke = std::max(1, qRound(scale));
    int size = qRound(7 * scale);
    if ((size - stroke) % 2 != 0)
        --size;
    // The device pixels whose centres lie inside the patch: a centre on its edge may belong to
    // the sunken edge instead.
    const int left = qFloor(devicePatch.left() - 0.5) + 1;
    const int top = qFloor(devicePatch.top() - 0.5) + 1;
    const int width = qCeil(devicePatch.right() - 0.5) - left;
    const int height = qCeil(devicePatch.bottom() - 0.5) - top;
    return {left + (width - size) / 2, top + (height - size) / 2, size, stroke};
}

// A symbol's outline in device pixels, and whether it is smoothed. Straight and slanted edges
// are filled unsmoothed, each running a quarter pixel clear of the pixel centres, so that every
// pixel is wholly ink or wholly colour: a slanted edge smoothed at 7 pixels is a grey blur. Round
// shapes are smoothed where their strokes are wider than a pixel, or they would look jagged;
// narrower, they are crisper on the pixel grid.
struct SymbolOutline {
    QPainterPath path;
    bool smooth = false;
};

SymbolOutline symbolOutline(ColorSymbol symbol, const SymbolBox& b) {
    const double s = b.size;
    const double w = b.stroke;
    const double x = b.left;
    const double y = b.top;
    const double c = s / 2;
    const QRectF box(x, y, s, s);
    SymbolOutline out;
    QPainterPath& path = out.path;
    path.setFillRule(Qt::OddEvenFill);
    switch (symbol) {
    case ColorSymbol::Dot: {
        // A dot of three pixels in seven, centred as the box is.
        int dot = qRound(s * 3 / 7);
        if ((b.size - dot) % 2 != 0)
            --dot;
        const double inset = (s - dot) / 2;
        path.addEllipse(box.adjusted(inset, inset, -inset, -inset));
        out.smooth = b.stroke > 1;
        break;
    }
    case ColorSymbol::Ring:
        path.addEllipse(box);
        path.addEllipse(box.adjusted(w, w, -w, -w));
        out.smooth = b.stroke > 1;
        break;
    case ColorSymbol::Square:
        path.addRect(box);
        path.addRect(box.adjusted(w, w, -w, -w));
        break;
    case ColorSymbol::Diamond: {
        const double r = c + 0.25;
        path.moveTo(x + c, y + c - r);
        path.lineTo(x + c + r, y + c);
        path.lineTo(x + c, y + c + r);
        path.lineTo(x + c - r, y + c);
        path.closeSubpath();
        break;
    }
    case ColorSymbol::TriangleUp:
    case ColorSymbol::TriangleDown: {
        // Sides at 45 degrees: one pixel at the tip at scale 1, two more on each row, seven at
        // the base, four rows in all; placed so that its weight, not its box, sits in the middle.
        const int rows = (b.size + 1) / 2;
        const double tip = y + (b.size - rows) / 2;
        QPainterPath up;
        up.moveTo(x + c - 0.25, tip);
        up.lineTo(x + c + 0.25, tip);
        up.lineTo(x + c + rows + 0.25, tip + rows);
        up.lineTo(x + c - rows - 0.25, tip + rows);
        up.closeSubpath();
        path =
            symbol == ColorSymbol::TriangleUp ? up : QTransform(1, 0, 0, -1, 0, 2 * y + s).map(up);
        break;
    }
    case ColorSymbol::Plus:
        path.setFillRule(Qt::WindingFill);
        path.addRect(QRectF(x, y + (s - w) / 2, s, w));
        path.addRect(QRectF(x + (s - w) / 2, y, w, s));
        break;
    case ColorSymbol::Cross: {
        // Each diagonal covers an odd number of pixels of every row: one where strokes are a
        // pixel wide, three where they are wider.
        const double half = b.stroke / 2 + 0.25;
        QPainterPath down;
        down.moveTo(x, y);
        down.lineTo(x + half, y);
        down.lineTo(x + s, y + s - half);
        down.lineTo(x + s, y + s);
        down.lineTo(x + s - half, y + s);
        down.lineTo(x, y + half);
        down.closeSubpath();
        path = down.united(QTransform(-1, 0, 0, 1, 2 * x + s, 0).map(down));
        break;
    }
    case ColorSymbol::Dash:
        path.addRect(QRectF(x, y + (s - w) / 2, s, w));
        break;
    case ColorSymbol::Bar:
        path.addRect(QRectF(x + (s - w) / 2, y, w, s));
        break;
    }
    return out;
}

} // namespace

// Two PCs joined by a cable on a 32 x 32 grid, drawn without smoothing so that each size keeps
// to a few flat colours. Other sizes scale the grid and snap every rectangle to whole pixels, so
// each size is drawn at its own size rather than blown up from a smaller image.
void paintWindowIcon(QPainter& painter, int size) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const double k = size / 32.0;
    const auto fill = [&](int x, int y, int w, int h, const QColor& colour) {
        const int left = qRound(x * k);
        const int top = qRound(y * k);
        painter.fillRect(QRect(left, top, std::max(1, qRound((x + w) * k) - left),
                               std::max(1, qRound((y + h) * k) - top)),
                         colour);
    };
    const QColor outline(0, 0, 0);
    const QColor body(192, 192, 192);
    const QColor screen(0, 128, 128);
    const QColor cable(0, 0, 255);

    // The cable runs from under the left PC down and across into the right PC's case.
    fill(6, 18, 4, 12, cable);
    fill(6, 26, 18, 4, cable);
    fill(20, 26, 4, 4, cable);

    const auto computer = [&](int x, int y) {
        // Monitor, screen, stand and case, 14 wide and 16 high.
        fill(x, y, 14, 10, outline);
        fill(x + 2, y + 2, 10, 6, screen);
        fill(x + 6, y + 10, 2, 2, outline);
        fill(x, y + 12, 14, 4, outline);
        fill(x + 2, y + 12, 10, 2, body);
    };
    computer(0, 2);
    computer(16, 10);
    painter.restore();
}

QImage windowIconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintWindowIcon(painter, size);
    return image;
}

void paintComputer(QPainter& painter, const QRectF& box, const QColor& ink) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    fitDesign(painter, box, 100.0, 100.0);
    painter.setPen(Qt::NoPen);
    QColor tint = ink;
    tint.setAlphaF(0.3f);
    painter.setBrush(tint);
    painter.drawRect(computerScreen());
    painter.setBrush(ink);
    painter.drawPath(computerBody());
    painter.restore();
}

void paintFace(QPainter& painter, const QRectF& box, const QColor& ink, bool smiling) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    fitDesign(painter, box, 100.0, 100.0);

    QPen pen(ink, 7.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(50, 50), 46, 46);

    QPainterPath mouth;
    if (smiling) {
        mouth.moveTo(26, 60);
        mouth.quadTo(50, 88, 74, 60);
    } else {
        mouth.moveTo(26, 80);
        mouth.quadTo(50, 54, 74, 80);
    }
    painter.drawPath(mouth);

    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawEllipse(QPointF(34, 36), 6, 9);
    painter.drawEllipse(QPointF(66, 36), 6, 9);
    painter.restore();
}

void paintDoubleArrow(QPainter& painter, const QRectF& box, const QColor& ink) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    // Two 13-wide arrows with a gap of 2 between them.
    fitDesign(painter, box, 28.0, 10.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    const QPainterPath right = rightArrow();
    // The left arrow is the right one mirrored about its own middle.
    painter.drawPath(QTransform(-1, 0, 0, 1, 13, 0).map(right));
    painter.drawPath(right.translated(15, 0));
    painter.restore();
}

void paintColorSymbol(QPainter& painter, ColorSymbol symbol, const QRectF& patch,
                      const QColor& ink) {
    painter.save();
    // Drawn straight in device pixels: the patch's place on a scaled screen is seldom whole.
    const QTransform toDevice = painter.deviceTransform();
    const SymbolBox box = symbolBox(toDevice.mapRect(patch), toDevice.m11());
    painter.setWorldTransform(toDevice.inverted() * painter.worldTransform());
    const SymbolOutline outline = symbolOutline(symbol, box);
    painter.setRenderHint(QPainter::Antialiasing, outline.smooth);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPath(outline.path);
    painter.restore();
}

QIcon drawnWindowIcon() {
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(windowIconImage(16)));
    icon.addPixmap(QPixmap::fromImage(windowIconImage(32)));
    return icon;
}

namespace {

// The sizes of the icon files installed beside the program; none for a run from the build tree.
QList<int>& installedIconSizes() {
    static QList<int> sizes;
    return sizes;
}

} // namespace

// The icon files the game installs under its id are this drawing at their sizes (the build
// paints them with it), so painting those sizes here gives the window the very images the icon
// theme would, without the theme's lookup: that parses the theme's index, looks into every
// folder of it and loads an icon engine and image plugins to read the files, at every start.
// Knowing the sizes takes one folder listing.
void findInstalledIcons(const QString& programFolder) {
    installedIconSizes().clear();
    const QString hicolor = programFolder + QStringLiteral("/../share/icons/hicolor");
    const QString file = QStringLiteral("/apps/") + QStringLiteral(KESTRELINK_APP_ID ".png");
    for (const QString& folder : QDir(hicolor).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const QStringList sides = folder.split(QLatin1Char('x'));
        bool isNumber = false;
        const int size = sides.constFirst().toInt(&isNumber);
        if (sides.size() == 2 && isNumber && sides.constLast() == sides.constFirst() && size > 0 &&
            QFileInfo::exists(hicolor + QLatin1Char('/') + folder + file))
            installedIconSizes() << size;
    }
    std::sort(installedIconSizes().begin(), installedIconSizes().end());
}

QIcon windowIcon() {
    QIcon icon = drawnWindowIcon();
    for (int size : installedIconSizes()) {
        if (size != 16 && size != 32)
            icon.addPixmap(QPixmap::fromImage(windowIconImage(size)));
    }
    return icon;
}

} // namespace kestrelink::ui
