// Build-time tool: writes the desktop's icon files from the code that paints the window icon.
//
//   kestrelink-icons OUTPUT_FOLDER ICON_NAME SIZE...
//
// Writes OUTPUT_FOLDER/hicolor/<n>x<n>/apps/ICON_NAME.png for every SIZE and
// OUTPUT_FOLDER/hicolor/scalable/apps/ICON_NAME.svg.
#include "ui/common/Pictograms.h"

#include <QDir>
#include <QFont>
#include <QPainter>
#include <QStringList>
#include <QSvgGenerator>
#include <cstdio>

namespace {

// The SVG's grid is the design's own 32 x 32, so every rectangle lands on whole units.
constexpr int kDesignGrid = 32;

bool writePng(const QString& root, const QString& name, int size) {
    const QString folder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(root).arg(size);
    return QDir().mkpath(folder) && kestrelink::ui::windowIconImage(size).save(
                                        folder + QLatin1Char('/') + name + ".png", "PNG");
}

bool writeSvg(const QString& root, const QString& name) {
    const QString folder = root + QStringLiteral("/hicolor/scalable/apps");
    if (!QDir().mkpath(folder))
        return false;
    QSvgGenerator svg;
    svg.setFileName(folder + QLatin1Char('/') + name + ".svg");
    svg.setSize(QSize(kDesignGrid, kDesignGrid));
    svg.setViewBox(QRect(0, 0, kDesignGrid, kDesignGrid));
    svg.setTitle(name);
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    // The icon has no text, but the file records the painter's font, and an unset one's size
    // of -1 makes every reader of the file complain.
    QFont font = painter.font();
    font.setPixelSize(kDesignGrid);
    painter.setFont(font);
    kestrelink::ui::paintWindowIcon(painter, kDesignGrid);
    return painter.end();
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER ICON_NAME SIZE...\n", argv[0]);
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i) {
        bool isNumber = false;
        const int size = QString::fromLocal8Bit(argv[i]).toInt(&isNumber);
        if (!isNumber || size < 1 || !writePng(root, name, size)) {
            std::fprintf(stderr, "%s: cannot write the %s icon\n", argv[0], argv[i]);
            return 1;
        }
    }
    if (!writeSvg(root, name)) {
        std::fprintf(stderr, "%s: cannot write the scalable icon\n", argv[0]);
        return 1;
    }
    return 0;
}
