// One parser for deciding what the command line asks and for the help text it prints.
#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
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

bool displayGiven(const QStringList& arguments, const QProcessEnvironment& environment) {
    for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
        if (!environment.value(QLatin1String(variable)).isEmpty())
            return true;
    }
    // Qt reads its own options with one dash or two, each followed by its value.
    for (qsizetype i = 1; i + 1 < arguments.size(); ++i) {
        QString option = arguments.at(i);
        if (option.startsWith(QLatin1String("--")))
            option.remove(0, 1);
        if (option == QLatin1String("-platform") || option == QLatin1String("-display"))
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
