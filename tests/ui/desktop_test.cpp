// The game as a desktop program: what the command line asks for, the icon files against the
// window icon, the report's folder, and every text fitting its control in each catalogue.
#include "FakeStartupSettings.h"
#include "KestrelinkConfig.h"
#include "app/CommandLine.h"
#include "app/Translations.h"
#include "game/GameState.h"
#include "game/RandomSource.h"
#include "ui/common/Pictograms.h"
#include "ui/common/ReportFile.h"
#include "ui/common/WrappedTextButton.h"
#include "ui/game/GameWindow.h"
#include "ui/help/HelpWindow.h"
#include "ui/startup/MainStartupWindow.h"
#include "ui/startup/WrappingCheckBox.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>

using namespace kestrelink;
using namespace kestrelink::ui;

Q_DECLARE_METATYPE(kestrelink::app::CommandLineRequest)

namespace {

// Where the text of `widget` is laid out, and whether it wraps there; an empty area for widgets
// whose text is not shown whole (the scrolled help text) or that show none.
struct TextArea {
    QRect area;
    int flags = 0;
    QString text;
};

TextArea textAreaOf(QWidget* widget) {
    QStyle* style = widget->style();
    if (auto* label = qobject_cast<QLabel*>(widget))
        return {label->contentsRect(), label->wordWrap() ? int(Qt::TextWordWrap) : 0,
                label->text()};
    if (auto* box = qobject_cast<WrappingCheckBox*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(box);
        QRect area = box->rect();
        area.setLeft(style->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box).right() + 1 +
                     style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, box));
        return {area, Qt::TextWordWrap, box->text()};
    }
    if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(radio);
        return {style->subElementRect(QStyle::SE_RadioButtonContents, &option, radio), 0,
                radio->text()};
    }
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        QRect area = style->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        if (qobject_cast<WrappedTextButton*>(widget) == nullptr)
            return {area, 0, button->text()};
        QString caption = button->text();
        caption.replace(QLatin1Char('/'), QStringLiteral("/\u2060"));
        return {area.adjusted(2, 0, -2, 0), Qt::TextWordWrap, caption};
    }
    if (auto* frame = qobject_cast<QGroupBox*>(widget))
        return {frame->rect().adjusted(8, 0, -8, 0), 0, frame->title()};
    auto* box = qobject_cast<QPlainTextEdit*>(widget);
    if (box != nullptr && box->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff) {
        // The text ends with a line end, which starts no line of its own.
        const int margin = qCeil(box->document()->documentMargin());
        return {box->contentsRect().adjusted(margin, margin, -margin, -margin), Qt::TextWordWrap,
                box->toPlainText().trimmed()};
    }
    return {};
}

// Every text of `window` that does not fit its control, with its control's name.
QStringList clippedTexts(QWidget& window) {
    QStringList clipped;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        const TextArea shown = textAreaOf(widget);
        if (shown.text.isEmpty() || widget->isHidden())
            continue;
        const QRect needed =
            widget->fontMetrics().boundingRect(shown.area, shown.flags, shown.text);
        // The last line may lose the bottom of its descenders, as the English title always has;
        // a line more than there is room for shows as a line lost.
        const int slack = widget->fontMetrics().descent();
        if (needed.width() > shown.area.width() || needed.height() > shown.area.height() + slack)
            clipped << widget->objectName() + QStringLiteral(": ") + shown.text;
    }
    return clipped;
}

} // namespace

class DesktopTest : public QObject {
    Q_OBJECT
private slots:
    void commandLine_data() {
        using app::CommandLineRequest;
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<CommandLineRequest>("request");
        const auto row = [](const char* name, QStringList arguments, CommandLineRequest request) {
            arguments.prepend(QStringLiteral("kestrelink"));
            QTest::newRow(name) << arguments << request;
        };
        row("none", {}, CommandLineRequest::Play);
        row("--help", {"--help"}, CommandLineRequest::Help);
        row("-h", {"-h"}, CommandLineRequest::Help);
        row("--help-all", {"--help-all"}, CommandLineRequest::Help);
        row("--version", {"--version"}, CommandLineRequest::Version);
        row("-v", {"-v"}, CommandLineRequest::Version);
        row("unknown option", {"--fullscreen"}, CommandLineRequest::Play);
        row("stray argument", {"puzzle.txt"}, CommandLineRequest::Play);
        row("toolkit word option", {"-reverse"}, CommandLineRequest::Play);
        row("toolkit option with value", {"-platform", "offscreen"}, CommandLineRequest::Play);
        row("unknown before version", {"--fullscreen", "--version"}, CommandLineRequest::Version);
        row("both", {"--version", "--help"}, CommandLineRequest::Help);
        row("after the end of options", {"--", "--help"}, CommandLineRequest::Play);
    }
    void commandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(app::CommandLineRequest, request);
        QCOMPARE(app::commandLineRequest(arguments), request);
    }

    // The files the desktop shows are the window icon's own drawing, each painted at its size.
    void iconFiles_data() {
        QTest::addColumn<int>("size");
        for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
            QTest::newRow(QByteArray::number(size).constData()) << size;
    }
    void iconFiles() {
        QFETCH(int, size);
        const QString file = QStringLiteral(KESTRELINK_ICONS "/hicolor/%1x%1/apps/%2.png")
                                 .arg(size)
                                 .arg(QStringLiteral(KESTRELINK_APP_ID));
        const QImage image(file);
        QCOMPARE(image.size(), QSize(size, size));
        QCOMPARE(image.convertToFormat(QImage::Format_ARGB32), windowIconImage(size));

        QSvgRenderer svg(QStringLiteral(KESTRELINK_ICONS "/hicolor/scalable/apps/%1.svg")
                             .arg(QStringLiteral(KESTRELINK_APP_ID)));
        QVERIFY(svg.isValid());
        if (size % 32 == 0) {
            // Where the grid lands on whole pixels the vector file draws the same pixels.
            QImage rendered(size, size, QImage::Format_ARGB32);
            rendered.fill(Qt::transparent);
            QPainter painter(&rendered);
            svg.render(&painter);
            painter.end();
            QCOMPARE(rendered, windowIconImage(size));
        }
    }

    // The window offers the desktop the sizes the game installed its icon files in, each the
    // image of its file, wherever the game was installed; from the build tree, the two it was
    // drawn at. Either way without the icon theme.
    void windowIconHasTheInstalledSizes_data() {
        QTest::addColumn<QList<int>>("installed");
        QTest::addColumn<QList<int>>("offered");
        QTest::newRow("build tree") << QList<int>{} << QList<int>{16, 32};
        QTest::newRow("installed") << QList<int>{16, 22, 24, 32, 48, 64, 128, 256}
                                   << QList<int>{16, 22, 24, 32, 48, 64, 128, 256};
        QTest::newRow("some sizes") << QList<int>{48, 256} << QList<int>{16, 32, 48, 256};
    }
    void windowIconHasTheInstalledSizes() {
        QFETCH(QList<int>, installed);
        QFETCH(QList<int>, offered);
        QTemporaryDir prefix;
        QVERIFY(QDir().mkpath(prefix.path() + QStringLiteral("/games")));
        const QString hicolor = prefix.path() + QStringLiteral("/share/icons/hicolor");
        QStringList folders;
        for (int size : installed)
            folders << QStringLiteral("%1x%1").arg(size);
        // The scalable file is installed with them and has no size of its own.
        if (!installed.isEmpty())
            folders << QStringLiteral("scalable");
        QVERIFY(QDir().mkpath(hicolor));
        for (const QString& folder : folders)
            QVERIFY(QFile::link(QStringLiteral(KESTRELINK_ICONS "/hicolor/") + folder,
                                hicolor + QLatin1Char('/') + folder));
        findInstalledIcons(prefix.path() + QStringLiteral("/games"));
        const QIcon icon = windowIcon();

        QList<int> sizes;
        for (const QSize& size : icon.availableSizes())
            sizes << size.width();
        std::sort(sizes.begin(), sizes.end());
        QCOMPARE(sizes, offered);
        QVERIFY(icon.name().isEmpty());
        for (int size : offered) {
            const QString file = QStringLiteral("%1/%2x%2/apps/%3.png")
                                     .arg(hicolor)
                                     .arg(size)
                                     .arg(QStringLiteral(KESTRELINK_APP_ID));
            const QImage expected = installed.contains(size) ? QImage(file) : windowIconImage(size);
            QCOMPARE(icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32),
                     expected.convertToFormat(QImage::Format_ARGB32));
        }
        findInstalledIcons(QStringLiteral("/nonexistent/bin"));
    }

    void reportFolder_data() {
        QTest::addColumn<bool>("programFolderWritable");
        QTest::addColumn<bool>("documentsExist");
        QTest::addColumn<QString>("expected");
        QTest::newRow("run from its build tree") << true << true << "program";
        QTest::newRow("installed") << false << true << "home/Documents";
        QTest::newRow("installed, no documents folder") << false << false << "home";
    }
    void reportFolder() {
        QFETCH(bool, programFolderWritable);
        QFETCH(bool, documentsExist);
        QFETCH(QString, expected);
        QTemporaryDir root;
        QVERIFY(root.isValid());
        QDir(root.path()).mkpath(QStringLiteral("program"));
        if (documentsExist)
            QDir(root.path()).mkpath(QStringLiteral("home/Documents"));
        else
            QDir(root.path()).mkpath(QStringLiteral("home"));
        qputenv("HOME", (root.path() + QStringLiteral("/home")).toLocal8Bit());
        qunsetenv("XDG_CONFIG_HOME");
        // The one folder a test run as root cannot write to is one that does not exist.
        const QString program = root.path() + (programFolderWritable ? QStringLiteral("/program")
                                                                     : QStringLiteral("/gone"));
        QCOMPARE(ui::reportFolder(program), root.path() + QLatin1Char('/') + expected);
    }

    // With no catalogue every text is the written one; with the German one every text is
    // German; either way each fits its fixed-size control.
    void textsFitTheirControls_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("playNow");
        QTest::newRow("unset") << "C"
                               << "Play Now";
        QTest::newRow("English") << "en_GB"
                                 << "Play Now";
        QTest::newRow("German") << "de_DE"
                                << "Jetzt spielen";
    }
    void textsFitTheirControls() {
        QFETCH(QString, locale);
        QFETCH(QString, playNow);
        QCoreApplication* app = QCoreApplication::instance();
        QCOMPARE(app::installTranslations(*app, QLocale(locale)), locale.startsWith("de"));
        // Not even Qt's own (empty) English catalogue is read for a game that has none.
        QCOMPARE(app->findChildren<QTranslator*>().isEmpty(), !locale.startsWith("de"));
        GameState state;
        MainStartupWindow startup(state);
        testing::FakeStartupSettings settings;
        HelpWindow help(settings);
        StdRandomSource random(1);
        GameWindow game(state, settings, random);
        game.Form_Load();
        QCOMPARE(startup.findChild<QPushButton*>(QStringLiteral("cmdPlay"))->text(), playNow);
        QStringList clipped = clippedTexts(startup) + clippedTexts(help) + clippedTexts(game);
        // The verdicts' messages too, which take the instruction's place in the same label.
        for (const QString& message : {wrongWiringMessage(), correctWiringMessage()}) {
            game.lblCongratulations()->setCaption(message);
            clipped += clippedTexts(game);
        }
        for (QTranslator* translator : app->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral(" | "))));
    }
};

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"
