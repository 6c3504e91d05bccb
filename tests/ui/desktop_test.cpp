// The game as a desktop program: what the command line asks for, the icon files against the
// window icon, the report's folder, and every catalogue: whole, and each text fitting its control
// in the windows and dialogs.
#include "FakeStartupSettings.h"
#include "GameWindowParts.h"
#include "KestrelinkConfig.h"
#include "app/CommandLine.h"
#include "app/Translations.h"
#include "game/GameState.h"
#include "game/RandomSource.h"
#include "ui/common/CaptionLabel.h"
#include "ui/common/Pictograms.h"
#include "ui/common/ReportFile.h"
#include "ui/common/WrappedTextButton.h"
#include "ui/game/GameWindow.h"
#include "ui/game/GameWindowDefinition.h"
#include "ui/help/HelpWindow.h"
#include "ui/startup/GameWindowHost.h"
#include "ui/startup/MainStartupWindow.h"
#include "ui/startup/WrappingCheckBox.h"

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>
#include <functional>
#include <memory>

using namespace kestrelink;
using namespace kestrelink::ui;
using namespace kestrelink::ui::testing;

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
    // Read-only boxes show a whole text; what the player types may scroll.
    auto* edit = qobject_cast<QLineEdit*>(widget);
    if (edit != nullptr && edit->isReadOnly()) {
        const int inset = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit) + 2;
        return {edit->rect().adjusted(inset, 0, -inset, 0), 0, edit->text()};
    }
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

// The locales of the catalogues in the source tree: "kestrelink_pt_BR.ts" is for pt_BR.
QStringList catalogueLocales() {
    QStringList locales;
    const QDir folder(QStringLiteral(KESTRELINK_TRANSLATIONS));
    for (const QString& file : folder.entryList({QStringLiteral("kestrelink_*.ts")}, QDir::Files))
        locales << file.section(QLatin1Char('_'), 1).chopped(3);
    return locales;
}

// One source text of a catalogue with its translation.
struct CatalogueEntry {
    QString source;
    QString translation;
};

// The text of the element the reader stands on, a carriage return kept as a <byte> element.
QString elementText(QXmlStreamReader& reader) {
    QString text;
    for (int depth = 1; depth > 0 && !reader.atEnd();) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == u"byte")
            text += QChar(
                reader.attributes().value(QStringLiteral("value")).mid(1).toUInt(nullptr, 16));
        else if (reader.isCharacters())
            text += reader.text();
        depth += reader.isStartElement() ? 1 : reader.isEndElement() ? -1 : 0;
    }
    return text;
}

QList<CatalogueEntry> catalogueEntries(const QString& locale) {
    QFile file(QStringLiteral(KESTRELINK_TRANSLATIONS "/kestrelink_%1.ts").arg(locale));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader reader(&file);
    QList<CatalogueEntry> entries;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (reader.name() == u"source")
            entries.append({elementText(reader), {}});
        else if (reader.name() == u"translation" && !entries.isEmpty())
            entries.last().translation = elementText(reader);
    }
    return entries;
}

// The catalogues for one locale, installed for as long as this lives.
struct InstalledCatalogues {
    bool found;
    explicit InstalledCatalogues(const QString& locale)
        : found(app::installTranslations(*QCoreApplication::instance(), QLocale(locale))) {}
    ~InstalledCatalogues() {
        for (QTranslator* translator : QCoreApplication::instance()->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
    InstalledCatalogues(const InstalledCatalogues&) = delete;
    InstalledCatalogues& operator=(const InstalledCatalogues&) = delete;
};

// No catalogue, English (which has none), and every catalogue there is.
void addLocaleRows() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("hasCatalogue");
    QTest::newRow("unset") << "C" << false;
    QTest::newRow("en_GB") << "en_GB" << false;
    for (const QString& locale : catalogueLocales())
        QTest::newRow(qPrintable(locale)) << locale << true;
}

// Answers the next modal dialog of type T once it is on screen. Gives up after five seconds,
// closing whatever modal dialog is open, so a missing dialog fails the test instead of hanging;
// a wait still pending when a test ends is dropped then (cleanup()).
template <typename T> void whenModal(std::function<void(T*)> answer) {
    auto* timer = new QTimer(qApp);
    timer->setObjectName(QStringLiteral("whenModal"));
    auto ticks = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, ticks, answer] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible()) {
            if (++*ticks < 500)
                return;
            if (QWidget* other = QApplication::activeModalWidget())
                other->close();
        } else {
            answer(dialog);
        }
        timer->stop();
        timer->deleteLater();
    });
    timer->start(10);
}

// What of `dialog` does not fit: a text its control clips, or the dialog itself its screen.
QStringList dialogProblems(QDialog& dialog) {
    QStringList problems = clippedTexts(dialog);
    const QSize room = dialog.screen()->availableGeometry().size();
    const QSize size = dialog.frameGeometry().size();
    if (size.width() > room.width() || size.height() > room.height())
        problems << dialog.windowTitle() + QStringLiteral(": larger than the screen");
    return problems;
}

} // namespace

class DesktopTest : public QObject {
    Q_OBJECT
private slots:
    // A dialog a failed test never saw is not answered in the next one.
    void cleanup() { qDeleteAll(qApp->findChildren<QTimer*>(QStringLiteral("whenModal"))); }

    void commandLine_data() {
        using app::CommandLineRequest;
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<CommandLineRequest>("request");
        QTest::addColumn<bool>("colorSymbols");
        const auto row = [](const char* name, QStringList arguments, CommandLineRequest request,
                            bool colorSymbols = false) {
            arguments.prepend(QStringLiteral("kestrelink"));
            QTest::newRow(name) << arguments << request << colorSymbols;
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
        row("color symbols", {"-reverse", "--color-symbols"}, CommandLineRequest::Play, true);
        row("color symbols and help", {"--color-symbols", "-h"}, CommandLineRequest::Help, true);
        row("color symbols as an argument", {"--", "--color-symbols"}, CommandLineRequest::Play);
    }
    void commandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(app::CommandLineRequest, request);
        QFETCH(bool, colorSymbols);
        QCOMPARE(app::commandLineRequest(arguments), request);
        QCOMPARE(app::colorSymbolsRequested(arguments), colorSymbols);
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

    // Every catalogue keeps what the program fills in or lays out by the source's text: its
    // placeholders, its line breaks and the blanks that lead a padded caption.
    void cataloguesKeepPlaceholdersAndLayout_data() {
        QTest::addColumn<QString>("locale");
        for (const QString& locale : catalogueLocales())
            QTest::newRow(qPrintable(locale)) << locale;
    }
    void cataloguesKeepPlaceholdersAndLayout() {
        QFETCH(QString, locale);
        const QList<CatalogueEntry> entries = catalogueEntries(locale);
        QVERIFY(!entries.isEmpty());
        QStringList broken;
        for (const auto& [source, translation] : entries) {
            const auto shape = [](const QString& text) {
                static const QRegularExpression placeholder(QStringLiteral("%[0-9]+"));
                QStringList parts;
                for (const auto& match : placeholder.globalMatch(text))
                    parts << match.captured();
                parts.sort();
                return std::tuple(parts, text.count(QLatin1Char('\n')),
                                  text.count(QLatin1Char('\r')), text.startsWith(QLatin1Char(' ')));
            };
            if (shape(source) != shape(translation))
                broken << source;
        }
        QVERIFY2(broken.isEmpty(), qPrintable(broken.join(QStringLiteral(" | "))));
    }

    // With no catalogue every text is the written one; with a catalogue every text is in its
    // language; either way each fits its fixed-size control.
    void textsFitTheirControls_data() { addLocaleRows(); }
    void textsFitTheirControls() {
        QFETCH(QString, locale);
        QFETCH(bool, hasCatalogue);
        const InstalledCatalogues catalogues(locale);
        QCOMPARE(catalogues.found, hasCatalogue);
        // Not even Qt's own (empty) English catalogue is read for a game that has none.
        QCOMPARE(QCoreApplication::instance()->findChildren<QTranslator*>().isEmpty(),
                 !hasCatalogue);
        GameState state;
        MainStartupWindow startup(state);
        testing::FakeStartupSettings settings;
        HelpWindow help(settings);
        StdRandomSource random(1);
        GameWindow game(state, settings, random);
        game.Form_Load();
        const QString playNow = startup.findChild<QPushButton*>(QStringLiteral("cmdPlay"))->text();
        QCOMPARE(playNow != QStringLiteral("Play Now"), hasCatalogue);
        QStringList clipped = clippedTexts(startup) + clippedTexts(help) + clippedTexts(game);
        // The help text scrolls, but is laid out line by line: no line is broken in two.
        help.show();
        auto* helpText = help.findChild<QPlainTextEdit*>(QStringLiteral("Text2"));
        const int lineRoom =
            helpText->viewport()->width() - 2 * qCeil(helpText->document()->documentMargin());
        for (const QString& line : helpText->toPlainText().split(QLatin1Char('\n')))
            if (helpText->fontMetrics().horizontalAdvance(line.trimmed()) > lineRoom)
                clipped << QStringLiteral("Text2: ") + line;
        // The verdicts' messages too, which take the instruction's place in the same label.
        auto* message = lblCongratulations(game);
        for (const QString& verdict : {wrongWiringMessage(), correctWiringMessage()}) {
            message->setCaption(verdict);
            clipped += clippedTexts(game);
            // The blanks before the headline centre it over the line below, near enough: the
            // English ones were counted for another font, and sit a little to the left.
            const QStringList lines = verdict.split(QLatin1Char('\r'));
            const QString headline = lines.first().trimmed();
            const QFontMetrics metrics = message->fontMetrics();
            const int below = metrics.horizontalAdvance(lines.last());
            const int offset =
                metrics.horizontalAdvance(QString(lines.first().indexOf(headline), ' ')) +
                metrics.horizontalAdvance(headline) / 2 - below / 2;
            if (std::abs(offset) > below / 6)
                clipped << QStringLiteral("%1: %2 px off centre").arg(headline).arg(offset);
        }
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral(" | "))));
    }

    // The message boxes and the report's input box fit the screen with every text whole, their
    // standard buttons in the language of the rest. Run on a screen too small for 16 PCs, the
    // box that refuses the game window is among them.
    void dialogsFitTheScreen_data() { addLocaleRows(); }
    void dialogsFitTheScreen() {
        QFETCH(QString, locale);
        QFETCH(bool, hasCatalogue);
        const InstalledCatalogues catalogues(locale);
        QStringList problems;
        QStringList seen;

        // The offer to close the running game, from a locked setting.
        GameState state;
        MainStartupWindow startup(state);
        startup.show();
        startup.lockSettings();
        state.GameWindowIsOpen = true;
        QStringList buttons;
        whenModal<QMessageBox>([&](QMessageBox* box) {
            seen << QStringLiteral("offer");
            problems += dialogProblems(*box);
            for (auto button : {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel})
                buttons << box->button(button)->text();
            box->button(QMessageBox::Cancel)->click();
        });
        QTest::mouseClick(startup.findChild<QWidget*>(QStringLiteral("Label1")), Qt::LeftButton, {},
                          QPoint(4, 4));
        // Qt's own catalogue names them ("No" is the same word in some languages).
        QCOMPARE(buttons.size(), 3);
        QVERIFY2((buttons != QStringList({"&Yes", "&No", "Cancel"})) == hasCatalogue,
                 qPrintable(buttons.join(QLatin1Char(' '))));

        // The report's input box, and the warnings for two names it cannot write to.
        testing::FakeStartupSettings settings;
        StdRandomSource random(1);
        GameWindow game(state, settings, random);
        game.show();
        for (const QString& name :
             {QStringLiteral("pasted\t.txt"), QStringLiteral("/proc/kestrelink.txt")}) {
            whenModal<QInputDialog>([&](QInputDialog* input) {
                seen << QStringLiteral("input");
                problems += dialogProblems(*input);
                whenModal<QMessageBox>([&](QMessageBox* box) {
                    seen << QStringLiteral("warning");
                    problems += dialogProblems(*box);
                    box->accept();
                });
                input->setTextValue(name);
                input->accept();
            });
            QTest::keyClick(&game, Qt::Key_K);
        }
        game.close();

        // The game window refused by the screen, where the screen is too small for it.
        state.GameWindowIsOpen = false;
        startup.unlockSettings();
        startup.findChild<QScrollBar*>(QStringLiteral("HScroll1"))->setValue(16);
        whenModal<QMessageBox>([&](QMessageBox* box) {
            seen << QStringLiteral("refusal");
            problems += dialogProblems(*box);
            box->accept();
        });
        QTest::mouseClick(startup.findChild<QPushButton*>(QStringLiteral("cmdPlay")),
                          Qt::LeftButton);
        const bool refused = seen.endsWith(QStringLiteral("refusal"));
        if (!refused) {
            QVERIFY(startup.gameWindowHost().isOpen());
            startup.gameWindowHost().close();
        }

        QCOMPARE(seen.mid(0, 5), QStringList({"offer", "input", "warning", "input", "warning"}));
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral(" | "))));
        if (!refused)
            QSKIP("the screen holds the largest game window, so nothing refuses it");
    }
};

QTEST_MAIN(DesktopTest)
#include "desktop_test.moc"
