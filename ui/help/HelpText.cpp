// The help text is kept line by line, exactly as players read it (blanks at line ends and the
// odd typo included), so that nothing is lost when it is laid out in the text box.
#include "ui/help/HelpText.h"

#include "ui/common/Website.h"

namespace kestrelink::ui {

QStringList helpLines() {
    const QString rule(42, QLatin1Char('-'));
    const QString website = QLatin1String(kMakerWebsite);
    const QString email = QLatin1String(kMakerServiceEmail);
    return {
        QStringLiteral("Main Start-up Window"),
        rule,
        QStringLiteral("Select Beginner level of play to start -- Select Advanced to hide Cable "),
        QStringLiteral("Connectors to make the game more difficult."),
        QString(),
        QStringLiteral("Set the \"Number of PCs to Connect\" using the scroll bar -- "),
        QStringLiteral("Selecting more PCs to connect makes the game more difficult."),
        QString(),
        QStringLiteral("Set the \"Number of Colors to use\" using the scroll bar -- "),
        QStringLiteral("Selecting a different number of colors can make the game more difficult."),
        QString(),
        QStringLiteral("[Use Random Color Count] This option when checked causes the program"),
        QStringLiteral("to create a random number of colors each time you press \"New Game\"."),
        QString(),
        QStringLiteral("[Play Now] displays the Game Window and starts the game with the "),
        QStringLiteral("selected parameters."),
        QString(),
        QStringLiteral("[Help] button displays this Help Window."),
        QString(),
        QStringLiteral("[Exit] button exits the Game."),
        QString(),
        QString(),
        QStringLiteral("Game Window"),
        rule,
        QStringLiteral("Drag a Cable Connector to a PC Connector to connect."),
        QString(),
        QStringLiteral("Right-Mouse-Click on a Cable Connector or Drag the Cable Connector off "),
        QStringLiteral("the PC Connector to disconnect."),
        QString(),
        QStringLiteral("If you incorrectly connect the PCs, the display will indicate this."),
        QStringLiteral("Click on the cables to toggle color to help find your errors."),
        QString(),
        QStringLiteral("[New Came] button creates new game with new randomized PC and "),
        QStringLiteral("Cable Connectors."),
        QString(),
        QStringLiteral("[Restart Game] button clears all connections and restarts current game."),
        QString(),
        QStringLiteral("[Show Solution] button shows a correct solution to connect all PCs "),
        QStringLiteral("correctly"),
        QString(),
        QStringLiteral("[Help] button displays this Help Window."),
        QString(),
        QStringLiteral("[Quit] button closes the Game Window."),
        QString(),
        QStringLiteral("[Elapsed Time] shows how long you have been playing a particular game."),
        QStringLiteral("(bottom timer on right) "),
        QString(),
        QStringLiteral("[Game End Time] shows what time the game was finished."),
        QStringLiteral("(top timer on right) "),
        QString(),
        QStringLiteral("[Current Time] shows the current time."),
        QStringLiteral("(top timer on left) "),
        QString(),
        QStringLiteral("[Start Time] shows the game start time."),
        QStringLiteral("(bottom timer on left) "),
        QString(),
        QString(),
        QStringLiteral("Good Luck ... And don't have too much fun !"),
        QString(),
        QString(),
        QStringLiteral("Visit our Website ") + website +
            QStringLiteral(" for the best in PC to PC "),
        QStringLiteral("Connection and Networking Products."),
        QString(),
        QStringLiteral("Kestrelink® Connection Game - Alpha Version 1.0 (3-18-2002)"),
        QStringLiteral("Please send e-mail to ") + email + QStringLiteral(" regarding any bugs"),
        QStringLiteral("or problems you find as well as any suggestions you may have."),
    };
}

QStringList creditLines() {
    return {
        QStringLiteral("Kestrelink® Connection Game V.1.0 Alpha 3-18-2002"),
        QStringLiteral("Copyright © 2002 Orvane. All rights reserved."),
        QStringLiteral("Kestrelink® is a registered trademark of Orvane."),
    };
}

QString joinWithCrLf(const QStringList& lines) {
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

} // namespace kestrelink::ui
