// Builds the game window's defined controls, each in its place in twips.
#include "ui/game/GameWindowDefinition.h"

#include "game/ClockText.h"
#include "ui/common/Accessibility.h"
#include "ui/common/CaptionLabel.h"
#include "ui/common/Fonts.h"
#include "ui/common/Twips.h"
#include "ui/common/WrappedTextButton.h"
#include "ui/game/BoardControl.h"
#include "ui/game/CableLayer.h"
#include "ui/game/PictogramControl.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <iterator>

namespace kestrelink::ui {

namespace {

// The texts are marked for the catalogues where they stand and translated where they are shown.
QString translated(const char* text) {
    return QCoreApplication::translate("GameWindow", text);
}

// The cable segments as the window is defined, before start-up places them.
constexpr TwipLine kDefinedSegments[] = {
    {1740, 2160, 1860, 2160}, {1740, 2760, 1860, 2760}, {1920, 2760, 1920, 2160},
    {2340, 2160, 2460, 2160}, {2340, 2760, 2460, 2760}, {2460, 2760, 2460, 2160},
    {2820, 2160, 2940, 2160}, {2880, 2760, 3000, 2760}, {3000, 2760, 3000, 2160},
    {3480, 2160, 3600, 2160}, {3480, 2760, 3600, 2760}, {3600, 2760, 3600, 2160},
};

void placeWidget(QWidget& widget, const TwipRect& twips) {
    widget.setGeometry(toPixelRect(twips));
}

// The time boxes only display: read-only, no edit menu, no paste by the middle button. A screen
// reader names each by the time it shows. Until the clock first runs, each shows no time at all.
QLineEdit* makeTimeBox(QWidget& parent, const char* name, const TwipRect& at, const char* tip,
                       const char* spokenName) {
    auto* box =
        new QLineEdit(QString::fromStdString(elapsedText(Clock::duration::zero())), &parent);
    box->setObjectName(QLatin1String(name));
    accessibility::markAsDisplayBox(*box, translated(spokenName));
    box->setFont(dialogFont(8.25, true));
    box->setToolTip(translated(tip));
    box->setReadOnly(true);
    box->setContextMenuPolicy(Qt::NoContextMenu);
    box->setAttribute(Qt::WA_NoMousePropagation);
    placeWidget(*box, at);
    return box;
}

QPushButton* makeCommand(QGroupBox& frame, const char* name, const char* caption, float left,
                         float width, const char* tip) {
    // Captions too long for one line wrap onto two, as the classic command buttons do.
    auto* button = new WrappedTextButton(translated(caption), &frame);
    button->setObjectName(QLatin1String(name));
    button->setFont(dialogFont(8.25, true));
    button->setToolTip(translated(tip));
    placeWidget(*button, TwipRect{left, 240, width, 615});
    return button;
}

QTimer* makeTimer(QWidget& window, const char* name, int intervalMs) {
    auto* timer = new QTimer(&window);
    timer->setObjectName(QLatin1String(name));
    timer->setInterval(intervalMs);
    return timer;
}

} // namespace

QString instructionMessage() {
    return QCoreApplication::translate(
        "GameWindow", "Connect the PCs together using the cables so that all the PCs are "
                      "connected and data can flow to all PCs -- Good Luck ... And don't have "
                      "too much fun !!!");
}

QString wrongWiringMessage() {
    return QCoreApplication::translate(
        "GameWindow", "                    Sorry \r\rThe PCs are not connected correctly");
}

QString correctWiringMessage() {
    return QCoreApplication::translate(
        "GameWindow", "             Congratulations !!!\r\rYou have correctly connected the PCs");
}

GameWindowControls buildGameWindowDefinition(QWidget& window) {
    GameWindowControls c;
    c.lblCoverUpCableBackground = new BoardControl(0, BoardControl::Border::None, &window);
    c.lblCoverUpCableBackground->setObjectName(QStringLiteral("lblCoverUpCableBackground"));
    c.lblCoverUpCableBackground->setTwipRect(definition::kCableBand);
    c.lblCoverUpCableBackground->setMouseTracking(true);
    // A band of background with nothing to read; the cables are told by their connectors.
    accessibility::leaveOut(*c.lblCoverUpCableBackground);

    c.lblCongratulations = new CaptionLabel(QStringLiteral("lblCongratulations"), &window);
    c.lblCongratulations->setFont(dialogFont(8.25, true));
    c.lblCongratulations->setWordWrap(true);
    c.lblCongratulations->setCaption(instructionMessage());
    placeWidget(*c.lblCongratulations, definition::kMessageLabel);

    c.lblSmile1 = new FaceLabel(QStringLiteral("lblSmile1"), true, kWhite, &window);
    c.lblSmile2 = new FaceLabel(QStringLiteral("lblSmile2"), true, kWhite, &window);
    c.lblFrown1 = new FaceLabel(QStringLiteral("lblFrown1"), false, kRed, &window);
    c.lblFrown2 = new FaceLabel(QStringLiteral("lblFrown2"), false, kRed, &window);
    for (FaceLabel* face : {c.lblSmile1, c.lblFrown1})
        face->setTwipRect(definition::kFaceLeft);
    for (FaceLabel* face : {c.lblSmile2, c.lblFrown2})
        face->setTwipRect(definition::kFaceRight);
    for (FaceLabel* face : {c.lblSmile1, c.lblSmile2, c.lblFrown1, c.lblFrown2})
        face->hide();
    for (FaceLabel* face : {c.lblSmile1, c.lblSmile2})
        accessibility::markAsPicture(*face,
                                     QCoreApplication::translate("GameWindow", "Smiling face"));
    for (FaceLabel* face : {c.lblFrown1, c.lblFrown2})
        accessibility::markAsPicture(*face,
                                     QCoreApplication::translate("GameWindow", "Frowning face"));

    c.cables = new CableLayer(&window);
    accessibility::leaveOut(*c.cables);
    c.cables->setGeometry(window.rect());
    c.cables->setSegmentCount(static_cast<int>(std::size(kDefinedSegments)));
    for (int i = 0; i < c.cables->segmentCount(); ++i) {
        c.cables->setLine(i, kDefinedSegments[i]);
        c.cables->setSegmentVisible(i, true);
    }

    c.frmCommandButtons = new QGroupBox(&window);
    c.frmCommandButtons->setObjectName(QStringLiteral("frmCommandButtons"));
    c.frmCommandButtons->setAttribute(Qt::WA_NoMousePropagation);
    c.frmCommandButtons->setAccessibleName(QCoreApplication::translate("GameWindow", "Commands"));
    placeWidget(*c.frmCommandButtons, definition::kCommandFrame);
    QGroupBox& frame = *c.frmCommandButtons;
    c.cmdNewGame =
        makeCommand(frame, "cmdNewGame", QT_TRANSLATE_NOOP("GameWindow", "New Game"), 120, 975,
                    QT_TRANSLATE_NOOP("GameWindow", "Creates new random connection game"));
    c.cmdRestartCurrentGame =
        makeCommand(frame, "cmdRestartCurrentGame", QT_TRANSLATE_NOOP("GameWindow", "Restart Game"),
                    1200, 915, QT_TRANSLATE_NOOP("GameWindow", "Restarts current game"));
    c.cmdShowSolution = makeCommand(
        frame, "cmdShowSolution", QT_TRANSLATE_NOOP("GameWindow", "Show Solution"), 2220, 915,
        QT_TRANSLATE_NOOP("GameWindow", "Connect all and show the primary connection solution"));
    c.cmdHelp = makeCommand(frame, "cmdHelp", QT_TRANSLATE_NOOP("GameWindow", "Help"), 3240, 855,
                            QT_TRANSLATE_NOOP("GameWindow", "More help"));
    c.cmdQuit =
        makeCommand(frame, "cmdQuit", QT_TRANSLATE_NOOP("GameWindow", "Quit Game"), 4200, 855,
                    QT_TRANSLATE_NOOP("GameWindow", "Quit current game and close the Game Window"));

    c.txtCurrentTime = makeTimeBox(window, "txtCurrentTime", definition::kCurrentTime,
                                   QT_TRANSLATE_NOOP("GameWindow", "Current Time"),
                                   QT_TRANSLATE_NOOP("GameWindow", "Current time"));
    c.txtStartingTime = makeTimeBox(window, "txtStartingTime", definition::kStartingTime,
                                    QT_TRANSLATE_NOOP("GameWindow", "Current game start time"),
                                    QT_TRANSLATE_NOOP("GameWindow", "Starting time"));
    c.txtEndingTimeTime = makeTimeBox(window, "txtEndingTimeTime", definition::kEndingTime,
                                      QT_TRANSLATE_NOOP("GameWindow", "Time game was finished"),
                                      QT_TRANSLATE_NOOP("GameWindow", "Ending time"));
    c.txtElapsedTime = makeTimeBox(window, "txtElapsedTime", definition::kElapsedTime,
                                   QT_TRANSLATE_NOOP("GameWindow", "Elapsed game time"),
                                   QT_TRANSLATE_NOOP("GameWindow", "Elapsed time"));

    c.timerGameClock = makeTimer(window, "timerGameClock", 1000);
    c.timerGameClock->start();
    c.timerCableAnimation = makeTimer(window, "timerCableAnimation", 150);
    return c;
}

void alignToWidth(const GameWindowControls& controls, float outerWidthTwips) {
    const WidthAlignedControls aligned = alignToWindowWidth(outerWidthTwips);
    // Each control keeps its defined top and size; only its left follows the width.
    const auto movedTo = [](TwipRect defined, float left) {
        defined.left = left;
        return defined;
    };
    placeWidget(*controls.frmCommandButtons,
                movedTo(definition::kCommandFrame, aligned.commandFrameLeft));
    placeWidget(*controls.lblCongratulations,
                movedTo(definition::kMessageLabel, aligned.messageLeft));
    controls.lblSmile2->setTwipRect(movedTo(definition::kFaceRight, aligned.rightFaceLeft));
    controls.lblFrown2->setTwipRect(movedTo(definition::kFaceRight, aligned.rightFaceLeft));
    placeWidget(*controls.txtEndingTimeTime,
                movedTo(definition::kEndingTime, aligned.endingTimeLeft));
    placeWidget(*controls.txtElapsedTime,
                movedTo(definition::kElapsedTime, aligned.elapsedTimeLeft));
}

} // namespace kestrelink::ui
