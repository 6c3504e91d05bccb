// What the start-up window makes every start load besides what it shows: built and painted, it
// has loaded no image plugin or icon engine, and its settings frame still looks as the style
// draws a group box. Its own process, so that no other test has loaded them first.
#include "game/GameState.h"
#include "ui/startup/MainStartupWindow.h"

#include <QFile>
#include <QGroupBox>
#include <QPixmapCache>
#include <QtTest>

using namespace kestrelink;
using namespace kestrelink::ui;

namespace {

// The files mapped into this process whose path contains `part`.
QStringList mappedFiles(const QString& part) {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return {QStringLiteral("(no /proc/self/maps)")};
    QStringList files;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const QString file = QString::fromLocal8Bit(line).section(QLatin1Char(' '), 5).trimmed();
        if (file.contains(part) && !files.contains(file))
            files << file;
    }
    return files;
}

QImage frameAlone(QWidget& frame) {
    QImage image(frame.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    frame.render(&image, {}, {}, QWidget::DrawWindowBackground);
    return image;
}

} // namespace

class StartupCostTest : public QObject {
    Q_OBJECT
private slots:
    void theFirstWindowLoadsNothingItDoesNotShow() {
        GameState state;
        MainStartupWindow window(state);
        QVERIFY(!window.grab().isNull());
        for (const char* part :
             {"/imageformats/", "/iconengines/", "libQt6Svg", "libjpeg", "icon-theme.cache"}) {
            const QStringList loaded = mappedFiles(QLatin1String(part));
            QVERIFY2(loaded.isEmpty(), qPrintable(loaded.join(QLatin1Char(' '))));
        }

        // The frame's image, read without the plugins, against a group box read the usual way.
        auto* frame = window.findChild<QGroupBox*>(QStringLiteral("Frame1"));
        QVERIFY(frame);
        QGroupBox usual(frame->title());
        usual.setFont(frame->font());
        usual.setPalette(frame->palette());
        usual.resize(frame->size());
        QPixmapCache::clear();
        QCOMPARE(frameAlone(*frame), frameAlone(usual));
    }
};

QTEST_MAIN(StartupCostTest)
#include "startup_cost_test.moc"
