// One parser for deciding what the command line asks and for the help text it prints.
#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QProcessEnvironment>

namespace kestrelink::app {

namespace {

struct Parser {
    QCommandLineParser parser;
    QCommandLineOption help;
    QCommandLineOption version;
    QCommandLineOption colorSymbols{
        QStringLiteral("color-symbols"),
        QCoreApplication::translate("CommandLine", "Show a symbol for its colour on every "
                                                   "connector, for telling the colours apart.")};

    Parser() : help(parser.addHelpOption()), version(parser.addVersionOption()) {
        parser.addOption(colorSymbols);
        parser.setApplicationDescription(QCoreApplication::translate(
            "CommandLine", "Connect all the PCs into one ring of cables, as fast as you can."));
        // "-reverse" and the other one-dash options of the toolkit are words, not bundles of
        // letters: read as bundles, "-reverse" would hold the "-v" of --version.
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    }
};

} // namespace

CommandLineRequest commandLineRequest(const QStringList& arguments) {
    Parser p;
    // Unknown options are no error here: whatever parse() reports is ignored, as the rest of
    // the command line is.
    (void)p.parser.parse(arguments);
    if (p.parser.isSet(p.help) || p.parser.isSet(QStringLiteral("help-all")))
        return CommandLineRequest::Help;
    if (p.parser.isSet(p.version))
        return CommandLineRequest::Version;
    return CommandLineRequest::Play;
}

namespace {

// Whether the command line gives one of Qt's own options that take a value, such as -platform;
// Qt reads them with one dash or two, each followed by its value.
bool qtOptionGiven(const QStringList& arguments, QLatin1String name) {
    for (qsizetype i = 1; i + 1 < arguments.size(); ++i) {
        QString option = arguments.at(i);
        if (option.startsWith(QLatin1String("--")))
            option.remove(0, 1);
        if (option == name)
            return true;
    }
    return false;
}

bool isSet(const QProcessEnvironment& environment, const char* variable) {
    return !environment.value(QLatin1String(variable)).isEmpty();
}

} // namespace

bool displayGiven(const QStringList& arguments, const QProcessEnvironment& environment) {
    for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        if (isSet(environment, variable))
            return true;
    }
    return qtOptionGiven(arguments, QLatin1String("-platform")) ||
           qtOptionGiven(arguments, QLatin1String("-display"));
}

QString platformToAskFor(const QStringList& arguments, const QProcessEnvironment& environment,
                         bool waylandInstalled) {
    if (waylandInstalled || isSet(environment, "QT_QPA_PLATFORM") ||
        qtOptionGiven(arguments, QLatin1String("-platform")) || !isSet(environment, "DISPLAY"))
        return {};
    const bool waylandSession =
        isSet(environment, "WAYLAND_DISPLAY") ||
        environment.value(QStringLiteral("XDG_SESSION_TYPE")) == QLatin1String("wayland");
    return waylandSession ? QStringLiteral("xcb") : QString();
}

bool waylandPlatformInstalled(const QProcessEnvironment& environment) {
    QStringList folders;
    for (const char* variable : {"QT_QPA_PLATFORM_PLUGIN_PATH", "QT_PLUGIN_PATH"}) {
        const QString suffix =
            qstrcmp(variable, "QT_PLUGIN_PATH") == 0 ? QStringLiteral("/platforms") : QString();
        for (const QString& folder :
             environment.value(QLatin1String(variable)).split(QLatin1Char(':'), Qt::SkipEmptyParts))
            folders << folder + suffix;
    }
    folders << QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms");
    for (const QString& folder : folders) {
        if (!QDir(folder)
                 .entryList({QStringLiteral("libqwayland*")}, QDir::Files | QDir::Readable)
                 .isEmpty())
            return true;
    }
    return false;
}

bool colorSymbolsRequested(const QStringList& arguments) {
    Parser p;
    (void)p.parser.parse(arguments);
    return p.parser.isSet(p.colorSymbols);
}

QString commandLineAnswer(CommandLineRequest request) {
    if (request == CommandLineRequest::NoDisplay)
        return QCoreApplication::translate(
                   "CommandLine", "Kestrelink needs a graphical desktop, and none was found.") +
               QLatin1Char('\n');
    if (request == CommandLineRequest::Version)
        return QCoreApplication::applicationName() + QLatin1Char(' ') +
               QCoreApplication::applicationVersion() + QLatin1Char('\n');
    if (request == CommandLineRequest::Help)
        return Parser().parser.helpText();
    return {};
}

} // namespace kestrelink::app
