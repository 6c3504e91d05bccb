// The help text is kept line by line, exactly as players read it (blanks at line ends and the
// odd typo included), so that nothing is lost when it is laid out in the text box.
#include "ui/help/HelpText.h"

#include "ui/common/Website.h"

#include <QCoreApplication>

namespace kestrelink::ui {

QStringList helpLines() {
    const QString rule(42, QLatin1Char('-'));
    const QString website = QLatin1String(kMakerWebsite);
    const QString email = QLatin1String(kMakerServiceEmail);
    return {
        QCoreApplication::translate("HelpText", "Main Start-up Window"),
        rule,
        QCoreApplication::translate(
            "HelpText", "Select Beginner level of play to start -- Select Advanced to hide Cable "),
        QCoreApplication::translate("HelpText", "Connectors to make the game more difficult."),
        QString(),
        QCoreApplication::translate(
            "HelpText", "Set the \"Number of PCs to Connect\" using the scroll bar -- "),
        QCoreApplication::translate("HelpText",
                                    "Selecting more PCs to connect makes the game more difficult."),
        QString(),
        QCoreApplication::translate("HelpText",
                                    "Set the \"Number of Colors to use\" using the scroll bar -- "),
        QCoreApplication::translate(
            "HelpText", "Selecting a different number of colors can make the game more difficult."),
        QString(),
        QCoreApplication::translate(
            "HelpText", "[Use Random Color Count] This option when checked causes the program"),
        QCoreApplication::translate(
            "HelpText", "to create a random number of colors each time you press \"New Game\"."),
        QString(),
        QCoreApplication::translate(
            "HelpText", "[Play Now] displays the Game Window and starts the game with the "),
        QCoreApplication::translate("HelpText", "selected parameters."),
        QString(),
        QCoreApplication::translate("HelpText", "[Help] button displays this Help Window."),
        QString(),
        QCoreApplication::translate("HelpText", "[Exit] button exits the Game."),
        QString(),
        QString(),
        QCoreApplication::translate("HelpText", "Game Window"),
        rule,
        QCoreApplication::translate("HelpText",
                                    "Drag a Cable Connector to a PC Connector to connect."),
        QString(),
        QCoreApplication::translate(
            "HelpText", "Right-Mouse-Click on a Cable Connector or Drag the Cable Connector off "),
        QCoreApplication::translate("HelpText", "the PC Connector to disconnect."),
        QString(),
        QCoreApplication::translate(
            "HelpText", "If you incorrectly connect the PCs, the display will indicate this."),
        QCoreApplication::translate(
            "HelpText", "Click on the cables to toggle color to help find your errors."),
        QString(),
        QCoreApplication::translate(
            "HelpText", "[New Came] button creates new game with new randomized PC and "),
        QCoreApplication::translate("HelpText", "Cable Connectors."),
        QString(),
        QCoreApplication::translate(
            "HelpText", "[Restart Game] button clears all connections and restarts current game."),
        QString(),
        QCoreApplication::translate(
            "HelpText", "[Show Solution] button shows a correct solution to connect all PCs "),
        QCoreApplication::translate("HelpText", "correctly"),
        QString(),
        QCoreApplication::translate("HelpText", "[Help] button displays this Help Window."),
        QString(),
        QCoreApplication::translate("HelpText", "[Quit] button closes the Game Window."),
        QString(),
        QCoreApplication::translate(
            "HelpText", "[Elapsed Time] shows how long you have been playing a particular game."),
        QCoreApplication::translate("HelpText", "(bottom timer on right) "),
        QString(),
        QCoreApplication::translate("HelpText",
                                    "[Game End Time] shows what time the game was finished."),
        QCoreApplication::translate("HelpText", "(top timer on right) "),
        QString(),
        QCoreApplication::translate("HelpText", "[Current Time] shows the current time."),
        QCoreApplication::translate("HelpText", "(top timer on left) "),
        QString(),
        QCoreApplication::translate("HelpText", "[Start Time] shows the game start time."),
        QCoreApplication::translate("HelpText", "(bottom timer on left) "),
        QString(),
        QString(),
        QCoreApplication::translate("HelpText", "Good Luck ... And don't have too much fun !"),
        QString(),
        QString(),
        QCoreApplication::translate("HelpText", "Visit our Website %1 for the best in PC to PC ")
            .arg(website),
        QCoreApplication::translate("HelpText", "Connection and Networking Products."),
        QString(),
        QCoreApplication::translate("HelpText",
                                    "Kestrelink® Connection Game - Alpha Version 1.0 (3-18-2002)"),
        QCoreApplication::translate("HelpText", "Please send e-mail to %1 regarding any bugs")
            .arg(email),
        QCoreApplication::translate(
            "HelpText", "or problems you find as well as any suggestions you may have."),
    };
}

QStringList creditLines() {
    return {
        QCoreApplication::translate("HelpText",
                                    "Kestrelink® Connection Game V.1.0 Alpha 3-18-2002"),
        QCoreApplication::translate("HelpText", "Copyright © 2002 Orvane. All rights reserved."),
        QCoreApplication::translate("HelpText", "Kestrelink® is a registered trademark of Orvane."),
    };
}

QString joinWithCrLf(const QStringList& lines) {
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

} // namespace kestrelink::ui
